#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "cli/Messages.h"
#include "engine/LocatorSquare.h"
#include "formats/LineReader.h"
#include "formats/NmeaReader.h"
#include "formats/RecordWriter.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace cli {

namespace {

const std::size_t kLongestLine = 4096;  // NMEA allows 82 bytes; anything longer is junk

struct Counts {
    long fixes = 0, printed = 0, noFix = 0, badChecksum = 0, malformed = 0, other = 0, junk = 0;
};

} // namespace

ExitStatus RunNmea(const Options& o, std::FILE* in, std::FILE* out, std::FILE* err)
{
    if (o.values.size() > 1 || o.format == OutputFormat::GeoJson)
        return SayUsage(err, "nmea reads one FILE or standard input and writes text, csv or json");
    std::FILE* file = in;
    if (!o.values.empty()) {
        file = std::fopen(o.values[0].c_str(), "rb");
        if (!file) {
            Say(err, "nmea: cannot open " + Quoted(o.values[0]) + ": " + std::strerror(errno));
            return kExitFile;
        }
    }
    const int decimals = o.precision >= 0 ? o.precision : 6;
    CLineReader reader(file, kLongestLine);
    Counts n;
    std::string line;
    std::string last;
    bool header = o.format == OutputFormat::Csv;
    ExitStatus status = kExitDone;
    while (reader.Next(line)) {
        const std::string::size_type first = line.find('$');
        if (first == std::string::npos) {
            n.junk += line.empty() ? 0 : 1;
            continue;
        }
        // Junk before a sentence, or a sentence cut short by the next one: each "$" starts one.
        for (std::string::size_type at = first; at != std::string::npos;) {
            const std::string::size_type next = line.find('$', at + 1);
            const std::string sentence = line.substr(at, next == std::string::npos ? std::string::npos : next - at);
            at = next;
            LatLon fix{0, 0};
            std::string why;
            switch (CNmeaReader::ReadSentence(sentence, fix, why)) {
            case NmeaOutcome::Fix:
                break;
            case NmeaOutcome::NoFix:
                ++n.noFix;
                continue;
            case NmeaOutcome::Other:
                ++n.other;
                continue;
            case NmeaOutcome::BadChecksum:
                ++n.badChecksum;
                Say(err, "nmea: line " + std::to_string(reader.GetLineNumber()) + ": " + why);
                continue;
            case NmeaOutcome::Malformed:
                ++n.malformed;
                Say(err, "nmea: line " + std::to_string(reader.GetLineNumber()) + ": " + why);
                continue;
            }
            ++n.fixes;
            const std::string locator = CLocatorSquare::Encode(fix.Latitude, fix.Longitude, o.chars);
            if (o.changes && locator == last)
                continue;
            last = locator;
            ++n.printed;
            std::string text = locator + "\n";
            if (o.format != OutputFormat::Text) {
                CRecordWriter r;
                r.AddNumberText("line", std::to_string(reader.GetLineNumber()));
                r.AddText("locator", locator);
                r.AddNumber("lat_deg", fix.Latitude, decimals);
                r.AddNumber("lon_deg", fix.Longitude, decimals);
                text = o.format == OutputFormat::Json ? r.Json() + "\n" : (header ? r.CsvHeader() : "") + r.CsvRow();
                header = false;
            }
            std::fwrite(text.data(), 1, text.size(), out);
            // Whoever follows a live receiver wants each locator when it is there.
            if (std::fflush(out) != 0) {
                Say(err, "nmea: cannot write the output");
                status = kExitFile;
                break;
            }
        }
        if (status != kExitDone)
            break;
    }
    if (reader.Failed()) {
        Say(err, "nmea: read error after line " + std::to_string(reader.GetLineNumber()));
        status = kExitFile;
    }
    if (file != in)
        std::fclose(file);
    std::fprintf(err, "nmea: %ld lines: %ld fixes (%ld printed), %ld without a fix, %ld bad checksums, "
                      "%ld malformed, %ld other sentences, %ld other lines\n",
                 reader.GetLineNumber(), n.fixes, n.printed, n.noFix, n.badChecksum, n.malformed, n.other, n.junk);
    return status;
}

} // namespace cli
