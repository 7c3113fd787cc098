// Datagrams to one port on every local address, opened with address reuse so that other
// programs can listen on the same port; optionally a member of an IPv4 multicast group, which is
// how several programs on one computer all hear one sender.
#pragma once

#include "net/NetError.h"
#include "net/SocketHandle.h"

#include <string>

class CUdpReceiver {
public:
    // Where a multicast group is joined: loopback carries the group for programs on this
    // computer, the default interface (the one the routing table picks) for the network.
    enum class Membership { LoopbackOnly, LoopbackAndDefault };
    // The largest payload a UDP datagram can carry.
    static constexpr std::size_t kMaxDatagram = 65535;

    // Port 0 lets the system choose; Port() says which. An empty group means unicast only. The
    // group counts as joined when at least one interface took it.
    CNetError Open(int port, const std::string& group = "", Membership membership = Membership::LoopbackAndDefault);
    bool IsOpen() const { return m_socket.IsOpen(); }
    int Port() const { return m_nPort; }
    // Whether the default interface took the group as well as loopback.
    bool JoinedDefaultInterface() const { return m_bJoinedDefault; }

    // One datagram and its sender ("address:port"), waiting at most timeoutMs; NoAnswer when
    // none came.
    CNetError Receive(std::string& datagram, std::string& sender, int timeoutMs);

private:
    CSocketHandle m_socket;
    int m_nPort = 0;
    bool m_bJoinedDefault = false;
};
