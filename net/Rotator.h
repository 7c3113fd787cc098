// One antenna, whichever program turns it: rotctld over TCP (which also tells where the antenna
// points), or PstRotator and N1MM by a datagram each. The window runs these calls on a
// CNetWorker, the command line in turn; each wait has its time limit.
#pragma once

#include "net/NetError.h"
#include "net/RotatorSetting.h"
#include "net/RotctldClient.h"
#include "net/UdpSender.h"

#include <functional>
#include <string>

class CRotator {
public:
    // How close a heading counts as arrived, in degrees.
    static constexpr double kArrivedWithin = 2.0;

    explicit CRotator(const RotatorSetting& setting);
    const RotatorSetting& Setting() const { return m_setting; }
    // Only rotctld says where the antenna points.
    bool ReportsHeading() const { return m_setting.kind == RotatorKind::Rotctld; }

    // Turns to a compass bearing. sent is what went out: the rotctld command ("P -90.00 0.00")
    // or the datagram; azimuth the azimuth in the rotator's own count (rotctld's range may make
    // 270 into -90). A bearing outside a rotctld's range is refused (Unreachable), nothing sent.
    CNetError Turn(double bearing, std::string& sent, double& azimuth);
    CNetError Stop(std::string& sent);

    // rotctld only: where the antenna points, and the azimuths it accepts.
    CNetError ReadHeading(double& heading);
    CNetError ReadRange(CAzimuthRange& range);

    // rotctld only: polls the heading every pollMs until it is within kArrivedWithin of azimuth
    // (arrived), timeLimitMs has passed or onHeading, told each heading, returns false.
    CNetError Follow(double azimuth, int timeLimitMs, int pollMs, const std::function<bool(double)>& onHeading,
                     bool& arrived);

private:
    CNetError Connected();
    CNetError SendDatagram(const std::string& datagram, std::string& sent);
    CNetError NoHeading() const;

    RotatorSetting m_setting;
    CRotctldClient m_rotctld;
    CUdpSender m_udp;
};
