// Whether and where to listen for WSJT-X: a UDP port, and optionally a multicast group so that
// other programs on the computer hear the same feed; and whether a new DX turns the antenna.
#pragma once

#include <cstdint>
#include <string>

struct WsjtxSetting {
    static constexpr int kDefaultPort = 2237;
    // The local-scope group WSJT-X's documentation gives as its example.
    static const char kRecommendedGroup[];

    bool follow = false;
    int port = kDefaultPort;
    std::string group; // empty: unicast only
    bool turnAntenna = false;
};

// An IPv4 multicast group written as four numbers, 224.0.0.0 to 239.255.255.255.
bool IsMulticastGroupText(const std::string& text);

// The setting from the stored values; anything hostile among them (a port outside 1..65535, a
// group that is not one) means not following, so that no socket opens on a guess.
WsjtxSetting StoredWsjtx(std::uint32_t follow, std::uint32_t port, const std::string& group, std::uint32_t turn);

// The setting as a dialog gives it, port and group as typed (an empty port is 2237, an empty
// group unicast only). False, with why (a sentence for the user), for a port or group that is none.
bool WsjtxFromTexts(bool follow, const std::string& port, const std::string& group, bool turnAntenna,
                    WsjtxSetting& setting, std::string& why);
