// The great-circle map window: modeless, resizable, owned by the calculator. It shows the pair
// of the last distance calculation on the map, from the whole world down to 50 km (wheel and
// +/- zoom about the centre, Home fits the distant station), with a legend of both paths, and
// the antenna's heading when it is known. Esc or the close box closes it alone.
#pragma once
#include "calc/MapLegend.h"
#include "framework/Font.h"
#include "framework/Wnd.h"
#include "map/MapView.h"
#include <functional>
#include <optional>
#include <string>

class CMapWnd : public CWnd
{
public:
    static constexpr COLORREF kSeaColour = RGB(0xDA, 0xEA, 0xF6);
    static constexpr COLORREF kLandColour = RGB(0xDC, 0xE6, 0xC6);
    static constexpr COLORREF kShortPathColour = RGB(0xC8, 0x10, 0x2E);
    static constexpr COLORREF kLongPathColour = RGB(0x1F, 0x5F, 0xBF);
    static constexpr COLORREF kRimColour = RGB(0x33, 0x33, 0x33);
    static constexpr COLORREF kHeadingColour = RGB(0xE0, 0x80, 0x00);
    static const char kClassName[];

    // Placement, size and radius are kept under the settings key.
    explicit CMapWnd(const std::string& settingsKeyPath);
    ~CMapWnd() override;

    // Opens the window owned by owner, or brings it forward when it is open.
    bool Open(HWND owner);
    bool IsOpen() const;

    // The pair of a successful distance calculation: the view fits the distant station again.
    void ShowPair(const CMapLegend& pair);
    // The antenna's heading in degrees, drawn from the centre to the edge; none hides it.
    void SetAntennaHeading(std::optional<double> degrees);
    double GetRadiusKm() const { return m_dRadiusKm; }
    void SetRadiusKm(double km);

    // Called with the position the user clicked, or chose with the cross-hair and Enter.
    void SetPickHandler(std::function<void(const LatLon&)> pfnPicked) { m_pfnPicked = std::move(pfnPicked); }
    // The client area but the status line, where the picture goes.
    RECT PictureRect() const;

    // The map as painted into a rectangle of a device context: none when there is no pair
    // yet, and the words say what to do.
    std::optional<CMapView> ViewFor(HDC dc, const RECT& rect) const;
    void Draw(HDC dc, const RECT& rect) const;
    // What the picture shows, in words: the legend, or what to do first.
    std::string Summary() const;
    // The picture as SVG (what locatrix-cli map writes for the pair at this radius and the
    // picture's size) or as PNG (the bitmap the window paints), replacing the file whole; a
    // failure is told in a message box naming the file, and answers false.
    bool SavePicture(const std::string& path, bool png);
    // The SVG document for the picture as it is now; empty before a pair.
    std::string Svg() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnDestroy();
    void OnKeyDown(WPARAM key);
    void OnSize();
    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void MoveCrosshair(int dx, int dy);
    // The picture as a bitmap and the legend as text.
    void CopyToClipboard() const;
    // Ctrl+S: asks where, then saves.
    void OnSave();
    // The position under a point of the picture, when it is on the map.
    std::optional<LatLon> PositionAt(const MapPoint& at) const;
    void ShowStatus(const std::optional<LatLon>& point);
    void OnMouseWheel(int delta);
    void Zoom(int steps);
    void Changed();
    void DrawMap(HDC dc, const RECT& rect, const CMapView& view) const;

    std::optional<CMapLegend> m_pair;
    std::optional<double> m_dHeading;
    double m_dRadiusKm = 0;
    int m_nWheel = 0; // wheel movement not yet a whole step
    std::string m_strSettingsKeyPath;
    std::function<void(const LatLon&)> m_pfnPicked;
    HWND m_hStatus = nullptr;
    CFont m_fontStatus;
    std::optional<MapPoint> m_crosshair; // from the centre, in pixels
    mutable std::optional<CMapView> m_view; // as last painted, for the pointer
    double m_dStoredRadiusKm = 0; // the radius of the last session, for the first pair of this one
};
