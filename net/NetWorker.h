// One thread of its own that runs network jobs in the order they were posted, so that the
// window never waits on a socket: a job does its (time-limited) work and hands its result back
// itself, e.g. by PostMessage to the window with the result on the heap. A job that loops
// (listening, polling a rotator) asks StopRequested() between its waits.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CNetWorker {
public:
    CNetWorker();
    // Drops the jobs not yet started, asks the running one to stop and waits for it: each of
    // its waits has a time limit, so this returns within one of them.
    ~CNetWorker();
    CNetWorker(const CNetWorker&) = delete;
    CNetWorker& operator=(const CNetWorker&) = delete;

    void Post(std::function<void()> job);
    // Asks the running job to end and drops the waiting ones; the worker stays for new jobs.
    void Cancel();
    // For the running job: true once Cancel or the destructor asked it to end.
    bool StopRequested() const;
    // Until every posted job has run (for tests and for an orderly close).
    void WaitIdle();

private:
    void Run();

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_jobs;
    bool m_bBusy = false;
    bool m_bStop = false;      // the running job should end
    bool m_bShutdown = false;  // the thread should end
    std::thread m_thread;
};
