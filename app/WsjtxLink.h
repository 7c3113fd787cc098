#pragma once
#include "framework/PostedCalls.h"
#include "net/NetWorker.h"
#include "net/WsjtxMessage.h"
#include "net/WsjtxSetting.h"
#include <functional>
#include <memory>
#include <string>

// The window's ear for WSJT-X: the feed is read on a thread of its own, and what it brings (a
// new DX, the count of datagrams dropped, a failure) reaches the window on its own thread,
// through its posted calls. Datagrams are never read on the window's thread.
class CWsjtxLink
{
public:
    struct Events
    {
        std::function<void(int port)> listening;
        std::function<void(const WsjtxMessage& dx)> newDx;
        std::function<void(long dropped)> dropped;
        std::function<void(const std::string& why)> failed;
    };
    // How long one wait for a datagram lasts, so that a stop is noticed.
    static constexpr int kWaitMs = 250;

    CWsjtxLink(std::shared_ptr<CPostedCalls> posted, Events events);

    // Listens as the setting says (nothing when it says not to follow), ending what ran before.
    void Follow(const WsjtxSetting& setting);

private:
    std::shared_ptr<CPostedCalls> m_posted;
    Events m_events;
    CNetWorker m_worker; // last: its thread ends before the rest goes
};
