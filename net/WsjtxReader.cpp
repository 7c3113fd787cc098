#include "net/WsjtxReader.h"

#include <cstdint>

namespace {
// A read position in the datagram that refuses to step past its end: each read names its field
// so that the reason for a refusal says where the datagram went wrong.
class CFieldCursor {
public:
    explicit CFieldCursor(const std::string& data) : m_data(data) {}

    bool AtEnd() const { return m_nPos == m_data.size(); }
    const std::string& Reason() const { return m_strReason; }

    bool Unsigned(std::uint64_t& value, std::size_t bytes, const char* field)
    {
        if (!Need(bytes, field))
            return false;
        value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value = value << 8 | static_cast<unsigned char>(m_data[m_nPos++]);
        return true;
    }
    bool U8(std::uint8_t& value, const char* field) { return Narrow(value, 1, field); }
    bool U32(std::uint32_t& value, const char* field) { return Narrow(value, 4, field); }
    bool U64(std::uint64_t& value, const char* field) { return Unsigned(value, 8, field); }

    bool Bool(bool& value, const char* field)
    {
        std::uint8_t byte = 0;
        if (!U8(byte, field))
            return false;
        if (byte > 1)
            return Fail(std::string("field '") + field + "' holds " + std::to_string(byte) + ", not a bool (0 or 1)");
        value = byte == 1;
        return true;
    }

    // utf8: a quint32 length (0xffffffff for a null string) and that many bytes.
    bool Text(std::string& value, const char* field)
    {
        std::uint32_t length = 0;
        if (!U32(length, field))
            return false;
        value.clear();
        if (length == 0xffffffffu)
            return true;
        if (length > CWsjtxReader::kMaxText)
            return Fail(std::string("field '") + field + "' is " + std::to_string(length) + " bytes long (at most " +
                        std::to_string(CWsjtxReader::kMaxText) + ")");
        if (length > m_data.size() - m_nPos)
            return Fail(std::string("field '") + field + "' is " + std::to_string(length) + " bytes long, but only " +
                        std::to_string(m_data.size() - m_nPos) + " are left in the datagram");
        value = m_data.substr(m_nPos, length);
        m_nPos += length;
        return true;
    }
    bool Skip(const char* field)
    {
        std::string ignored;
        return Text(ignored, field);
    }

    // QDateTime: qint64 Julian day, quint32 milliseconds since midnight, quint8 time kind
    // (Qt's TimeSpec: 0 local, 1 UTC, 2 offset from UTC with a qint32 after it, 3 time zone).
    bool DateTime(const char* field)
    {
        std::uint64_t day = 0;
        std::uint32_t milliseconds = 0;
        std::uint8_t timeKind = 0;
        if (!U64(day, field) || !U32(milliseconds, field) || !U8(timeKind, field))
            return false;
        // 0xffffffff is Qt's null time.
        if (milliseconds >= 86400000u && milliseconds != 0xffffffffu)
            return Fail(std::string("field '") + field + "' holds " + std::to_string(milliseconds) +
                        " ms, not a time of day");
        if (timeKind == 2) {
            std::uint32_t offset = 0;
            return U32(offset, field);
        }
        if (timeKind == 3)
            return Fail(std::string("field '") + field + "' carries a time zone, which WSJT-X does not send");
        if (timeKind > 3)
            return Fail(std::string("field '") + field + "' has time kind " + std::to_string(timeKind) + " (0 to 3)");
        return true;
    }

    bool Fail(const std::string& reason)
    {
        m_strReason = reason;
        return false;
    }

private:
    template <typename T>
    bool Narrow(T& value, std::size_t bytes, const char* field)
    {
        std::uint64_t wide = 0;
        if (!Unsigned(wide, bytes, field))
            return false;
        value = static_cast<T>(wide);
        return true;
    }

    bool Need(std::size_t bytes, const char* field)
    {
        if (m_data.size() - m_nPos >= bytes)
            return true;
        return Fail("the datagram ends inside field '" + std::string(field) + "' (" +
                    std::to_string(m_data.size() - m_nPos) + " of " + std::to_string(bytes) + " bytes)");
    }

    const std::string& m_data;
    std::size_t m_nPos = 0;
    std::string m_strReason;
};

// Status: the fields up to DX grid are needed; WSJT-X has added the others over the years.
bool ReadStatus(CFieldCursor& in, WsjtxMessage& message)
{
    std::string ignored;
    bool flag = false;
    std::uint32_t number = 0;
    std::uint8_t byte = 0;
    if (!in.U64(message.frequency, "Dial Frequency") || !in.Text(message.mode, "Mode") ||
        !in.Text(message.dxCall, "DX call") || !in.Skip("Report") || !in.Skip("Tx Mode") ||
        !in.Bool(flag, "Tx Enabled") || !in.Bool(message.transmitting, "Transmitting") ||
        !in.Bool(flag, "Decoding") || !in.U32(number, "Rx DF") || !in.U32(number, "Tx DF") ||
        !in.Text(message.deCall, "DE call") || !in.Text(message.deGrid, "DE grid") ||
        !in.Text(message.dxGrid, "DX grid"))
        return false;
    return (in.AtEnd() || in.Bool(flag, "Tx Watchdog")) && (in.AtEnd() || in.Skip("Sub-mode")) &&
           (in.AtEnd() || in.Bool(flag, "Fast mode")) && (in.AtEnd() || in.U8(byte, "Special Operation Mode")) &&
           (in.AtEnd() || in.U32(number, "Frequency Tolerance")) && (in.AtEnd() || in.U32(number, "T/R Period")) &&
           (in.AtEnd() || in.Skip("Configuration Name")) && (in.AtEnd() || in.Skip("Tx Message"));
}

// QSO Logged: the fields up to My grid are needed; the exchanges and propagation mode came later.
bool ReadQsoLogged(CFieldCursor& in, WsjtxMessage& message)
{
    if (!in.DateTime("Date & Time Off") || !in.Text(message.dxCall, "DX call") || !in.Text(message.dxGrid, "DX grid") ||
        !in.U64(message.frequency, "Tx frequency") || !in.Text(message.mode, "Mode") || !in.Skip("Report sent") ||
        !in.Skip("Report received") || !in.Skip("Tx power") || !in.Skip("Comments") || !in.Skip("Name") ||
        !in.DateTime("Date & Time On") || !in.Skip("Operator call") || !in.Text(message.deCall, "My call") ||
        !in.Text(message.deGrid, "My grid"))
        return false;
    return (in.AtEnd() || in.Skip("Exchange sent")) && (in.AtEnd() || in.Skip("Exchange received")) &&
           (in.AtEnd() || in.Skip("ADIF Propagation mode"));
}

bool ReadHeartbeat(CFieldCursor& in, WsjtxMessage& message)
{
    message.maxSchema = 2;
    return (in.AtEnd() || in.U32(message.maxSchema, "Maximum schema number")) &&
           (in.AtEnd() || in.Text(message.version, "version")) && (in.AtEnd() || in.Text(message.revision, "revision"));
}
}

CWsjtxReader::Verdict CWsjtxReader::Read(const std::string& datagram, WsjtxMessage& message, std::string& reason)
{
    message = WsjtxMessage();
    reason.clear();
    if (datagram.size() > kMaxDatagram) {
        reason = "the datagram is " + std::to_string(datagram.size()) + " bytes long (at most " +
                 std::to_string(kMaxDatagram) + ")";
        return Verdict::Rejected;
    }
    CFieldCursor in(datagram);
    std::uint32_t magic = 0, type = 0;
    bool bRead = in.U32(magic, "magic number") &&
                 (magic == kMagic || in.Fail("not a WSJT-X message (no magic number 0xadbccbda)")) &&
                 in.U32(message.schema, "schema number") &&
                 ((message.schema == 2 || message.schema == 3) ||
                  in.Fail("schema " + std::to_string(message.schema) + " (only 2 and 3 are read)")) &&
                 in.U32(type, "message type") && in.Text(message.id, "Id");
    if (bRead) {
        message.type = static_cast<WsjtxType>(type);
        switch (message.type) {
        case WsjtxType::Heartbeat:
            bRead = ReadHeartbeat(in, message);
            break;
        case WsjtxType::Status:
            bRead = ReadStatus(in, message);
            break;
        case WsjtxType::QsoLogged:
            bRead = ReadQsoLogged(in, message);
            break;
        case WsjtxType::Clear:
            // Its one field, the window to clear, travels only towards WSJT-X.
            break;
        default:
            return Verdict::Ignored;
        }
    }
    if (!bRead) {
        reason = in.Reason();
        message = WsjtxMessage();
        return Verdict::Rejected;
    }
    return Verdict::Read;
}
