#include "cli/SquareCommand.h"

#include "base/Quoted.h"
#include "calc/SquareReport.h"
#include "engine/LocatorSquare.h"
#include "formats/GeoJsonWriter.h"
#include "formats/RecordWriter.h"

#include <vector>

namespace cli {

CommandResult CSquareCommand::Run(const ToolboxOptions& o)
{
    CommandResult result;
    if (o.values.empty()) {
        result.status = kExitUsage;
        result.err = "square takes one or more locators: square LOC...";
        return result;
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
            return result;
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
    return result;
}

} // namespace cli
