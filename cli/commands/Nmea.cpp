#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "cli/Messages.h"
#include "formats/NmeaStream.h"
#include "formats/RecordWriter.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace cli {

namespace {

// Counts of what real receivers rarely send appear only when there is some.
std::string Summary(long lines, const NmeaCounts& n, bool estimated)
{
    const auto some = [](long count, const std::string& what) {
        return count ? ", " + std::to_string(count) + " " + what : std::string();
    };
    return "nmea: " + std::to_string(lines) + " lines: " + std::to_string(n.fixes) + " fixes ("
        + std::to_string(n.handedOn) + " printed), " + std::to_string(n.noFix) + " without a fix"
        + some(n.estimated, estimated ? "by dead reckoning (taken)" : "by dead reckoning (skipped; --estimated takes them)")
        + some(n.notReal, "typed in or simulated (skipped)") + ", " + std::to_string(n.badChecksum) + " bad checksums, "
        + std::to_string(n.malformed) + " malformed, " + std::to_string(n.other) + " other sentences, "
        + std::to_string(n.junk) + " other lines"
        + some(n.noise, "stray \"$\" (binary data, \"$$\", text without a checksum; --verbose shows each)") + "\n";
}

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
    CNmeaStream stream(file, o.chars, o.changes, o.estimated, o.verbose);
    // Whoever follows a live receiver wants each locator when it is there; a file is written in blocks.
    const bool live = stream.IsLive();
    bool header = o.format == OutputFormat::Csv;
    ExitStatus status = kExitDone;
    for (CNmeaStream::Event event; status == kExitDone && (event = stream.Next()) != CNmeaStream::Event::End;) {
        const std::string line = std::to_string(stream.GetLineNumber());
        if (event == CNmeaStream::Event::Fault) {
            Say(err, "nmea: line " + line + ": " + stream.GetWhy());
            continue;
        }
        std::string text = stream.GetLocator() + "\n";
        if (o.format != OutputFormat::Text) {
            CRecordWriter r;
            r.AddNumberText("line", line);
            r.AddText("locator", stream.GetLocator());
            r.AddNumber("lat_deg", stream.GetFix().point.Latitude, decimals);
            r.AddNumber("lon_deg", stream.GetFix().point.Longitude, decimals);
            text = o.format == OutputFormat::Json ? r.Json() + "\n" : (header ? r.CsvHeader() : "") + r.CsvRow();
            header = false;
        }
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || (live && std::fflush(out) != 0))
            status = kExitFile;
    }
    if (status == kExitDone && std::fflush(out) != 0)
        status = kExitFile;
    if (status == kExitFile)
        Say(err, "nmea: cannot write the output");
    if (stream.Failed()) {
        Say(err, "nmea: read error after line " + std::to_string(stream.GetLineNumber()));
        status = kExitFile;
    }
    if (file != in)
        std::fclose(file);
    std::fputs(Summary(stream.GetLineNumber(), stream.GetCounts(), o.estimated).c_str(), err);
    return status;
}

} // namespace cli
