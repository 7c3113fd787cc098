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
    long fixes = 0, printed = 0, estimated = 0, notReal = 0, noFix = 0, badChecksum = 0, malformed = 0, other = 0,
         noise = 0, junk = 0;
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
            Say(err, "nmea: cannot open " + QuotedName(o.values[0]) + ": " + std::strerror(errno));
            return kExitFile;
        }
    }
    const int decimals = o.precision >= 0 ? o.precision : 6;
    CLineReader reader(file, kLongestLine);
    // Whoever follows a live receiver wants each locator when it is there; a file is written in blocks.
    const bool live = reader.IsLive();
    Counts n;
    std::string line;
    std::string last;
    bool header = o.format == OutputFormat::Csv;
    ExitStatus status = kExitDone;
    const auto report = [&](const std::string& why) {
        Say(err, "nmea: line " + std::to_string(reader.GetLineNumber()) + ": " + why);
    };
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
            NmeaFix fix;
            std::string why;
            switch (CNmeaReader::ReadSentence(sentence, fix, why)) {
            case NmeaOutcome::Fix:
                break;
            case NmeaOutcome::Estimated:
                ++n.estimated;
                if (o.estimated)
                    break;
                continue;
            case NmeaOutcome::NotReal:
                ++n.notReal;
                continue;
            case NmeaOutcome::NoFix:
                ++n.noFix;
                continue;
            case NmeaOutcome::Other:
                ++n.other;
                continue;
            case NmeaOutcome::Noise:
                ++n.noise;
                if (o.verbose)
                    report(why);
                continue;
            case NmeaOutcome::BadChecksum:
                ++n.badChecksum;
                report(why);
                continue;
            case NmeaOutcome::Malformed:
                ++n.malformed;
                report(why);
                continue;
            }
            ++n.fixes;
            const std::string locator = CLocatorSquare::Encode(fix.latitude, fix.longitude, o.chars);
            if (o.changes && locator == last)
                continue;
            last = locator;
            ++n.printed;
            std::string text = locator + "\n";
            if (o.format != OutputFormat::Text) {
                CRecordWriter r;
                r.AddNumberText("line", std::to_string(reader.GetLineNumber()));
                r.AddText("locator", locator);
                r.AddNumber("lat_deg", fix.point.Latitude, decimals);
                r.AddNumber("lon_deg", fix.point.Longitude, decimals);
                text = o.format == OutputFormat::Json ? r.Json() + "\n" : (header ? r.CsvHeader() : "") + r.CsvRow();
                header = false;
            }
            if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || (live && std::fflush(out) != 0)) {
                status = kExitFile;
                break;
            }
        }
        if (status != kExitDone)
            break;
    }
    if (status == kExitDone && std::fflush(out) != 0)
        status = kExitFile;
    if (status == kExitFile)
        Say(err, "nmea: cannot write the output");
    if (reader.Failed()) {
        Say(err, "nmea: read error after line " + std::to_string(reader.GetLineNumber()));
        status = kExitFile;
    }
    if (file != in)
        std::fclose(file);
    // Counts of what real receivers rarely send appear only when there is some.
    const auto some = [](long count, const std::string& what) {
        return count ? ", " + std::to_string(count) + " " + what : std::string();
    };
    const std::string summary = "nmea: " + std::to_string(reader.GetLineNumber()) + " lines: " + std::to_string(n.fixes)
        + " fixes (" + std::to_string(n.printed) + " printed), " + std::to_string(n.noFix) + " without a fix"
        + some(n.estimated, o.estimated ? "by dead reckoning (taken)" : "by dead reckoning (skipped; --estimated takes them)")
        + some(n.notReal, "typed in or simulated (skipped)") + ", " + std::to_string(n.badChecksum) + " bad checksums, "
        + std::to_string(n.malformed) + " malformed, " + std::to_string(n.other) + " other sentences, "
        + std::to_string(n.junk) + " other lines"
        + some(n.noise, "stray \"$\" (binary data, \"$$\", text without a checksum; --verbose shows each)") + "\n";
    std::fputs(summary.c_str(), err);
    return status;
}

} // namespace cli
