#include "net/SocketHandle.h"

#include "net/SocketApi.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#ifdef _WIN32
const CSocketHandle::Native CSocketHandle::kInvalid = static_cast<Native>(INVALID_SOCKET);

namespace {
// Winsock wants one WSAStartup before the first socket and a WSACleanup to match: a static
// object does both, once, whichever thread opens the first socket.
class CWinsockSession {
public:
    CWinsockSession()
    {
        WSADATA data;
        m_nResult = WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~CWinsockSession()
    {
        if (m_nResult == 0)
            WSACleanup();
    }
    CWinsockSession(const CWinsockSession&) = delete;
    CWinsockSession& operator=(const CWinsockSession&) = delete;
    int Result() const { return m_nResult; }

private:
    int m_nResult;
};

int StartWinsock()
{
    static CWinsockSession session;
    return session.Result();
}
}
#else
const CSocketHandle::Native CSocketHandle::kInvalid = -1;

namespace {
int StartWinsock()
{
    return 0;
}
}
#endif

namespace {
// One name lookup on a thread of its own, so that the caller can stop waiting for it; whoever
// finishes last, the caller or the thread, frees the answer.
struct CNameLookup {
    std::mutex mutex;
    std::condition_variable done;
    bool bDone = false;
    int nResult = 0;
    std::vector<CSocketHandle::Address> addresses;
};

void LookUp(const std::shared_ptr<CNameLookup>& lookup, const std::string& host, int port, int type)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = type;
    addrinfo* result = nullptr;
    int rc = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &result);
    std::vector<CSocketHandle::Address> found;
    for (addrinfo* entry = result; rc == 0 && entry != nullptr; entry = entry->ai_next) {
        if ((entry->ai_family != AF_INET && entry->ai_family != AF_INET6) ||
            entry->ai_addrlen > sizeof(CSocketHandle::Address::bytes))
            continue;
        CSocketHandle::Address address;
        address.family = entry->ai_family;
        address.length = static_cast<int>(entry->ai_addrlen);
        std::memcpy(address.bytes, entry->ai_addr, entry->ai_addrlen);
        found.push_back(address);
    }
    if (result != nullptr)
        freeaddrinfo(result);
    std::lock_guard<std::mutex> lock(lookup->mutex);
    lookup->nResult = rc;
    lookup->addresses = std::move(found);
    lookup->bDone = true;
    lookup->done.notify_all();
}
}

CSocketHandle::~CSocketHandle()
{
    Close();
}

CSocketHandle::CSocketHandle(CSocketHandle&& other) noexcept : m_native(other.m_native)
{
    other.m_native = kInvalid;
}

CSocketHandle& CSocketHandle::operator=(CSocketHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        m_native = std::exchange(other.m_native, kInvalid);
    }
    return *this;
}

bool CSocketHandle::Open(int family, int type, int& errorCode)
{
    Close();
#ifdef _WIN32
    errorCode = StartWinsock();
    if (errorCode != 0)
        return false;
    SOCKET s = socket(family, type, 0);
    if (s == INVALID_SOCKET) {
        errorCode = WSAGetLastError();
        return false;
    }
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) != 0) {
        errorCode = WSAGetLastError();
        closesocket(s);
        return false;
    }
#else
    int s = socket(family, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s < 0) {
        errorCode = errno;
        return false;
    }
#endif
    m_native = static_cast<Native>(s);
    errorCode = 0;
    return true;
}

void CSocketHandle::Close()
{
    if (m_native == kInvalid)
        return;
#ifdef _WIN32
    closesocket(static_cast<SOCKET>(m_native));
#else
    close(static_cast<int>(m_native));
#endif
    m_native = kInvalid;
}

CSocketHandle::Wait CSocketHandle::WaitReadable(int timeoutMs) const
{
    return WaitFor(false, timeoutMs);
}

CSocketHandle::Wait CSocketHandle::WaitWritable(int timeoutMs) const
{
    return WaitFor(true, timeoutMs);
}

CSocketHandle::Wait CSocketHandle::WaitFor(bool bWrite, int timeoutMs) const
{
    if (timeoutMs < 0)
        timeoutMs = 0;
#ifdef _WIN32
    // Winsock reports a failed connection attempt in the exception set, not the write set.
    SOCKET s = static_cast<SOCKET>(m_native);
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(s, &ready);
    FD_SET(s, &failed);
    timeval limit;
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    int n = select(0, bWrite ? nullptr : &ready, bWrite ? &ready : nullptr, &failed, &limit);
    if (n == SOCKET_ERROR)
        return Wait::Failed;
#else
    pollfd entry{};
    entry.fd = static_cast<int>(m_native);
    entry.events = bWrite ? POLLOUT : POLLIN;
    int n;
    do
        n = poll(&entry, 1, timeoutMs);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return Wait::Failed;
#endif
    return n == 0 ? Wait::TimedOut : Wait::Ready;
}

int CSocketHandle::PendingError() const
{
    int code = 0;
    socket_len length = sizeof code;
    if (getsockopt(::Native(*this), SOL_SOCKET, SO_ERROR,
                   reinterpret_cast<char*>(&code), &length) != 0)
        return locatrix_net::LastSocketError();
    return code;
}

CNetError CSocketHandle::Resolve(const std::string& host, int port, int type, int timeoutMs,
                                 std::vector<Address>& addresses)
{
    addresses.clear();
    const std::string endpoint = CNetError::Endpoint(host, port);
    if (int code = StartWinsock())
        return CNetError(NetFault::SocketFailure, "cannot start Windows sockets for " + endpoint + ": " + ErrorText(code));
    if (host.empty() || host.size() > 255 || host.find('\0') != std::string::npos)
        return CNetError(NetFault::NameNotResolved, "'" + host + "' is not a host name");
    auto lookup = std::make_shared<CNameLookup>();
    std::thread(LookUp, lookup, host, port, type).detach();
    std::unique_lock<std::mutex> lock(lookup->mutex);
    if (!lookup->done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return lookup->bDone; })) {
        return CNetError(NetFault::NoAnswer, "the name " + host + " was not resolved within " +
                                                 CNetError::Seconds(timeoutMs) + " (no answer from a name server)");
    }
    if (lookup->nResult != 0 || lookup->addresses.empty()) {
        std::string why = lookup->nResult != 0 ? gai_strerror(lookup->nResult) : "no IPv4 or IPv6 address";
        return CNetError(NetFault::NameNotResolved, "the name " + host + " was not resolved: " + why);
    }
    addresses = lookup->addresses;
    return CNetError();
}

std::string CSocketHandle::NumericHost(const Address& address)
{
    char text[NI_MAXHOST] = "";
    if (getnameinfo(reinterpret_cast<const sockaddr*>(address.bytes), static_cast<socket_len>(address.length), text,
                    sizeof text, nullptr, 0, NI_NUMERICHOST) != 0)
        return "?";
    return text;
}

std::string CSocketHandle::ErrorText(int code)
{
#ifdef _WIN32
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(code), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text,
                             sizeof text, nullptr);
    std::string s(text, n);
#else
    std::string s = std::strerror(code);
#endif
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.'))
        s.pop_back();
    if (s.empty())
        s = "system error";
    return s + " (" + std::to_string(code) + ")";
}
