#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <mutex>

// Calls from other threads, to run on a window's thread: queued here, the window told by a
// posted message (one for any number of calls queued meanwhile), and run when the window handles
// that message with RunQueued. Threads hold it by shared_ptr; once the window has gone (Detach),
// calls are dropped unrun.
class CPostedCalls
{
public:
    CPostedCalls(HWND window, UINT message);
    CPostedCalls(const CPostedCalls&) = delete;
    CPostedCalls& operator=(const CPostedCalls&) = delete;

    // Any thread.
    void Post(std::function<void()> call);
    // The window's thread, on the message.
    void RunQueued();
    void Detach();

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_calls;
    HWND m_hWnd;
    const UINT m_nMessage;
    bool m_bNotified = false;
};
