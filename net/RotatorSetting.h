// Which program turns the antenna and where it listens: rotctld (TCP), PstRotator or N1MM's
// rotor program (UDP). The window keeps one in its settings, the command line takes one as
// --rotctld HOST[:PORT] and the like; both read it with these rules.
#pragma once

#include <cstdint>
#include <string>

enum class RotatorKind { None = 0, Rotctld = 1, PstRotator = 2, N1mm = 3 };

struct RotatorSetting {
    RotatorKind kind = RotatorKind::None;
    std::string host;
    int port = 0;

    bool IsSet() const { return kind != RotatorKind::None; }
    // "rotctld at 127.0.0.1:4533", for messages.
    std::string Describe() const;
};

// "rotctld", "PstRotator", "N1MM"; "" for None.
const char* RotatorName(RotatorKind kind);
// 4533, 12000, 12040; 0 for None.
int DefaultRotatorPort(RotatorKind kind);

// A host as a setting may name one: a name or an IPv4 address (letters, digits, dots, hyphens,
// underscores) or an IPv6 address (hexadecimal digits, colons, dots), at most 253 characters.
bool IsHostText(const std::string& text);
// A port number 1..65535 written as digits alone.
bool ReadPortText(const std::string& text, int& port);

// HOST, HOST:PORT or [IPV6]:PORT, the port defaultPort when none is given. False, with why, for
// anything else.
bool ReadEndpoint(const std::string& text, int defaultPort, std::string& host, int& port, std::string& why);

// A rotator from the stored values; anything that is not one (an unknown kind, a host that is
// not a host, a port outside 1..65535) means none.
RotatorSetting StoredRotator(std::uint32_t kind, const std::string& host, std::uint32_t port);

// A rotator as a dialog gives it: the kind, and the host and port as typed (an empty port is the
// kind's default). False, with why (a sentence for the user), for a host or port that is none.
bool RotatorFromTexts(RotatorKind kind, const std::string& host, const std::string& port, RotatorSetting& setting,
                      std::string& why);
