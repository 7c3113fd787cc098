#include "cli/MapCommand.h"

#include "calc/PathReport.h"
#include "cli/PathCommand.h"
#include "formats/AtomicFile.h"
#include "map/SvgRenderer.h"

namespace cli {

CommandResult CMapCommand::Run(const ToolboxOptions& o)
{
    CommandResult result;
    if (o.output.empty() || o.format != OutputFormat::Text) {
        result.status = kExitUsage;
        result.err = "map writes an SVG file: map A B -o FILE.svg";
        return result;
    }
    Place ends[2];
    if (!CPathCommand::ReadEnds(o, "map", ends, result))
        return result;
    const int decimals = o.precision >= 0 ? o.precision : 1;
    const CPathReport report(ends[0], ends[1], o.radiusKm);
    const CMapScene scene(ends[0], ends[1], CSvgRenderer::Frame());
    const std::string svg = CSvgRenderer::Draw(scene, report.Summary(false, decimals), report.Summary(true, decimals));
    std::string error;
    if (!CAtomicFile::Write(o.output, svg, error)) {
        result.status = kExitFile;
        result.err = "map: " + error;
    }
    return result;
}

} // namespace cli
