#include "cli/commands/Commands.h"

#include "calc/PathReport.h"
#include "cli/Messages.h"
#include "formats/AtomicFile.h"
#include "map/SvgRenderer.h"

namespace cli {

ExitStatus RunMap(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    CommandResult result;
    Place ends[2];
    if (o.output.empty()) {
        result.status = kExitUsage;
        result.err = "map writes an SVG file: map A B -o FILE.svg";
    } else if (ReadEnds(o, "map", ends, result)) {
        const int decimals = o.precision >= 0 ? o.precision : 1;
        const CPathReport report(ends[0], ends[1], o.radiusKm);
        const CMapScene scene(ends[0], ends[1], CSvgRenderer::Frame());
        const std::string svg = CSvgRenderer::Draw(scene, report.Summary(false, decimals), report.Summary(true, decimals));
        std::string error;
        if (!CAtomicFile::Write(o.output, svg, error)) {
            result.status = kExitFile;
            result.err = "map: " + error;
        }
    }
    return Finish(result, out, err);
}

} // namespace cli
