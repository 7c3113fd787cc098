#include "framework/PostedCalls.h"
#include <utility>

CPostedCalls::CPostedCalls(HWND window, UINT message) : m_hWnd(window), m_nMessage(message)
{
}

void CPostedCalls::Post(std::function<void()> call)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_hWnd)
        return;
    m_calls.push_back(std::move(call));
    if (!m_bNotified)
        m_bNotified = ::PostMessageA(m_hWnd, m_nMessage, 0, 0) != FALSE;
}

void CPostedCalls::RunQueued()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bNotified = false;
    }
    // One at a time, not under the lock: a call may open a message box, whose loop runs the
    // calls posted meanwhile, in their order, through this again.
    for (;;)
    {
        std::function<void()> call;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_calls.empty())
                return;
            call = std::move(m_calls.front());
            m_calls.pop_front();
        }
        call();
    }
}

void CPostedCalls::Detach()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hWnd = nullptr;
    m_calls.clear();
}
