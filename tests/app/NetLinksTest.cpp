// The calculator with its network partners, under Wine on loopback: the rotator buttons against
// a PstRotator listener and the real rotctld (rotctld_test.sh starts it and names its ports),
// and WSJT-X's datagrams from the test encoder.
#include "net/RotatorPackets.h"
#include "net/UdpReceiver.h"
#include "net/UdpSender.h"
#include "res/resource.h"
#include "tests/app/Calculator.h"
#include "tests/net/WsjtxEncoder.h"
#include <chrono>
#include <cstdlib>
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

// WSJT-X's new DX fills DISTANCE and calculates; repeats and a Status without a grid change
// nothing; a box the user is typing in is left alone; a flood of hostile datagrams leaves the
// window answering and following.
TEST(FollowWsjtx, NewDxFillsDistanceOnceAndHostileDatagramsAreDropped)
{
    const int port = FreeUdpPort();
    ASSERT_NE(0, port);
    CScratchKey key;
    CMessageBoxRecorder boxes;
    key.Set("FollowWsjtx", 1u);
    key.Set("WsjtxPort", static_cast<DWORD>(port));
    CCalculator calc(key);
    const std::string listening = "Following WSJT-X on UDP port " + std::to_string(port);
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
        EXPECT_EQ("RF72MM", calc.Text(IDC_LOCATION2));
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
    ASSERT_FALSE(wsjtx.Send(CWsjtxEncoder::Status(status)).Failed());
    ASSERT_TRUE(PumpUntil([&] { return calc.Text(IDC_LOCATION2) == "QF56OD"; })) << calc.Text(IDC_LOCATION2);
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
