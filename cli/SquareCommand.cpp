#include "cli/SquareCommand.h"

#include "base/NumberText.h"
#include "base/Quoted.h"
#include "engine/LocatorSquare.h"
#include "formats/GeoJsonWriter.h"
#include "formats/RecordWriter.h"

#include <vector>

namespace cli {

namespace {

CRecordWriter Record(const CLocatorSquare& s, int d)
{
    CRecordWriter r;
    r.AddText("locator", s.GetLocator());
    r.AddNumber("south_deg", s.GetSouth(), d);
    r.AddNumber("west_deg", s.GetWest(), d);
    r.AddNumber("north_deg", s.GetNorth(), d);
    r.AddNumber("east_deg", s.GetEast(), d);
    r.AddNumber("centre_lat_deg", s.GetCentre().Latitude, d);
    r.AddNumber("centre_lon_deg", s.GetCentre().Longitude, d);
    r.AddNumber("height_deg", s.GetHeight(), d);
    r.AddNumber("width_deg", s.GetWidth(), d);
    return r;
}

std::string Text(const CLocatorSquare& s, int d)
{
    auto pair = [d](double a, double b) { return FormatShown(a, d) + " " + FormatShown(b, d); };
    return s.GetLocator() + "\nsouth-west: " + pair(s.GetSouth(), s.GetWest())
         + "\nnorth-east: " + pair(s.GetNorth(), s.GetEast())
         + "\ncentre: " + pair(s.GetCentre().Latitude, s.GetCentre().Longitude)
         + "\nsize: " + pair(s.GetHeight(), s.GetWidth()) + " (degrees of latitude and longitude)\n";
}

} // namespace

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
        const CRecordWriter record = Record(square, decimals);
        switch (o.format) {
        case OutputFormat::Text:
            result.out += Text(square, decimals);
            break;
        case OutputFormat::Csv:
            result.out += (i == 0 ? record.CsvHeader() : "") + record.CsvRow();
            break;
        case OutputFormat::Json:
            result.out += record.Json() + "\n";
            break;
        case OutputFormat::GeoJson:
            features.push_back(CGeoJsonWriter::Square(square, record));
            break;
        }
    }
    if (o.format == OutputFormat::GeoJson)
        result.out = CGeoJsonWriter::Collection(features);
    return result;
}

} // namespace cli
