#include "cli/MapCommand.h"

#include "cli/PathCommand.h"
#include "cli/SvgMap.h"
#include "formats/AtomicFile.h"

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
    const CSvgMap map(ends[0], ends[1], o.radiusKm, o.precision >= 0 ? o.precision : 1);
    std::string error;
    if (!CAtomicFile::Write(o.output, map.Draw(), error)) {
        result.status = kExitFile;
        result.err = "map: " + error;
    }
    return result;
}

} // namespace cli
