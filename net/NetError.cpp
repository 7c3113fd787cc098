#include "net/NetError.h"

#include <utility>

CNetError::CNetError(NetFault fault, std::string message) : m_fault(fault), m_strMessage(std::move(message)) {}

std::string CNetError::Endpoint(const std::string& host, int port)
{
    const bool bIpv6 = host.find(':') != std::string::npos;
    return (bIpv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::string CNetError::Seconds(int milliseconds)
{
    std::string text = std::to_string(milliseconds / 1000);
    if (milliseconds % 1000 != 0) {
        std::string fraction = std::to_string(1000 + milliseconds % 1000).substr(1);
        while (fraction.back() == '0')
            fraction.pop_back();
        text += "." + fraction;
    }
    return text + " s";
}
