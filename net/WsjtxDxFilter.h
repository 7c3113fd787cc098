// Which WSJT-X Status messages bring a new DX: WSJT-X repeats its Status about once a second,
// and the program acts only on a change. A DX is new when the DX call, DX grid or DE grid
// differ from the last DX reported for the same WSJT-X instance; a Status without a DX grid
// neither counts nor makes the last DX forgotten.
#pragma once

#include "net/WsjtxMessage.h"

#include <array>
#include <map>
#include <string>

class CWsjtxDxFilter {
public:
    // How many WSJT-X instances are remembered; a flood of made-up ids only resets the memory.
    static constexpr std::size_t kMaxInstances = 16;

    bool IsNewDx(const WsjtxMessage& message);
    void Reset() { m_lastDx.clear(); }

private:
    // DX call, DX grid and DE grid of the last DX, per instance id.
    std::map<std::string, std::array<std::string, 3>> m_lastDx;
};
