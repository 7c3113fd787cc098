#include "net/UdpSender.h"

#include "net/SocketApi.h"

#include <cstring>
#include <vector>

namespace {
bool IsIpv4Multicast(const CSocketHandle::Address& address)
{
    if (address.family != AF_INET)
        return false;
    sockaddr_in ipv4;
    std::memcpy(&ipv4, address.bytes, sizeof ipv4);
    return (ntohl(ipv4.sin_addr.s_addr) >> 28) == 0xE;
}
}

CNetError CUdpSender::Open(const std::string& host, int port, int timeoutMs)
{
    m_socket.Close();
    m_strEndpoint = CNetError::Endpoint(host, port);
    std::vector<CSocketHandle::Address> addresses;
    CNetError error = CSocketHandle::Resolve(host, port, SOCK_DGRAM, timeoutMs, addresses);
    if (error.Failed())
        return error;
    m_destination = addresses.front();
    int code = 0;
    if (!m_socket.Open(m_destination.family, SOCK_DGRAM, code))
        return CNetError(NetFault::SocketFailure, "cannot open a socket for " + m_strEndpoint + ": " +
                                                      CSocketHandle::ErrorText(code));
    if (IsIpv4Multicast(m_destination)) {
        in_addr loopback;
        loopback.s_addr = htonl(INADDR_LOOPBACK);
        int ttl = 1, loop = 1; // Winsock wants DWORDs; Linux takes ints as well
        if (setsockopt(Native(m_socket), IPPROTO_IP, IP_MULTICAST_IF, reinterpret_cast<const char*>(&loopback),
                       sizeof loopback) != 0 ||
            setsockopt(Native(m_socket), IPPROTO_IP, IP_MULTICAST_TTL, reinterpret_cast<const char*>(&ttl),
                       sizeof ttl) != 0 ||
            setsockopt(Native(m_socket), IPPROTO_IP, IP_MULTICAST_LOOP, reinterpret_cast<const char*>(&loop),
                       sizeof loop) != 0) {
            code = locatrix_net::LastSocketError();
            m_socket.Close();
            return CNetError(NetFault::SocketFailure, "cannot send to the multicast group " + m_strEndpoint +
                                                          " over loopback: " + CSocketHandle::ErrorText(code));
        }
    }
    return CNetError();
}

CNetError CUdpSender::Send(const std::string& datagram)
{
    if (!m_socket.IsOpen())
        return CNetError(NetFault::SocketFailure, "no destination for datagrams was opened");
    auto n = sendto(Native(m_socket), datagram.data(), static_cast<int>(datagram.size()), locatrix_net::kSendFlags,
                    reinterpret_cast<const sockaddr*>(m_destination.bytes),
                    static_cast<socket_len>(m_destination.length));
    if (n < 0 || static_cast<std::size_t>(n) != datagram.size())
        return CNetError(NetFault::SocketFailure, "sending to " + m_strEndpoint + " failed: " +
                                                      CSocketHandle::ErrorText(locatrix_net::LastSocketError()));
    return CNetError();
}
