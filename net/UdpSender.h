// Datagrams to one destination. A multicast destination is reached on this machine only: sent
// over the loopback interface, so that listeners here hear it and nothing leaves the computer.
#pragma once

#include "net/NetError.h"
#include "net/SocketHandle.h"

#include <string>

class CUdpSender {
public:
    static constexpr int kResolveMs = 2000;

    // The destination host (name or numeric address) and port, resolved within the time limit.
    CNetError Open(const std::string& host, int port, int timeoutMs = kResolveMs);
    bool IsOpen() const { return m_socket.IsOpen(); }
    // One datagram, whole; UDP gives no word of whether anybody listens.
    CNetError Send(const std::string& datagram);
    const std::string& Endpoint() const { return m_strEndpoint; }

private:
    CSocketHandle m_socket;
    CSocketHandle::Address m_destination;
    std::string m_strEndpoint;
};
