#include "cli/AdifCommand.h"

#include "base/Quoted.h"
#include "engine/Place.h"
#include "formats/AdifDistanceFiller.h"
#include "formats/AtomicFile.h"

namespace cli {

CommandResult CAdifCommand::Run(const ToolboxOptions& o)
{
    CommandResult result;
    if (o.values.size() > 1 || o.format != OutputFormat::Text) {
        result.status = kExitUsage;
        result.err = "adif reads one log (FILE.adi or standard input) and writes the log";
        return result;
    }
    if (!o.from.empty()) {
        Place own;
        std::string why;
        if (!ReadLocatorPlace(o.from, own, why)) {
            result.status = kExitRefused;
            result.err = "adif: --from " + Quoted(o.from) + ": " + why;
            return result;
        }
    }
    const std::string source = o.values.empty() ? std::string() : o.values[0];
    std::string input;
    std::string output;
    std::vector<std::string> warnings;
    std::string error;
    if (!CAtomicFile::Read(source, input, error)) {
        result.status = kExitFile;
        result.err = "adif: " + error;
        return result;
    }
    CAdifDistanceFiller log(o.from, o.overwrite, o.radiusKm, o.precision >= 0 ? o.precision : 1);
    if (!log.Fill(input, output, warnings, error)) {
        result.status = kExitRefused;
        result.err = "adif: " + (source.empty() ? std::string("standard input") : Quoted(source)) + ", " + error
                   + "; nothing written";
        return result;
    }
    if (!o.output.empty()) {
        if (!CAtomicFile::Write(o.output, output, error)) {
            result.status = kExitFile;
            result.err = "adif: " + error + "; nothing written";
            return result;
        }
    } else {
        result.out.swap(output);
    }
    for (const std::string& warning : warnings)
        result.summary += "locatrix-cli: adif: " + warning + "\n";
    // Counts are not an error: they go to standard error without the program's name.
    const AdifCounts& c = log.GetCounts();
    result.summary += "adif: " + std::to_string(c.qsos) + " QSOs: " + std::to_string(c.filled) + " filled, "
                    + std::to_string(c.overwritten) + " overwritten, " + std::to_string(c.kept)
                    + " kept (DISTANCE already there), " + std::to_string(c.noGrid) + " without GRIDSQUARE, "
                    + std::to_string(c.noOwnGrid) + " without MY_GRIDSQUARE or --from, " + std::to_string(c.badGrid)
                    + " with a grid that is not a locator"
                    + (c.unterminated ? "; fields after the last <EOR> left as they were" : "") + "\n";
    return result;
}

} // namespace cli
