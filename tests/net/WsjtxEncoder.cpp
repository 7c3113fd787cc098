#include "tests/net/WsjtxEncoder.h"

void CWsjtxEncoder::PutUnsigned(std::string& out, std::uint64_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift & 0xff);
}

void CWsjtxEncoder::PutText(std::string& out, const std::string& text)
{
    PutUnsigned(out, text.size(), 4);
    out += text;
}

std::string CWsjtxEncoder::Header(std::uint32_t type, const std::string& id, std::uint32_t schema)
{
    std::string out;
    PutUnsigned(out, 0xadbccbda, 4);
    PutUnsigned(out, schema, 4);
    PutUnsigned(out, type, 4);
    PutText(out, id);
    return out;
}

std::string CWsjtxEncoder::Heartbeat(const std::string& id, std::uint32_t maxSchema, const std::string& version,
                                     const std::string& revision, std::uint32_t schema)
{
    std::string out = Header(0, id, schema);
    PutUnsigned(out, maxSchema, 4);
    PutText(out, version);
    PutText(out, revision);
    return out;
}

std::string CWsjtxEncoder::Status(const WsjtxStatusFields& f, std::uint32_t schema)
{
    std::string out = Header(1, f.id, schema);
    PutUnsigned(out, f.frequency, 8);
    for (const std::string* text : {&f.mode, &f.dxCall, &f.report, &f.txMode})
        PutText(out, *text);
    for (bool flag : {f.txEnabled, f.transmitting, f.decoding})
        PutUnsigned(out, flag, 1);
    PutUnsigned(out, f.rxDf, 4);
    PutUnsigned(out, f.txDf, 4);
    for (const std::string* text : {&f.deCall, &f.deGrid, &f.dxGrid})
        PutText(out, *text);
    PutUnsigned(out, f.txWatchdog, 1);
    PutText(out, f.subMode);
    PutUnsigned(out, f.fastMode, 1);
    PutUnsigned(out, f.specialOperation, 1);
    PutUnsigned(out, f.frequencyTolerance, 4);
    PutUnsigned(out, f.trPeriod, 4);
    PutText(out, f.configurationName);
    PutText(out, f.txMessage);
    return out;
}

namespace {
void PutDateTime(std::string& out, std::int64_t julianDay, std::uint32_t ms, std::uint8_t timeKind, std::int32_t offset)
{
    CWsjtxEncoder::PutUnsigned(out, static_cast<std::uint64_t>(julianDay), 8);
    CWsjtxEncoder::PutUnsigned(out, ms, 4);
    CWsjtxEncoder::PutUnsigned(out, timeKind, 1);
    if (timeKind == 2)
        CWsjtxEncoder::PutUnsigned(out, static_cast<std::uint32_t>(offset), 4);
}
}

std::string CWsjtxEncoder::QsoLogged(const WsjtxQsoFields& f, std::uint32_t schema)
{
    std::string out = Header(5, f.id, schema);
    PutDateTime(out, f.julianDayOff, f.msOff, f.timeSpec, f.offsetSeconds);
    PutText(out, f.dxCall);
    PutText(out, f.dxGrid);
    PutUnsigned(out, f.frequency, 8);
    for (const std::string* text : {&f.mode, &f.reportSent, &f.reportReceived, &f.txPower, &f.comments, &f.name})
        PutText(out, *text);
    PutDateTime(out, f.julianDayOn, f.msOn, f.timeSpec, f.offsetSeconds);
    for (const std::string* text :
         {&f.operatorCall, &f.myCall, &f.myGrid, &f.exchangeSent, &f.exchangeReceived, &f.propagationMode})
        PutText(out, *text);
    return out;
}

std::string CWsjtxEncoder::Clear(const std::string& id, std::uint32_t schema)
{
    return Header(3, id, schema);
}
