#include "app/MapWnd.h"
#include "app/SettingsStore.h"
#include "calc/MapPlacement.h"
#include "framework/Font.h"
#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/PaintDC.h"
#include "framework/ScreenDpi.h"
#include "framework/MessageBoxSeam.h"
#include "framework/WinApp.h"
#include "formats/AtomicFile.h"
#include "formats/PngWriter.h"
#include "map/MapViewSvg.h"
#include "map/MapZoom.h"
#include <algorithm>
#include <cmath>
#include <commdlg.h>
#include <cstdint>
#include <cstring>
#include <vector>

const char CMapWnd::kClassName[] = "LocatrixMap";

namespace
{
const char kCaption[] = "Locatrix Map";
const char kNoPair[] =
    "No path to show yet.\n\nType your own locator into Local Locator and the other station's into "
    "Distant Locator, then press Calculate in DISTANCE: the map shows the path from your station.";
const COLORREF kGridColour = RGB(0x9D, 0xB4, 0xC8);
const COLORREF kGridTextColour = RGB(0x5D, 0x76, 0x8B);
const COLORREF kRingColour = RGB(0x80, 0x80, 0x80);
const COLORREF kTextColour = RGB(0x22, 0x22, 0x22);
const int kLegendLines = 4;
const char kStatusHint[] = "Point at a square for its locator; click it (or arrow keys, Enter) for the distant station.";
const SIZE kDefaultSize = {560, 640}; // at 96 DPI
const SIZE kSmallestSize = {240, 280};

BOOL CALLBACK AddScreen(HMONITOR monitor, HDC, LPRECT, LPARAM screens)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(screens)->push_back(
            ScreenRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
    return TRUE;
}

MapPlacement StoredPlacement(const std::string& keyPath)
{
    std::vector<ScreenRect> screens;
    ::EnumDisplayMonitors(nullptr, nullptr, AddScreen, reinterpret_cast<LPARAM>(&screens));
    return ReadMapPlacement(LoadNumbers(keyPath, MapPlacementNames()), screens, ScaleToScreen(kSmallestSize.cx),
                            ScaleToScreen(kSmallestSize.cy));
}

// The pointer's place in a mouse message, signed: left of or above the window it is negative.
int PointerX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int PointerY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// A length in pixels at 96 DPI at the DPI of the device context.
int Scaled(HDC dc, int pixels)
{
    return ::MulDiv(pixels, ::GetDeviceCaps(dc, LOGPIXELSY), USER_DEFAULT_SCREEN_DPI);
}

HFONT MakeFont(HDC dc, int points, int weight)
{
    LOGFONTA font = {};
    font.lfHeight = -::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
    return ::CreateFontIndirectA(&font);
}

int LineHeight(HDC dc, HFONT font)
{
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    return metrics.tmHeight;
}

std::vector<POINT> Points(const MapLine& line)
{
    std::vector<POINT> points;
    points.reserve(line.size());
    for (const MapPoint& p : line)
        points.push_back(POINT{static_cast<LONG>(std::lround(p.X)), static_cast<LONG>(std::lround(p.Y))});
    return points;
}

void DrawLines(HDC dc, const std::vector<MapLine>& lines, COLORREF colour, int width)
{
    CGdiObject<HPEN> pen;
    pen.Attach(::CreatePen(PS_SOLID, width, colour));
    HGDIOBJ old = ::SelectObject(dc, pen);
    for (const MapLine& line : lines)
    {
        const std::vector<POINT> points = Points(line);
        if (points.size() >= 2)
            ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
    ::SelectObject(dc, old);
}

void Circle(HDC dc, const MapPoint& centre, double radius)
{
    ::Ellipse(dc, static_cast<int>(std::lround(centre.X - radius)), static_cast<int>(std::lround(centre.Y - radius)),
              static_cast<int>(std::lround(centre.X + radius)) + 1, static_cast<int>(std::lround(centre.Y + radius)) + 1);
}

// Text centred on a point, or starting at it.
void Label(HDC dc, const MapPoint& at, const std::string& text, COLORREF colour, bool centred = true)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const int x = static_cast<int>(std::lround(centred ? at.X - size.cx / 2.0 : at.X));
    const int y = static_cast<int>(std::lround(at.Y - size.cy / 2.0));
    ::SetTextColor(dc, colour);
    ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// A station's marker and its name, on a white halo so it reads over land, sea and lines.
void Station(HDC dc, const MapMarker& marker, COLORREF colour, int size)
{
    CGdiObject<HBRUSH> fill;
    fill.Attach(::CreateSolidBrush(colour));
    CGdiObject<HPEN> outline;
    outline.Attach(::CreatePen(PS_SOLID, std::max(1, size / 3), RGB(0xFF, 0xFF, 0xFF)));
    HGDIOBJ oldBrush = ::SelectObject(dc, fill);
    HGDIOBJ oldPen = ::SelectObject(dc, outline);
    Circle(dc, marker.label.at, size);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    const MapPoint text{marker.label.at.X + size * 2, marker.label.at.Y - size * 2};
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            Label(dc, MapPoint{text.X + dx, text.Y + dy}, marker.label.text, RGB(0xFF, 0xFF, 0xFF), false);
    Label(dc, text, marker.label.text + (marker.inside ? "" : " (beyond the edge)"), colour, false);
}
}

CMapWnd::CMapWnd(const std::string& settingsKeyPath)
    : m_strSettingsKeyPath(settingsKeyPath), m_dStoredRadiusKm(StoredPlacement(settingsKeyPath).radiusKm)
{
}

CMapWnd::~CMapWnd()
{
    if (IsOpen())
        DestroyWindow();
}

bool CMapWnd::IsOpen() const
{
    return m_hWnd && ::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == this;
}

bool CMapWnd::Open(HWND owner)
{
    if (IsOpen())
    {
        if (::IsIconic(m_hWnd))
            ::ShowWindow(m_hWnd, SW_RESTORE);
        ::SetForegroundWindow(m_hWnd);
        ::BringWindowToTop(m_hWnd);
        return true;
    }
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExA(instance, kClassName, &windowClass))
    {
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
        windowClass.lpszClassName = kClassName;
        windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(128));
        if (!::RegisterClassExA(&windowClass))
            return false;
    }
    const MapPlacement placement = StoredPlacement(m_strSettingsKeyPath);
    const ScreenRect place = placement.window.value_or(
        ScreenRect{CW_USEDEFAULT, CW_USEDEFAULT, ScaleToScreen(kDefaultSize.cx), ScaleToScreen(kDefaultSize.cy)});
    HWND hWnd = ::CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place.left, place.top,
                                  placement.window ? place.right - place.left : place.right,
                                  placement.window ? place.bottom - place.top : place.bottom, owner, nullptr,
                                  instance, nullptr);
    if (!hWnd || !SubclassWindow(hWnd))
    {
        if (hWnd)
            ::DestroyWindow(hWnd);
        m_hWnd = nullptr;
        return false;
    }
    // The status line is a text of its own, which screen readers read like any other.
    m_hStatus = ::CreateWindowExA(0, "STATIC", kStatusHint, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP,
                                  0, 0, 0, 0, m_hWnd, nullptr, instance, nullptr);
    HDC screen = ::GetDC(m_hWnd);
    m_fontStatus.Attach(MakeFont(screen, 8, FW_NORMAL));
    ::ReleaseDC(m_hWnd, screen);
    ::SendMessageA(m_hStatus, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontStatus.m_hObject), FALSE);
    m_crosshair.reset();
    OnSize();
    Changed();
    ::ShowWindow(m_hWnd, SW_SHOW);
    return true;
}

void CMapWnd::ShowPair(const CMapLegend& pair)
{
    m_pair = pair;
    // The first pair of a session at the radius the last one ended with; each new pair fitted.
    m_dRadiusKm = m_dStoredRadiusKm > 0 ? ClampedMapRadius(m_dStoredRadiusKm) : FittingMapRadius(pair.GetKilometers());
    m_dStoredRadiusKm = 0;
    Changed();
}

void CMapWnd::SetAntennaHeading(std::optional<double> degrees)
{
    m_dHeading = degrees && std::isfinite(*degrees) ? degrees : std::nullopt;
    Changed();
}

void CMapWnd::SetRadiusKm(double km)
{
    m_dRadiusKm = ClampedMapRadius(km);
    Changed();
}

void CMapWnd::Zoom(int steps)
{
    if (m_pair)
        SetRadiusKm(ZoomedMapRadius(m_dRadiusKm, steps));
}

void CMapWnd::Changed()
{
    m_view.reset();
    if (!IsOpen())
        return;
    SetWindowText(m_pair ? std::string(kCaption) + " - " + m_pair->GetLocal().name + " to " + m_pair->GetDistant().name
                         : std::string(kCaption));
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

std::string CMapWnd::Summary() const
{
    return m_pair ? m_pair->Text() : std::string(kNoPair);
}

RECT CMapWnd::PictureRect() const
{
    RECT client = {}, status = {};
    GetClientRect(&client);
    if (m_hStatus)
        ::GetWindowRect(m_hStatus, &status);
    client.bottom = std::max(client.top, client.bottom - static_cast<LONG>(status.bottom - status.top));
    return client;
}

std::optional<CMapView> CMapWnd::ViewFor(HDC dc, const RECT& rect) const
{
    if (!m_pair)
        return std::nullopt;
    CGdiObject<HFONT> labelFont, legendFont;
    labelFont.Attach(MakeFont(dc, 8, FW_NORMAL));
    legendFont.Attach(MakeFont(dc, 9, FW_NORMAL));
    HGDIOBJ old = ::SelectObject(dc, labelFont);
    SIZE sample = {};
    ::GetTextExtentPoint32A(dc, "JO62QM", 6, &sample);
    ::SelectObject(dc, old);
    const double charHeight = LineHeight(dc, labelFont);
    const int legend = LineHeight(dc, legendFont) * kLegendLines + Scaled(dc, 12);
    const double width = rect.right - rect.left, height = rect.bottom - rect.top - legend;
    const double rim = std::max(10.0, std::min(width, height) / 2 - charHeight * 2);
    const MapFrame frame{rect.left + width / 2, rect.top + std::max(height, 0.0) / 2, rim};
    std::optional<Place> distant = m_pair->GetDistant();
    return CMapView(m_pair->GetLocal(), distant, frame, MapViewStyle{m_dRadiusKm, sample.cx / 6.0 + 1, charHeight});
}

void CMapWnd::Draw(HDC dc, const RECT& rect) const
{
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    CGdiObject<HFONT> legendFont;
    legendFont.Attach(MakeFont(dc, 9, FW_NORMAL));
    HGDIOBJ oldFont = ::SelectObject(dc, legendFont);
    const std::optional<CMapView> view = ViewFor(dc, rect);
    m_view = view; // for the pointer, without building it again
    if (!view)
    {
        RECT text = rect;
        ::InflateRect(&text, -Scaled(dc, 24), -Scaled(dc, 24));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::DrawTextA(dc, kNoPair, -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, oldFont);
        return;
    }
    DrawMap(dc, rect, *view);
    if (m_crosshair)
    {
        const MapFrame& frame = view->GetFrame();
        const double x = frame.centreX + m_crosshair->X, y = frame.centreY + m_crosshair->Y, arm = Scaled(dc, 8);
        DrawLines(dc, {MapLine{{x - arm, y}, {x + arm + 1, y}}, MapLine{{x, y - arm}, {x, y + arm + 1}}}, kRimColour,
                  Scaled(dc, 1));
    }

    // The legend under the map: the pair, both paths as the calculator gives them, the radius.
    const int line = LineHeight(dc, legendFont);
    int y = rect.bottom - line * kLegendLines - Scaled(dc, 6);
    const int x = rect.left + Scaled(dc, 10);
    ::SelectObject(dc, legendFont);
    const double radius = view->GetRadiusKm();
    const std::string texts[kLegendLines] = {
        m_pair->GetLocal().name + " to " + m_pair->GetDistant().name, m_pair->Line(false),
        m_pair->Line(true) + " (dashed)",
        "Radius " + std::to_string(std::lround(radius)) + " km" + (radius >= MapWorldKm() ? " (the whole world)" : "")
            + ": wheel or +/- zoom, Home fits the distant station"};
    const COLORREF colours[kLegendLines] = {kTextColour, kShortPathColour, kLongPathColour, kRingColour};
    for (int i = 0; i < kLegendLines; ++i, y += line)
        Label(dc, MapPoint{static_cast<double>(x), y + line / 2.0}, texts[i], colours[i], false);
    ::SelectObject(dc, oldFont);
}

void CMapWnd::DrawMap(HDC dc, const RECT&, const CMapView& view) const
{
    const MapFrame& frame = view.GetFrame();
    const MapPoint centre{frame.centreX, frame.centreY};
    const int line = Scaled(dc, 1);

    // Sea, then the land and every line on it inside the circle only.
    CGdiObject<HBRUSH> sea, land;
    sea.Attach(::CreateSolidBrush(kSeaColour));
    land.Attach(::CreateSolidBrush(kLandColour));
    HGDIOBJ oldBrush = ::SelectObject(dc, sea);
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    Circle(dc, centre, frame.rimRadius);
    CGdiObject<HRGN> disc;
    disc.Attach(::CreateEllipticRgn(static_cast<int>(std::lround(centre.X - frame.rimRadius)),
                                    static_cast<int>(std::lround(centre.Y - frame.rimRadius)),
                                    static_cast<int>(std::lround(centre.X + frame.rimRadius)) + 1,
                                    static_cast<int>(std::lround(centre.Y + frame.rimRadius)) + 1));
    ::SelectClipRgn(dc, disc);
    std::vector<POINT> points;
    std::vector<INT> counts;
    for (const MapLine& ring : view.GetLand())
    {
        const std::vector<POINT> ringPoints = Points(ring);
        points.insert(points.end(), ringPoints.begin(), ringPoints.end());
        counts.push_back(static_cast<INT>(ringPoints.size()));
    }
    ::SelectObject(dc, land);
    ::SetPolyFillMode(dc, ALTERNATE);
    if (!counts.empty())
        ::PolyPolygon(dc, points.data(), counts.data(), static_cast<int>(counts.size()));
    DrawLines(dc, view.GetGridLines(), kGridColour, line);

    CGdiObject<HPEN> ringPen;
    ringPen.Attach(::CreatePen(PS_DOT, 1, kRingColour));
    ::SelectObject(dc, ringPen);
    ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    for (const MapRangeRing& ring : view.GetRangeRings())
        Circle(dc, centre, ring.radius);

    DrawLines(dc, DashedLines(view.GetPath(true), 8.0 * line, 5.0 * line), kLongPathColour, 2 * line);
    DrawLines(dc, view.GetPath(false), kShortPathColour, 2 * line + line / 2);
    if (m_dHeading)
        DrawLines(dc, {view.HeadingLine(*m_dHeading)}, kHeadingColour, 2 * line);
    ::SelectClipRgn(dc, nullptr);

    // The rim, its bearings, and the names on top of everything.
    CGdiObject<HPEN> rimPen;
    rimPen.Attach(::CreatePen(PS_SOLID, line, kRimColour));
    ::SelectObject(dc, rimPen);
    Circle(dc, centre, frame.rimRadius);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    std::vector<MapLine> ticks;
    for (const MapTick& tick : view.GetTicks())
        ticks.push_back(MapLine{tick.inner, tick.outer});
    DrawLines(dc, ticks, kRimColour, line);

    CGdiObject<HFONT> labelFont;
    labelFont.Attach(MakeFont(dc, 8, FW_NORMAL));
    HGDIOBJ oldFont = ::SelectObject(dc, labelFont);
    for (const MapLabel& label : view.GetTickLabels())
        Label(dc, label.at, label.text, kRimColour);
    for (const MapLabel& label : view.GetGridLabels())
        Label(dc, label.at, label.text, kGridTextColour);
    for (const MapRangeRing& ring : view.GetRangeRings())
        Label(dc, ring.label.at, ring.label.text, kRingColour, false);
    CGdiObject<HFONT> stationFont;
    stationFont.Attach(MakeFont(dc, 9, FW_BOLD));
    ::SelectObject(dc, stationFont);
    if (view.GetOther())
        Station(dc, *view.GetOther(), kLongPathColour, Scaled(dc, 4));
    Station(dc, view.GetCentre(), kShortPathColour, Scaled(dc, 4));
    ::SelectObject(dc, oldFont);
}

LRESULT CMapWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything, from a bitmap drawn off screen
    case WM_PRINTCLIENT:
        Draw(reinterpret_cast<HDC>(wParam), PictureRect());
        return 0;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_CTLCOLORSTATIC: // the status line on the picture's background
        ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    case WM_MOUSEMOVE:
        OnMouseMove(PointerX(lParam), PointerY(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(PointerX(lParam), PointerY(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_GETMINMAXINFO:
    {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{ScaleToScreen(kSmallestSize.cx), ScaleToScreen(kSmallestSize.cy)};
        return 0;
    }
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CMapWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const RECT picture = PictureRect();
    if (picture.right <= 0 || picture.bottom <= 0)
        return;
    CMemoryDC buffer(dc, picture.right, picture.bottom);
    Draw(buffer, picture);
    ::BitBlt(dc, 0, 0, picture.right, picture.bottom, buffer, 0, 0, SRCCOPY);
    // Round the status line, which paints itself.
    RECT below = {};
    GetClientRect(&below);
    below.top = picture.bottom;
    ::FillRect(dc, &below, ::GetSysColorBrush(COLOR_WINDOW));
}

void CMapWnd::OnSize()
{
    RECT client = {};
    GetClientRect(&client);
    HDC dc = ::GetDC(m_hWnd);
    const int line = LineHeight(dc, m_fontStatus) + Scaled(dc, 4);
    const int margin = Scaled(dc, 6);
    ::ReleaseDC(m_hWnd, dc);
    ::MoveWindow(m_hStatus, margin, client.bottom - line, std::max(0L, client.right - 2 * margin), line, TRUE);
    Changed();
}

std::optional<LatLon> CMapWnd::PositionAt(const MapPoint& at) const
{
    if (!m_view)
    {
        HDC dc = ::GetDC(m_hWnd);
        m_view = ViewFor(dc, PictureRect());
        ::ReleaseDC(m_hWnd, dc);
    }
    LatLon point;
    if (m_view && m_view->FromFrame(at, point))
        return point;
    return std::nullopt;
}

void CMapWnd::ShowStatus(const std::optional<LatLon>& point)
{
    ::SetWindowTextA(m_hStatus, point && m_pair ? m_pair->PointText(*point).c_str() : kStatusHint);
}

void CMapWnd::OnMouseMove(int x, int y)
{
    ShowStatus(PositionAt(MapPoint{static_cast<double>(x), static_cast<double>(y)}));
}

void CMapWnd::OnLButtonDown(int x, int y)
{
    ::SetFocus(m_hWnd);
    const std::optional<LatLon> point = PositionAt(MapPoint{static_cast<double>(x), static_cast<double>(y)});
    if (point && m_pfnPicked)
        m_pfnPicked(*point);
}

void CMapWnd::MoveCrosshair(int dx, int dy)
{
    if (!m_pair)
        return;
    HDC dc = ::GetDC(m_hWnd);
    const int step = Scaled(dc, 4);
    ::ReleaseDC(m_hWnd, dc);
    MapPoint next = m_crosshair.value_or(MapPoint{0, 0});
    next = MapPoint{next.X + dx * step, next.Y + dy * step};
    if (!m_view)
        PositionAt(MapPoint{0, 0});
    // It stays on the map.
    if (m_view && std::hypot(next.X, next.Y) > m_view->GetFrame().rimRadius)
        return;
    m_crosshair = next;
    if (m_view)
        ShowStatus(PositionAt(MapPoint{m_view->GetFrame().centreX + next.X, m_view->GetFrame().centreY + next.Y}));
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

// Where it was and at which radius, for the next time it opens.
void CMapWnd::OnDestroy()
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    RECT window = {};
    if (::IsIconic(m_hWnd) || ::IsZoomed(m_hWnd))
    {
        if (!::GetWindowPlacement(m_hWnd, &placement))
            return;
        window = placement.rcNormalPosition;
    }
    else
    {
        ::GetWindowRect(m_hWnd, &window);
    }
    SaveSettings(m_strSettingsKeyPath, MapPlacementValues(ScreenRect{window.left, window.top, window.right, window.bottom},
                                                          m_dRadiusKm > 0 ? m_dRadiusKm : m_dStoredRadiusKm));
}

void CMapWnd::OnKeyDown(WPARAM key)
{
    switch (key)
    {
    case VK_ESCAPE: DestroyWindow(); break;
    case VK_ADD:
    case VK_OEM_PLUS: Zoom(1); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: Zoom(-1); break;
    case VK_LEFT: MoveCrosshair(-1, 0); break;
    case VK_RIGHT: MoveCrosshair(1, 0); break;
    case VK_UP: MoveCrosshair(0, -1); break;
    case VK_DOWN: MoveCrosshair(0, 1); break;
    case VK_RETURN:
        if (m_crosshair && m_view && m_pfnPicked)
        {
            const MapFrame& frame = m_view->GetFrame();
            if (const auto point = PositionAt(MapPoint{frame.centreX + m_crosshair->X, frame.centreY + m_crosshair->Y}))
                m_pfnPicked(*point);
        }
        break;
    case 'C':
        if (::GetKeyState(VK_CONTROL) < 0)
            CopyToClipboard();
        break;
    case 'S':
        if (::GetKeyState(VK_CONTROL) < 0)
            OnSave();
        break;
    case VK_HOME:
        if (m_pair)
            SetRadiusKm(FittingMapRadius(m_pair->GetKilometers()));
        break;
    default: Default();
    }
}

void CMapWnd::OnMouseWheel(int delta)
{
    m_nWheel += delta;
    const int steps = m_nWheel / WHEEL_DELTA;
    m_nWheel -= steps * WHEEL_DELTA;
    if (steps)
        Zoom(steps);
}

void CMapWnd::CopyToClipboard() const
{
    const RECT picture = PictureRect();
    if (picture.right <= 0 || picture.bottom <= 0 || !::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    HDC screen = ::GetDC(m_hWnd);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, picture.right, picture.bottom);
    ::ReleaseDC(m_hWnd, screen);
    if (memory && bitmap)
    {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        Draw(memory, picture);
        ::SelectObject(memory, old);
        // The clipboard owns the bitmap from now on.
        if (::SetClipboardData(CF_BITMAP, bitmap))
            bitmap = nullptr;
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memory)
        ::DeleteDC(memory);
    const std::string text = Summary();
    if (HGLOBAL global = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1))
    {
        if (void* data = ::GlobalLock(global))
        {
            std::memcpy(data, text.c_str(), text.size() + 1);
            ::GlobalUnlock(global);
        }
        if (!::SetClipboardData(CF_TEXT, global))
            ::GlobalFree(global);
    }
    ::CloseClipboard();
}

std::string CMapWnd::Svg() const
{
    if (!m_pair)
        return std::string();
    const RECT picture = PictureRect();
    const int width = std::clamp(static_cast<int>(picture.right - picture.left), CMapViewSvg::kSmallestSide,
                                 CMapViewSvg::kLargestSide);
    const int height = std::clamp(static_cast<int>(picture.bottom - picture.top), CMapViewSvg::kSmallestSide,
                                  CMapViewSvg::kLargestSide);
    return m_pair->Svg(m_dRadiusKm, width, height);
}

namespace
{
// The picture painted off screen as the window paints it, as rows of red, green and blue.
std::vector<std::uint8_t> PaintedPixels(const CMapWnd& map, const RECT& picture)
{
    const int width = picture.right, height = picture.bottom;
    HDC screen = ::GetDC(map.m_hWnd);
    CMemoryDC buffer(screen, width, height);
    ::ReleaseDC(map.m_hWnd, screen);
    map.Draw(buffer, picture);
    const std::vector<std::uint8_t> bgrx = buffer.ReadPixels(width, height);
    std::vector<std::uint8_t> rgb;
    if (bgrx.empty())
        return rgb;
    rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < bgrx.size(); i += 4)
        rgb.insert(rgb.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
    return rgb;
}
}

bool CMapWnd::SavePicture(const std::string& path, bool png)
{
    std::string bytes, error = "there is no map to save yet";
    if (png)
    {
        const RECT picture = PictureRect();
        if (picture.right > 0 && picture.bottom > 0)
            bytes = CPngWriter::Encode(picture.right, picture.bottom, PaintedPixels(*this, picture));
        if (bytes.empty())
            error = "the picture could not be drawn";
    }
    else
    {
        bytes = Svg();
    }
    if (!bytes.empty() && CAtomicFile::Write(path, bytes, error))
        return true;
    ShowMessageBox(m_hWnd, "The map could not be saved as \"" + path + "\":\n" + error, kCaption,
                   MB_OK | MB_ICONERROR);
    return false;
}

void CMapWnd::OnSave()
{
    if (!m_pair)
        return;
    char file[MAX_PATH] = {};
    const std::string suggested = m_pair->GetLocal().name + "-" + m_pair->GetDistant().name;
    lstrcpynA(file, suggested.c_str(), MAX_PATH);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_hWnd;
    dialog.lpstrFilter = "SVG picture (*.svg)\0*.svg\0PNG picture (*.png)\0*.png\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "svg";
    dialog.lpstrTitle = "Save the map";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!::GetSaveFileNameA(&dialog))
        return;
    // The name's own extension decides; without one, the chosen kind.
    std::string path = file;
    std::string extension = path.size() > 4 ? path.substr(path.size() - 4) : std::string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    SavePicture(path, extension == ".png" || (extension != ".svg" && dialog.nFilterIndex == 2));
}
