#include "cli/commands/Commands.h"

#include "base/NumberText.h"
#include "calc/PathReport.h"
#include "cli/Messages.h"
#include "formats/RecordWriter.h"

namespace cli {

namespace {

const int kPollMs = 500;
const char kForms[] = "rotate takes A B [--long], --heading DEG or --stop, and one of --rotctld, --pst or --n1mm "
                      "HOST[:PORT]";

} // namespace

bool RotatorFailed(const CNetError& error, const char* command, CommandResult& result)
{
    if (!error.Failed())
        return false;
    result.status = error.Fault() == NetFault::Unreachable ? kExitRefused : kExitNetwork;
    result.err = std::string(command) + ": " + error.Message();
    return true;
}

ExitStatus RunRotate(const Options& o, std::FILE*, std::FILE* out, std::FILE* err)
{
    const int targets = (o.values.empty() ? 0 : 1) + (o.hasHeading ? 1 : 0) + (o.stop ? 1 : 0);
    if (targets != 1 || o.rotators != 1)
        return SayUsage(err, kForms);
    if (o.longPath && o.values.empty())
        return SayUsage(err, "--long goes with two places: rotate A B --long");
    if (o.waitSeconds >= 0 && (o.stop || o.rotator.kind != RotatorKind::Rotctld))
        return SayUsage(err, "--wait needs a bearing and rotctld, which tells where the antenna points");
    if (o.format != OutputFormat::Text && o.format != OutputFormat::Json)
        return SayUsage(err, "rotate writes text or json");

    CommandResult result;
    CRecordWriter record;
    record.AddText("rotator", RotatorName(o.rotator.kind));
    record.AddText("at", CNetError::Endpoint(o.rotator.host, o.rotator.port));
    double bearing = o.heading;
    if (!o.values.empty()) {
        Place ends[2];
        if (!ReadEnds(o, "rotate", ends, result))
            return Finish(result, out, err);
        bearing = CPathReport(ends[0], ends[1], CEarth()).RotatorBearing(o.longPath);
    }
    CRotator rotator(o.rotator);
    std::string sent;
    double azimuth = 0;
    if (RotatorFailed(o.stop ? rotator.Stop(sent) : rotator.Turn(bearing, sent, azimuth), "rotate", result))
        return Finish(result, out, err);
    if (!o.stop)
        record.AddNumber("bearing_deg", bearing, 1);
    record.AddText("sent", sent);
    if (o.format == OutputFormat::Text && !WriteOut(out, err, "sent to " + o.rotator.Describe() + ": " + sent + "\n"))
        return kExitFile;
    if (o.waitSeconds >= 0) {
        double heading = 0;
        bool arrived = false;
        const auto onHeading = [&](double now) {
            heading = now;
            return true;
        };
        if (RotatorFailed(rotator.Follow(azimuth, static_cast<int>(o.waitSeconds * 1000), kPollMs, onHeading, arrived),
                          "rotate", result))
            return Finish(result, out, err);
        record.AddNumber("heading_deg", CAzimuthRange::Compass(heading), 1);
        record.AddNumberText("arrived", arrived ? "true" : "false");
        if (!arrived) {
            result.status = kExitNetwork;
            result.err = "rotate: the antenna did not reach " + FormatShown(bearing, 1) + " within " +
                         FormatShown(o.waitSeconds, 0) + " s: it points at " +
                         FormatShown(CAzimuthRange::Compass(heading), 1) + " (" + o.rotator.Describe() + ")";
        } else if (o.format == OutputFormat::Text) {
            result.out = "arrived: the antenna points at " + FormatShown(CAzimuthRange::Compass(heading), 1) + "\n";
        }
    }
    if (o.format == OutputFormat::Json)
        result.out = record.Json() + "\n";
    return Finish(result, out, err);
}

} // namespace cli
