#include "app/WsjtxLink.h"
#include "net/WsjtxFeed.h"
#include <chrono>
#include <utility>

CWsjtxLink::CWsjtxLink(std::shared_ptr<CPostedCalls> posted, Events events)
    : m_posted(std::move(posted)), m_events(std::move(events))
{
}

void CWsjtxLink::Follow(const WsjtxSetting& setting)
{
    m_worker.Cancel();
    if (!setting.follow)
        return;
    m_worker.Post([this, setting] {
        CWsjtxFeed feed;
        CNetError error = feed.Open(setting.port, setting.group);
        if (error.Failed())
        {
            m_posted->Post([this, why = error.Message()] { m_events.failed(why); });
            return;
        }
        m_posted->Post([this, port = feed.Port()] { m_events.listening(port); });
        // A flood of bad datagrams is told to the window a few times a second, not each one.
        using Clock = std::chrono::steady_clock;
        Clock::time_point told = Clock::now();
        long toldDropped = 0;
        while (!m_worker.StopRequested())
        {
            WsjtxMessage dx;
            const CWsjtxFeed::Event event = feed.Next(kWaitMs, dx, error);
            if (error.Failed())
            {
                m_posted->Post([this, why = error.Message()] { m_events.failed(why); });
                return;
            }
            if (event == CWsjtxFeed::Event::NewDx)
                m_posted->Post([this, dx] { m_events.newDx(dx); });
            if (feed.Dropped() != toldDropped &&
                (event == CWsjtxFeed::Event::None || Clock::now() - told >= std::chrono::milliseconds(kWaitMs)))
            {
                toldDropped = feed.Dropped();
                told = Clock::now();
                m_posted->Post([this, toldDropped] { m_events.dropped(toldDropped); });
            }
        }
    });
}
