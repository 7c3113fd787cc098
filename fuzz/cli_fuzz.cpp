// libFuzzer target for the toolbox's readers and writers: the same bytes as locator squares,
// path ends, command words, an NMEA sentence, an ADIF log and a request of the window's forms,
// and through the CSV, JSON and GeoJSON writers. Built with AddressSanitizer and
// UndefinedBehaviorSanitizer.
#include "base/Quoted.h"
#include "calc/PathReport.h"
#include "calc/ResultFields.h"
#include "cli/Options.h"
#include "cli/Request.h"
#include "engine/GreatCircle.h"
#include "engine/LocatorSquare.h"
#include "engine/Place.h"
#include "formats/AdifDistanceFiller.h"
#include "formats/GeoJsonWriter.h"
#include "formats/NmeaReader.h"
#include "formats/RecordWriter.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

bool Printable(const std::string& text)
{
    for (char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string all(reinterpret_cast<const char*>(data), size);

    CLocatorSquare square;
    std::string why;
    if (square.SetLocator(all, why)) {
        const LatLon c = square.GetCentre();
        Check(square.GetSouth() < c.Latitude && c.Latitude < square.GetNorth());
        Check(square.GetWest() < c.Longitude && c.Longitude < square.GetEast());
        Check(CLocatorSquare::Encode(c.Latitude, c.Longitude, static_cast<int>(all.size())) == square.GetLocator());
        CRecordWriter properties;
        properties.AddText("locator", square.GetLocator());
        Check(CGeoJsonWriter::Square(square, properties).find("Polygon") != std::string::npos);
    }

    // Words at blanks: the command line of a toolbox command, and two path ends.
    std::vector<std::string> words(1);
    for (char ch : all) {
        if (ch == ' ')
            words.emplace_back();
        else
            words.back() += ch;
    }
    cli::Options options;
    std::string error;
    if (cli::ReadOptions(words, "square", ~0u, options, error))
        Check(options.chars % 2 == 0 && options.chars >= 2 && options.chars <= 12 && options.radiusKm >= 0);
    Place ends[2];
    if (words.size() >= 2 && ReadPlace(words[0], ends[0], why) && ReadPlace(words[1], ends[1], why)) {
        const CPathReport report(ends[0], ends[1], CEarth(options.radiusKm));
        Check(report.GetKm(false) >= 0 && report.GetKm(false) <= report.GetKm(true) + 1e-6);
        const CRecordWriter record = report.Record(3);
        Check(Printable(record.Json()));
        const CGreatCircle& c = report.GetCircle();
        const std::vector<LatLon> line = CGreatCircle::Sample(ends[0].point, c.GetBearing(), c.GetAngle(), 0.1);
        Check(CGeoJsonWriter::LineFeature(line, record).find("LineString") != std::string::npos);
        for (const std::vector<LatLon>& part : CGreatCircle::SplitAtAntimeridian(line))
            for (std::size_t i = 1; i < part.size(); ++i)
                Check(std::fabs(part[i].Longitude - part[i - 1].Longitude) <= 180);
    }

    NmeaFix fix;
    if (CNmeaReader::ReadSentence(all, fix, why) == NmeaOutcome::Fix) {
        Check(std::fabs(fix.point.Latitude) <= 90 && std::fabs(fix.point.Longitude) <= 180);
        // The square its digits lie in holds the position it reads, but for rounding.
        CLocatorSquare exact;
        Check(exact.SetLocator(CLocatorSquare::Encode(fix.latitude, fix.longitude, 12), why));
        Check(exact.GetSouth() - 1e-9 <= fix.point.Latitude && fix.point.Latitude <= exact.GetNorth() + 1e-9);
        Check(exact.GetWest() - 1e-9 <= fix.point.Longitude && fix.point.Longitude <= exact.GetEast() + 1e-9);
    }

    // Filling twice changes nothing the second time: what was added is kept.
    CAdifDistanceFiller log("JO62QM", false, CEarth(), 1);
    std::string once, twice;
    std::vector<std::string> warnings;
    if (log.Fill(all, once, warnings, error)) {
        Check(once.size() >= all.size());
        const AdifCounts first = log.GetCounts();
        Check(log.Fill(once, twice, warnings, error));
        Check(twice == once);
        Check(log.GetCounts().kept == first.kept + first.filled);
    } else {
        Check(once.empty() && !error.empty());
    }

    // The words as one of the window's requests: a done one's result line has a word for each
    // of its named fields.
    const cli::Request request = cli::RunRequest(words, 6);
    if (request.status == cli::kExitDone) {
        const std::string line = ResultLine(request.form, request.done);
        std::size_t blanks = 0;
        for (char ch : line)
            blanks += ch == ' ';
        Check(blanks + 1 == ResultFields(request.done).size());
        Check(ResultRecord(request.form, request.done).Json().front() == '{');
    }

    Check(Printable(CRecordWriter::JsonString(all)));
    const std::string csv = CRecordWriter::CsvField(all);
    Check(csv == all || (csv.front() == '"' && csv.back() == '"'));
    Check(Printable(Quoted(all)));
    return 0;
}
