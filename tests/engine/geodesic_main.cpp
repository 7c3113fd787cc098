// geodesic_lines: for each line "LAT1 LON1 LAT2 LON2" of standard input, the WGS84 geodesic
// as "METRES AZIMUTH1 AZIMUTH2" for the short and then the long path, to the last digit a double
// holds, for geodesic_test.py.
#include "engine/Geodesic.h"

#include <cstdio>

int main()
{
    LatLon a, b;
    while (std::scanf("%lf %lf %lf %lf", &a.Latitude, &a.Longitude, &b.Latitude, &b.Longitude) == 4) {
        for (bool longPath : {false, true}) {
            const CGeodesic g(a, b, longPath);
            std::printf("%.17g %.17g %.17g%c", g.GetMetres(), g.GetInitialAzimuth(), g.GetFinalAzimuth(),
                        longPath ? '\n' : ' ');
        }
    }
    return 0;
}
