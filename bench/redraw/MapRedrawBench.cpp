// The map window's full redraw into a 1000 x 1000 bitmap, as its paint does it (the map built
// for the size and drawn with GDI), for the whole world and for the fitted view of JO62QM to
// KO85TS: the mean and the fastest of a number of rounds in milliseconds.
#include "app/MapWnd.h"
#include "map/MapZoom.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    CMapWnd map("SOFTWARE\\Norvane\\Locatrix\\RedrawBench");
    CMapLegend pair;
    pair.SetLocations("JO62QM", "KO85TS");
    map.ShowPair(pair);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 1000, 1000);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const RECT rect = {0, 0, 1000, 1000};
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    for (double radius : {MapWorldKm(), FittingMapRadius(pair.GetKilometers()), 50.0})
    {
        map.SetRadiusKm(radius);
        map.Draw(dc, rect); // the land decoded once, as before the first paint
        double total = 0, best = 1e9;
        for (int i = 0; i < rounds; ++i)
        {
            ::QueryPerformanceCounter(&start);
            map.Draw(dc, rect);
            ::GdiFlush();
            ::QueryPerformanceCounter(&end);
            const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
            total += ms;
            best = ms < best ? ms : best;
        }
        std::printf("redraw 1000x1000 at %.0f km: mean %.2f ms, fastest %.2f ms (%d rounds)\n", radius, total / rounds,
                    best, rounds);
    }
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return 0;
}
