#include "WsjtxEncoder.h"

#include "net/UdpReceiver.h"
#include "net/UdpSender.h"
#include "net/WsjtxDxFilter.h"
#include "net/WsjtxReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {
using Verdict = CWsjtxReader::Verdict;

WsjtxMessage MustRead(const std::string& datagram)
{
    WsjtxMessage message;
    std::string reason;
    EXPECT_EQ(Verdict::Read, CWsjtxReader::Read(datagram, message, reason)) << reason;
    return message;
}

std::string RejectionOf(const std::string& datagram)
{
    WsjtxMessage message;
    std::string reason;
    EXPECT_EQ(Verdict::Rejected, CWsjtxReader::Read(datagram, message, reason));
    EXPECT_TRUE(message.id.empty() && message.dxGrid.empty()) << "a refused datagram leaves no fields behind";
    return reason;
}

WsjtxStatusFields SampleStatus()
{
    WsjtxStatusFields status;
    status.id = "WSJT-X - IC7300";
    status.frequency = 50313000;
    status.mode = "FT8";
    status.dxCall = "K1ABC";
    status.dxGrid = "FN42";
    status.deCall = "G4XYZ";
    status.deGrid = "IO91wm";
    status.transmitting = true;
    status.txMessage = "K1ABC G4XYZ IO91";
    return status;
}

std::vector<std::string> SampleDatagrams()
{
    return {CWsjtxEncoder::Heartbeat("WSJT-X", 3, "2.6.1", "0d9b96"), CWsjtxEncoder::Status(SampleStatus()),
            CWsjtxEncoder::QsoLogged(WsjtxQsoFields()), CWsjtxEncoder::Clear("WSJT-X")};
}
}

TEST(WsjtxReader, ReadsWhatTheEncoderWrites)
{
    for (std::uint32_t schema : {2u, 3u}) {
        WsjtxMessage status = MustRead(CWsjtxEncoder::Status(SampleStatus(), schema));
        EXPECT_EQ(schema, status.schema);
        EXPECT_EQ(WsjtxType::Status, status.type);
        EXPECT_EQ("WSJT-X - IC7300", status.id);
        EXPECT_EQ(50313000u, status.frequency);
        EXPECT_EQ("FT8", status.mode);
        EXPECT_EQ("K1ABC", status.dxCall);
        EXPECT_EQ("FN42", status.dxGrid);
        EXPECT_EQ("G4XYZ", status.deCall);
        EXPECT_EQ("IO91wm", status.deGrid);
        EXPECT_TRUE(status.transmitting);
    }

    WsjtxQsoFields qso;
    qso.frequency = 0x123456789aULL; // all eight bytes count
    qso.timeSpec = 2;                // with an offset from UTC, one more field
    qso.offsetSeconds = -3600;
    WsjtxMessage logged = MustRead(CWsjtxEncoder::QsoLogged(qso));
    EXPECT_EQ(WsjtxType::QsoLogged, logged.type);
    EXPECT_EQ("K1ABC", logged.dxCall);
    EXPECT_EQ("FN42", logged.dxGrid);
    EXPECT_EQ("G4XYZ", logged.deCall);
    EXPECT_EQ("IO91", logged.deGrid);
    EXPECT_EQ(0x123456789aULL, logged.frequency);

    WsjtxMessage heartbeat = MustRead(CWsjtxEncoder::Heartbeat("JTDX", 3, "2.6.1", "0d9b96"));
    EXPECT_EQ(WsjtxType::Heartbeat, heartbeat.type);
    EXPECT_EQ(3u, heartbeat.maxSchema);
    EXPECT_EQ("2.6.1", heartbeat.version);
    EXPECT_EQ("0d9b96", heartbeat.revision);
    // Older senders stop after the id: schema 2 is then the most they speak.
    EXPECT_EQ(2u, MustRead(CWsjtxEncoder::Header(0, "old", 2)).maxSchema);

    WsjtxMessage clear = MustRead(CWsjtxEncoder::Clear("WSJT-X"));
    EXPECT_EQ(WsjtxType::Clear, clear.type);
    EXPECT_EQ("WSJT-X", clear.id);

    // A null string (length 0xffffffff) reads as empty; fields added by a later WSJT-X are
    // passed over; a Status from an older one, ending after DX grid, is read.
    std::string nullCall = CWsjtxEncoder::Header(1, "WSJT-X");
    CWsjtxEncoder::PutUnsigned(nullCall, 7074000, 8);
    CWsjtxEncoder::PutText(nullCall, "FT4");
    CWsjtxEncoder::PutUnsigned(nullCall, 0xffffffffu, 4);
    std::string older = nullCall;
    for (const char* text : {"", "FT4"})
        CWsjtxEncoder::PutText(older, text);
    older += std::string("\0\0\0", 3) + std::string(8, '\0');
    for (const char* text : {"G4XYZ", "IO91", "JO22"})
        CWsjtxEncoder::PutText(older, text);
    WsjtxMessage old = MustRead(older);
    EXPECT_EQ("", old.dxCall);
    EXPECT_EQ("JO22", old.dxGrid);
    EXPECT_EQ("FT4", old.mode);
    // A Tx Watchdog and then no Sub-mode but text: refused, not read as a length.
    EXPECT_NE(std::string::npos, RejectionOf(older + std::string(1, '\0') + "later fields").find("'Sub-mode'"));
}

TEST(WsjtxReader, OtherMessagesAndSchemasChangeNothing)
{
    WsjtxMessage message;
    std::string reason;
    // Decode (2) and Close (6): the format asks to pass unknown and unused types over silently.
    EXPECT_EQ(Verdict::Ignored, CWsjtxReader::Read(CWsjtxEncoder::Header(2, "WSJT-X") + "decode", message, reason));
    EXPECT_EQ(Verdict::Ignored, CWsjtxReader::Read(CWsjtxEncoder::Header(6, "WSJT-X"), message, reason));
    EXPECT_EQ(Verdict::Ignored, CWsjtxReader::Read(CWsjtxEncoder::Header(99, "WSJT-X"), message, reason));

    std::string status = CWsjtxEncoder::Status(SampleStatus());
    EXPECT_NE(std::string::npos, RejectionOf(CWsjtxEncoder::Status(SampleStatus(), 1)).find("schema 1"));
    EXPECT_NE(std::string::npos, RejectionOf(CWsjtxEncoder::Status(SampleStatus(), 7)).find("schema 7"));
    std::string wrongMagic = status;
    wrongMagic[0] = 'X';
    EXPECT_NE(std::string::npos, RejectionOf(wrongMagic).find("magic"));
    EXPECT_NE(std::string::npos, RejectionOf("").find("magic number"));
    EXPECT_NE(std::string::npos, RejectionOf(std::string(70000, 'x')).find("70000 bytes"));
}

// Cut at every length, every length field pointing past the end or absurdly far, bools that
// are not 0 or 1, and random damage: refused with a reason, or read with sound fields, never a
// read past the end (the fuzzer checks that part with AddressSanitizer).
TEST(WsjtxReader, HostileDatagramsAreRefused)
{
    long refused = 0, hostile = 0;
    for (const std::string& whole : SampleDatagrams()) {
        const WsjtxMessage original = MustRead(whole);
        for (std::size_t length = 0; length < whole.size(); ++length, ++hostile) {
            WsjtxMessage message;
            std::string reason;
            Verdict verdict = CWsjtxReader::Read(whole.substr(0, length), message, reason);
            if (verdict == Verdict::Rejected) {
                ++refused;
                EXPECT_FALSE(reason.empty());
                continue;
            }
            // Only a message cut where an older WSJT-X would have ended it may be read.
            ASSERT_EQ(Verdict::Read, verdict) << length;
            EXPECT_EQ(original.id, message.id);
            EXPECT_EQ(original.dxGrid, message.dxGrid);
            EXPECT_EQ(original.deGrid, message.deGrid);
        }
    }

    // Every four bytes that could be a length: past the end, and huge.
    const std::string status = CWsjtxEncoder::Status(SampleStatus());
    for (std::size_t at = 12; at + 4 <= status.size(); ++at) {
        for (std::uint64_t length : {std::uint64_t(status.size() - at - 3), std::uint64_t(0x7fffffff)}) {
            std::string damaged = status.substr(0, at);
            CWsjtxEncoder::PutUnsigned(damaged, length, 4);
            damaged += status.substr(at + 4);
            WsjtxMessage message;
            std::string reason;
            ++hostile;
            if (CWsjtxReader::Read(damaged, message, reason) == Verdict::Rejected)
                ++refused;
            EXPECT_LE(message.dxCall.size() + message.deCall.size() + message.mode.size(), status.size());
        }
    }
    // Status's bools sit after Tx Mode: a 2 there is not a bool.
    std::string badBool = CWsjtxEncoder::Header(1, "WSJT-X");
    CWsjtxEncoder::PutUnsigned(badBool, 14074000, 8);
    for (const char* text : {"FT8", "K1ABC", "-10", "FT8"})
        CWsjtxEncoder::PutText(badBool, text);
    badBool += '\2';
    badBool += std::string(60, '\0');
    EXPECT_NE(std::string::npos, RejectionOf(badBool).find("'Tx Enabled' holds 2"));
    std::string hugeText = CWsjtxEncoder::Header(1, "WSJT-X");
    CWsjtxEncoder::PutUnsigned(hugeText, 14074000, 8);
    CWsjtxEncoder::PutText(hugeText, std::string(2000, 'M'));
    EXPECT_NE(std::string::npos, RejectionOf(hugeText).find("'Mode' is 2000 bytes long (at most 1024)"));
    WsjtxQsoFields zoned;
    zoned.timeSpec = 3;
    EXPECT_NE(std::string::npos, RejectionOf(CWsjtxEncoder::QsoLogged(zoned)).find("time zone"));
    zoned.timeSpec = 1;
    zoned.msOff = 86400000;
    EXPECT_NE(std::string::npos, RejectionOf(CWsjtxEncoder::QsoLogged(zoned)).find("not a time of day"));

    std::mt19937 random(20240517);
    for (int i = 0; i < 500; ++i, ++hostile) {
        std::string damaged = SampleDatagrams()[i % 4];
        for (int flips = 1 + i % 4; flips > 0; --flips)
            damaged[12 + random() % (damaged.size() - 12)] = static_cast<char>(random());
        WsjtxMessage message;
        std::string reason;
        if (CWsjtxReader::Read(damaged, message, reason) == Verdict::Rejected)
            ++refused;
        EXPECT_LE(message.dxGrid.size(), CWsjtxReader::kMaxText);
    }
    EXPECT_GE(hostile, 1000);
    EXPECT_GE(refused, 800);
}

TEST(WsjtxDxFilter, ReportsEachNewDxOnce)
{
    CWsjtxDxFilter filter;
    WsjtxStatusFields status = SampleStatus();
    auto isNew = [&](const WsjtxStatusFields& fields) { return filter.IsNewDx(MustRead(CWsjtxEncoder::Status(fields))); };

    EXPECT_TRUE(isNew(status));
    for (int repeat = 0; repeat < 5; ++repeat)
        EXPECT_FALSE(isNew(status)) << "the Status WSJT-X repeats every second";
    WsjtxStatusFields noGrid = status;
    noGrid.dxGrid.clear();
    EXPECT_FALSE(isNew(noGrid));
    EXPECT_FALSE(isNew(status)) << "a Status without a grid does not make the DX new again";

    WsjtxStatusFields other = status;
    other.dxCall = "W1AW";
    EXPECT_TRUE(isNew(other)) << "another station in the same grid";
    other.deGrid = "IO92";
    EXPECT_TRUE(isNew(other)) << "this station moved";
    WsjtxStatusFields secondInstance = other;
    secondInstance.id = "WSJT-X - 2";
    EXPECT_TRUE(isNew(secondInstance));
    EXPECT_FALSE(isNew(other)) << "each instance keeps its own last DX";
    EXPECT_FALSE(filter.IsNewDx(MustRead(CWsjtxEncoder::QsoLogged(WsjtxQsoFields()))));

    // A flood of made-up instances resets the memory rather than growing it.
    for (std::size_t i = 0; i <= CWsjtxDxFilter::kMaxInstances; ++i) {
        WsjtxStatusFields flood = status;
        flood.id = "fake " + std::to_string(i);
        EXPECT_TRUE(isNew(flood));
    }
    EXPECT_TRUE(isNew(other));
    filter.Reset();
    EXPECT_TRUE(isNew(other));
}

// The encoder's datagrams through the group to two listeners, each reading the new DX.
TEST(WsjtxReader, StatusThroughMulticastToTwoListeners)
{
    CUdpReceiver locatrix, another;
    ASSERT_FALSE(locatrix.Open(0, "239.255.0.1", CUdpReceiver::Membership::LoopbackOnly).Failed());
    ASSERT_FALSE(another.Open(locatrix.Port(), "239.255.0.1", CUdpReceiver::Membership::LoopbackOnly).Failed());
    CUdpSender wsjtx;
    ASSERT_FALSE(wsjtx.Open("239.255.0.1", locatrix.Port()).Failed());
    for (const std::string& datagram : SampleDatagrams())
        ASSERT_FALSE(wsjtx.Send(datagram).Failed());
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(SampleStatus())).Failed());

    for (CUdpReceiver* listener : {&locatrix, &another}) {
        CWsjtxDxFilter filter;
        int newDx = 0, read = 0;
        for (int i = 0; i < 5; ++i) {
            std::string datagram, sender;
            CNetError error = listener->Receive(datagram, sender, 5000);
            ASSERT_FALSE(error.Failed()) << error.Message();
            EXPECT_EQ(0u, sender.find("127.0.0.1:")) << sender;
            WsjtxMessage message;
            std::string reason;
            if (CWsjtxReader::Read(datagram, message, reason) == Verdict::Read)
                ++read;
            if (filter.IsNewDx(message)) {
                ++newDx;
                EXPECT_EQ("FN42", message.dxGrid);
                EXPECT_EQ("IO91wm", message.deGrid);
            }
        }
        EXPECT_EQ(5, read);
        EXPECT_EQ(1, newDx);
    }
}
