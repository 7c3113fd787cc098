// Reads WSJT-X's UDP datagrams (the format of WSJT-X's NetworkMessage.hpp: magic 0xadbccbda,
// schema 2 or 3, Qt's QDataStream encoding, big-endian) into WsjtxMessage: Heartbeat, Status,
// Clear and QSO Logged. Every field is checked against what is left of the datagram before it
// is read, so a short, long, wrongly typed or hostile datagram is refused with a reason and
// never read past its end. Fields added after the known ones are passed over, and a message
// from an older WSJT-X that ends after the fields the program needs is read.
#pragma once

#include "net/WsjtxMessage.h"

#include <cstddef>
#include <string>

class CWsjtxReader {
public:
    static constexpr std::uint32_t kMagic = 0xadbccbda;
    // No UDP datagram is larger.
    static constexpr std::size_t kMaxDatagram = 65535;
    // Calls, grids, modes and comments are short; a longer text is an attack or a fault.
    static constexpr std::size_t kMaxText = 1024;

    enum class Verdict {
        Read,     // one of the four messages, in message
        Ignored,  // a sound header of a message type the program does not act on
        Rejected, // reason says what is wrong
    };
    static Verdict Read(const std::string& datagram, WsjtxMessage& message, std::string& reason);
};
