// What names a rotator or the WSJT-X feed, from the command line, a dialog or stored values; a
// rotator that speaks by datagram; the feed sorting real datagrams.
#include "tests/net/WsjtxEncoder.h"

#include "net/Rotator.h"
#include "net/RotatorPackets.h"
#include "net/RotatorSetting.h"
#include "net/UdpReceiver.h"
#include "net/UdpSender.h"
#include "net/WsjtxFeed.h"
#include "net/WsjtxSetting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(RotatorSetting, EndpointsAndHostileStoredValues)
{
    std::string host, why;
    int port = 0;
    ASSERT_TRUE(ReadEndpoint("localhost", 4533, host, port, why));
    EXPECT_EQ("localhost", host);
    EXPECT_EQ(4533, port);
    ASSERT_TRUE(ReadEndpoint("192.168.1.20:12040", 4533, host, port, why));
    EXPECT_EQ("192.168.1.20", host);
    EXPECT_EQ(12040, port);
    ASSERT_TRUE(ReadEndpoint("[::1]:4000", 4533, host, port, why));
    EXPECT_EQ("::1", host);
    EXPECT_EQ(4000, port);
    ASSERT_TRUE(ReadEndpoint("fe80::1", 4533, host, port, why));
    EXPECT_EQ("fe80::1", host);
    EXPECT_EQ(4533, port);
    for (const char* bad : {"", ":4533", "host:", "host:0", "host:65536", "host:+1", "host:12a", "[::1", "[::1]x",
                            "-host", "ho st", "host/x", "host:4533:1x"}) {
        host = "kept";
        port = 7;
        EXPECT_FALSE(ReadEndpoint(bad, 4533, host, port, why)) << bad;
        EXPECT_FALSE(why.empty()) << bad;
        EXPECT_EQ("kept", host) << bad;
        EXPECT_EQ(7, port) << bad;
    }
    EXPECT_FALSE(IsHostText(std::string(254, 'a')));
    EXPECT_TRUE(IsHostText(std::string(253, 'a')));

    const RotatorSetting stored = StoredRotator(1, "rotator.local", 4533);
    EXPECT_EQ(RotatorKind::Rotctld, stored.kind);
    EXPECT_EQ("rotctld at rotator.local:4533", stored.Describe());
    EXPECT_EQ(RotatorKind::N1mm, StoredRotator(3, "10.0.0.2", 12040).kind);
    const struct {
        unsigned kind;
        const char* host;
        unsigned port;
    } hostile[] = {{0, "localhost", 4533}, {4, "localhost", 4533},    {0xffffffffu, "localhost", 4533},
                   {1, "", 4533},          {1, "local host", 4533},   {1, "localhost", 0},
                   {1, "localhost", 65536}, {2, "x\x01y", 12000},     {1, "localhost", 0xffffffffu}};
    for (const auto& h : hostile) {
        const RotatorSetting none = StoredRotator(h.kind, h.host, h.port);
        EXPECT_FALSE(none.IsSet()) << h.kind << " " << h.host << " " << h.port;
        EXPECT_TRUE(none.host.empty());
    }

    // A dialog's texts: an empty port is the kind's default; None needs neither.
    RotatorSetting setting;
    ASSERT_TRUE(RotatorFromTexts(RotatorKind::PstRotator, "shack-pc", "", setting, why));
    EXPECT_EQ(12000, setting.port);
    ASSERT_TRUE(RotatorFromTexts(RotatorKind::Rotctld, "127.0.0.1", "4600", setting, why));
    EXPECT_EQ(4600, setting.port);
    ASSERT_TRUE(RotatorFromTexts(RotatorKind::None, "", "x", setting, why));
    EXPECT_FALSE(setting.IsSet());
    setting = StoredRotator(1, "kept", 4533);
    EXPECT_FALSE(RotatorFromTexts(RotatorKind::Rotctld, "", "4533", setting, why));
    EXPECT_NE(std::string::npos, why.find("host"));
    EXPECT_FALSE(RotatorFromTexts(RotatorKind::N1mm, "localhost", "70000", setting, why));
    EXPECT_NE(std::string::npos, why.find("12040")) << why;
    EXPECT_EQ("kept", setting.host);
}

TEST(WsjtxSetting, GroupsPortsAndHostileStoredValues)
{
    for (const char* group : {"224.0.0.0", "239.255.0.1", "239.255.255.255", "230.1.2.3"})
        EXPECT_TRUE(IsMulticastGroupText(group)) << group;
    for (const char* other : {"", "223.255.255.255", "240.0.0.0", "239.255.0", "239.255.0.1.", "239.255.0.256",
                              "239.255.+0.1", "239..0.1", "0239.1.1.1", "239.255.0.1 ", "localhost"})
        EXPECT_FALSE(IsMulticastGroupText(other)) << other;

    const WsjtxSetting stored = StoredWsjtx(1, 2238, "239.255.0.1", 1);
    EXPECT_TRUE(stored.follow);
    EXPECT_EQ(2238, stored.port);
    EXPECT_EQ("239.255.0.1", stored.group);
    EXPECT_TRUE(stored.turnAntenna);
    for (const WsjtxSetting& hostile : {StoredWsjtx(1, 0, "", 0), StoredWsjtx(1, 65536, "", 0),
                                        StoredWsjtx(1, 2237, "10.0.0.1", 0), StoredWsjtx(2, 2237, "", 0),
                                        StoredWsjtx(1, 2237, "", 7)}) {
        EXPECT_FALSE(hostile.follow);
        EXPECT_FALSE(hostile.turnAntenna);
        EXPECT_EQ(WsjtxSetting::kDefaultPort, hostile.port);
        EXPECT_TRUE(hostile.group.empty());
    }

    WsjtxSetting setting;
    std::string why;
    ASSERT_TRUE(WsjtxFromTexts(true, "", "", false, setting, why));
    EXPECT_EQ(2237, setting.port);
    ASSERT_TRUE(WsjtxFromTexts(true, "2240", WsjtxSetting::kRecommendedGroup, true, setting, why));
    EXPECT_EQ(2240, setting.port);
    EXPECT_TRUE(setting.turnAntenna);
    EXPECT_FALSE(WsjtxFromTexts(true, "0", "", false, setting, why));
    EXPECT_FALSE(WsjtxFromTexts(true, "2237", "192.168.0.1", false, setting, why));
    EXPECT_NE(std::string::npos, why.find("239.255.0.1")) << why;
    EXPECT_EQ(2240, setting.port) << "a refused text leaves the setting as it was";
}

// PstRotator and N1MM hear exactly what the rotator says it sent, turn and stop; neither tells
// a heading.
TEST(Rotator, DatagramRotatorsGetTheDocumentedPackets)
{
    CUdpReceiver listener;
    ASSERT_FALSE(listener.Open(0).Failed());
    for (RotatorKind kind : {RotatorKind::PstRotator, RotatorKind::N1mm}) {
        CRotator rotator(StoredRotator(static_cast<unsigned>(kind), "127.0.0.1", listener.Port()));
        EXPECT_FALSE(rotator.ReportsHeading());
        std::string sent, received, sender;
        double azimuth = 0;
        ASSERT_FALSE(rotator.Turn(-90, sent, azimuth).Failed());
        EXPECT_EQ(270, azimuth);
        EXPECT_EQ(kind == RotatorKind::N1mm ? CRotatorPackets::N1mmRotorAzimuth(270) : CRotatorPackets::PstRotatorAzimuth(270),
                  sent);
        ASSERT_FALSE(listener.Receive(received, sender, 5000).Failed());
        EXPECT_EQ(sent, received);
        ASSERT_FALSE(rotator.Stop(sent).Failed());
        ASSERT_FALSE(listener.Receive(received, sender, 5000).Failed());
        EXPECT_EQ(sent, received);
        EXPECT_NE(std::string::npos, received.find(kind == RotatorKind::N1mm ? "<stop>" : "<STOP>")) << received;
        double heading = 0;
        EXPECT_TRUE(rotator.ReadHeading(heading).Failed());
        EXPECT_TRUE(rotator.Turn(NAN, sent, azimuth).Failed());
        EXPECT_TRUE(sent.empty());
    }
    CRotator none{RotatorSetting()};
    std::string sent;
    EXPECT_TRUE(none.Stop(sent).Failed());
}

// New DX once per change; repeats, grid-less Status, other types and schemas are no DX, and
// bad datagrams are dropped and counted.
TEST(WsjtxFeed, SortsRealDatagrams)
{
    CWsjtxFeed feed;
    ASSERT_FALSE(feed.Open(0, "").Failed());
    CUdpSender wsjtx;
    ASSERT_FALSE(wsjtx.Open("127.0.0.1", feed.Port()).Failed());
    WsjtxStatusFields status;
    status.dxCall = "K1ABC";
    status.dxGrid = "FN42";
    WsjtxStatusFields gridless = status;
    gridless.dxGrid.clear();
    const std::string status7 = CWsjtxEncoder::Status(status, 7);
    const struct {
        std::string datagram;
        CWsjtxFeed::Event event;
    } steps[] = {
        {CWsjtxEncoder::Heartbeat("WSJT-X", 3, "2.6.1", "r"), CWsjtxFeed::Event::Other},
        {CWsjtxEncoder::Status(status), CWsjtxFeed::Event::NewDx},
        {CWsjtxEncoder::Status(status), CWsjtxFeed::Event::Other},
        {CWsjtxEncoder::Status(gridless), CWsjtxFeed::Event::Other},
        {status7, CWsjtxFeed::Event::Dropped},
        {CWsjtxEncoder::Status(status).substr(0, 30), CWsjtxFeed::Event::Dropped},
        {CWsjtxEncoder::Status(status), CWsjtxFeed::Event::Other},
    };
    for (const auto& step : steps) {
        ASSERT_FALSE(wsjtx.Send(step.datagram).Failed());
        WsjtxMessage message;
        CNetError error;
        EXPECT_EQ(step.event, feed.Next(5000, message, error));
        EXPECT_FALSE(error.Failed()) << error.Message();
        if (step.event == CWsjtxFeed::Event::NewDx) {
            EXPECT_EQ("FN42", message.dxGrid);
        }
    }
    WsjtxMessage message;
    CNetError error;
    EXPECT_EQ(CWsjtxFeed::Event::None, feed.Next(50, message, error));
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(7, feed.Received());
    EXPECT_EQ(1, feed.NewDx());
    EXPECT_EQ(2, feed.Dropped());
    EXPECT_NE(std::string::npos, feed.LastRejection().find("127.0.0.1")) << feed.LastRejection();
}
