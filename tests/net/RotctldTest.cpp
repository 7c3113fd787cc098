// The rotctld client against the real rotctld with its dummy rotator, which rotctld_test.sh
// starts (one per azimuth range) and passes in by port; the dummy slews a few degrees a second,
// so each turn is polled until it arrives.
#include "net/RotctldClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {
int PortOf(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr ? std::atoi(value) : 0;
}

#define PORT_OF(port, variable)                                                                                         \
    const int port = PortOf(variable);                                                                                  \
    ASSERT_NE(0, port) << variable << " is not set: this program runs through tests/net/rotctld_test.sh"

void Connect(CRotctldClient& client, int port)
{
    CNetError error = client.Connect("127.0.0.1", port);
    ASSERT_FALSE(error.Failed()) << error.Message();
}

void ExpectRange(CRotctldClient& client, double minAzimuth, double maxAzimuth)
{
    CAzimuthRange range;
    CNetError error = client.ReadRange(range);
    ASSERT_FALSE(error.Failed()) << error.Message();
    EXPECT_EQ(minAzimuth, range.Min());
    EXPECT_EQ(maxAzimuth, range.Max());
}

double Heading(CRotctldClient& client)
{
    double azimuth = 0, elevation = 0;
    CNetError error = client.ReadPosition(azimuth, elevation);
    EXPECT_FALSE(error.Failed()) << error.Message();
    return azimuth;
}

// Turns to the bearing, expecting the azimuth sent, and waits until the dummy is there in its
// own count (not just pointing the same way).
void TurnAndArrive(CRotctldClient& client, double bearing, double expectedAzimuth)
{
    double sent = 0;
    CNetError error = client.TurnTo(bearing, sent);
    ASSERT_FALSE(error.Failed()) << error.Message();
    ASSERT_EQ(expectedAzimuth, sent);
    bool arrived = false;
    int polls = 0;
    error = client.WaitForHeading(sent, 1.0, 90000, 250, [&](double) { return ++polls > 0; }, arrived);
    ASSERT_FALSE(error.Failed()) << error.Message();
    ASSERT_TRUE(arrived) << "the dummy did not reach " << sent << " within 90 s";
    EXPECT_GT(polls, 0);
    EXPECT_NEAR(expectedAzimuth, Heading(client), 1.0);
}

// Turning towards the azimuth, not away: the heading grows (or shrinks) as it should.
void ExpectMovingTowards(CRotctldClient& client, double from, double azimuth)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    double now = Heading(client);
    if (azimuth > from)
        EXPECT_GT(now, from + 2) << "on its way to " << azimuth;
    else
        EXPECT_LT(now, from - 2) << "on its way to " << azimuth;
}

void StopAndStayStill(CRotctldClient& client)
{
    CNetError error = client.Stop();
    ASSERT_FALSE(error.Failed()) << error.Message();
    double stopped = Heading(client);
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_NEAR(stopped, Heading(client), 0.05) << "still turning after stop";
}

// From where the antenna stands, turns to the bearing, expecting the azimuth sent, sees it set
// off the right way and stops it there.
void TurnOnwardsAndStop(CRotctldClient& client, double standing, double bearing, double expectedAzimuth)
{
    double sent = 0;
    CNetError error = client.TurnTo(bearing, sent);
    ASSERT_FALSE(error.Failed()) << error.Message();
    EXPECT_EQ(expectedAzimuth, sent);
    ExpectMovingTowards(client, standing, expectedAzimuth);
    StopAndStayStill(client);
}
}

TEST(Rotctld, SouthStopRotatorTakes270AsMinus90)
{
    PORT_OF(port, "LOCATRIX_ROTCTLD_SOUTH_STOP");
    CRotctldClient client;
    Connect(client, port);
    ExpectRange(client, -180, 180);
    TurnAndArrive(client, 270, -90);
    StopAndStayStill(client);
}

TEST(Rotctld, FullTurnRotatorGoesTheLongWayAndStops)
{
    PORT_OF(port, "LOCATRIX_ROTCTLD_FULL_TURN");
    CRotctldClient client;
    Connect(client, port);
    ExpectRange(client, 0, 360);
    TurnAndArrive(client, 30, 30);
    TurnOnwardsAndStop(client, 30, -10, 350);

    // rotctld's own refusal comes back with Hamlib's meaning, and the connection stays usable.
    CNetError error = client.SetPosition(500, 0);
    EXPECT_EQ(NetFault::ServerError, error.Fault());
    EXPECT_NE(std::string::npos, error.Message().find("RPRT -1, invalid parameter")) << error.Message();
    EXPECT_TRUE(client.IsConnected());
    Heading(client);
}

TEST(Rotctld, OverlapRotatorUsesItsOverlap)
{
    PORT_OF(port, "LOCATRIX_ROTCTLD_OVERLAP");
    CRotctldClient client;
    Connect(client, port);
    ExpectRange(client, 0, 450);
    TurnAndArrive(client, 200, 200);
    // From 200, 10 degrees is 170 on through the overlap, 190 back.
    TurnOnwardsAndStop(client, 200, 10, 370);
}

TEST(Rotctld, HalfTurnRotatorRefusesWhatItCannotReach)
{
    PORT_OF(port, "LOCATRIX_ROTCTLD_HALF_TURN");
    CRotctldClient client;
    Connect(client, port);
    const double before = Heading(client);
    double sent = -1;
    CNetError error = client.TurnTo(270, sent);
    EXPECT_EQ(NetFault::Unreachable, error.Fault());
    EXPECT_NE(std::string::npos, error.Message().find("270.0 lies outside the rotator's range 0..180")) << error.Message();
    EXPECT_EQ(-1, sent);
    EXPECT_TRUE(client.IsConnected());
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_EQ(before, Heading(client)) << "nothing may have been sent";
    TurnAndArrive(client, 4, 4);
}

TEST(Rotctld, NothingListening)
{
    PORT_OF(port, "LOCATRIX_CLOSED_PORT");
    CRotctldClient client;
    CNetError error = client.Connect("127.0.0.1", port);
    EXPECT_EQ(NetFault::NothingListening, error.Fault());
    EXPECT_EQ("nothing is listening at 127.0.0.1:" + std::to_string(port) + " (connection refused)", error.Message());
}

TEST(Rotctld, ServerThatNeverAnswers)
{
    PORT_OF(port, "LOCATRIX_SILENT_PORT");
    CRotctldClient client;
    Connect(client, port);
    auto start = std::chrono::steady_clock::now();
    CAzimuthRange range;
    CNetError error = client.ReadRange(range);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(NetFault::NoAnswer, error.Fault());
    EXPECT_EQ("no answer from 127.0.0.1:" + std::to_string(port) + " within 2 s", error.Message());
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::seconds(10));
    EXPECT_FALSE(client.IsConnected());
}

TEST(Rotctld, ServerThatIsNotHamlib)
{
    PORT_OF(port, "LOCATRIX_NOT_HAMLIB_PORT");
    CRotctldClient client;
    Connect(client, port);
    double azimuth = 0, elevation = 0;
    CNetError error = client.ReadPosition(azimuth, elevation);
    EXPECT_EQ(NetFault::UnexpectedReply, error.Fault());
    EXPECT_NE(std::string::npos, error.Message().find("127.0.0.1:" + std::to_string(port))) << error.Message();
    EXPECT_NE(std::string::npos, error.Message().find("\"HTTP/1.0 400 Bad Request\"")) << error.Message();
    EXPECT_FALSE(client.IsConnected());
}

TEST(Rotctld, KilledDuringAMove)
{
    PORT_OF(port, "LOCATRIX_ROTCTLD_DOOMED");
    const char* killRequest = std::getenv("LOCATRIX_KILL_REQUEST");
    ASSERT_NE(nullptr, killRequest);
    CRotctldClient client;
    Connect(client, port);
    double sent = 0;
    CNetError error = client.TurnTo(180, sent);
    ASSERT_FALSE(error.Failed()) << error.Message();
    std::ofstream(killRequest) << "now\n";
    bool arrived = true;
    error = client.WaitForHeading(sent, 1.0, 30000, 200, nullptr, arrived);
    EXPECT_EQ(NetFault::ConnectionDropped, error.Fault()) << error.Message();
    EXPECT_NE(std::string::npos, error.Message().find("127.0.0.1:" + std::to_string(port))) << error.Message();
    EXPECT_NE(std::string::npos, error.Message().find("while the rotator was turning")) << error.Message();
    EXPECT_FALSE(arrived);
    EXPECT_EQ(NetFault::NothingListening, client.Connect("127.0.0.1", port).Fault());
}
