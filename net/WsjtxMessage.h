// One message of WSJT-X's UDP feed, as CWsjtxReader reads it: the header and the fields of the
// four messages the program acts on. "DE" is this station (Status: DE call and grid; QSO Logged:
// My call and My grid), "DX" the station being worked.
#pragma once

#include <cstdint>
#include <string>

enum class WsjtxType : std::uint32_t {
    Heartbeat = 0,
    Status = 1,
    Clear = 3,
    QsoLogged = 5,
};

struct WsjtxMessage {
    std::uint32_t schema = 0; // 2 or 3
    WsjtxType type = WsjtxType::Heartbeat;
    std::string id;           // the sending instance's unique key

    // Heartbeat. A heartbeat without the field means schema 2.
    std::uint32_t maxSchema = 2;
    std::string version;
    std::string revision;

    // Status (dial frequency) and QSO Logged (Tx frequency), in hertz.
    std::uint64_t frequency = 0;
    std::string mode;
    std::string dxCall;
    std::string dxGrid;
    std::string deCall;
    std::string deGrid;
    bool transmitting = false; // Status only
};
