#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "calc/MapLegend.h"
#include "calc/PathReport.h"
#include "cli/Messages.h"
#include "formats/AtomicFile.h"
#include "map/MapZoom.h"
#include "map/SvgRenderer.h"

namespace cli {

namespace {

const int kDefaultWidth = 800;
const int kDefaultHeight = 800;

// With --range or --size: the window's map of the pair, on the window's sphere and rounding.
bool WindowMap(const Options& o, std::string& svg, CommandResult& result)
{
    if (o.radiusKm > 0 || o.precision >= 0) {
        result.status = kExitUsage;
        result.err = "map: --range and --size draw the window's map, on its sphere and with its rounding: "
                     "not with --radius or --precision";
        return false;
    }
    if (o.values.size() != 2) {
        result.status = kExitUsage;
        result.err = "map --range/--size takes two locators: map A B --range KM --size WxH -o FILE.svg";
        return false;
    }
    CMapLegend pair;
    if (!pair.SetLocations(o.values[0], o.values[1])) {
        result.status = kExitRefused;
        result.err = "map: " + Quoted(o.values[0]) + " and " + Quoted(o.values[1])
                   + " are not a pair the window's calculator takes (two locators, 2 to 12 characters each)";
        return false;
    }
    svg = pair.Svg(o.rangeKm > 0 ? o.rangeKm : FittingMapRadius(pair.GetKilometers()),
                   o.width > 0 ? o.width : kDefaultWidth, o.height > 0 ? o.height : kDefaultHeight);
    return true;
}

} // namespace

ExitStatus RunMap(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    CommandResult result;
    Place ends[2];
    std::string svg;
    if (o.output.empty()) {
        result.status = kExitUsage;
        result.err = "map writes an SVG file: map A B -o FILE.svg";
    } else if (o.rangeKm > 0 || o.width > 0) {
        WindowMap(o, svg, result);
    } else if (ReadEnds(o, "map", ends, result)) {
        const int decimals = o.precision >= 0 ? o.precision : 1;
        const CPathReport report(ends[0], ends[1], CEarth(o.radiusKm));
        const CMapScene scene(ends[0], ends[1], CSvgRenderer::Frame());
        svg = CSvgRenderer::Draw(scene, report.Summary(false, decimals), report.Summary(true, decimals));
    }
    std::string error;
    if (!svg.empty() && !CAtomicFile::Write(o.output, svg, error)) {
        result.status = kExitFile;
        result.err = "map: " + error;
    }
    return Finish(result, out, err);
}

} // namespace cli
