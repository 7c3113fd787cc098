#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "calc/SquareReport.h"
#include "cli/Messages.h"
#include "formats/GeoJsonWriter.h"

namespace cli {

ExitStatus RunSquare(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    CommandResult result;
    if (o.values.empty()) {
        result.status = kExitUsage;
        result.err = "square takes one or more locators: square LOC...";
        return Finish(result, out, err);
    }
    const int decimals = o.precision >= 0 ? o.precision : 6;
    std::vector<std::string> features;
    for (std::size_t i = 0; i < o.values.size(); ++i) {
        CLocatorSquare square;
        std::string why;
        if (!square.SetLocator(o.values[i], why)) {
            result.status = kExitRefused;
            result.out.clear();
            result.err = "square: " + Quoted(o.values[i]) + ": " + why;
            return Finish(result, out, err);
        }
        const CSquareReport report(square);
        const CRecordWriter record = report.Record(decimals);
        switch (o.format) {
        case OutputFormat::Text:
            result.out += report.Text(decimals);
            break;
        case OutputFormat::Csv:
            result.out += (i == 0 ? record.CsvHeader() : "") + record.CsvRow();
            break;
        case OutputFormat::Json:
            result.out += record.Json() + "\n";
            break;
        case OutputFormat::GeoJson:
            features.push_back(report.GeoJsonFeature(decimals));
            break;
        }
    }
    if (o.format == OutputFormat::GeoJson)
        result.out = CGeoJsonWriter::Collection(features);
    return Finish(result, out, err);
}

} // namespace cli
