#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "cli/Messages.h"
#include "formats/AdifDistanceFiller.h"
#include "formats/AtomicFile.h"

namespace cli {

namespace {

std::string Summary(const AdifCounts& c)
{
    const auto n = [](long count) { return std::to_string(count); };
    return "adif: " + n(c.qsos) + " QSOs: " + n(c.filled) + " filled"
         + (c.placeholders ? " (" + n(c.placeholders) + " over an empty or zero DISTANCE)" : "") + ", " + n(c.overwritten) + " overwritten, " + n(c.kept)
         + " kept (DISTANCE already there), " + n(c.noGrid) + " without GRIDSQUARE, " + n(c.noOwnGrid)
         + " without MY_GRIDSQUARE or --from, " + n(c.badGrid) + " with a grid that is not a locator"
         + (c.otherForms ? "; " + n(c.otherForms) + " measured from VUCC_GRIDS, a list of squares or a grid with blanks"
                         : "")
         + (c.characterCounted ? "; " + n(c.characterCounted) + " field lengths read as counts of UTF-8 characters, not bytes"
                               : "")
         + (c.unterminated ? "; fields after the last <EOR> left as they were" : "")
         + (c.closing.empty() ? "" : "; its closing <" + c.closing + "> kept") + "\n";
}

// The log is read whole before anything is written; -o OUT is written whole or not at all.
CommandResult Adif(const Options& o)
{
    CommandResult result;
    if (o.values.size() > 1) {
        result.status = kExitUsage;
        result.err = "adif reads one log (FILE.adi or standard input) and writes the log";
        return result;
    }
    Place own;
    std::string why;
    if (!o.from.empty() && !ReadLocatorPlace(o.from, own, why)) {
        result.status = kExitRefused;
        result.err = "adif: --from " + Quoted(o.from) + ": " + why;
        return result;
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
    CAdifDistanceFiller filler(o.from, o.overwrite, ChosenEarth(o), o.precision >= 0 ? o.precision : 1);
    if (!filler.Fill(input, output, warnings, error)) {
        result.status = kExitRefused;
        result.err = "adif: " + (source.empty() ? std::string("standard input") : QuotedName(source)) + ", " + error
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
        result.summary += Message("adif: " + warning);
    // Counts are not an error: they go to standard error without the program's name.
    result.summary += Summary(filler.GetCounts());
    return result;
}

} // namespace

ExitStatus RunAdif(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    return Finish(Adif(o), out, err);
}

} // namespace cli
