#include "net/WsjtxFeed.h"

#include "net/WsjtxReader.h"

CNetError CWsjtxFeed::Open(int port, const std::string& group)
{
    m_filter.Reset();
    return m_receiver.Open(port, group);
}

CWsjtxFeed::Event CWsjtxFeed::Next(int timeoutMs, WsjtxMessage& message, CNetError& error)
{
    std::string datagram, sender;
    error = m_receiver.Receive(datagram, sender, timeoutMs);
    if (error.Fault() == NetFault::NoAnswer) {
        error = CNetError();
        return Event::None;
    }
    if (error.Failed())
        return Event::None;
    ++m_nReceived;
    std::string reason;
    switch (CWsjtxReader::Read(datagram, message, reason)) {
    case CWsjtxReader::Verdict::Rejected:
        ++m_nDropped;
        m_strLastRejection = "from " + sender + ": " + reason;
        return Event::Dropped;
    case CWsjtxReader::Verdict::Ignored:
        return Event::Other;
    case CWsjtxReader::Verdict::Read:
        break;
    }
    if (!m_filter.IsNewDx(message))
        return Event::Other;
    ++m_nNewDx;
    return Event::NewDx;
}
