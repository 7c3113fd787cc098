#include "net/UdpReceiver.h"

#include "net/SocketApi.h"

#include <cstring>
#include <vector>

CNetError CUdpReceiver::Open(int port, const std::string& group, Membership membership)
{
    m_socket.Close();
    m_nPort = 0;
    m_bJoinedDefault = false;
    const std::string endpoint = "UDP port " + std::to_string(port);
    in_addr groupAddress{};
    if (!group.empty()) {
        std::vector<CSocketHandle::Address> addresses;
        CNetError error = CSocketHandle::Resolve(group, port, SOCK_DGRAM, 2000, addresses);
        if (error.Failed())
            return error;
        sockaddr_in ipv4{};
        if (addresses.front().family == AF_INET)
            std::memcpy(&ipv4, addresses.front().bytes, sizeof ipv4);
        if (addresses.front().family != AF_INET || (ntohl(ipv4.sin_addr.s_addr) >> 28) != 0xE)
            return CNetError(NetFault::NameNotResolved, group + " is not an IPv4 multicast group (224.0.0.0 to 239.255.255.255)");
        groupAddress = ipv4.sin_addr;
    }

    int code = 0;
    if (!m_socket.Open(AF_INET, SOCK_DGRAM, code))
        return CNetError(NetFault::SocketFailure, "cannot open a socket for " + endpoint + ": " +
                                                      CSocketHandle::ErrorText(code));
    int on = 1;
    setsockopt(Native(m_socket), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(static_cast<unsigned short>(port));
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(Native(m_socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        code = locatrix_net::LastSocketError();
        m_socket.Close();
        return CNetError(NetFault::SocketFailure, "cannot listen on " + endpoint + ": " + CSocketHandle::ErrorText(code));
    }
    socket_len length = sizeof local;
    if (getsockname(Native(m_socket), reinterpret_cast<sockaddr*>(&local), &length) == 0)
        m_nPort = ntohs(local.sin_port);

    if (!group.empty()) {
        ip_mreq request{};
        request.imr_multiaddr = groupAddress;
        request.imr_interface.s_addr = htonl(INADDR_LOOPBACK);
        bool bLoopback = setsockopt(Native(m_socket), IPPROTO_IP, IP_ADD_MEMBERSHIP,
                                    reinterpret_cast<const char*>(&request), sizeof request) == 0;
        code = bLoopback ? 0 : locatrix_net::LastSocketError();
        if (membership == Membership::LoopbackAndDefault) {
            // With no route for the group this fails, or it picks loopback again: loopback suffices.
            request.imr_interface.s_addr = htonl(INADDR_ANY);
            m_bJoinedDefault = setsockopt(Native(m_socket), IPPROTO_IP, IP_ADD_MEMBERSHIP,
                                          reinterpret_cast<const char*>(&request), sizeof request) == 0;
        }
        if (!bLoopback && !m_bJoinedDefault) {
            m_socket.Close();
            return CNetError(NetFault::SocketFailure, "cannot join the multicast group " + group + " on " + endpoint +
                                                          ": " + CSocketHandle::ErrorText(code));
        }
    }
    return CNetError();
}

CNetError CUdpReceiver::Receive(std::string& datagram, std::string& sender, int timeoutMs)
{
    datagram.clear();
    sender.clear();
    if (!m_socket.IsOpen())
        return CNetError(NetFault::SocketFailure, "no UDP port is open");
    const std::string endpoint = "UDP port " + std::to_string(m_nPort);
    CSocketHandle::Wait wait = m_socket.WaitReadable(timeoutMs);
    if (wait == CSocketHandle::Wait::TimedOut)
        return CNetError(NetFault::NoAnswer, "nothing arrived on " + endpoint + " within " + CNetError::Seconds(timeoutMs));
    std::vector<char> buffer(kMaxDatagram);
    CSocketHandle::Address from;
    socket_len length = sizeof from.bytes;
    auto n = recvfrom(Native(m_socket), buffer.data(), static_cast<int>(buffer.size()), 0,
                      reinterpret_cast<sockaddr*>(from.bytes), &length);
    if (wait == CSocketHandle::Wait::Failed || n < 0) {
        int code = locatrix_net::LastSocketError();
        if (locatrix_net::IsWouldBlock(code))
            return CNetError(NetFault::NoAnswer, "nothing arrived on " + endpoint);
        return CNetError(NetFault::SocketFailure, "receiving on " + endpoint + " failed: " + CSocketHandle::ErrorText(code));
    }
    from.family = reinterpret_cast<sockaddr*>(from.bytes)->sa_family;
    from.length = static_cast<int>(length);
    datagram.assign(buffer.data(), static_cast<std::size_t>(n));
    sockaddr_in ipv4{};
    std::memcpy(&ipv4, from.bytes, sizeof ipv4);
    sender = CSocketHandle::NumericHost(from) + ":" + std::to_string(ntohs(ipv4.sin_port));
    return CNetError();
}
