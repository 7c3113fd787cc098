// The map window through the calculator: opened by its button and its menu item, once; closed
// alone; drawn by painting into a bitmap, where the stations, the paths, land, sea and the rim
// must be at the pixels the map puts them, at any size; following each calculation the
// calculator takes and none that it refuses; zoomed by keys and wheel; saved as SVG and PNG.
#include "app/MapWnd.h"
#include "calc/Commands.h"
#include "engine/GreatCircle.h"
#include "engine/LocatorCodec.h"
#include "formats/AtomicFile.h"
#include "map/MapZoom.h"
#include "res/resource.h"
#include <dlgs.h>
#include "tests/app/Calculator.h"
#include "tests/app/MapPicture.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace
{
int ScreenDpiForTest()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

// The map windows the calculator owns.
std::vector<HWND> MapWindows(HWND calculator)
{
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, CMapWnd::kClassName, nullptr)))
        if (::GetWindow(window, GW_OWNER) == calculator && ::IsWindowVisible(window))
            found.push_back(window);
    return found;
}

// The calculator with its map open on a pair it calculated.
struct CMapOnPair
{
    explicit CMapOnPair(const CScratchKey& key, const char* distant = "KO85TS")
        : calculator(key), map(calculator.m_dlg.GetMapWindow())
    {
        calculator.Click(IDC_MAP);
        calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, distant}});
    }
    CCalculator calculator;
    CMapWnd& map;
};

void Key(HWND window, UINT key)
{
    ::SendMessageA(window, WM_KEYDOWN, key, 1);
    PumpMessages();
}

void CtrlKey(HWND window, UINT key)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    Key(window, key);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

TEST(MapWindow, OpensOnceFromButtonOrMenuAndClosesAlone)
{
    CScratchKey key;
    CCalculator calculator(key);
    CMapWnd& map = calculator.m_dlg.GetMapWindow();
    EXPECT_TRUE(MapWindows(calculator.m_dlg).empty());
    calculator.Click(IDC_MAP);
    ASSERT_EQ(MapWindows(calculator.m_dlg).size(), 1u);
    calculator.Click(IDC_MAP);
    calculator.m_dlg.SendMessage(WM_SYSCOMMAND, IDM_MAP, 0);
    PumpMessages();
    ASSERT_EQ(MapWindows(calculator.m_dlg).size(), 1u);
    EXPECT_EQ(MapWindows(calculator.m_dlg)[0], map.m_hWnd);

    // Before any calculation: words, no picture.
    EXPECT_NE(map.Summary().find("press Calculate in DISTANCE"), std::string::npos);
    {
        const CPicture picture(map);
        EXPECT_FALSE(picture.m_view);
        EXPECT_EQ(picture.m_canvas.Count(CMapWnd::kSeaColour), 0);
        EXPECT_GT(picture.m_canvas.Count(::GetSysColor(COLOR_WINDOWTEXT)), 100);
    }

    Key(map, VK_ESCAPE);
    EXPECT_TRUE(MapWindows(calculator.m_dlg).empty());
    EXPECT_TRUE(::IsWindow(calculator.m_dlg));
    calculator.m_dlg.SendMessage(WM_SYSCOMMAND, IDM_MAP, 0);
    PumpMessages();
    ASSERT_EQ(MapWindows(calculator.m_dlg).size(), 1u);
    ::SendMessageA(map, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(MapWindows(calculator.m_dlg).empty());
    EXPECT_TRUE(::IsWindow(calculator.m_dlg));
    // The system menu offers it beside About.
    char item[32] = {};
    ::GetMenuStringA(::GetSystemMenu(calculator.m_dlg, FALSE), IDM_MAP, item, sizeof(item), MF_BYCOMMAND);
    EXPECT_STREQ(item, "&Map");
}

TEST(MapWindow, DrawsEachPairWhereTheMapPutsIt)
{
    CScratchKey key;
    CCalculator calculator(key);
    CMapWnd& map = calculator.m_dlg.GetMapWindow();
    calculator.Click(IDC_MAP);
    const char* pairs[][2] = {{"JO62QM", "KO85TS"}, {"QF56OD", "RE78IR"}, {"FN20XR", "CM87UX"}};
    for (const auto& pair : pairs)
    {
        SCOPED_TRACE(std::string(pair[0]) + " to " + pair[1]);
        calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, pair[0]}, {IDC_LOCATION2, pair[1]}});
        CMapLegend legend;
        ASSERT_TRUE(legend.SetLocations(pair[0], pair[1]));
        EXPECT_EQ(map.GetRadiusKm(), FittingMapRadius(legend.GetKilometers()));
        // The legend's figures are the boxes'.
        const std::string summary = map.Summary();
        for (int box : {IDC_BEARING, IDC_KILOMETERS, IDC_STATUTE_MILES, IDC_NAUTICAL_MILES})
            EXPECT_NE(summary.find(calculator.Text(box)), std::string::npos) << calculator.Text(box);
        EXPECT_EQ(WindowText(map), std::string("Locatrix Map - ") + pair[0] + " to " + pair[1]);

        for (const SIZE size : {SIZE{560, 640}, SIZE{420, 760}, SIZE{900, 500}})
        {
            ::SetWindowPos(map, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            PumpMessages();
            const CPicture picture(map);
            ASSERT_TRUE(picture.m_view);
            const CMapView& view = *picture.m_view;
            const MapFrame& frame = view.GetFrame();
            const MapPoint centre{frame.centreX, frame.centreY};
            EXPECT_EQ(picture.At(centre), CMapWnd::kShortPathColour);
            EXPECT_EQ(picture.At(view.ToFrame(legend.GetDistant().point)), CMapWnd::kLongPathColour);
            const CGreatCircle circle(legend.GetLocal().point, legend.GetDistant().point);
            const LatLon halfway = CGreatCircle::Destination(legend.GetLocal().point, circle.GetBearing(),
                                                             circle.GetAngle() / 2);
            EXPECT_GT(picture.Near(view.ToFrame(halfway), CMapWnd::kShortPathColour, 1), 0);
            // The rim straight above and below the centre.
            EXPECT_GT(picture.Near(MapPoint{centre.X, centre.Y - frame.rimRadius}, CMapWnd::kRimColour, 1), 0);
            EXPECT_GT(picture.Near(MapPoint{centre.X, centre.Y + frame.rimRadius}, CMapWnd::kRimColour, 1), 0);
            EXPECT_EQ(picture.Near(MapPoint{centre.X, centre.Y - frame.rimRadius - 6}, CMapWnd::kSeaColour), 0);
        }
    }
    // Land and sea where they are: at the world's radius from Berlin, the Sahara, Siberia and
    // Australia are land, the Atlantic, the Pacific and the Indian Ocean sea.
    calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
    map.SetRadiusKm(MapWorldKm());
    const CPicture world(map);
    ASSERT_TRUE(world.m_view);
    for (const LatLon land : {LatLon{23, 10}, LatLon{62, 100}, LatLon{-25, 134}})
    {
        EXPECT_GT(world.Near(world.m_view->ToFrame(land), CMapWnd::kLandColour), 8) << land.Latitude;
        EXPECT_EQ(world.Near(world.m_view->ToFrame(land), CMapWnd::kSeaColour), 0) << land.Latitude;
    }
    for (const LatLon sea : {LatLon{30, -40}, LatLon{10, -150}, LatLon{-30, 80}})
    {
        EXPECT_GT(world.Near(world.m_view->ToFrame(sea), CMapWnd::kSeaColour), 8) << sea.Latitude;
        EXPECT_EQ(world.Near(world.m_view->ToFrame(sea), CMapWnd::kLandColour), 0) << sea.Latitude;
    }
}

TEST(MapWindow, FollowsTheCalculatorAndZooms)
{
    CScratchKey key;
    CMapOnPair open(key, "JO62QN");
    CCalculator& calculator = open.calculator;
    CMapWnd& map = open.map;
    EXPECT_EQ(map.GetRadiusKm(), 50); // a short hop still shows 50 km round
    calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
    const double fitted = map.GetRadiusKm();
    EXPECT_NEAR(fitted, 1.25 * 1610.1, 1e-9);
    const std::string caption = WindowText(map);

    // Refused: a box too short is a complaint, an impossible locator the engine's refusal; the
    // map stays as it was.
    for (const char* distant : {"KO85", "ZZ99ZZ"})
    {
        CWhileModal dismiss([&] {
            HWND box = FindOwnedDialog(calculator.m_dlg, "Locatrix");
            if (box)
                ::SendMessageA(box, WM_COMMAND, IDOK, 0);
            return box != nullptr;
        });
        calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION2, distant}});
        EXPECT_EQ(WindowText(map), caption);
        EXPECT_EQ(map.GetRadiusKm(), fitted);
    }

    Key(map, VK_ADD);
    EXPECT_NEAR(map.GetRadiusKm(), fitted / 1.5, 1e-9);
    Key(map, VK_SUBTRACT);
    EXPECT_NEAR(map.GetRadiusKm(), fitted, 1e-9);
    ::SendMessageA(map, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_NEAR(map.GetRadiusKm(), fitted / 1.5, 1e-9);
    for (int i = 0; i < 40; ++i)
        Key(map, VK_OEM_MINUS);
    EXPECT_EQ(map.GetRadiusKm(), MapWorldKm());
    for (int i = 0; i < 40; ++i)
        Key(map, VK_OEM_PLUS);
    EXPECT_EQ(map.GetRadiusKm(), 50);
    Key(map, VK_HOME);
    EXPECT_EQ(map.GetRadiusKm(), fitted);

    // Ctrl+C: the picture as a bitmap of the window's picture, the legend as text.
    {
        CClipboardTurn turn;
        SetClipboardText(map, "before");
        CtrlKey(map, 'C');
        EXPECT_EQ(GetClipboardText(map), map.Summary());
        EXPECT_NE(map.Summary().find("Long path: "), std::string::npos);
        ASSERT_TRUE(::OpenClipboard(map));
        BITMAP bitmap = {};
        HBITMAP copied = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
        EXPECT_TRUE(copied && ::GetObjectA(copied, sizeof(bitmap), &bitmap));
        ::CloseClipboard();
        EXPECT_EQ(bitmap.bmWidth, map.PictureRect().right);
        EXPECT_EQ(bitmap.bmHeight, map.PictureRect().bottom);
    }

    // The antenna's heading, due east, and gone again.
    const auto headingPixels = [&] {
        const CPicture picture(map);
        const MapFrame& frame = picture.m_view->GetFrame();
        return picture.Near(MapPoint{frame.centreX + frame.rimRadius * 0.8, frame.centreY}, CMapWnd::kHeadingColour, 1);
    };
    EXPECT_EQ(headingPixels(), 0);
    map.SetAntennaHeading(90.0);
    EXPECT_GT(headingPixels(), 0);
    map.SetAntennaHeading(std::nullopt);
    EXPECT_EQ(headingPixels(), 0);

    // The same square and the antipode draw without a fault: the markers where they belong.
    for (const char* distant : {"JO62QM", "AD47HF"})
    {
        calculator.Click(IDC_CALCULATE_DISTANCE, {{IDC_LOCATION2, distant}});
        const CPicture picture(map);
        ASSERT_TRUE(picture.m_view);
        EXPECT_TRUE(picture.m_view->GetOther()->inside) << distant;
        EXPECT_EQ(picture.At(MapPoint{picture.m_view->GetFrame().centreX, picture.m_view->GetFrame().centreY}),
                  CMapWnd::kShortPathColour);
    }
}

TEST(MapWindow, PlacementSizeAndRadiusComeBackHostileOnesGiveTheDefault)
{
    CScratchKey key;
    RECT placed = {};
    double radius = 0;
    {
        CMapOnPair open(key);
        CMapWnd& map = open.map;
        ::SetWindowPos(map, nullptr, 37, 41, 503, 611, SWP_NOZORDER | SWP_NOACTIVATE);
        Key(map, VK_ADD);
        radius = map.GetRadiusKm();
        ::GetWindowRect(map, &placed);
        ::SendMessageA(map, WM_CLOSE, 0, 0);
        PumpMessages();
    }
    EXPECT_EQ(placed.left, 37);
    EXPECT_EQ(placed.right - placed.left, 503);
    const auto reopened = [&](RECT& rect) {
        CMapOnPair open(key);
        CMapWnd& map = open.map;
        ::GetWindowRect(map, &rect);
        EXPECT_NE(::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL), nullptr);
        return map.GetRadiusKm();
    };
    RECT rect = {};
    EXPECT_NEAR(reopened(rect), radius, 0.001);
    EXPECT_TRUE(::EqualRect(&rect, &placed));

    // Off every screen, no size, enormous, and a text where a number belongs.
    const struct
    {
        const char* name;
        DWORD value;
    } hostile[] = {{"MapLeft", 0x7FFF0000}, {"MapWidth", 0}, {"MapHeight", 0xFFFFFFF0}, {"MapTop", 40000}};
    for (const auto& bad : hostile)
    {
        SCOPED_TRACE(bad.name);
        key.Set("MapLeft", DWORD{37});
        key.Set("MapTop", DWORD{41});
        key.Set("MapWidth", DWORD{503});
        key.Set("MapHeight", DWORD{611});
        key.Set(bad.name, bad.value);
        reopened(rect);
        EXPECT_FALSE(::EqualRect(&rect, &placed));
        EXPECT_EQ(rect.right - rect.left, ::MulDiv(560, ScreenDpiForTest(), 96));
    }
    key.Set("MapLeft", DWORD{37});
    key.Set("MapTop", "41");
    reopened(rect);
    EXPECT_FALSE(::EqualRect(&rect, &placed));
}

// At each DPI (dpi_test.sh runs the Dpi cases at 96, 120, 144 and 192): the window as big as the
// screen's DPI makes it, the legend whole inside it, the bearings above the rim on the window.
TEST(Dpi, TheMapWindowGrowsWithTheScreenAndItsTextsFit)
{
    CScratchKey key;
    CMapOnPair open(key);
    CMapWnd& map = open.map;
    RECT window = {};
    ::GetWindowRect(map, &window);
    EXPECT_EQ(window.right - window.left, ::MulDiv(560, ScreenDpiForTest(), 96));
    const CPicture picture(map);
    ASSERT_TRUE(picture.m_view);
    const MapFrame& frame = picture.m_view->GetFrame();
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
    // The legend: below the circle and its labels, nothing drawn in the last pixels on the right.
    int rightmost = 0, rows = 0;
    for (int y = static_cast<int>(frame.centreY + frame.rimRadius) + 30; y < picture.m_client.bottom; ++y)
        for (int x = 0; x < picture.m_client.right; ++x)
            if (picture.At(MapPoint{double(x), double(y)}) != background)
            {
                rightmost = std::max(rightmost, x);
                ++rows;
            }
    EXPECT_GT(rows, 100);
    EXPECT_LT(rightmost, picture.m_client.right - 3);
    // "0" above the rim, on the window.
    const int top = static_cast<int>(frame.centreY - frame.rimRadius);
    int found = 0;
    for (int y = 0; y < top - 2; ++y)
        found += picture.Near(MapPoint{frame.centreX, double(y)}, CMapWnd::kRimColour, 3) > 0;
    EXPECT_GT(found, 3);
}

// The status line tells the square under the pointer; a click there, or the cross-hair moved
// with the arrow keys and Enter, makes it the distant station, calculated as Calculate would.
TEST(MapWindow, PointingAndClickingPicksTheDistantStation)
{
    CScratchKey key;
    CMapOnPair open(key);
    CCalculator& calculator = open.calculator;
    CMapWnd& map = open.map;
    map.SetRadiusKm(50);
    HWND status = ::FindWindowExA(map, nullptr, "STATIC", nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_NE(WindowText(status).find("click"), std::string::npos);
    const auto pixel = [&](const char* locator) {
        const CPicture picture(map);
        std::string padded = locator;
        PadLocator(padded);
        const MapPoint at = picture.m_view->ToFrame(DecodeLocator(padded));
        return MAKELPARAM(static_cast<int>(std::lround(at.X)), static_cast<int>(std::lround(at.Y)));
    };
    ::SendMessageA(map, WM_MOUSEMOVE, 0, pixel("JO62RM"));
    EXPECT_EQ(WindowText(status).substr(0, 8), "JO62RM: ") << WindowText(status);
    EXPECT_NE(WindowText(status).find(" km ("), std::string::npos);
    EXPECT_NE(WindowText(status).find("from JO62QM"), std::string::npos);

    for (const auto& [choice, expected] : {std::pair{0, "JO62RM"}, std::pair{1, "JO62RM"}})
    {
        calculator.Choose(IDC_LOCATOR_CHARS, choice);
        ::SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, pixel("JO62RM"));
        PumpMessages();
        const std::string picked = calculator.Text(IDC_LOCATION2);
        EXPECT_EQ(picked.substr(0, 6), expected);
        EXPECT_EQ(picked.size(), choice == 0 ? 6u : 8u);
        // The results are the calculator's own for that pair, and the map follows.
        CForm form;
        form.Text(Box::Location1) = "JO62QM";
        form.Text(Box::Location2) = picked;
        CalculateDistance(form);
        EXPECT_EQ(calculator.Text(IDC_KILOMETERS), form.Text(Box::Kilometers));
        EXPECT_EQ(calculator.Text(IDC_BEARING), form.Text(Box::Bearing));
        EXPECT_EQ(WindowText(map), "Locatrix Map - JO62QM to " + picked);
    }
    calculator.Choose(IDC_LOCATOR_CHARS, 0);
    map.SetRadiusKm(50);

    // A click off the map picks nothing.
    ::SendMessageA(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    PumpMessages();
    EXPECT_EQ(calculator.Text(IDC_LOCATION2).substr(0, 6), "JO62RM");

    // Six steps right of the centre, then Enter: a square east of JO62QM on its row.
    for (int i = 0; i < 6; ++i)
        Key(map, VK_RIGHT);
    EXPECT_EQ(WindowText(status).substr(0, 5), "JO62R") << WindowText(status);
    Key(map, VK_RETURN);
    const std::string keyed = calculator.Text(IDC_LOCATION2);
    EXPECT_EQ(keyed.substr(0, 4), "JO62");
    EXPECT_GT(keyed[4], 'Q');
    EXPECT_EQ(keyed[5], 'M');
    EXPECT_EQ(WindowText(map), "Locatrix Map - JO62QM to " + keyed);
}
}

namespace
{
std::string FileBytes(const std::string& path)
{
    std::string bytes, error;
    EXPECT_TRUE(CAtomicFile::Read(path, bytes, error)) << error;
    return bytes;
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The Windows build of locatrix-cli, run as a process: its exit status, or -1 when it did not
// finish in a minute.
int RunCli(const std::string& arguments)
{
    std::string exe = LOCATRIX_CLI_EXE;
    if (!exe.empty() && exe[0] == '/') // the build tree's path, as Wine's Z: drive shows it
        exe = "Z:" + exe;
    std::replace(exe.begin(), exe.end(), '/', '\\');
    std::string command = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &process))
        return -1;
    DWORD status = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &status);
    else
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

// A pixel of a PNG of 8-bit RGB in stored deflate blocks, as the window writes it.
COLORREF PngPixel(const std::string& png, int x, int y)
{
    const auto number = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<std::uint8_t>(png[at]) << 24 | static_cast<std::uint8_t>(png[at + 1]) << 16
                                     | static_cast<std::uint8_t>(png[at + 2]) << 8 | static_cast<std::uint8_t>(png[at + 3]));
    };
    const unsigned width = number(16);
    const std::size_t idat = png.find("IDAT");
    std::string raw;
    for (std::size_t at = idat + 6;;)
    {
        const std::size_t n = static_cast<std::uint8_t>(png[at + 1]) | static_cast<std::uint8_t>(png[at + 2]) << 8;
        raw += png.substr(at + 5, n);
        if (png[at] & 1)
            break;
        at += 5 + n;
    }
    const std::size_t at = (width * 3 + 1) * y + 1 + x * 3;
    return RGB(static_cast<std::uint8_t>(raw[at]), static_cast<std::uint8_t>(raw[at + 1]),
               static_cast<std::uint8_t>(raw[at + 2]));
}

std::string s_shownText;
int RememberMessage(HWND, const std::string& text, const std::string&, UINT)
{
    s_shownText = text;
    return IDOK;
}
}

// Saved as SVG the map is, byte for byte, what locatrix-cli map writes for the pair at the
// window's radius and picture size; as PNG it is the painted picture; a file that cannot be
// written is told by name.
TEST(MapWindow, SavesWhatTheCommandLineDrawsAndThePicture)
{
    CScratchKey key;
    CMapOnPair open(key, "ko85ts");
    CMapWnd& map = open.map;
    Key(map, VK_ADD); // a radius no one would type, to show it is carried exactly
    const RECT picture = map.PictureRect();
    const std::string svg = TempPath("locatrix_map_window.svg"), cli = TempPath("locatrix_map_cli.svg");
    ASSERT_TRUE(map.SavePicture(svg, false));
    const std::string saved = FileBytes(svg);
    EXPECT_NE(saved.find("width=\"" + std::to_string(picture.right) + "\" height=\"" + std::to_string(picture.bottom)),
              std::string::npos);
    EXPECT_NE(saved.find("JO62QM to KO85TS"), std::string::npos);

    char range[32];
    std::snprintf(range, sizeof(range), "%.17g", map.GetRadiusKm());
    ::DeleteFileA(cli.c_str());
    ASSERT_EQ(RunCli("map JO62QM ko85ts --range " + std::string(range) + " --size " + std::to_string(picture.right) + "x"
                     + std::to_string(picture.bottom) + " -o \"" + cli + "\""),
              0);
    EXPECT_TRUE(FileBytes(cli) == saved) << "the window's SVG differs from locatrix-cli's";
    // Another radius is another picture.
    Key(map, VK_ADD);
    ASSERT_TRUE(map.SavePicture(svg, false));
    EXPECT_FALSE(FileBytes(svg) == saved);

    const std::string png = TempPath("locatrix_map_window.png");
    ASSERT_TRUE(map.SavePicture(png, true));
    const std::string bytes = FileBytes(png);
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1A\n"));
    const CPicture painted(map);
    ASSERT_TRUE(painted.m_view);
    for (const MapPoint& p : {MapPoint{painted.m_view->GetFrame().centreX, painted.m_view->GetFrame().centreY},
                              painted.m_view->GetOther()->label.at, MapPoint{3, 3}})
        EXPECT_EQ(PngPixel(bytes, static_cast<int>(std::lround(p.X)), static_cast<int>(std::lround(p.Y))), painted.At(p));

    // Ctrl+S through the real save dialog: a name without an extension takes the chosen kind's.
    const auto saveAs = [&](const std::string& name) {
        CWhileModal answer([&] {
            HWND box = FindOwnedDialog(map, "Save the map");
            HWND edit = box ? ::GetDlgItem(box, edt1) : nullptr;
            if (box && !edit)
                edit = ::GetDlgItem(box, cmb13);
            if (!edit)
                return false;
            ::SetWindowTextA(edit, name.c_str());
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            return true;
        });
        CtrlKey(map, 'S');
    };
    const std::string chosen = TempPath("locatrix_map_dialog");
    saveAs(chosen);
    EXPECT_TRUE(FileBytes(chosen + ".svg") == map.Svg());
    saveAs(chosen + ".PNG");
    EXPECT_EQ(FileBytes(chosen + ".PNG").substr(0, 4), "\x89PNG");
    ::DeleteFileA((chosen + ".svg").c_str());
    ::DeleteFileA((chosen + ".PNG").c_str());

    const MessageBoxFn previous = SetMessageBoxFunction(RememberMessage);
    s_shownText.clear();
    const std::string nowhere = TempPath("no such folder\\map.svg");
    EXPECT_FALSE(map.SavePicture(nowhere, false));
    SetMessageBoxFunction(previous);
    EXPECT_NE(s_shownText.find("\"" + nowhere + "\""), std::string::npos) << s_shownText;
    for (const std::string& file : {svg, cli, png})
        ::DeleteFileA(file.c_str());
}
