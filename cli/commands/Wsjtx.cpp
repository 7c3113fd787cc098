#include "cli/commands/Commands.h"

#include "base/Quoted.h"
#include "calc/PathReport.h"
#include "cli/Messages.h"
#include "formats/RecordWriter.h"
#include "net/WsjtxFeed.h"

namespace cli {

namespace {

const int kWaitMs = 1000;

// The own end of the path: --from, or the grid the sender gives as its own.
bool ReadOwnEnd(const Options& o, const WsjtxMessage& dx, Place& from, std::string& why)
{
    if (!o.from.empty())
        return ReadPlace(o.from, from, why);
    if (ReadLocatorPlace(dx.deGrid, from, why))
        return true;
    why = "its own grid " + Quoted(dx.deGrid) + ": " + why + " (--from gives one)";
    return false;
}

} // namespace

ExitStatus RunWsjtx(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    if (!o.values.empty() || o.rotators > 1 || (o.format != OutputFormat::Text && o.format != OutputFormat::Json))
        return SayUsage(err, "wsjtx takes no values and writes text or json: wsjtx [--port N] [--group ADDR] "
                             "[--from LOC] [--count N] [--rotctld|--pst|--n1mm HOST[:PORT] [--long]]");
    Place from;
    std::string why;
    if (!o.from.empty() && !ReadPlace(o.from, from, why)) {
        Say(err, "wsjtx: --from " + Quoted(o.from) + ": " + why);
        return kExitRefused;
    }
    CWsjtxFeed feed;
    CNetError error = feed.Open(o.port, o.group);
    if (error.Failed()) {
        Say(err, "wsjtx: " + error.Message());
        return kExitNetwork;
    }
    Say(err, "wsjtx: listening on UDP port " + std::to_string(feed.Port()) +
                 (o.group.empty() ? std::string() : " in the group " + o.group));
    // Another program may be waiting for this line before it sends; Windows buffers a redirected stream.
    std::fflush(err);
    CRotator rotator(o.rotator);
    ExitStatus status = kExitDone;
    long printed = 0;
    while (o.count == 0 || printed < o.count) {
        WsjtxMessage dx;
        if (feed.Next(kWaitMs, dx, error) != CWsjtxFeed::Event::NewDx) {
            if (!error.Failed())
                continue;
            Say(err, "wsjtx: " + error.Message());
            status = kExitNetwork;
            break;
        }
        Place to;
        if (!ReadOwnEnd(o, dx, from, why) || !ReadLocatorPlace(dx.dxGrid, to, why)) {
            Say(err, "wsjtx: " + Quoted(dx.dxCall) + " " + Quoted(dx.dxGrid) + ": " + why);
            continue;
        }
        const CPathReport report(from, to, CEarth());
        CRecordWriter record;
        record.AddText("call", dx.dxCall);
        record.AddText("grid", to.name);
        record.AddText("from", from.name);
        report.AddFigures(record, false, "short_", 1);
        report.AddFigures(record, true, "long_", 1);
        std::string line = dx.dxCall + " " + to.name + " from " + from.name + ": short path " +
                           report.Summary(false, 1) + "; long path " + report.Summary(true, 1);
        if (o.rotators == 1) {
            std::string sent;
            double azimuth = 0;
            CommandResult failed;
            if (RotatorFailed(rotator.Turn(report.RotatorBearing(o.longPath), sent, azimuth), "wsjtx", failed)) {
                Say(err, failed.err);
                status = kExitNetwork;
            }
            record.AddText("sent", sent);
            line += sent.empty() ? "" : "; sent to " + o.rotator.Describe() + ": " + sent;
        }
        ++printed;
        if (!WriteOut(out, err, (o.format == OutputFormat::Json ? record.Json() : line) + "\n"))
            return kExitFile;
    }
    std::fprintf(err, "wsjtx: %ld datagrams: %ld new DX (%ld printed), %ld dropped\n", feed.Received(), feed.NewDx(),
                 printed, feed.Dropped());
    return status;
}

} // namespace cli
