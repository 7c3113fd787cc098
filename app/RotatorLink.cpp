#include "app/RotatorLink.h"
#include "base/NumberText.h"
#include "net/Rotator.h"
#include <utility>

CRotatorLink::CRotatorLink(std::shared_ptr<CPostedCalls> posted, Events events)
    : m_posted(std::move(posted)), m_events(std::move(events))
{
}

void CRotatorLink::Set(const RotatorSetting& setting)
{
    m_worker.Cancel();
    m_setting = setting;
}

// Jobs run on the worker's thread; what they report runs on the window's, where the link lives as
// long as the window does.
void CRotatorLink::Report(const std::function<void()>& call)
{
    m_posted->Post(call);
}

void CRotatorLink::Turn(double bearing)
{
    m_worker.Cancel();
    m_worker.Post([this, setting = m_setting, bearing] {
        CRotator rotator(setting);
        std::string sent;
        double azimuth = 0;
        CNetError error = rotator.Turn(bearing, sent, azimuth);
        if (!error.Failed() && rotator.ReportsHeading())
        {
            bool arrived = false;
            error = rotator.Follow(azimuth, kFollowMs, kPollMs, [this](double heading) {
                Report([this, heading] { m_events.heading(heading); });
                return !m_worker.StopRequested();
            }, arrived);
        }
        if (error.Failed())
            Report([this, why = "The antenna did not turn to " + FormatShown(bearing, 1) + "\xB0: " + error.Message()] {
                m_events.failed(why);
            });
    });
}

void CRotatorLink::Stop()
{
    m_worker.Cancel();
    m_worker.Post([this, setting = m_setting] {
        CRotator rotator(setting);
        std::string sent;
        double heading = 0;
        CNetError error = rotator.Stop(sent);
        if (!error.Failed() && rotator.ReportsHeading())
            error = rotator.ReadHeading(heading);
        if (error.Failed())
            Report([this, why = "The antenna was not stopped: " + error.Message()] { m_events.failed(why); });
        else if (rotator.ReportsHeading())
            Report([this, heading] { m_events.heading(heading); });
    });
}

void CRotatorLink::Test(const RotatorSetting& setting, std::shared_ptr<CPostedCalls> replyTo,
                        std::function<void(const std::string& report)> done)
{
    m_testWorker.Cancel();
    m_testWorker.Post([setting, replyTo, done] {
        CRotator rotator(setting);
        CAzimuthRange range;
        double heading = 0;
        CNetError error = rotator.ReadRange(range);
        if (!error.Failed())
            error = rotator.ReadHeading(heading);
        const std::string report =
            error.Failed() ? error.Message()
                           : setting.Describe() + " answers: azimuths " + range.Text() + ", the antenna points at " +
                                 FormatShown(CAzimuthRange::Compass(heading), 1) + "\xB0";
        replyTo->Post([done, report] { done(report); });
    });
}
