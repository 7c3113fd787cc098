#pragma once
#include "framework/PostedCalls.h"
#include "net/NetWorker.h"
#include "net/RotatorSetting.h"
#include <functional>
#include <memory>
#include <string>

// The window's antenna: turning, stopping and testing run on threads of their own (every wait
// time-limited), and what came of them reaches the window on its own thread, through its posted
// calls. A new turn or a stop ends the turn in progress.
class CRotatorLink
{
public:
    struct Events
    {
        std::function<void(double heading)> heading;           // rotctld: where the antenna points now
        std::function<void(const std::string& why)> failed;    // a sentence naming host and port
    };
    // How long a turn is followed, and how often rotctld is asked where the antenna points.
    static constexpr int kFollowMs = 180000;
    static constexpr int kPollMs = 500;

    CRotatorLink(std::shared_ptr<CPostedCalls> posted, Events events);

    void Set(const RotatorSetting& setting);
    const RotatorSetting& Setting() const { return m_setting; }

    void Turn(double bearing);
    void Stop();
    // What a rotator at setting says of itself (rotctld: its range and heading), for done on the
    // thread of replyTo's window.
    void Test(const RotatorSetting& setting, std::shared_ptr<CPostedCalls> replyTo,
              std::function<void(const std::string& report)> done);

private:
    void Report(const std::function<void()>& call);

    RotatorSetting m_setting;
    std::shared_ptr<CPostedCalls> m_posted;
    Events m_events;
    // Last, so that their threads end before the rest goes.
    CNetWorker m_worker;
    CNetWorker m_testWorker;
};
