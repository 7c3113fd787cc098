// A client of Hamlib's rotator daemon, rotctld, over TCP. It speaks the Extended Response
// Protocol of rotctld's manual page (each command prefixed with '+'): every answer starts by
// naming the command and ends with "RPRT n", so an answer's end is never guessed and a peer that
// is not rotctld shows at its first line. Each call waits at most the reply limit.
//
// The window runs these calls on a CNetWorker; the command line calls them in turn.
#pragma once

#include "net/AzimuthRange.h"
#include "net/NetError.h"
#include "net/TcpClient.h"

#include <functional>
#include <string>
#include <vector>

class CRotctldClient {
public:
    static constexpr int kDefaultPort = 4533;

    CNetError Connect(const std::string& host, int port = kDefaultPort, int timeoutMs = CTcpClient::kConnectMs);
    void Disconnect();
    bool IsConnected() const { return m_tcp.IsConnected(); }
    const std::string& Endpoint() const { return m_tcp.Endpoint(); }

    // \dump_state: the azimuth range the rotator accepts.
    CNetError ReadRange(CAzimuthRange& range);
    // p: where the antenna points now.
    CNetError ReadPosition(double& azimuth, double& elevation);
    // P: turn to an azimuth as the rotator counts it (no range check: see TurnTo).
    CNetError SetPosition(double azimuth, double elevation);
    // S
    CNetError Stop();

    // Turns to a compass bearing: reads the range (once per connection) and the heading, and
    // sends the representation of the bearing inside the range nearest to the heading, keeping
    // the elevation. A bearing outside the range is refused (Unreachable) and nothing is sent.
    // sentAzimuth is what went out.
    CNetError TurnTo(double bearing, double& sentAzimuth);

    // Polls the heading every pollMs until it is within tolerance degrees of azimuth (compass
    // directions compared), or timeLimitMs has passed (arrived stays false), or onHeading, told
    // each heading read, returns false.
    CNetError WaitForHeading(double azimuth, double tolerance, int timeLimitMs, int pollMs,
                             const std::function<bool(double)>& onHeading, bool& arrived);

    // The last command sent (without the protocol's '+' and line end), e.g. "P -90.00 0.00".
    const std::string& LastCommand() const { return m_strLastCommand; }

    // Hamlib's meaning of the code in "RPRT -n" (n given positive or negative).
    static std::string HamlibErrorText(int code);

private:
    // One command and its answer: the lines between the echo of the command's long name and
    // the closing "RPRT n".
    CNetError Exchange(const std::string& command, const std::string& longName, std::vector<std::string>& values);
    CNetError NotRotctld(const std::string& what);

    CTcpClient m_tcp;
    std::string m_strLastCommand;
    bool m_bRangeKnown = false;
    CAzimuthRange m_range;
};
