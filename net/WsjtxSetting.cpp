#include "net/WsjtxSetting.h"

#include "base/NumberText.h"
#include "net/RotatorSetting.h"

const char WsjtxSetting::kRecommendedGroup[] = "239.255.0.1";

bool IsMulticastGroupText(const std::string& text)
{
    int parts[4] = {};
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = i < 3 ? text.find('.', at) : text.size();
        if (end == std::string::npos)
            return false;
        const std::string part = text.substr(at, end - at);
        if (part.empty() || part.size() > 3 || !IsDecimalText(part, true) || part[0] == '+' || part[0] == '-')
            return false;
        parts[i] = IntegerValue(part);
        if (parts[i] > 255)
            return false;
        at = end + 1;
    }
    return parts[0] >= 224 && parts[0] <= 239;
}

WsjtxSetting StoredWsjtx(std::uint32_t follow, std::uint32_t port, const std::string& group, std::uint32_t turn)
{
    WsjtxSetting setting;
    if (port < 1 || port > 65535 || (!group.empty() && !IsMulticastGroupText(group)) || follow > 1 || turn > 1)
        return setting;
    setting.follow = follow == 1;
    setting.port = static_cast<int>(port);
    setting.group = group;
    setting.turnAntenna = turn == 1;
    return setting;
}

bool WsjtxFromTexts(bool follow, const std::string& port, const std::string& group, bool turnAntenna,
                    WsjtxSetting& setting, std::string& why)
{
    WsjtxSetting read;
    read.follow = follow;
    read.turnAntenna = turnAntenna;
    if (!port.empty() && !ReadPortText(port, read.port)) {
        why = "The UDP port is a number from 1 to 65535; WSJT-X sends to 2237 unless told otherwise.";
        return false;
    }
    if (!group.empty() && !IsMulticastGroupText(group)) {
        why = "A multicast group is an address from 224.0.0.0 to 239.255.255.255, such as " +
              std::string(WsjtxSetting::kRecommendedGroup) + "; leave it empty to listen on the port alone.";
        return false;
    }
    read.group = group;
    setting = read;
    return true;
}
