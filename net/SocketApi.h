// The platform seam's system headers, for net/'s own sources only (never include it from a
// header): POSIX sockets natively, Winsock 2 (ws2_32) on Windows, with the few names that
// differ between them given one spelling here.
#pragma once

#include "net/SocketHandle.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>

using socket_len = int;
namespace locatrix_net {
constexpr int kSendFlags = 0;
inline int LastSocketError() { return WSAGetLastError(); }
inline bool IsInProgress(int code) { return code == WSAEWOULDBLOCK || code == WSAEINPROGRESS; }
inline bool IsWouldBlock(int code) { return code == WSAEWOULDBLOCK; }
inline bool IsRefused(int code) { return code == WSAECONNREFUSED; }
inline bool IsDropped(int code)
{
    return code == WSAECONNRESET || code == WSAECONNABORTED || code == WSAESHUTDOWN || code == WSAENOTCONN;
}
inline bool IsTimedOut(int code) { return code == WSAETIMEDOUT; }
}
inline SOCKET Native(const CSocketHandle& handle) { return static_cast<SOCKET>(handle.Get()); }
#else
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using socket_len = socklen_t;
namespace locatrix_net {
// A peer that has gone must not end the program with SIGPIPE.
constexpr int kSendFlags = MSG_NOSIGNAL;
inline int LastSocketError() { return errno; }
inline bool IsInProgress(int code) { return code == EINPROGRESS || code == EWOULDBLOCK || code == EAGAIN; }
inline bool IsWouldBlock(int code) { return code == EWOULDBLOCK || code == EAGAIN; }
inline bool IsRefused(int code) { return code == ECONNREFUSED; }
inline bool IsDropped(int code) { return code == ECONNRESET || code == EPIPE || code == ECONNABORTED || code == ENOTCONN; }
inline bool IsTimedOut(int code) { return code == ETIMEDOUT; }
}
inline int Native(const CSocketHandle& handle) { return static_cast<int>(handle.Get()); }
#endif
