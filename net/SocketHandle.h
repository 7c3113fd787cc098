// One socket of the operating system, owned: closed when the object goes. Part of the platform
// seam (POSIX natively, Winsock on Windows): Winsock is started once, at the first socket of the
// process, and cleaned up when the process ends. All waits take a time limit in milliseconds.
#pragma once

#include "net/NetError.h"

#include <cstdint>
#include <string>
#include <vector>

class CSocketHandle {
public:
    // Wide enough for a POSIX descriptor and for Winsock's SOCKET.
    using Native = std::intptr_t;
    static const Native kInvalid;

    // A socket address of any family, as the system lays it out.
    struct Address {
        int family = 0;
        int length = 0;
        alignas(8) unsigned char bytes[128] = {};
    };

    CSocketHandle() = default;
    ~CSocketHandle();
    CSocketHandle(CSocketHandle&& other) noexcept;
    CSocketHandle& operator=(CSocketHandle&& other) noexcept;
    CSocketHandle(const CSocketHandle&) = delete;
    CSocketHandle& operator=(const CSocketHandle&) = delete;

    // A new non-blocking socket of the family and type (SOCK_STREAM, SOCK_DGRAM); false with
    // the system's error code when refused. Any socket held before is closed.
    bool Open(int family, int type, int& errorCode);
    void Close();
    bool IsOpen() const { return m_native != kInvalid; }
    Native Get() const { return m_native; }

    enum class Wait { Ready, TimedOut, Failed };
    // Until data (or end of stream) can be read.
    Wait WaitReadable(int timeoutMs) const;
    // Until a connection attempt has finished, one way or the other, or data can be written.
    Wait WaitWritable(int timeoutMs) const;

    // The error a connection attempt ended with (0: connected).
    int PendingError() const;

    // The addresses of host (a name or a numeric address) for a socket of the type, within the
    // time limit: a name server that does not answer must not hold the caller longer than that.
    static CNetError Resolve(const std::string& host, int port, int type, int timeoutMs,
                             std::vector<Address>& addresses);
    // The numeric form of an address, e.g. "127.0.0.1".
    static std::string NumericHost(const Address& address);

    // The system's words for an error code, in English, without a trailing newline.
    static std::string ErrorText(int code);

private:
    Wait WaitFor(bool bWrite, int timeoutMs) const;

    Native m_native = kInvalid;
};
