// What went wrong with a network operation, as a kind the caller can act on (the command line
// maps it to an exit status) and a sentence for the user that names host and port.
#pragma once

#include <string>

enum class NetFault {
    None,
    NameNotResolved,   // the host name has no address
    NothingListening,  // the peer refused the connection
    NoAnswer,          // nothing came within the time limit
    ConnectionDropped, // the peer closed or reset the connection
    SocketFailure,     // the system refused a socket call
    ServerError,       // rotctld answered RPRT with a negative code
    UnexpectedReply,   // the reply is not in the form the protocol speaks
    Unreachable,       // the bearing lies outside the rotator's range: nothing was sent
};

class CNetError {
public:
    CNetError() = default;
    CNetError(NetFault fault, std::string message);

    bool Failed() const { return m_fault != NetFault::None; }
    NetFault Fault() const { return m_fault; }
    const std::string& Message() const { return m_strMessage; }

    // "host:port", with brackets around an IPv6 address.
    static std::string Endpoint(const std::string& host, int port);
    // "2 s", "0.5 s": a time limit as messages give it.
    static std::string Seconds(int milliseconds);

private:
    NetFault m_fault = NetFault::None;
    std::string m_strMessage;
};
