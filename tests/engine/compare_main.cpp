// engine_compare: the same pseudo-random inputs through the whole engine, natively and as
// a Windows program under Wine; compare.sh compares the two outputs line by line.
// Every double is printed as its 64 bits in hex, every text as hex bytes, and the
// window's formatted strings as they are. Path lines also carry every intermediate of
// the bearing and distance formulas, so that a difference can be traced to the trigonometric call
// where it starts.
//
// engine_compare [COUNT [SEED]]
#include "GeoPoint.h"
#include "LocatorCodec.h"
#include "NumberText.h"
#include "PathCalc.h"
#include "PathTrace.h"

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

struct SplitMix {
    std::uint64_t state;
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
};

char g_line[16384];
std::size_t g_used;

void Put(const char* s)
{
    const std::size_t n = std::strlen(s);
    if (g_used + n + 2 < sizeof g_line) {
        std::memcpy(g_line + g_used, s, n);
        g_used += n;
    }
}

void Field(const char* s)
{
    Put(" ");
    Put(s);
}

void Bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, " %016" PRIx64, b);
    Put(buffer);
}

void Formatted(const char* format, double v)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, v);
    Field(buffer);
}

void Text(const std::string& s)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "'";
    for (unsigned char c : s) {
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    Field(out.c_str());
}

void EndLine()
{
    g_line[g_used++] = '\n';
    std::fwrite(g_line, 1, g_used, stdout);
    g_used = 0;
}

void Begin(const char* kind, long index)
{
    g_used = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s %ld", kind, index);
    Put(buffer);
}

// Positions: plain, on and beside the grid lines, at and beyond the edges, not numbers.
double Coordinate(SplitMix& r, double limit, double step)
{
    const double inf = std::numeric_limits<double>::infinity();
    switch (r.Below(10)) {
    case 0:
    case 1:
    case 2:
        return r.Uniform(-limit, limit);
    case 3:
    case 4: {
        // A grid line of the 10-character squares, moved by a few units of the last place
        // or by about the 1e-7 that the encoder adds.
        double v = std::floor(r.Uniform(-limit, limit) / step) * step;
        const int k = r.Below(4);
        if (k == 0)
            v = std::nextafter(v, r.Below(2) ? inf : -inf);
        else if (k == 1)
            v += (r.Below(41) - 20) * step * 1e-3;
        else if (k == 2)
            v += (r.Below(41) - 20) * 1e-7;
        return v;
    }
    case 5:
        return r.Uniform(-limit * 1.2, limit * 1.2);
    case 6: {
        const double edges[] = {limit, -limit, limit - 1e-6, -limit - 1e-6, limit - 2e-6, limit + 1e-9, 0.0, -0.0};
        return edges[r.Below(8)] + (r.Below(3) - 1) * r.Unit() * 1e-6;
    }
    case 7: {
        // Decimal texts as typed: a few digits.
        static const double scales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
        const double scale = scales[r.Below(7)];
        return std::floor(r.Uniform(-limit, limit) * scale) / scale;
    }
    case 8: {
        const double odd[] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300, -1e300, 4.9e-324,
                              limit * 1e6, 89.9999999999999, 179.99999999999997, -90.00000000000001};
        return odd[r.Below(10)];
    }
    default: {
        // Whatever 64 bits make, except signalling NaNs: the 32-bit calling convention
        // returns doubles in an x87 register, which quiets them on the way.
        std::uint64_t b = r.Next();
        if ((b & 0x7FF0000000000000ull) == 0x7FF0000000000000ull && (b & 0x000FFFFFFFFFFFFFull) != 0)
            b |= 0x0008000000000000ull;
        double v;
        std::memcpy(&v, &b, sizeof v);
        return v;
    }
    }
}

void EncodeCase(SplitMix& r, long i)
{
    const double lat = Coordinate(r, 90, 1.0 / 5760);
    const double lon = Coordinate(r, 180, 1.0 / 2880);
    Begin("E", i);
    Bits(lat);
    Bits(lon);
    Field(EncodeLocator(lat, lon).c_str());
    EndLine();
}

void Parts(CGeoPoint& p)
{
    Bits(p.GetLatitude());
    Bits(p.GetLongitude());
    Bits(p.GetLatitudeDegree());
    Bits(p.GetLatitudeMinute());
    Bits(p.GetLatitudeSecond());
    Bits(p.GetLongitudeDegree());
    Bits(p.GetLongitudeMinute());
    Bits(p.GetLongitudeSecond());
    Formatted("%f", p.GetLatitude());
    Formatted("%f", p.GetLongitude());
    Formatted("%.0f", p.GetLatitudeDegree());
    Formatted("%.0f", p.GetLatitudeMinute());
    Formatted("%.2f", p.GetLatitudeSecond());
    Formatted("%.0f", p.GetLongitudeDegree());
    Formatted("%.0f", p.GetLongitudeMinute());
    Formatted("%.2f", p.GetLongitudeSecond());
    Field(p.GetLocator().c_str());
}

void DecimalCase(SplitMix& r, long i)
{
    const double lat = Coordinate(r, 90, 1.0 / 5760);
    const double lon = Coordinate(r, 180, 1.0 / 2880);
    CGeoPoint p;
    Begin("G", i);
    Bits(lat);
    Bits(lon);
    Field(p.SetLatitude(lat) ? "1" : "0");
    Field(p.SetLongitude(lon) ? "1" : "0");
    Parts(p);
    EndLine();
}

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
        return r.Below(4) == 0 ? std::numeric_limits<double>::quiet_NaN() : -0.0;
    default:
        return r.Uniform(0, limit);
    }
}

void DmsCase(SplitMix& r, long i)
{
    static const char letters[] = "NSEWsw\0x";
    double v[6];
    v[0] = DmsPart(r, 90);
    v[1] = DmsPart(r, 60);
    v[2] = DmsPart(r, 60);
    v[3] = DmsPart(r, 180);
    v[4] = DmsPart(r, 60);
    v[5] = DmsPart(r, 60);
    const char h1 = letters[r.Below(8)];
    const char h2 = letters[r.Below(8)];
    CGeoPoint p;
    Begin("D", i);
    for (double x : v)
        Bits(x);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d %d", h1, h2);
    Field(buffer);
    Field(p.SetLatitudeDMS(v[0], v[1], v[2], h1) ? "1" : "0");
    Field(p.SetLongitudeDMS(v[3], v[4], v[5], h2) ? "1" : "0");
    Parts(p);
    EndLine();
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
            const int span = k < 2 ? (mode == 8 ? 26 : 18) : (mode == 8 ? 26 : 24);
            c = static_cast<char>((mode == 7 || (mode == 6 && r.Below(2)) ? 'a' : 'A') + r.Below(span));
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
    Field(IsValidLocator(text) ? "1" : "0");
    std::string padded = text;
    PadLocator(padded);
    Text(padded);
    const LatLon raw = DecodeLocator(text);
    Bits(raw.Latitude);
    Bits(raw.Longitude);
    CGeoPoint p;
    Field(p.SetLocator(text) ? "1" : "0");
    Parts(p);
    EndLine();
}

void PathLine(const char* kind, long i, const std::string& a, const std::string& b)
{
    Begin(kind, i);
    Text(a);
    Text(b);
    CPathCalc path;
    if (!path.SetLocations(a, b)) {
        Field("0");
        EndLine();
        return;
    }
    Field("1");
    // The engine's own stored texts, decoded as the results decode them.
    std::string pa = a;
    std::string pb = b;
    for (char& c : pa)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    for (char& c : pb)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    PadLocator(pa);
    PadLocator(pb);
    locatrix::BearingTrace t;
    locatrix::TraceBearing(DecodeLocator(pa), DecodeLocator(pb), t);
    // Field order is compare.sh's contract: see there.
    Field("|");
    Bits(t.c.phi1);
    Bits(t.c.phi2);
    Bits(t.c.lambda1);
    Bits(t.c.lambda2);
    Bits(t.c.lambda1 - t.c.lambda2);
    Bits(t.delta);
    Field("|");
    Bits(t.c.cosDeltaLambda);
    Bits(t.c.cosPhi2);
    Bits(t.c.cosPhi1);
    Bits(t.c.sinPhi1);
    Bits(t.c.sinPhi2);
    Bits(t.c.q);
    Bits(t.c.d);
    Bits(t.sinDelta);
    Bits(t.cosD);
    Bits(t.sinD);
    Bits(t.arg);
    Bits(t.acosArg);
    Bits(t.t);
    Field("|");
    const double bearing = path.GetBearing();
    const double nautical = path.GetNauticalMiles();
    const double statute = path.GetStatuteMiles();
    const double km = path.GetKilometers();
    Bits(bearing);
    Bits(nautical);
    Bits(statute);
    Bits(km);
    Formatted("%.1f", bearing);
    Formatted("%.1f", nautical);
    Formatted("%.1f", statute);
    Formatted("%.1f", km);
    EndLine();
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
        a = EncodeLocator(lat, lon) + "QZ";
        a.resize(6 + r.Below(7));
        if (mode < 2) {
            // Near the antipode, where the law of cosines runs past -1.
            b = EncodeLocator(-lat, lon > 0 ? lon - 180 : lon + 180);
        } else if (mode < 4) {
            // On or near the same meridian, where the bearing's argument runs past +-1.
            b = EncodeLocator(r.Uniform(-90, 90), lon);
            if (mode == 3)
                b[8] = static_cast<char>(b[8] == 'A' ? 'B' : b[8] - 1);
        } else {
            b = EncodeLocator(r.Uniform(-90, 90), r.Uniform(-180, 180));
        }
        b += "ZQ";
        b.resize(6 + r.Below(7));
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
    std::string s;
    const int length = r.Below(20);
    for (int k = 0; k < length; ++k)
        s += alphabet[r.Below(static_cast<int>(sizeof alphabet - 1))];
    Begin("N", i);
    Text(s);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d", IntegerValue(s));
    Field(buffer);
    Bits(RealValue(s));
    EndLine();
}

void RoundCase(SplitMix& r, long i)
{
    double x;
    switch (r.Below(4)) {
    case 0:
        x = std::floor(r.Uniform(-1e5, 1e5)) + 0.5;
        x = std::nextafter(x, r.Below(2) ? 1e300 : -1e300);
        break;
    case 1:
        x = r.Uniform(-1e5, 1e5);
        break;
    case 2:
        x = std::ldexp(r.Uniform(-1, 1), r.Below(200) - 100);
        break;
    default:
        x = std::floor(r.Uniform(-1e6, 1e6)) + 0.5 + (r.Below(41) - 20) * 1e-12;
        break;
    }
    Begin("R", i);
    Bits(x);
    Bits(CPathCalc::RoundValue(x));
    EndLine();
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::atol(argv[1]) : 300000;
    SplitMix r{argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20240601ull};
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);

    // The worked examples of the bearing and distance come first, marked X: none may differ.
    // Then the pairs of the engine tests for clamped arc cosines, marked T.
    static const char* const examples[][2] = {
        {"JO62QM", "JO62QM"}, {"JJ00AA", "JJ10AA"}, {"JJ10AA", "JJ00AA"}, {"JJ00AA", "JJ01AA"},
        {"JJ01AA", "JJ00AA"}, {"JO62QM", "KO85TS"}, {"KO85TS", "JO62QM"}, {"JO62QM", "FN20XR"},
        {"JJ00AA00AA", "IK91XA90KA"}, {"jo62qm", "ko85ts"}};
    static const char* const testPairs[][2] = {
        {"AA05EP59RO", "AA00EB51SG"}, {"RK99WW29FW", "RR99WX25EK"}, {"AS00AA00AA", "JS00AA00AA"},
        {"OB40OH", "FQ49OQ"}, {"OK73IR", "FH76IG"}, {"HQ57KE", "QB52KT"}, {"QI04BC", "HJ05BV"},
        {"NN68WH", "EE61WQ"}, {"HE43IQ", "QN46IH"}, {"OI68VA08EO", "FJ61VX01EK"}};
    long i = 0;
    for (const auto& e : examples)
        PathLine("X", i++, e[0], e[1]);
    for (const auto& e : testPairs)
        PathLine("T", i++, e[0], e[1]);

    for (; i < count; ++i) {
        switch (i % 8) {
        case 0:
        case 1:
            PathCase(r, i);
            break;
        case 2:
            EncodeCase(r, i);
            break;
        case 3:
            DecimalCase(r, i);
            break;
        case 4:
            DmsCase(r, i);
            break;
        case 5:
            LocatorCase(r, i);
            break;
        case 6:
            NumberCase(r, i);
            break;
        default:
            RoundCase(r, i);
            break;
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
