#include "net/NetWorker.h"

#include <utility>

CNetWorker::CNetWorker() : m_thread(&CNetWorker::Run, this) {}

CNetWorker::~CNetWorker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.clear();
        m_bStop = true;
        m_bShutdown = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CNetWorker::Post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_changed.notify_all();
}

void CNetWorker::Cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.clear();
        if (m_bBusy)
            m_bStop = true;
    }
    m_changed.notify_all();
}

bool CNetWorker::StopRequested() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bStop;
}

void CNetWorker::WaitIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_jobs.empty() && !m_bBusy; });
}

void CNetWorker::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_bShutdown || !m_jobs.empty(); });
        if (m_bShutdown)
            return;
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_bBusy = true;
        m_bStop = false;
        lock.unlock();
        job();
        lock.lock();
        m_bBusy = false;
        m_bStop = m_bShutdown;
        m_changed.notify_all();
    }
}
