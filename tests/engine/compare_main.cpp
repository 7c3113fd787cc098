// engine_compare: the same pseudo-random inputs through the whole engine, natively and as a
// Windows program under Wine; compare.sh compares the two outputs line by line. Doubles are
// printed as their 64 bits in hex, texts as hex bytes, the window's formatted strings as they
// are. Path lines also carry every intermediate of the bearing and distance formulas, so that
// a difference can be traced to the trigonometric call where it starts.
//
// engine_compare [COUNT [SEED]]
#include "Characters.h"
#include "GeoPoint.h"
#include "LocatorCodec.h"
#include "NumberText.h"
#include "PathCalc.h"
#include "PathTrace.h"
#include "SplitMix.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string g_line;

// One field of the line: printf's format and values.
template <class... Values>
void Put(const char* format, Values... values)
{
    char s[400];
    std::snprintf(s, sizeof s, format, values...);
    g_line += ' ';
    g_line += s;
}

void Begin(const char* kind, long i)
{
    g_line = kind;
    Put("%ld", i);
}

void End()
{
    g_line += '\n';
    std::fputs(g_line.c_str(), stdout);
}

void Bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    Put("%016" PRIx64, b);
}

// Hex bytes: blanks and any byte survive.
void Text(const std::string& s)
{
    std::string hex = "'";
    for (unsigned char c : s) {
        hex += "0123456789abcdef"[c >> 4];
        hex += "0123456789abcdef"[c & 15];
    }
    Put("%s", hex.c_str());
}

// No two draws from the generator share an expression: the compiler would choose their order.

// Positions: plain, on and beside the grid lines, at and beyond the edges, not numbers.
double Coordinate(SplitMix& r, double limit, double step)
{
    const int kind = r.Below(10);
    if (kind < 3)
        return r.Uniform(-limit, limit);
    if (kind < 5) {
        // A grid line of the 10-character squares, moved by a few units of the last place
        // or by about the 1e-7 that the encoder adds.
        const double v = std::floor(r.Uniform(-limit, limit) / step) * step;
        const int move = r.Below(4);
        if (move == 0)
            return std::nextafter(v, r.Below(2) ? kInf : -kInf);
        if (move == 1)
            return v + (r.Below(41) - 20) * step * 1e-3;
        return move == 2 ? v + (r.Below(41) - 20) * 1e-7 : v;
    }
    if (kind == 5)
        return r.Uniform(-limit * 1.2, limit * 1.2);
    if (kind == 6) {
        const double edges[] = {limit, -limit, limit - 1e-6, -limit - 1e-6, limit - 2e-6, limit + 1e-9, 0.0, -0.0};
        const double edge = edges[r.Below(8)];
        const int side = r.Below(3) - 1;
        return edge + side * r.Unit() * 1e-6;
    }
    if (kind == 7) {
        // Decimal texts as typed: a few digits.
        static const double scales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
        const double scale = scales[r.Below(7)];
        return std::floor(r.Uniform(-limit, limit) * scale) / scale;
    }
    if (kind == 8) {
        const double odd[] = {kNaN, kInf, -kInf, 1e300, -1e300, 4.9e-324, limit * 1e6,
                              89.9999999999999, 179.99999999999997, -90.00000000000001};
        return odd[r.Below(10)];
    }
    // Any 64 bits but signalling NaNs: the 32-bit calling convention returns doubles in an
    // x87 register, which quiets them on the way.
    std::uint64_t b = r.Next();
    if ((b & 0x7FF0000000000000ull) == 0x7FF0000000000000ull && (b & 0x000FFFFFFFFFFFFFull) != 0)
        b |= 0x0008000000000000ull;
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// Every field of the point, exactly and as the window shows it, and its locator.
void Point(CGeoPoint& p)
{
    static const char* const shown[] = {"%f", "%f", "%.0f", "%.0f", "%.2f", "%.0f", "%.0f", "%.2f"};
    const double v[] = {p.GetLatitude(),       p.GetLongitude(),       p.GetLatitudeDegree(),
                        p.GetLatitudeMinute(),  p.GetLatitudeSecond(),  p.GetLongitudeDegree(),
                        p.GetLongitudeMinute(), p.GetLongitudeSecond()};
    for (double x : v)
        Bits(x);
    for (int k = 0; k < 8; ++k)
        Put(shown[k], v[k]);
    Put("%s", p.GetLocator().c_str());
}

// Decimal degrees to a locator, and into a point.
void DecimalCase(SplitMix& r, long i)
{
    const double lat = Coordinate(r, 90, 1.0 / 5760);
    const double lon = Coordinate(r, 180, 1.0 / 2880);
    CGeoPoint p;
    Begin("G", i);
    Bits(lat);
    Bits(lon);
    Put("%s", EncodeLocator(lat, lon).c_str());
    Put("%d", p.SetLatitude(lat));
    Put("%d", p.SetLongitude(lon));
    Point(p);
}

// A degree, minute or second: whole, to the hundredth, out of range, at or a hair below the
// limit, minus zero or NaN.
double DmsPart(SplitMix& r, double limit)
{
    switch (r.Below(8)) {
    case 0:
    case 1:
        return r.Below(static_cast<int>(limit));
    case 2:
        return std::floor(r.Uniform(0, limit) * 100) / 100;
    case 3:
        return r.Uniform(-limit * 0.2, limit * 1.2);
    case 4:
        return limit - r.Below(3) * 0.005;
    case 5:
        return std::nextafter(limit, 0.0);
    case 6:
        return r.Below(4) == 0 ? kNaN : -0.0;
    default:
        return r.Uniform(0, limit);
    }
}

void DmsCase(SplitMix& r, long i)
{
    static const char letters[] = "NSEWsw\0x";
    static const double limits[] = {90, 60, 60, 180, 60, 60};
    double v[6];
    for (int k = 0; k < 6; ++k)
        v[k] = DmsPart(r, limits[k]);
    const char h1 = letters[r.Below(8)];
    const char h2 = letters[r.Below(8)];
    CGeoPoint p;
    Begin("D", i);
    for (double x : v)
        Bits(x);
    Put("%d %d", h1, h2);
    Put("%d", p.SetLatitudeDMS(v[0], v[1], v[2], h1));
    Put("%d", p.SetLongitudeDMS(v[3], v[4], v[5], h2));
    Point(p);
}

// A locator text: mostly well-formed, of every length from 0 to 12, sometimes in lower
// case, sometimes with blanks or any byte at all.
std::string LocatorText(SplitMix& r)
{
    static const char classes[] = "**##**##**##";
    const int length = r.Below(13);
    const int mode = r.Below(10);
    std::string s;
    for (int k = 0; k < length; ++k) {
        char c;
        if (mode == 9) {
            c = static_cast<char>(r.Below(256));
        } else if (classes[k] == '#') {
            c = static_cast<char>('0' + r.Below(10));
        } else {
            const bool lower = mode == 7 || (mode == 6 && r.Below(2));
            c = static_cast<char>((lower ? 'a' : 'A') + r.Below(mode == 8 ? 26 : k < 2 ? 18 : 24));
        }
        if (mode == 5 && r.Below(6) == 0)
            c = " \t\r\n"[r.Below(4)];
        s += c;
    }
    return s;
}

void LocatorCase(SplitMix& r, long i)
{
    const std::string text = LocatorText(r);
    Begin("L", i);
    Text(text);
    Put("%d", IsValidLocator(text));
    std::string padded = text;
    PadLocator(padded);
    Text(padded);
    const LatLon raw = DecodeLocator(text);
    Bits(raw.Latitude);
    Bits(raw.Longitude);
    CGeoPoint p;
    Put("%d", p.SetLocator(text));
    Point(p);
}

// The text as CPathCalc stores it: upper case, padded.
std::string Stored(std::string s)
{
    ToUpper(s);
    PadLocator(s);
    return s;
}

void PathLine(const char* kind, long i, const std::string& a, const std::string& b)
{
    Begin(kind, i);
    Text(a);
    Text(b);
    CPathCalc path;
    const bool accepted = path.SetLocations(a, b);
    Put("%d", accepted);
    if (!accepted)
        return;
    locatrix::BearingTrace t;
    locatrix::TraceBearing(DecodeLocator(Stored(a)), DecodeLocator(Stored(b)), t);
    // The fields' order is compare.sh's contract: see there.
    Put("%s", "|");
    for (double v : {t.c.phi1, t.c.phi2, t.c.lambda1, t.c.lambda2, t.c.lambda1 - t.c.lambda2, t.delta})
        Bits(v);
    Put("%s", "|");
    for (double v : {t.c.cosDeltaLambda, t.c.cosPhi2, t.c.cosPhi1, t.c.sinPhi1, t.c.sinPhi2, t.c.q, t.c.d,
                     t.sinDelta, t.cosD, t.sinD, t.arg, t.acosArg, t.t})
        Bits(v);
    Put("%s", "|");
    const double results[] = {path.GetBearing(), path.GetNauticalMiles(), path.GetStatuteMiles(),
                              path.GetKilometers()};
    for (double v : results)
        Bits(v);
    for (double v : results)
        Put("%.1f", v);
}

void PathCase(SplitMix& r, long i)
{
    std::string a = LocatorText(r);
    std::string b = LocatorText(r);
    const int mode = r.Below(10);
    if (mode < 6) {
        // Well-formed pairs of 6 to 12 characters.
        const double lat = r.Uniform(-90, 90);
        const double lon = r.Uniform(-180, 180);
        a = (EncodeLocator(lat, lon) + "QZ").substr(0, 6 + r.Below(7));
        if (mode < 2) {
            // Near the antipode, where the law of cosines runs past -1.
            b = EncodeLocator(-lat, lon > 0 ? lon - 180 : lon + 180);
        } else if (mode < 4) {
            // On or next to the same meridian, where the bearing's argument runs past +-1.
            b = EncodeLocator(r.Uniform(-90, 90), lon);
            if (mode == 3)
                b[8] = static_cast<char>(b[8] == 'A' ? 'B' : b[8] - 1);
        } else {
            const double lon2 = r.Uniform(-180, 180);
            b = EncodeLocator(r.Uniform(-90, 90), lon2);
        }
        b = (b + "ZQ").substr(0, 6 + r.Below(7));
        if (r.Below(4) == 0)
            for (char& c : b)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c + 32);
    }
    PathLine("P", i, a, b);
}

void NumberCase(SplitMix& r, long i)
{
    static const char alphabet[] = "0123456789.-+ eE0123456789x";
    std::string s(r.Below(20), ' ');
    for (char& c : s)
        c = alphabet[r.Below(static_cast<int>(sizeof alphabet) - 1)];
    Begin("N", i);
    Text(s);
    Put("%d", IntegerValue(s));
    Bits(RealValue(s));
}

void RoundCase(SplitMix& r, long i)
{
    double x;
    const int kind = r.Below(4);
    if (kind == 0) {  // a unit of the last place off a half
        x = std::floor(r.Uniform(-1e5, 1e5)) + 0.5;
        x = std::nextafter(x, r.Below(2) ? 1e300 : -1e300);
    } else if (kind == 1) {
        x = r.Uniform(-1e5, 1e5);
    } else if (kind == 2) {
        const int exponent = r.Below(200) - 100;
        x = std::ldexp(r.Uniform(-1, 1), exponent);
    } else {  // within the tolerance of a half, or just beyond it
        x = std::floor(r.Uniform(-1e6, 1e6)) + 0.5;
        x += (r.Below(41) - 20) * 1e-12;
    }
    Begin("R", i);
    Bits(x);
    Bits(CPathCalc::RoundValue(x));
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::atol(argv[1]) : 300000;
    SplitMix r{argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20240601ull};
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);

    // The engine tests' worked examples of bearing and distance first, marked X: none may
    // differ. Then their pairs whose arc cosines are clamped, marked T.
    const long examples = 11;
    static const char* const pairs[][2] = {
        {"JO62QM", "JO62QM"}, {"JJ00AA", "JJ10AA"}, {"JJ10AA", "JJ00AA"}, {"JJ00AA", "JJ01AA"},
        {"JJ01AA", "JJ00AA"}, {"JO62QM", "KO85TS"}, {"KO85TS", "JO62QM"}, {"JO62QM", "FN20XR"},
        {"JJ00AA00AA", "IK91XA90KA"}, {"jo62qm", "ko85ts"}, {"KB09NN", "OG33JM"},
        {"AA05EP59RO", "AA00EB51SG"}, {"RK99WW29FW", "RR99WX25EK"}, {"AS00AA00AA", "JS00AA00AA"},
        {"OB40OH", "FQ49OQ"}, {"OK73IR", "FH76IG"}, {"HQ57KE", "QB52KT"}, {"QI04BC", "HJ05BV"},
        {"NN68WH", "EE61WQ"}, {"HE43IQ", "QN46IH"}, {"OI68VA08EO", "FJ61VX01EK"}};
    using Case = void (*)(SplitMix&, long);
    static const Case cases[] = {PathCase, PathCase, DecimalCase, DmsCase, LocatorCase, NumberCase, RoundCase};
    const long pinned = sizeof pairs / sizeof pairs[0];
    for (long i = 0; i < count || i < pinned; ++i) {
        if (i < pinned)
            PathLine(i < examples ? "X" : "T", i, pairs[i][0], pairs[i][1]);
        else
            cases[i % 7](r, i);
        End();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
