// WSJT-X's UDP feed as the program follows it: datagrams received on a port (and group), read,
// and sorted into new DX (a Status whose DX changed), dropped (not a sound WSJT-X datagram) and
// the rest. The window runs it on a CNetWorker, the command line in its own loop.
#pragma once

#include "net/NetError.h"
#include "net/UdpReceiver.h"
#include "net/WsjtxDxFilter.h"
#include "net/WsjtxMessage.h"

#include <string>

class CWsjtxFeed {
public:
    enum class Event {
        None,    // nothing came within the time
        NewDx,   // a Status with a new DX: in message
        Dropped, // a datagram that is no sound WSJT-X message, counted; LastRejection says why
        Other,   // a sound message that brings nothing new: a repeat, a Heartbeat, another type
    };

    // group: empty, or an IPv4 multicast group to join on loopback and the default interface.
    CNetError Open(int port, const std::string& group);
    int Port() const { return m_receiver.Port(); }

    // One datagram, waiting at most timeoutMs; error is set (and None returned) when the
    // socket fails.
    Event Next(int timeoutMs, WsjtxMessage& message, CNetError& error);

    long Received() const { return m_nReceived; }
    long Dropped() const { return m_nDropped; }
    long NewDx() const { return m_nNewDx; }
    const std::string& LastRejection() const { return m_strLastRejection; }

private:
    CUdpReceiver m_receiver;
    CWsjtxDxFilter m_filter;
    long m_nReceived = 0;
    long m_nDropped = 0;
    long m_nNewDx = 0;
    std::string m_strLastRejection;
};
