// The calculator with its network partners, under Wine on loopback: the rotator buttons against
// a PstRotator listener and the real rotctld (rotctld_test.sh starts it and names its ports),
// and WSJT-X's datagrams from the test encoder.
#include "net/RotatorPackets.h"
#include "net/Rotator.h"
#include "net/RotctldClient.h"
#include "net/UdpReceiver.h"
#include "net/UdpSender.h"
#include "res/resource.h"
#include "tests/app/Calculator.h"
#include "tests/app/MapPicture.h"
#include "tests/net/WsjtxEncoder.h"
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

namespace
{
using Clock = std::chrono::steady_clock;

// Handles the window's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000)
{
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    while (!done())
    {
        if (Clock::now() > end)
            return false;
        PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Whether the window answers a message within a quarter of a second.
bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &result) != 0;
}

bool Enabled(const CCalculator& calc, int id)
{
    return ::IsWindowEnabled(calc.Item(id)) != FALSE;
}

// The tip over the rotator buttons, and where it shows.
std::string RotatorTip(const CCalculator& calc, RECT& rect)
{
    for (HWND tip = nullptr; (tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));)
    {
        if (::GetWindow(tip, GW_OWNER) != calc.m_dlg.m_hWnd)
            continue;
        char text[128] = {};
        TTTOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, calc.m_dlg.m_hWnd, 1, {}, nullptr, text, 0, nullptr};
        if (!::SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)))
            continue;
        ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
        rect = info.rect;
        return text;
    }
    return "(no tip)";
}

int PortOf(const char* variable)
{
    const char* port = std::getenv(variable);
    return port ? std::atoi(port) : 0;
}

double BearingShown(const CCalculator& calc)
{
    return std::strtod(calc.Text(IDC_BEARING).c_str(), nullptr);
}

const int kTurnButtons[] = {IDC_SHORT_PATH, IDC_LONG_PATH, IDC_STOP_ROTATOR};

// A UDP port that nothing on loopback uses just now (0 if none was given).
int FreeUdpPort()
{
    CUdpReceiver probe;
    return probe.Open(0).Failed() ? 0 : probe.Port();
}

// rotctld as a second client sees it, asking with 'p': where the antenna points, in the
// rotator's own count (370 stays 370). Asked at most four times a second, as the dummy slews.
struct CRotctldWatch
{
    explicit CRotctldWatch(int port)
    {
        const CNetError error = m_client.Connect("127.0.0.1", port);
        EXPECT_FALSE(error.Failed()) << error.Message();
    }
    double Heading()
    {
        double elevation = 0;
        m_dLast = NAN;
        const CNetError error = m_client.ReadPosition(m_dLast, elevation);
        EXPECT_FALSE(error.Failed()) << error.Message();
        m_asked = Clock::now();
        return m_dLast;
    }
    bool IsAt(double azimuth, double within = 1.0)
    {
        if (Clock::now() - m_asked >= std::chrono::milliseconds(250))
            Heading();
        return std::fabs(m_dLast - azimuth) <= within;
    }
    CRotctldClient m_client;
    double m_dLast = NAN;
    Clock::time_point m_asked;
};

// The calculator with rotctld at the port as its rotator.
void UseRotctld(const CScratchKey& key, int port)
{
    key.Set("Rotator", 1u);
    key.Set("RotatorHost", "127.0.0.1");
    key.Set("RotatorPort", static_cast<DWORD>(port));
}

// How many pixels of the heading's colour the map shows part way from its centre towards a
// compass direction.
int HeadingPixelsTowards(const CPicture& picture, double degrees)
{
    const MapFrame& frame = picture.m_view->GetFrame();
    const double angle = degrees * std::acos(-1.0) / 180, reach = 0.6 * frame.rimRadius;
    return picture.Near(MapPoint{frame.centreX + reach * std::sin(angle), frame.centreY - reach * std::cos(angle)},
                        CMapWnd::kHeadingColour, 1);
}

// What follows WSJT-X on the port (and group) in the calculator of the key; answers the state
// line that says it listens.
std::string FollowWsjtxOn(const CScratchKey& key, int port, const std::string& group = "")
{
    key.Set("FollowWsjtx", 1u);
    key.Set("WsjtxPort", static_cast<DWORD>(port));
    if (!group.empty())
        key.Set("WsjtxGroup", group);
    return "Following WSJT-X on UDP port " + std::to_string(port) + (group.empty() ? "" : " in " + group);
}

// What the message boxes said, for a failure's report.
std::string Said(const CMessageBoxRecorder& boxes)
{
    std::string said = boxes.m_calls.empty() ? "(no message)" : "";
    for (const auto& call : boxes.m_calls)
        said += (said.empty() ? "" : " | ") + call.text;
    return said;
}
}

// Without a rotator the buttons are off and say where to set one up; with PstRotator they send
// the bearing shown, its long path and the stop, once a distance is shown.
TEST(RotatorButtons, OffWithATipUntilSetThenTurnToTheBearingShown)
{
    CScratchKey key;
    CMessageBoxRecorder boxes;
    {
        CCalculator calc(key);
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
        RECT over = {}, button = {}, common = {};
        EXPECT_NE(std::string::npos, RotatorTip(calc, over).find("Rotator..."));
        for (int id : kTurnButtons)
        {
            EXPECT_FALSE(Enabled(calc, id)) << id;
            ::GetWindowRect(calc.Item(id), &button);
            ::MapWindowPoints(nullptr, calc.m_dlg.m_hWnd, reinterpret_cast<POINT*>(&button), 2);
            EXPECT_TRUE(::IntersectRect(&common, &over, &button) && ::EqualRect(&common, &button)) << id;
        }
        EXPECT_TRUE(calc.Text(IDC_ANTENNA_HEADING).empty());
    }

    CUdpReceiver pst;
    ASSERT_FALSE(pst.Open(0).Failed());
    key.Set("Rotator", 2u);
    key.Set("RotatorHost", "127.0.0.1");
    key.Set("RotatorPort", static_cast<DWORD>(pst.Port()));
    CCalculator calc(key);
    RECT over = {};
    EXPECT_EQ("", RotatorTip(calc, over));
    EXPECT_TRUE(Enabled(calc, IDC_STOP_ROTATOR));
    EXPECT_FALSE(Enabled(calc, IDC_SHORT_PATH)) << "no bearing yet";
    calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
    ASSERT_TRUE(Enabled(calc, IDC_SHORT_PATH) && Enabled(calc, IDC_LONG_PATH));
    const double bearing = BearingShown(calc);
    const struct { int button; std::string packet; } presses[] = {
        {IDC_SHORT_PATH, CRotatorPackets::PstRotatorAzimuth(bearing)},
        {IDC_LONG_PATH, CRotatorPackets::PstRotatorAzimuth(bearing + 180)},
        {IDC_STOP_ROTATOR, CRotatorPackets::PstRotatorStop()}};
    for (const auto& press : presses)
    {
        calc.Click(press.button);
        std::string datagram, sender;
        ASSERT_FALSE(pst.Receive(datagram, sender, 5000).Failed()) << press.button;
        EXPECT_EQ(press.packet, datagram);
    }
    EXPECT_TRUE(boxes.m_calls.empty());
    calc.Click(IDC_RESET_DISTANCE);
    EXPECT_FALSE(Enabled(calc, IDC_SHORT_PATH) || Enabled(calc, IDC_LONG_PATH));
    EXPECT_TRUE(Enabled(calc, IDC_STOP_ROTATOR));
}

// rotctld turns a south-stop rotator to 270 as -90; the window shows the heading as it changes and
// keeps answering; Stop stops it. A rotctld that never answers, or a port where nothing listens,
// is named in a message, and the window answers all the while.
TEST(RotatorButtons, RotctldHeadingWhileTurningAndFaultsNamed)
{
    const int southStop = PortOf("LOCATRIX_ROTCTLD_SOUTH_STOP");
    ASSERT_NE(0, southStop) << "run by rotctld_test.sh, which starts rotctld";
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("Rotator", 1u);
    key.Set("RotatorHost", "127.0.0.1");
    key.Set("RotatorPort", static_cast<DWORD>(southStop));
    {
        CCalculator calc(key);
        // JO62QM to FN20XR is 296 degrees: -64 on this rotator, 116 its long path.
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
        calc.Click(IDC_LONG_PATH);
        std::vector<double> seen;
        EXPECT_TRUE(PumpUntil([&] {
            EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
            if (calc.m_dlg.AntennaHeading() && (seen.empty() || seen.back() != *calc.m_dlg.AntennaHeading()))
                seen.push_back(*calc.m_dlg.AntennaHeading());
            return seen.size() >= 3;
        }, 10000)) << "the heading did not change while turning";
        ASSERT_FALSE(seen.empty());
        EXPECT_GT(seen.back(), seen.front()) << "turning towards 116";
        EXPECT_EQ(0u, calc.Text(IDC_ANTENNA_HEADING).find("Antenna at ")) << calc.Text(IDC_ANTENNA_HEADING);

        calc.Click(IDC_STOP_ROTATOR);
        PumpUntil([] { return false; }, 1500);
        const std::optional<double> stopped = calc.m_dlg.AntennaHeading();
        ASSERT_TRUE(stopped.has_value());
        EXPECT_LT(*stopped, 100) << "stopped well before 116";
        EXPECT_TRUE(boxes.m_calls.empty()) << boxes.m_calls[0].text;
    }

    const int silent = PortOf("LOCATRIX_SILENT_PORT"), closed = PortOf("LOCATRIX_CLOSED_PORT");
    for (int port : {silent, closed})
    {
        key.Set("RotatorPort", static_cast<DWORD>(port));
        CCalculator calc(key);
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
        boxes.m_calls.clear();
        calc.Click(IDC_SHORT_PATH);
        EXPECT_TRUE(PumpUntil([&] {
            EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
            return !boxes.m_calls.empty();
        }, 10000)) << port;
        ASSERT_EQ(1u, boxes.m_calls.size());
        EXPECT_NE(std::string::npos, boxes.m_calls[0].text.find("127.0.0.1:" + std::to_string(port)))
            << boxes.m_calls[0].text;
        EXPECT_NE(std::string::npos,
                  boxes.m_calls[0].text.find(port == silent ? "no answer" : "nothing is listening"))
            << boxes.m_calls[0].text;
    }
}

// Each rotator gets the azimuth inside its range nearest to where its antenna stands, as rotctld
// itself, asked by a second client, tells: 296 stays 296 on 0..360 and is -64 on -180..180; on
// 0..450 standing at 200, 10 is 370. The map draws the heading as the rotator reports it on the
// way. 296 on a 0..180 rotator is refused, naming the range, and that antenna never moves.
TEST(RotatorButtons, EachRangeGetsTheNearestAzimuthAndTheMapFollowsTheHeading)
{
    struct Turn
    {
        const char* rotator;
        const char* distant;   // from JO62QM
        double standFirst;     // where a second client turns the antenna first; NAN: where it is
        double added;          // what the rotator's range adds to the bearing shown
    };
    const Turn turns[] = {
        {"LOCATRIX_ROTCTLD_FULL_TURN", "FN20XR", NAN, 0},
        {"LOCATRIX_ROTCTLD_SOUTH_STOP", "FN20XR", NAN, -360},
        {"LOCATRIX_ROTCTLD_OVERLAP", "KQ10MM", 200, 360},
    };
    CMessageBoxRecorder boxes;
    std::vector<std::unique_ptr<CScratchKey>> keys;
    std::vector<std::unique_ptr<CCalculator>> calcs;
    std::vector<std::unique_ptr<CRotctldWatch>> watches;
    std::vector<double> expected;
    std::vector<bool> pressed;
    for (const Turn& turn : turns)
    {
        const int port = PortOf(turn.rotator);
        ASSERT_NE(0, port) << turn.rotator << ": run by rotctld_test.sh, which starts rotctld";
        keys.push_back(std::make_unique<CScratchKey>());
        UseRotctld(*keys.back(), port);
        watches.push_back(std::make_unique<CRotctldWatch>(port));
        if (!std::isnan(turn.standFirst))
        {
            ASSERT_FALSE(watches.back()->m_client.SetPosition(turn.standFirst, 0).Failed());
        }
        calcs.push_back(std::make_unique<CCalculator>(*keys.back()));
        CCalculator& calc = *calcs.back();
        if (calcs.size() == 1)
            calc.Click(IDC_MAP);
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, turn.distant}});
        ASSERT_FALSE(calc.Text(IDC_BEARING).empty()) << turn.distant;
        expected.push_back(BearingShown(calc) + turn.added);
        if (calcs.size() == 1)
        {
            const CPicture before(calc.m_dlg.GetMapWindow());
            ASSERT_TRUE(before.m_view);
            EXPECT_EQ(0, before.m_canvas.Count(CMapWnd::kHeadingColour)) << "a heading before the rotator told one";
        }
        pressed.push_back(std::isnan(turn.standFirst));
        if (pressed.back())
            calc.Click(IDC_SHORT_PATH);
    }
    CMapWnd& map = calcs[0]->m_dlg.GetMapWindow();

    // Meanwhile 296 goes to a rotator that stops at 180.
    const int halfTurn = PortOf("LOCATRIX_ROTCTLD_HALF_TURN");
    ASSERT_NE(0, halfTurn);
    CScratchKey halfKey;
    UseRotctld(halfKey, halfTurn);
    CRotctldWatch halfWatch(halfTurn);
    const double halfBefore = halfWatch.Heading();
    {
        CCalculator calc(halfKey);
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
        calc.Click(IDC_SHORT_PATH);
        EXPECT_TRUE(PumpUntil([&] { return !boxes.m_calls.empty(); }, 10000)) << "no word of the refusal";
        const std::string refusal = Said(boxes);
        EXPECT_NE(std::string::npos, refusal.find("outside the rotator's range 0..180")) << refusal;
        EXPECT_NE(std::string::npos, refusal.find("127.0.0.1:" + std::to_string(halfTurn))) << refusal;
        EXPECT_NE(std::string::npos, refusal.find("nothing was sent")) << refusal;
        EXPECT_FALSE(calc.m_dlg.AntennaHeading());
    }

    // All turn at once; the dummy slews about 6 degrees a second, 170 at most here after 200.
    std::optional<double> drawn;
    const bool arrived = PumpUntil([&] {
        bool all = true;
        for (size_t i = 0; i < calcs.size(); ++i)
        {
            EXPECT_TRUE(Answers(calcs[i]->m_dlg.m_hWnd)) << turns[i].rotator;
            if (!pressed[i] && watches[i]->IsAt(turns[i].standFirst))
            {
                calcs[i]->Click(IDC_SHORT_PATH);
                pressed[i] = true;
            }
            all = pressed[i] && watches[i]->IsAt(expected[i]) && all;
        }
        // On its way from where it stood to 296: the map's line points where the rotator says.
        const std::optional<double> heading = calcs[0]->m_dlg.AntennaHeading();
        if (!drawn && heading && *heading > 30 && *heading < 250)
        {
            const CPicture picture(map);
            drawn = heading;
            EXPECT_GT(HeadingPixelsTowards(picture, *heading), 0) << *heading;
            EXPECT_EQ(0, HeadingPixelsTowards(picture, *heading + 90)) << *heading;
            EXPECT_EQ(0, HeadingPixelsTowards(picture, *heading - 90)) << *heading;
        }
        return all;
    }, 150000);
    for (size_t i = 0; i < calcs.size(); ++i)
    {
        EXPECT_TRUE(watches[i]->IsAt(expected[i])) << turns[i].rotator << " points at " << watches[i]->Heading()
                                                   << ", not " << expected[i];
        // The window hears the heading a poll later than the test may.
        const CLocatorDlg& window = calcs[i]->m_dlg;
        PumpUntil([&] {
            return window.AntennaHeading() && std::fabs(*window.AntennaHeading() - expected[i]) <= CRotator::kArrivedWithin;
        }, 3000);
        ASSERT_TRUE(window.AntennaHeading()) << turns[i].rotator;
        EXPECT_NEAR(expected[i], *window.AntennaHeading(), CRotator::kArrivedWithin) << turns[i].rotator;
    }
    EXPECT_TRUE(arrived);
    EXPECT_TRUE(drawn) << "the window was told no heading on the way to 296";
    EXPECT_EQ(halfBefore, halfWatch.Heading()) << "the rotator that stops at 180 moved";
    EXPECT_EQ(1u, boxes.m_calls.size()) << Said(boxes);
}

// rotctld killed while the antenna turns: the window says so, naming host and port, answers all
// the while, finds nothing listening at the next press, and closes without waiting.
TEST(RotatorButtons, RotctldKilledDuringATurnIsNamedAndNothingHangs)
{
    const int doomed = PortOf("LOCATRIX_ROTCTLD_DOOMED");
    const char* killRequest = std::getenv("LOCATRIX_KILL_REQUEST");
    ASSERT_TRUE(doomed != 0 && killRequest) << "run by rotctld_test.sh, which starts rotctld";
    const std::string endpoint = "127.0.0.1:" + std::to_string(doomed);
    CScratchKey key;
    CMessageBoxRecorder boxes;
    UseRotctld(key, doomed);
    Clock::time_point closing;
    {
        CCalculator calc(key);
        calc.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "FN20XR"}});
        calc.Click(IDC_SHORT_PATH);
        ASSERT_TRUE(PumpUntil([&] { return calc.m_dlg.AntennaHeading() && *calc.m_dlg.AntennaHeading() > 3; }, 10000))
            << "the antenna did not set off";
        std::ofstream(killRequest) << "now\n";
        EXPECT_TRUE(PumpUntil([&] {
            EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
            return !boxes.m_calls.empty();
        }, 15000)) << "no word of the lost rotator";
        PumpUntil([] { return false; }, 1000);
        ASSERT_EQ(1u, boxes.m_calls.size()) << Said(boxes);
        const std::string& lost = boxes.m_calls[0].text;
        EXPECT_EQ(0u, lost.find("The antenna did not turn to " + calc.Text(IDC_BEARING))) << lost;
        EXPECT_NE(std::string::npos, lost.find(endpoint)) << lost;
        EXPECT_NE(std::string::npos, lost.find("while the rotator was turning")) << lost;

        boxes.m_calls.clear();
        calc.Click(IDC_SHORT_PATH);
        EXPECT_TRUE(PumpUntil([&] {
            EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
            return !boxes.m_calls.empty();
        }, 10000));
        EXPECT_NE(std::string::npos, Said(boxes).find("nothing is listening at " + endpoint)) << Said(boxes);
        closing = Clock::now();
    }
    EXPECT_LT(Clock::now() - closing, std::chrono::seconds(3)) << "closing waited for the network";
}

// WSJT-X's new DX fills DISTANCE and calculates; repeats and a Status without a grid change
// nothing; a box the user is typing in is left alone; a flood of hostile datagrams leaves the
// window answering and following.
TEST(FollowWsjtx, NewDxFillsDistanceOnceAndHostileDatagramsAreDropped)
{
    const int port = FreeUdpPort();
    ASSERT_NE(0, port);
    CScratchKey key;
    CMessageBoxRecorder boxes;
    const std::string listening = FollowWsjtxOn(key, port);
    CCalculator calc(key);
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE) == listening; })) << calc.Text(IDC_WSJTX_STATE);
    CUdpSender wsjtx;
    ASSERT_FALSE(wsjtx.Open("127.0.0.1", port).Failed());

    WsjtxStatusFields status;
    status.dxCall = "K1ABC";
    status.dxGrid = "FN42";
    status.deGrid = "IO91wm";
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return !calc.Text(IDC_BEARING).empty(); }));
    calc.ExpectTexts({{IDC_LOCATION1, "IO91WM"}, {IDC_LOCATION2, "FN42MM"}});
    CForm form;
    form.Text(Box::Location1) = "IO91WM";
    form.Text(Box::Location2) = "FN42MM";
    ASSERT_EQ(Outcome::kDone, CalculateDistance(form).kind);
    EXPECT_EQ(form.Text(Box::Bearing), calc.Text(IDC_BEARING));
    EXPECT_EQ(form.Text(Box::Kilometers), calc.Text(IDC_KILOMETERS));
    EXPECT_NE(std::string::npos, calc.Text(IDC_WSJTX_STATE).find("K1ABC in FN42")) << calc.Text(IDC_WSJTX_STATE);

    // A repeat, and a Status without a DX grid, change nothing.
    ::SetWindowTextA(calc.Item(IDC_BEARING), "");
    WsjtxStatusFields gridless = status;
    gridless.dxCall = "W1AW";
    gridless.dxGrid.clear();
    for (const WsjtxStatusFields& same : {status, gridless})
        ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(same)).Failed());
    PumpUntil([] { return false; }, 1000);
    calc.ExpectTexts({{IDC_BEARING, ""}, {IDC_LOCATION2, "FN42MM"}});

    // While the user types a locator, a new DX only is named. (Other test programs on the same
    // display may take the foreground meanwhile; then the window rightly takes the DX.)
    ::SetForegroundWindow(calc.m_dlg.m_hWnd);
    ::SetFocus(calc.Item(IDC_LOCATION2));
    calc.Type({{IDC_LOCATION2, "JO62QM"}});
    status.dxCall = "JA1XYZ";
    status.dxGrid = "PM95";
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE).find("JA1XYZ") != std::string::npos; }));
    if (::GetForegroundWindow() == calc.m_dlg.m_hWnd)
        calc.ExpectTexts({{IDC_LOCATION2, "JO62QM"}, {IDC_BEARING, ""}});
    EXPECT_TRUE(calc.Text(IDC_WSJTX_STATE).find("not taken while you type") != std::string::npos ||
                calc.Text(IDC_LOCATION2) == "PM95MM")
        << calc.Text(IDC_WSJTX_STATE);

    // In the background, the focus box is nobody's typing: the DX goes in.
    const HWND other = ::CreateWindowExA(0, "STATIC", "other program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                                         nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    status.dxCall = "ZL1ABC";
    status.dxGrid = "RF72";
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE).find("ZL1ABC") != std::string::npos; }));
    if (::GetForegroundWindow() != calc.m_dlg.m_hWnd)
    {
        EXPECT_EQ("RF72MM", calc.Text(IDC_LOCATION2));
    }
    ::DestroyWindow(other);
    ::SetWindowTextA(calc.Item(IDC_BEARING), "");

    // Datagrams cut at every length, with lengths beyond the datagram, huge and random: dropped.
    const std::string whole = CWsjtxEncoder::Status(status);
    std::vector<std::string> hostile;
    for (size_t length = 0; length < whole.size(); ++length)
        hostile.push_back(whole.substr(0, length));
    std::mt19937 random(7);
    while (hostile.size() < 1000)
    {
        std::string damaged = whole;
        const size_t at = 12 + random() % (damaged.size() - 16);
        for (int i = 0; i < 4; ++i)
            damaged[at + i] = static_cast<char>(random() % 3 == 0 ? 0xff : random());
        hostile.push_back(damaged);
    }
    for (const std::string& datagram : hostile)
        ASSERT_FALSE(wsjtx.Send(datagram).Failed());
    EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE).find("dropped") != std::string::npos; }));

    // Still following: the next DX, with the focus elsewhere, is taken.
    ::SetFocus(calc.Item(IDC_LATITUDE_DEGREE));
    status.dxCall = "VK2ABC";
    status.dxGrid = "QF56od";
    // The flood may still fill the socket's buffer, where the system drops what comes next; WSJT-X
    // repeats its Status each second, and so does the test, a repeat being no new DX.
    int polls = 0;
    ASSERT_TRUE(PumpUntil([&] {
        if (polls++ % 50 == 0)
        {
            EXPECT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
        }
        return calc.Text(IDC_LOCATION2) == "QF56OD";
    }, 10000)) << calc.Text(IDC_LOCATION2) << "; " << calc.Text(IDC_WSJTX_STATE);
    EXPECT_FALSE(calc.Text(IDC_BEARING).empty());
    EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
    EXPECT_TRUE(boxes.m_calls.empty());
}

namespace
{
// Runs the steps, one per timer tick while the dialog with the caption is open, each until it
// answers true; after ten seconds the dialog is cancelled.
void ScriptDialog(CCalculator& calc, UINT command, const char* caption, std::vector<std::function<bool(HWND)>> steps)
{
    const HWND owner = calc.m_dlg.m_hWnd;
    size_t step = 0;
    int ticks = 0;
    CWhileModal script([&] {
        HWND box = FindOwnedDialog(owner, caption);
        if (!box)
            return false;
        if (++ticks > 500)
        {
            ADD_FAILURE() << caption << ": step " << step << " did not end";
            return ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0) != FALSE;
        }
        if (step < steps.size() && steps[step](box))
            ++step;
        return step == steps.size();
    });
    calc.m_dlg.PostMessage(WM_SYSCOMMAND, command, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, FindOwnedDialog(owner, caption));
}

void Choose(HWND box, int list, int index)
{
    ::SendDlgItemMessageA(box, list, CB_SETCURSEL, index, 0);
    ::SendMessageA(box, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(box, list)));
}
}

// The Rotator dialog: stored nonsense shows as none; choosing rotctld offers its port; Test
// shows the real rotctld's range and heading; a port out of range is refused; OK keeps it.
TEST(RotatorDialog, TestAsksRotctldAndOkKeepsTheRotator)
{
    const int southStop = PortOf("LOCATRIX_ROTCTLD_SOUTH_STOP");
    ASSERT_NE(0, southStop) << "run by rotctld_test.sh, which starts rotctld";
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("Rotator", 9u);
    key.Set("RotatorHost", "localhost");
    key.Set("RotatorPort", 4533u);
    CCalculator calc(key);
    char item[64] = {};
    ::GetMenuStringA(::GetSystemMenu(calc.m_dlg.m_hWnd, FALSE), IDM_ROTATOR, item, sizeof(item), MF_BYCOMMAND);
    EXPECT_STREQ("&Rotator...", item);
    EXPECT_FALSE(Enabled(calc, IDC_STOP_ROTATOR));

    std::string kindShown, portOffered, report;
    ScriptDialog(calc, IDM_ROTATOR, "Rotator", {
        [&](HWND box) {
            kindShown = WindowText(::GetDlgItem(box, IDC_ROTATOR_KIND));
            Choose(box, IDC_ROTATOR_KIND, 1);
            portOffered = WindowText(::GetDlgItem(box, IDC_ROTATOR_PORT));
            ::SetDlgItemTextA(box, IDC_ROTATOR_HOST, "127.0.0.1");
            ::SetDlgItemTextA(box, IDC_ROTATOR_PORT, "70000");
            ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            return true;
        },
        [&](HWND box) {
            ::SetDlgItemInt(box, IDC_ROTATOR_PORT, static_cast<UINT>(southStop), FALSE);
            ::SendMessageA(::GetDlgItem(box, IDC_ROTATOR_TEST), BM_CLICK, 0, 0);
            return true;
        },
        [&](HWND box) {
            report = WindowText(::GetDlgItem(box, IDC_ROTATOR_REPORT));
            return report.find("answers") != std::string::npos &&
                   ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
        }});
    EXPECT_EQ("None", kindShown);
    EXPECT_EQ("4533", portOffered);
    ASSERT_EQ(1u, boxes.m_calls.size()) << "the port 70000 is refused";
    EXPECT_NE(std::string::npos, boxes.m_calls[0].text.find("65535")) << boxes.m_calls[0].text;
    EXPECT_NE(std::string::npos, report.find("rotctld at 127.0.0.1:" + std::to_string(southStop))) << report;
    EXPECT_NE(std::string::npos, report.find("-180..180")) << report;
    const RotatorSetting kept = LoadRotator(key.m_strPath);
    EXPECT_EQ(RotatorKind::Rotctld, kept.kind);
    EXPECT_EQ("127.0.0.1", kept.host);
    EXPECT_EQ(southStop, kept.port);
    EXPECT_TRUE(Enabled(calc, IDC_STOP_ROTATOR));
}

// Follow WSJT-X from the system menu: ticked, on a port of the user's choice, it listens at
// once and is kept; a group that is none is refused.
TEST(FollowWsjtx, TheDialogStartsListeningAndKeepsTheSetting)
{
    const int port = FreeUdpPort();
    ASSERT_NE(0, port);
    CScratchKey key;
    CMessageBoxRecorder boxes;
    CCalculator calc(key);
    EXPECT_EQ("", calc.Text(IDC_WSJTX_STATE));
    std::string portShown;
    ScriptDialog(calc, IDM_FOLLOW_WSJTX, "Follow WSJT-X", {
        [&](HWND box) {
            portShown = WindowText(::GetDlgItem(box, IDC_WSJTX_PORT));
            ::SendMessageA(::GetDlgItem(box, IDC_FOLLOW_WSJTX), BM_CLICK, 0, 0);
            ::SetDlgItemInt(box, IDC_WSJTX_PORT, static_cast<UINT>(port), FALSE);
            ::SetDlgItemTextA(box, IDC_WSJTX_GROUP, "10.1.2.3");
            ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            return true;
        },
        [&](HWND box) {
            ::SetDlgItemTextA(box, IDC_WSJTX_GROUP, "");
            return ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
        }});
    EXPECT_EQ("2237", portShown);
    ASSERT_EQ(1u, boxes.m_calls.size());
    EXPECT_NE(std::string::npos, boxes.m_calls[0].text.find("239.255.0.1")) << boxes.m_calls[0].text;
    const std::string listening = "Following WSJT-X on UDP port " + std::to_string(port);
    EXPECT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE) == listening; })) << calc.Text(IDC_WSJTX_STATE);
    const WsjtxSetting kept = LoadWsjtx(key.m_strPath);
    EXPECT_TRUE(kept.follow);
    EXPECT_EQ(port, kept.port);
}

// Following WSJT-X on a multicast group: the window and another listener on the same port both
// hear the group, and the window takes each new DX.
TEST(FollowWsjtx, AMulticastFeedReachesTheWindowAndAnotherListener)
{
    const int port = FreeUdpPort();
    ASSERT_NE(0, port);
    const std::string group = WsjtxSetting::kRecommendedGroup;
    CScratchKey key;
    CMessageBoxRecorder boxes;
    const std::string listening = FollowWsjtxOn(key, port, group);
    CCalculator calc(key);
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE) == listening; }))
        << calc.Text(IDC_WSJTX_STATE) << "; " << Said(boxes);
    CUdpReceiver another;
    const CNetError joined = another.Open(port, group, CUdpReceiver::Membership::LoopbackOnly);
    ASSERT_FALSE(joined.Failed()) << joined.Message();
    CUdpSender wsjtx;
    ASSERT_FALSE(wsjtx.Open(group, port).Failed());

    WsjtxStatusFields status;
    status.deGrid = "IO91WM";
    for (const char* dx : {"FN42", "PM95"})
    {
        status.dxCall = dx[0] == 'F' ? "K1ABC" : "JA1XYZ";
        status.dxGrid = dx;
        const std::string datagram = CWsjtxEncoder::Status(status);
        ASSERT_FALSE(wsjtx.Send(datagram).Failed());
        EXPECT_TRUE(PumpUntil([&] { return calc.Text(IDC_LOCATION2) == std::string(dx) + "MM"; }))
            << dx << ": " << calc.Text(IDC_LOCATION2) << "; " << calc.Text(IDC_WSJTX_STATE);
        std::string heard, sender;
        const CNetError error = another.Receive(heard, sender, 5000);
        EXPECT_FALSE(error.Failed()) << dx << ": " << error.Message();
        EXPECT_EQ(datagram, heard) << dx;
    }
    EXPECT_FALSE(calc.Text(IDC_BEARING).empty());
    EXPECT_TRUE(boxes.m_calls.empty()) << Said(boxes);
}

// Turn with WSJT-X: unticked, a new DX is calculated and the antenna stays; ticked in the
// dialog, the next DX turns it to the short path the window shows, as rotctld, asked by a
// second client, tells.
TEST(FollowWsjtx, ANewDxTurnsTheAntennaOnlyWhenTicked)
{
    const int rotator = PortOf("LOCATRIX_ROTCTLD_HALF_TURN"), port = FreeUdpPort();
    ASSERT_NE(0, rotator) << "run by rotctld_test.sh, which starts rotctld";
    ASSERT_NE(0, port);
    CScratchKey key;
    CMessageBoxRecorder boxes;
    UseRotctld(key, rotator);
    const std::string listening = FollowWsjtxOn(key, port);
    CCalculator calc(key);
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE) == listening; })) << calc.Text(IDC_WSJTX_STATE);
    CUdpSender wsjtx;
    ASSERT_FALSE(wsjtx.Open("127.0.0.1", port).Failed());
    CRotctldWatch watch(rotator);
    const double before = watch.Heading();

    WsjtxStatusFields status;
    status.deGrid = "IO91WM";
    status.dxCall = "JA1XYZ";
    status.dxGrid = "PM95";
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_LOCATION2) == "PM95MM"; })) << calc.Text(IDC_WSJTX_STATE);
    EXPECT_FALSE(calc.Text(IDC_BEARING).empty());
    PumpUntil([] { return false; }, 2000);
    EXPECT_EQ(before, watch.Heading()) << "the antenna turned although Turn with WSJT-X is not ticked";
    EXPECT_FALSE(calc.m_dlg.AntennaHeading());

    ScriptDialog(calc, IDM_FOLLOW_WSJTX, "Follow WSJT-X", {[&](HWND box) {
        ::SendMessageA(::GetDlgItem(box, IDC_TURN_WITH_WSJTX), BM_CLICK, 0, 0);
        return ::PostMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
    }});
    EXPECT_TRUE(LoadWsjtx(key.m_strPath).turnAntenna);
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_WSJTX_STATE) == listening; })) << calc.Text(IDC_WSJTX_STATE);
    status.dxCall = "VK2ABC";
    status.dxGrid = "QF56";
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_LOCATION2) == "QF56MM"; })) << calc.Text(IDC_WSJTX_STATE);
    const double bearing = BearingShown(calc);
    EXPECT_GT(std::fabs(bearing - before), 10) << "too near to tell a turn";
    EXPECT_TRUE(PumpUntil([&] {
        EXPECT_TRUE(Answers(calc.m_dlg.m_hWnd));
        return watch.IsAt(bearing);
    }, 60000)) << "rotctld points at " << watch.Heading() << ", not " << bearing;
    EXPECT_TRUE(calc.m_dlg.AntennaHeading());
    EXPECT_TRUE(boxes.m_calls.empty()) << Said(boxes);
}
