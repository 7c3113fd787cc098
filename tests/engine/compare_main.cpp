// engine_compare [COUNT [SEED]]: the same pseudo-random inputs through the engine, natively and as
// a Windows program under Wine, for compare.sh to compare line by line. Doubles are printed as their
// 64 bits in hex. A path line prints the steps of the bearing and distance formulas in the order
// worked out, each sine, cosine and arc cosine as "fn:argument=result", so that compare.sh can
// tell a difference that starts in the runtime's trigonometry.
#include "base/NumberText.h"
#include "engine/GeoPoint.h"
#include "engine/LocatorCodec.h"
#include "engine/PathCalc.h"
#include "engine/PathTrace.h"
#include "tests/support/SplitMix.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

std::string g_line;

void Put(const std::string& field)
{
    g_line += ' ';
    g_line += field;
}

std::string Hex(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    char s[20];
    std::snprintf(s, sizeof s, "%016" PRIx64, b);
    return s;
}

void Trig(const char* fn, double argument, double result)
{
    Put(fn + (":" + Hex(argument)) + "=" + Hex(result));
}

// No two draws from the generator share an expression: the compiler would choose their order.

// Positions: plain, on and beside the lines of the 10-character squares, at the edges, odd values.
double Coordinate(SplitMix& r, double limit, double step)
{
    static const double odd[] = {std::numeric_limits<double>::quiet_NaN(), kInf, -kInf, 1e300, 4.9e-324, -0.0,
                                 89.9999999999999, 179.99999999999997, -90.00000000000001};
    const int kind = r.Below(5);
    if (kind == 0)
        return r.Uniform(-limit * 1.2, limit * 1.2);
    if (kind == 1)
        return odd[r.Below(9)];
    // A grid line or an edge, moved by a unit of the last place or by about the encoder's 1e-7.
    const double line = kind == 2 ? (r.Below(2) ? limit : -limit) : std::floor(r.Uniform(-limit, limit) / step) * step;
    const int move = r.Below(3);
    if (move == 0)
        return std::nextafter(line, r.Below(2) ? kInf : -kInf);
    return move == 1 ? line + (r.Below(41) - 20) * 1e-7 : line;
}

// A position in decimal degrees: its locator, and every field of the point, exactly and as shown.
void PositionCase(SplitMix& r)
{
    const double lat = Coordinate(r, 90, 1.0 / 5760);
    const double lon = Coordinate(r, 180, 1.0 / 2880);
    CGeoPoint p;
    const int latOk = p.SetLatitude(lat);
    Put(Hex(lat) + " " + Hex(lon) + " " + EncodeLocator(lat, lon) + " " + std::to_string(latOk + 2 * p.SetLongitude(lon)));
    const double v[] = {p.GetLatitude(),       p.GetLongitude(),       p.GetLatitudeDegree(),
                        p.GetLatitudeMinute(),  p.GetLatitudeSecond(),  p.GetLongitudeDegree(),
                        p.GetLongitudeMinute(), p.GetLongitudeSecond()};
    const int shownDecimals[] = {6, 6, 0, 0, 2, 0, 0, 2};
    for (int k = 0; k < 8; ++k)
        Put(Hex(v[k]) + "=" + FormatFixed(v[k], shownDecimals[k]));
    Put(p.GetLocator());
}

// Anywhere, near the antipode (where the law of cosines runs past -1), or on or beside the
// same meridian (where the bearing's argument does); 6 to 12 characters.
void PathCase(SplitMix& r)
{
    const double lat = r.Uniform(-90, 90);
    const double lon = r.Uniform(-180, 180);
    const int mode = r.Below(5);
    const double lat2 = mode == 0 ? -lat : r.Uniform(-90, 90);
    const double lon2 = mode == 0 ? (lon > 0 ? lon - 180 : lon + 180) : mode < 3 ? lon : r.Uniform(-180, 180);
    std::string a = EncodeLocator(lat, lon) + "QZ";
    std::string b = EncodeLocator(lat2, lon2) + "ZQ";
    if (mode == 2)
        b[8] = static_cast<char>(b[8] == 'A' ? 'B' : b[8] - 1);
    a.resize(6 + r.Below(7));
    b.resize(6 + r.Below(7));
    CPathCalc path;
    Put(a + " " + b + " " + std::to_string(path.SetLocations(a, b)));
    PadLocator(a);  // as CPathCalc keeps them
    PadLocator(b);
    locatrix::BearingTrace t;
    locatrix::TraceBearing(DecodeLocator(a), DecodeLocator(b), t);
    const locatrix::CentralAngleTrace& c = t.c;
    // Everything that needs no trigonometry first. The arc cosines' arguments are q and the
    // bearing's argument, worked out from the values before them.
    for (double v : {c.phi1, c.phi2, c.lambda1, c.lambda2, t.delta})
        Put(Hex(v));
    Trig("cos", c.lambda1 - c.lambda2, c.cosDeltaLambda);
    Trig("cos", c.phi2, c.cosPhi2);
    Trig("cos", c.phi1, c.cosPhi1);
    Trig("sin", c.phi1, c.sinPhi1);
    Trig("sin", c.phi2, c.sinPhi2);
    Trig("acos", c.q, c.d);
    Trig("sin", t.delta, t.sinDelta);
    Trig("cos", c.d, t.cosD);
    Trig("sin", c.d, t.sinD);
    Trig("acos", t.arg, t.acosArg);
    for (double v : {path.GetBearing(), path.GetNauticalMiles(), path.GetStatuteMiles(), path.GetKilometers()})
        Put(Hex(v) + "=" + FormatFixed(v, 1));
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::atol(argv[1]) : 300000;
    SplitMix r{argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20240601ull};
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    using Case = void (*)(SplitMix&);
    static const Case cases[] = {PathCase, PathCase, PositionCase};
    for (long i = 0; i < count; ++i) {
        g_line = (i % 3 < 2 ? "P " : "G ") + std::to_string(i);
        cases[i % 3](r);
        g_line += '\n';
        std::fputs(g_line.c_str(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
