#include "net/RotctldClient.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "base/Quoted.h"

#include <chrono>
#include <thread>

namespace {
// rotctld's longest answer, to \dump_state, has about a dozen lines.
constexpr int kMaxAnswerLines = 64;

// The whole text, blanks around it allowed, as one number in rotctld's "%f" form.
bool ParseNumber(const std::string& text, double& value)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return ReadDecimal(text.substr(begin, end - begin), value);
}

// The value of the first "Key: value" (or "key=value") line with one of the keys.
bool FindValue(const std::vector<std::string>& lines, const char* colonKey, const char* equalsKey, double& value)
{
    for (const std::string& line : lines) {
        for (const std::string& key : {std::string(colonKey) + ":", std::string(equalsKey) + "="}) {
            if (line.compare(0, key.size(), key) == 0)
                return ParseNumber(line.substr(key.size()), value);
        }
    }
    return false;
}
}

CNetError CRotctldClient::Connect(const std::string& host, int port, int timeoutMs)
{
    m_bRangeKnown = false;
    return m_tcp.Connect(host, port, timeoutMs);
}

void CRotctldClient::Disconnect()
{
    m_tcp.Disconnect();
    m_bRangeKnown = false;
}

CNetError CRotctldClient::ReadRange(CAzimuthRange& range)
{
    std::vector<std::string> values;
    CNetError error = Exchange("\\dump_state", "dump_state", values);
    if (error.Failed())
        return error;
    double minAzimuth = 0, maxAzimuth = 0;
    if (!FindValue(values, "Minimum Azimuth", "min_az", minAzimuth) ||
        !FindValue(values, "Maximum Azimuth", "max_az", maxAzimuth))
        return NotRotctld("its state without an azimuth range");
    CAzimuthRange reported;
    if (!reported.Set(minAzimuth, maxAzimuth))
        return NotRotctld("the azimuth range " + FormatFixed(minAzimuth, 1) + ".." + FormatFixed(maxAzimuth, 1));
    range = reported;
    m_range = reported;
    m_bRangeKnown = true;
    return CNetError();
}

CNetError CRotctldClient::ReadPosition(double& azimuth, double& elevation)
{
    std::vector<std::string> values;
    CNetError error = Exchange("p", "get_pos", values);
    if (error.Failed())
        return error;
    if (!FindValue(values, "Azimuth", "az", azimuth) || !FindValue(values, "Elevation", "el", elevation))
        return NotRotctld(values.empty() ? std::string("a position without values") : Quoted(values.front()));
    return CNetError();
}

CNetError CRotctldClient::SetPosition(double azimuth, double elevation)
{
    std::vector<std::string> values;
    return Exchange("P " + FormatFixed(azimuth, 2) + " " + FormatFixed(elevation, 2), "set_pos", values);
}

CNetError CRotctldClient::Stop()
{
    std::vector<std::string> values;
    return Exchange("S", "stop", values);
}

CNetError CRotctldClient::TurnTo(double bearing, double& sentAzimuth)
{
    CAzimuthRange range = m_range;
    CNetError error = m_bRangeKnown ? CNetError() : ReadRange(range);
    double heading = 0, elevation = 0;
    if (!error.Failed())
        error = ReadPosition(heading, elevation);
    if (error.Failed())
        return error;
    double azimuth = 0;
    if (!range.Nearest(bearing, heading, azimuth))
        return CNetError(NetFault::Unreachable, "the bearing " + FormatFixed(bearing, 1) + " lies outside the rotator's range " +
                                                    range.Text() + " (rotctld at " + Endpoint() + "): nothing was sent");
    // What goes out is the two-decimal text; report that, not the unrounded value.
    ReadDecimal(FormatFixed(azimuth, 2), sentAzimuth);
    return SetPosition(azimuth, elevation);
}

CNetError CRotctldClient::WaitForHeading(double azimuth, double tolerance, int timeLimitMs, int pollMs,
                                         const std::function<bool(double)>& onHeading, bool& arrived)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeLimitMs);
    arrived = false;
    for (;;) {
        double heading = 0, elevation = 0;
        CNetError error = ReadPosition(heading, elevation);
        if (error.Failed()) {
            if (error.Fault() == NetFault::ConnectionDropped)
                return CNetError(error.Fault(), error.Message() + " while the rotator was turning");
            return error;
        }
        if (onHeading && !onHeading(heading))
            return CNetError();
        if (CAzimuthRange::Separation(heading, azimuth) <= tolerance) {
            arrived = true;
            return CNetError();
        }
        if (Clock::now() + std::chrono::milliseconds(pollMs) > deadline)
            return CNetError();
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
}

std::string CRotctldClient::HamlibErrorText(int code)
{
    // rig_errcode_e of Hamlib's API documentation; rotctld sends them negated.
    static const char* const kMeanings[] = {
        "no error",
        "invalid parameter",
        "invalid configuration",
        "memory shortage",
        "function not implemented",
        "communication timed out",
        "input/output error",
        "internal Hamlib error",
        "protocol error",
        "command rejected by the rotator",
        "command performed, but argument truncated",
        "function not available",
        "target not available",
        "error talking on the bus",
        "collision on the bus",
        "invalid argument",
        "invalid VFO",
        "argument out of domain",
    };
    const int index = code < 0 ? -code : code;
    if (index < static_cast<int>(sizeof kMeanings / sizeof kMeanings[0]))
        return kMeanings[index];
    return "Hamlib error " + std::to_string(index);
}

CNetError CRotctldClient::Exchange(const std::string& command, const std::string& longName,
                                   std::vector<std::string>& values)
{
    values.clear();
    m_strLastCommand = command;
    if (!m_tcp.IsConnected())
        return CNetError(NetFault::ConnectionDropped, "not connected to rotctld" +
                                                          (Endpoint().empty() ? std::string() : " at " + Endpoint()));
    CNetError error = m_tcp.Send("+" + command + "\n");
    std::string line;
    if (!error.Failed())
        error = m_tcp.ReadLine(line);
    if (error.Failed()) {
        Disconnect();
        return error;
    }
    // The echo: "get_pos:", "set_pos: 90.00 0.00".
    if (line.compare(0, longName.size() + 1, longName + ":") != 0)
        return NotRotctld(Quoted(line) + " to " + Quoted(command));
    for (int count = 0; count < kMaxAnswerLines; ++count) {
        error = m_tcp.ReadLine(line);
        if (error.Failed()) {
            Disconnect();
            return error;
        }
        if (line.compare(0, 5, "RPRT ") != 0) {
            values.push_back(line);
            continue;
        }
        const std::string number = line.substr(5);
        const int code = IntegerValue(number);
        if (!IsDecimalText(number, true) || code > 0 || code < -1000)
            return NotRotctld(Quoted(line));
        if (code == 0)
            return CNetError();
        return CNetError(NetFault::ServerError, "rotctld at " + Endpoint() + " refused " + Quoted(command) + ": RPRT " +
                                                    std::to_string(code) + ", " +
                                                    HamlibErrorText(code));
    }
    return NotRotctld("more than " + std::to_string(kMaxAnswerLines) + " lines to " + Quoted(command));
}

CNetError CRotctldClient::NotRotctld(const std::string& what)
{
    const std::string endpoint = Endpoint();
    Disconnect();
    return CNetError(NetFault::UnexpectedReply, endpoint + " does not answer as Hamlib's rotctld does: it sent " + what);
}
