// The map window painted as it paints itself, into a bitmap of its picture, for its pixels.
#pragma once
#include "app/MapWnd.h"
#include "tests/controls/PixelCanvas.h"
#include <cmath>
#include <optional>

struct CPicture
{
    explicit CPicture(CMapWnd& map) : m_client(Client(map)), m_canvas(m_client.right, m_client.bottom, RGB(1, 2, 3))
    {
        ::SendMessageA(map, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_canvas.m_hDC), PRF_CLIENT);
        m_view = map.ViewFor(m_canvas.m_hDC, m_client);
    }
    static RECT Client(const CMapWnd& map) { return map.PictureRect(); }
    COLORREF At(const MapPoint& p) const
    {
        return ::GetPixel(m_canvas.m_hDC, static_cast<int>(std::lround(p.X)), static_cast<int>(std::lround(p.Y)));
    }
    // How many pixels of a colour lie within a few pixels of a point.
    int Near(const MapPoint& p, COLORREF colour, int reach = 2) const
    {
        int count = 0;
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy)
                count += At(MapPoint{p.X + dx, p.Y + dy}) == colour;
        return count;
    }
    RECT m_client;
    CPixelCanvas m_canvas;
    std::optional<CMapView> m_view;
};
