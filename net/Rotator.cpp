#include "net/Rotator.h"

#include "net/RotatorPackets.h"

#include <cmath>

CRotator::CRotator(const RotatorSetting& setting) : m_setting(setting) {}

CNetError CRotator::Turn(double bearing, std::string& sent, double& azimuth)
{
    sent.clear();
    if (!std::isfinite(bearing))
        return CNetError(NetFault::Unreachable, "no bearing to turn to");
    switch (m_setting.kind) {
    case RotatorKind::Rotctld: {
        CNetError error = Connected();
        if (!error.Failed())
            error = m_rotctld.TurnTo(bearing, azimuth);
        if (!error.Failed())
            sent = m_rotctld.LastCommand();
        return error;
    }
    case RotatorKind::PstRotator:
        azimuth = CAzimuthRange::Compass(bearing);
        return SendDatagram(CRotatorPackets::PstRotatorAzimuth(bearing), sent);
    case RotatorKind::N1mm:
        azimuth = CAzimuthRange::Compass(bearing);
        return SendDatagram(CRotatorPackets::N1mmRotorAzimuth(bearing), sent);
    default:
        return CNetError(NetFault::SocketFailure, "no rotator is set up");
    }
}

CNetError CRotator::Stop(std::string& sent)
{
    sent.clear();
    switch (m_setting.kind) {
    case RotatorKind::Rotctld: {
        CNetError error = Connected();
        if (!error.Failed())
            error = m_rotctld.Stop();
        if (!error.Failed())
            sent = m_rotctld.LastCommand();
        return error;
    }
    case RotatorKind::PstRotator:
        return SendDatagram(CRotatorPackets::PstRotatorStop(), sent);
    case RotatorKind::N1mm:
        return SendDatagram(CRotatorPackets::N1mmRotorStop(), sent);
    default:
        return CNetError(NetFault::SocketFailure, "no rotator is set up");
    }
}

CNetError CRotator::ReadHeading(double& heading)
{
    if (!ReportsHeading())
        return NoHeading();
    CNetError error = Connected();
    double elevation = 0;
    return error.Failed() ? error : m_rotctld.ReadPosition(heading, elevation);
}

CNetError CRotator::ReadRange(CAzimuthRange& range)
{
    if (!ReportsHeading())
        return NoHeading();
    CNetError error = Connected();
    return error.Failed() ? error : m_rotctld.ReadRange(range);
}

CNetError CRotator::Follow(double azimuth, int timeLimitMs, int pollMs, const std::function<bool(double)>& onHeading,
                           bool& arrived)
{
    arrived = false;
    if (!ReportsHeading())
        return NoHeading();
    CNetError error = Connected();
    return error.Failed() ? error
                          : m_rotctld.WaitForHeading(azimuth, kArrivedWithin, timeLimitMs, pollMs, onHeading, arrived);
}

CNetError CRotator::Connected()
{
    if (m_rotctld.IsConnected())
        return CNetError();
    return m_rotctld.Connect(m_setting.host, m_setting.port);
}

CNetError CRotator::SendDatagram(const std::string& datagram, std::string& sent)
{
    CNetError error = m_udp.IsOpen() ? CNetError() : m_udp.Open(m_setting.host, m_setting.port);
    if (!error.Failed())
        error = m_udp.Send(datagram);
    if (!error.Failed())
        sent = datagram;
    return error;
}

CNetError CRotator::NoHeading() const
{
    return CNetError(NetFault::UnexpectedReply, m_setting.Describe() + " does not tell where the antenna points");
}
