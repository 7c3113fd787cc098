// A TCP connection for a line protocol, every step with a time limit: connecting, sending and
// each reply. Failures say what happened and name host and port.
#pragma once

#include "net/NetError.h"
#include "net/SocketHandle.h"

#include <chrono>
#include <string>

class CTcpClient {
public:
    static constexpr int kConnectMs = 2000;
    static constexpr int kReplyMs = 2000;
    // Longer lines are not a line protocol's answer.
    static constexpr std::size_t kMaxLine = 4096;

    // Connects within the time limit (name lookup included), trying each address of the name.
    CNetError Connect(const std::string& host, int port, int timeoutMs = kConnectMs);
    bool IsConnected() const { return m_socket.IsOpen(); }
    void Disconnect();
    // "host:port" of the connection, for messages.
    const std::string& Endpoint() const { return m_strEndpoint; }

    // Sends all of text, then allows replyMs for the whole answer that ReadLine reads.
    CNetError Send(const std::string& text, int replyMs = kReplyMs);
    // The next line, without its line end, before the answer's time is up.
    CNetError ReadLine(std::string& line);

private:
    CNetError Dropped(int code);

    CSocketHandle m_socket;
    std::string m_strEndpoint;
    std::string m_strReceived; // what arrived beyond the lines read so far
    std::chrono::steady_clock::time_point m_replyDeadline;
    int m_nReplyMs = kReplyMs;
};
