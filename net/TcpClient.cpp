#include "net/TcpClient.h"

#include "net/SocketApi.h"

namespace {
using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}

CNetError CTcpClient::Connect(const std::string& host, int port, int timeoutMs)
{
    Disconnect();
    m_strEndpoint = CNetError::Endpoint(host, port);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<CSocketHandle::Address> addresses;
    CNetError error = CSocketHandle::Resolve(host, port, SOCK_STREAM, timeoutMs, addresses);
    if (error.Failed())
        return error;

    // "localhost" may name ::1 and 127.0.0.1 while the server listens on one of them only.
    for (const CSocketHandle::Address& address : addresses) {
        CSocketHandle candidate;
        int code = 0;
        if (!candidate.Open(address.family, SOCK_STREAM, code)) {
            error = CNetError(NetFault::SocketFailure, "cannot open a socket for " + m_strEndpoint + ": " +
                                                           CSocketHandle::ErrorText(code));
            continue;
        }
        if (connect(Native(candidate), reinterpret_cast<const sockaddr*>(address.bytes),
                    static_cast<socket_len>(address.length)) != 0) {
            code = locatrix_net::LastSocketError();
            if (locatrix_net::IsInProgress(code)) {
                CSocketHandle::Wait wait = candidate.WaitWritable(MillisecondsLeft(deadline));
                if (wait == CSocketHandle::Wait::TimedOut)
                    return CNetError(NetFault::NoAnswer, "no answer from " + m_strEndpoint + " within " +
                                                             CNetError::Seconds(timeoutMs) + " (connecting)");
                code = wait == CSocketHandle::Wait::Ready ? candidate.PendingError() : locatrix_net::LastSocketError();
            }
        }
        if (code == 0) {
            m_socket = std::move(candidate);
            m_strReceived.clear();
            return CNetError();
        }
        if (locatrix_net::IsRefused(code))
            error = CNetError(NetFault::NothingListening, "nothing is listening at " + m_strEndpoint +
                                                              " (connection refused)");
        else if (locatrix_net::IsTimedOut(code))
            error = CNetError(NetFault::NoAnswer, "no answer from " + m_strEndpoint + " (connection timed out)");
        else
            error = CNetError(NetFault::SocketFailure, "cannot connect to " + m_strEndpoint + ": " +
                                                           CSocketHandle::ErrorText(code));
    }
    return error;
}

void CTcpClient::Disconnect()
{
    m_socket.Close();
    m_strReceived.clear();
}

CNetError CTcpClient::Send(const std::string& text, int replyMs)
{
    if (!m_socket.IsOpen())
        return CNetError(NetFault::ConnectionDropped, "not connected to " + m_strEndpoint);
    m_nReplyMs = replyMs;
    m_replyDeadline = Clock::now() + std::chrono::milliseconds(replyMs);
    std::size_t sent = 0;
    while (sent < text.size()) {
        auto n = send(Native(m_socket), text.data() + sent, static_cast<int>(text.size() - sent),
                      locatrix_net::kSendFlags);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        int code = locatrix_net::LastSocketError();
        if (!locatrix_net::IsWouldBlock(code))
            return Dropped(code);
        CSocketHandle::Wait wait = m_socket.WaitWritable(MillisecondsLeft(m_replyDeadline));
        if (wait == CSocketHandle::Wait::TimedOut)
            return CNetError(NetFault::NoAnswer, m_strEndpoint + " took nothing within " +
                                                     CNetError::Seconds(replyMs));
        if (wait == CSocketHandle::Wait::Failed)
            return Dropped(locatrix_net::LastSocketError());
    }
    return CNetError();
}

CNetError CTcpClient::ReadLine(std::string& line)
{
    line.clear();
    for (;;) {
        std::size_t end = m_strReceived.find('\n');
        if (end != std::string::npos && end <= kMaxLine) {
            line = m_strReceived.substr(0, end);
            m_strReceived.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return CNetError();
        }
        if (m_strReceived.size() > kMaxLine) {
            Disconnect();
            return CNetError(NetFault::UnexpectedReply, m_strEndpoint + " sent a line longer than " +
                                                            std::to_string(kMaxLine) + " bytes");
        }
        if (!m_socket.IsOpen())
            return CNetError(NetFault::ConnectionDropped, "not connected to " + m_strEndpoint);
        CSocketHandle::Wait wait = m_socket.WaitReadable(MillisecondsLeft(m_replyDeadline));
        if (wait == CSocketHandle::Wait::TimedOut)
            return CNetError(NetFault::NoAnswer, "no answer from " + m_strEndpoint + " within " +
                                                     CNetError::Seconds(m_nReplyMs));
        char buffer[2048];
        auto n = recv(Native(m_socket), buffer, sizeof buffer, 0);
        if (n > 0) {
            m_strReceived.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0) {
            Disconnect();
            return CNetError(NetFault::ConnectionDropped, m_strEndpoint + " closed the connection");
        }
        int code = locatrix_net::LastSocketError();
        if (!locatrix_net::IsWouldBlock(code))
            return Dropped(code);
    }
}

CNetError CTcpClient::Dropped(int code)
{
    Disconnect();
    if (locatrix_net::IsDropped(code))
        return CNetError(NetFault::ConnectionDropped, m_strEndpoint + " dropped the connection (" +
                                                          CSocketHandle::ErrorText(code) + ")");
    return CNetError(NetFault::SocketFailure, "talking to " + m_strEndpoint + " failed: " + CSocketHandle::ErrorText(code));
}
