#include "net/NetWorker.h"
#include "net/RotatorPackets.h"
#include "net/RotctldClient.h"
#include "net/UdpReceiver.h"
#include "net/UdpSender.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <chrono>
#include <thread>
#include <vector>

namespace {
// The group WSJT-X's documentation suggests; tests join it on loopback only, so that nothing
// of theirs reaches a network.
const char* const kGroup = "239.255.0.1";

std::string ReceiveOne(CUdpReceiver& receiver)
{
    std::string datagram, sender;
    CNetError error = receiver.Receive(datagram, sender, 5000);
    EXPECT_FALSE(error.Failed()) << error.Message();
    return datagram;
}
}

// Each rotator program hears exactly the packet its documentation gives.
TEST(Socket, RotatorPacketsArriveAsDocumented)
{
    CUdpReceiver listener;
    ASSERT_FALSE(listener.Open(0).Failed());
    ASSERT_NE(0, listener.Port());
    CUdpSender sender;
    ASSERT_FALSE(sender.Open("127.0.0.1", listener.Port()).Failed());
    EXPECT_EQ("127.0.0.1:" + std::to_string(listener.Port()), sender.Endpoint());

    const struct {
        double bearing;
        const char* pst;
        const char* n1mm;
    } cases[] = {
        {123.46, "<PST><AZIMUTH>123</AZIMUTH></PST>",
         "<N1MMRotor><goazi>123.5</goazi><offset>0.0</offset><bidirectional>0</bidirectional></N1MMRotor>"},
        {-90, "<PST><AZIMUTH>270</AZIMUTH></PST>",
         "<N1MMRotor><goazi>270.0</goazi><offset>0.0</offset><bidirectional>0</bidirectional></N1MMRotor>"},
        {359.97, "<PST><AZIMUTH>0</AZIMUTH></PST>",
         "<N1MMRotor><goazi>0.0</goazi><offset>0.0</offset><bidirectional>0</bidirectional></N1MMRotor>"},
        {370.5, "<PST><AZIMUTH>11</AZIMUTH></PST>",
         "<N1MMRotor><goazi>10.5</goazi><offset>0.0</offset><bidirectional>0</bidirectional></N1MMRotor>"},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(sender.Send(CRotatorPackets::PstRotatorAzimuth(c.bearing)).Failed());
        EXPECT_EQ(c.pst, ReceiveOne(listener));
        ASSERT_FALSE(sender.Send(CRotatorPackets::N1mmRotorAzimuth(c.bearing)).Failed());
        EXPECT_EQ(c.n1mm, ReceiveOne(listener));
    }
    EXPECT_EQ("", CRotatorPackets::PstRotatorAzimuth(NAN));
    EXPECT_EQ("", CRotatorPackets::N1mmRotorAzimuth(INFINITY));
    EXPECT_EQ(12000, CRotatorPackets::kPstRotatorPort);
    EXPECT_EQ(12040, CRotatorPackets::kN1mmRotorPort);
}

// Two programs share one port through the group; a quiet port ends the wait at its limit.
TEST(Socket, MulticastReachesEveryListenerAndQuietEndsInTime)
{
    CUdpReceiver first, second;
    CNetError error = first.Open(0, kGroup, CUdpReceiver::Membership::LoopbackOnly);
    ASSERT_FALSE(error.Failed()) << error.Message();
    error = second.Open(first.Port(), kGroup, CUdpReceiver::Membership::LoopbackOnly);
    ASSERT_FALSE(error.Failed()) << error.Message();
    EXPECT_FALSE(first.JoinedDefaultInterface());

    CUdpSender sender;
    ASSERT_FALSE(sender.Open(kGroup, first.Port()).Failed());
    ASSERT_FALSE(sender.Send("to everybody").Failed());
    EXPECT_EQ("to everybody", ReceiveOne(first));
    EXPECT_EQ("to everybody", ReceiveOne(second));

    std::string datagram = "left over", from = "left over";
    auto start = std::chrono::steady_clock::now();
    error = first.Receive(datagram, from, 300);
    EXPECT_EQ(NetFault::NoAnswer, error.Fault());
    EXPECT_NE(std::string::npos, error.Message().find("UDP port " + std::to_string(first.Port()))) << error.Message();
    EXPECT_EQ("", datagram);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    CUdpReceiver notGroup;
    error = notGroup.Open(0, "127.0.0.1");
    EXPECT_EQ(NetFault::NameNotResolved, error.Fault());
    EXPECT_NE(std::string::npos, error.Message().find("127.0.0.1 is not an IPv4 multicast group")) << error.Message();
    EXPECT_FALSE(notGroup.IsOpen());
}

// A name that cannot be resolved is said to be so, for TCP and UDP alike, naming it.
TEST(Socket, UnresolvableNamesAreNamed)
{
    CRotctldClient client;
    CNetError error = client.Connect("bad name!", 4533);
    EXPECT_EQ(NetFault::NameNotResolved, error.Fault()) << error.Message();
    EXPECT_NE(std::string::npos, error.Message().find("bad name!")) << error.Message();
    EXPECT_FALSE(client.IsConnected());
    // Asking without a connection fails at once, with no wait.
    double azimuth = 0, elevation = 0;
    EXPECT_EQ(NetFault::ConnectionDropped, client.ReadPosition(azimuth, elevation).Fault());

    CUdpSender sender;
    error = sender.Open("bad name!", 12000);
    EXPECT_EQ(NetFault::NameNotResolved, error.Fault()) << error.Message();
    EXPECT_EQ(NetFault::SocketFailure, sender.Send("x").Fault());
    EXPECT_EQ(NetFault::NameNotResolved, CUdpSender().Open("", 12000).Fault());
}

TEST(Socket, HamlibErrorMeanings)
{
    EXPECT_EQ("invalid parameter", CRotctldClient::HamlibErrorText(-1));
    EXPECT_EQ("communication timed out", CRotctldClient::HamlibErrorText(-5));
    EXPECT_EQ("command rejected by the rotator", CRotctldClient::HamlibErrorText(9));
    EXPECT_EQ("argument out of domain", CRotctldClient::HamlibErrorText(-17));
    EXPECT_EQ("Hamlib error 42", CRotctldClient::HamlibErrorText(-42));
    EXPECT_EQ("127.0.0.1:4533", CNetError::Endpoint("127.0.0.1", 4533));
    EXPECT_EQ("[::1]:4533", CNetError::Endpoint("::1", 4533));
    EXPECT_EQ("2 s", CNetError::Seconds(2000));
    EXPECT_EQ("0.25 s", CNetError::Seconds(250));
}

// Jobs run one after another on the worker's thread; Cancel drops the waiting ones and stops
// the running one, and the worker stays for new jobs; the destructor stops a looping job.
TEST(NetWorker, RunsInOrderOffTheCallersThreadAndStops)
{
    std::vector<int> order;
    std::atomic<bool> onOtherThread{true};
    const std::thread::id caller = std::this_thread::get_id();
    {
        CNetWorker worker;
        for (int i = 0; i < 5; ++i)
            worker.Post([&, i] {
                order.push_back(i);
                if (std::this_thread::get_id() == caller)
                    onOtherThread = false;
            });
        worker.WaitIdle();
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), order);
        EXPECT_TRUE(onOtherThread);

        std::atomic<bool> looping{false}, stopped{false}, dropped{true};
        worker.Post([&] {
            looping = true;
            for (int i = 0; i < 1000 && !worker.StopRequested(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            stopped = worker.StopRequested();
        });
        worker.Post([&] { dropped = false; });
        while (!looping)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        worker.Cancel();
        worker.WaitIdle();
        EXPECT_TRUE(stopped);
        EXPECT_TRUE(dropped);

        std::atomic<bool> ranAfterCancel{false}, sawStop{true};
        worker.Post([&] {
            ranAfterCancel = true;
            sawStop = worker.StopRequested();
        });
        worker.WaitIdle();
        EXPECT_TRUE(ranAfterCancel);
        EXPECT_FALSE(sawStop);

        looping = false;
        worker.Post([&] {
            looping = true;
            while (!worker.StopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        });
        while (!looping)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } // the destructor must end the loop above, or this test never ends
}
