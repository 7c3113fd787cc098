#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "calc/PathReport.h"
#include "cli/Messages.h"

namespace cli {

bool ReadEnds(const Options& o, const char* command, Place ends[2], CommandResult& result)
{
    if (o.values.size() != 2) {
        result.status = kExitUsage;
        result.err = std::string(command) + " takes two places, each a locator or LAT,LON: " + command + " A B";
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        std::string why;
        if (!ReadPlace(o.values[i], ends[i], why)) {
            result.status = kExitRefused;
            result.err = std::string(command) + ": " + (i == 0 ? "first" : "second") + " place " + Quoted(o.values[i])
                       + ": " + why;
            return false;
        }
    }
    return true;
}

ExitStatus RunPath(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    CommandResult result;
    Place ends[2];
    if (!ReadEnds(o, "path", ends, result))
        return Finish(result, out, err);
    const int decimals = o.precision >= 0 ? o.precision : 1;
    const CPathReport report(ends[0], ends[1], ChosenEarth(o));
    const CRecordWriter record = report.Record(decimals);
    switch (o.format) {
    case OutputFormat::Text:
        result.out = report.Text(decimals);
        break;
    case OutputFormat::Csv:
        result.out = record.CsvHeader() + record.CsvRow();
        break;
    case OutputFormat::Json:
        result.out = record.Json() + "\n";
        break;
    case OutputFormat::GeoJson:
        result.out = report.GeoJson(decimals);
        break;
    }
    return Finish(result, out, err);
}

} // namespace cli
