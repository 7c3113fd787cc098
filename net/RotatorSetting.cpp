#include "net/RotatorSetting.h"

#include "base/Characters.h"
#include "base/NumberText.h"
#include "net/NetError.h"
#include "net/RotatorPackets.h"
#include "net/RotctldClient.h"

namespace {
constexpr std::size_t kLongestHost = 253; // the longest DNS name

bool IsNameChar(char c)
{
    return IsDigit(c) || IsUpperLetter(ToUpper(c)) || c == '.' || c == '-' || c == '_';
}

bool IsIpv6Char(char c)
{
    const char upper = ToUpper(c);
    return IsDigit(c) || (upper >= 'A' && upper <= 'F') || c == ':' || c == '.';
}
}

std::string RotatorSetting::Describe() const
{
    return std::string(RotatorName(kind)) + " at " + CNetError::Endpoint(host, port);
}

const char* RotatorName(RotatorKind kind)
{
    switch (kind) {
    case RotatorKind::Rotctld:
        return "rotctld";
    case RotatorKind::PstRotator:
        return "PstRotator";
    case RotatorKind::N1mm:
        return "N1MM";
    default:
        return "";
    }
}

int DefaultRotatorPort(RotatorKind kind)
{
    switch (kind) {
    case RotatorKind::Rotctld:
        return CRotctldClient::kDefaultPort;
    case RotatorKind::PstRotator:
        return CRotatorPackets::kPstRotatorPort;
    case RotatorKind::N1mm:
        return CRotatorPackets::kN1mmRotorPort;
    default:
        return 0;
    }
}

bool IsHostText(const std::string& text)
{
    if (text.empty() || text.size() > kLongestHost || text.front() == '-' || text.front() == '.')
        return false;
    // A colon makes it an IPv6 address, which has hexadecimal digits only.
    const bool ipv6 = text.find(':') != std::string::npos;
    for (char c : text)
        if (!(ipv6 ? IsIpv6Char(c) : IsNameChar(c)))
            return false;
    return true;
}

bool ReadPortText(const std::string& text, int& port)
{
    if (text.empty() || text.size() > 5 || !IsDecimalText(text, true) || !IsDigit(text[0]))
        return false;
    const int value = IntegerValue(text);
    if (value < 1 || value > 65535)
        return false;
    port = value;
    return true;
}

bool ReadEndpoint(const std::string& text, int defaultPort, std::string& host, int& port, std::string& why)
{
    std::string name = text, portText;
    bool hasPort = false;
    const std::size_t colon = text.find(':');
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos || (close + 1 < text.size() && text[close + 1] != ':')) {
            why = "an IPv6 address goes in brackets, its port after them: [::1]:4533";
            return false;
        }
        name = text.substr(1, close - 1);
        hasPort = close + 1 < text.size();
        portText = hasPort ? text.substr(close + 2) : "";
    } else if (colon != std::string::npos && colon == text.rfind(':')) {
        // One colon: HOST:PORT. More than one, without brackets: an IPv6 address alone.
        name = text.substr(0, colon);
        portText = text.substr(colon + 1);
        hasPort = true;
    }
    if (!IsHostText(name)) {
        why = "not a host name or address";
        return false;
    }
    int number = defaultPort;
    if (hasPort && !ReadPortText(portText, number)) {
        why = "the port is a number from 1 to 65535";
        return false;
    }
    host = name;
    port = number;
    return true;
}

RotatorSetting StoredRotator(std::uint32_t kind, const std::string& host, std::uint32_t port)
{
    RotatorSetting setting;
    if (kind < 1 || kind > 3 || !IsHostText(host) || port < 1 || port > 65535)
        return setting;
    setting.kind = static_cast<RotatorKind>(kind);
    setting.host = host;
    setting.port = static_cast<int>(port);
    return setting;
}

bool RotatorFromTexts(RotatorKind kind, const std::string& host, const std::string& port, RotatorSetting& setting,
                      std::string& why)
{
    RotatorSetting read;
    read.kind = kind;
    if (kind == RotatorKind::None) {
        setting = read;
        return true;
    }
    if (!IsHostText(host)) {
        why = "The host is a name or an address, such as localhost or 192.168.1.20.";
        return false;
    }
    read.host = host;
    read.port = DefaultRotatorPort(kind);
    if (!port.empty() && !ReadPortText(port, read.port)) {
        why = "The port is a number from 1 to 65535 (" + std::string(RotatorName(kind)) + " listens on " +
              std::to_string(DefaultRotatorPort(kind)) + " unless told otherwise).";
        return false;
    }
    setting = read;
    return true;
}
