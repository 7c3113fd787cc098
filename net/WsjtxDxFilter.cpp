#include "net/WsjtxDxFilter.h"

bool CWsjtxDxFilter::IsNewDx(const WsjtxMessage& message)
{
    if (message.type != WsjtxType::Status || message.dxGrid.empty())
        return false;
    const std::array<std::string, 3> dx = {message.dxCall, message.dxGrid, message.deGrid};
    auto found = m_lastDx.find(message.id);
    if (found != m_lastDx.end() && found->second == dx)
        return false;
    if (found == m_lastDx.end() && m_lastDx.size() >= kMaxInstances)
        m_lastDx.clear();
    m_lastDx[message.id] = dx;
    return true;
}
