#include "cli/PathCommand.h"

#include "base/Quoted.h"
#include "cli/PathReport.h"
#include "formats/GeoJsonWriter.h"

#include <vector>

namespace cli {

namespace {

const double kSampleKm = 100;  // GeoJSON lines: no two neighbours farther apart

CRecordWriter Role(const std::string& role, const std::string& name)
{
    CRecordWriter r;
    r.AddText("role", role);
    r.AddText("name", name);
    return r;
}

} // namespace

bool CPathCommand::ReadEnds(const ToolboxOptions& o, const char* command, Place ends[2], CommandResult& result)
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

CommandResult CPathCommand::Run(const ToolboxOptions& o)
{
    CommandResult result;
    Place ends[2];
    if (!ReadEnds(o, "path", ends, result))
        return result;
    const int decimals = o.precision >= 0 ? o.precision : 1;
    const CPathReport report(ends[0], ends[1], o.radiusKm);
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
    case OutputFormat::GeoJson: {
        // The sample step in radians: kSampleKm on this sphere.
        const double step = kSampleKm / report.GetKm(true) * report.GetCircle().GetLongAngle();
        std::vector<std::string> features = {
            CGeoJsonWriter::PointFeature(ends[0].point, Role("from", ends[0].name)),
            CGeoJsonWriter::PointFeature(ends[1].point, Role("to", ends[1].name)),
        };
        for (bool longPath : {false, true}) {
            const CGreatCircle& c = report.GetCircle();
            CRecordWriter properties = Role(longPath ? "long path" : "short path", ends[0].name + " to " + ends[1].name);
            report.AddFigures(properties, longPath, "", decimals);
            features.push_back(CGeoJsonWriter::LineFeature(
                CGreatCircle::Sample(ends[0].point, longPath ? c.GetLongBearing() : c.GetBearing(),
                                     longPath ? c.GetLongAngle() : c.GetAngle(), step),
                properties));
        }
        result.out = CGeoJsonWriter::Collection(features);
        break;
    }
    }
    return result;
}

} // namespace cli
