#include "cli/SvgMap.h"

#include "base/NumberText.h"
#include "cli/Coastlines.h"
#include "engine/GreatCircle.h"
#include "engine/LocatorSquare.h"

#include <cmath>

namespace cli {

namespace {

const double kCentreX = CSvgMap::kWidth / 2.0;
const double kCentreY = 440;
const double kPi = locatrix::kTruePi;
// Neighbours farther apart than this on the picture are not joined: real neighbours are a
// few degrees apart, and only near the antipode does the projection pull them this far.
const double kLongestJump = 60;

std::string Px(double v) { return FormatShown(v, 1); }

std::string Text(double x, double y, const std::string& anchor, const std::string& style, const std::string& text)
{
    return "<text x=\"" + Px(x) + "\" y=\"" + Px(y) + "\" text-anchor=\"" + anchor + "\" " + style + ">"
         + CSvgMap::Escaped(text) + "</text>\n";
}

// "296.0 deg" as "296.0°" (UTF-8, as the file says it is).
std::string DegreeSigns(std::string text)
{
    const std::string::size_type at = text.find(" deg");
    if (at != std::string::npos)
        text.replace(at, 4, "\xC2\xB0");
    return text;
}

} // namespace

CSvgMap::CSvgMap(const Place& from, const Place& to, double radiusKm, int decimals)
    : m_from(from), m_to(to), m_report(from, to, radiusKm), m_nDecimals(decimals), m_map(from.point)
{
}

MapPoint CSvgMap::ToPixels(const LatLon& point) const
{
    const MapPoint p = m_map.Project(point);
    return MapPoint{kCentreX + p.X / kPi * kRimRadius, kCentreY - p.Y / kPi * kRimRadius};
}

std::string CSvgMap::Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string CSvgMap::Polyline(const std::vector<LatLon>& points) const
{
    std::string d;
    MapPoint last{0, 0};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const MapPoint p = ToPixels(points[i]);
        const bool jump = i == 0 || std::hypot(p.X - last.X, p.Y - last.Y) > kLongestJump;
        d += (jump ? "M" : "L") + Px(p.X) + " " + Px(p.Y);
        last = p;
    }
    return d;
}

std::string CSvgMap::Graticule() const
{
    // The fields' edges: meridians every 20 degrees, parallels every 10, in steps of two.
    std::string d;
    for (int lon = -180; lon < 180; lon += 20) {
        std::vector<LatLon> line;
        for (int lat = -90; lat <= 90; lat += 2)
            line.push_back(LatLon{static_cast<double>(lat), static_cast<double>(lon)});
        d += Polyline(line);
    }
    for (int lat = -80; lat <= 80; lat += 10) {
        std::vector<LatLon> line;
        for (int lon = -180; lon <= 180; lon += 2)
            line.push_back(LatLon{static_cast<double>(lat), static_cast<double>(lon)});
        d += Polyline(line);
    }
    std::string out = "<path d=\"" + d + "\" fill=\"none\" stroke=\"#9db4c8\" stroke-width=\"0.6\"/>\n";
    // Field letters where they are readable: away from the squeezed ring round the rim, and
    // from the poles, where eighteen fields meet.
    out += "<g font-family=\"sans-serif\" font-size=\"9\" fill=\"#7d96ab\" text-anchor=\"middle\">\n";
    for (int x = 0; x < 18; ++x) {
        for (int y = 1; y < 17; ++y) {
            const LatLon centre{y * 10.0 - 85, x * 20.0 - 170};
            if (CGreatCircle(m_from.point, centre).GetAngle() > 0.75 * kPi)
                continue;
            const MapPoint p = ToPixels(centre);
            const char name[3] = {static_cast<char>('A' + x), static_cast<char>('A' + y), 0};
            out += "<text x=\"" + Px(p.X) + "\" y=\"" + Px(p.Y + 3) + "\">" + name + "</text>";
        }
        out += "\n";
    }
    return out + "</g>\n";
}

std::string CSvgMap::Coasts() const
{
    std::string d;
    const short* p = kCoastlinePoints;
    for (std::size_t i = 0; i < kCoastlineLineCount; ++i) {
        std::vector<LatLon> line;
        for (unsigned k = 0; k < kCoastlineLineSizes[i]; ++k, p += 2)
            line.push_back(LatLon{p[1] / 10.0, p[0] / 10.0});
        d += Polyline(line);
    }
    return "<path d=\"" + d + "\" fill=\"none\" stroke=\"#3d6b45\" stroke-width=\"0.9\" stroke-linejoin=\"round\"/>\n";
}

std::string CSvgMap::Rim() const
{
    // Bearings round the rim, as on an antenna's compass: a tick every 10 degrees, a number every 30.
    std::string ticks;
    std::string labels;
    for (int b = 0; b < 360; b += 10) {
        const double a = b / 180.0 * kPi;
        const double inner = b % 30 == 0 ? kRimRadius - 10 : kRimRadius - 5;
        ticks += "M" + Px(kCentreX + inner * std::sin(a)) + " " + Px(kCentreY - inner * std::cos(a)) + "L"
               + Px(kCentreX + kRimRadius * std::sin(a)) + " " + Px(kCentreY - kRimRadius * std::cos(a));
        if (b % 30 == 0)
            labels += Text(kCentreX + (kRimRadius + 16) * std::sin(a), kCentreY - (kRimRadius + 16) * std::cos(a) + 4,
                           "middle", "", std::to_string(b));
    }
    return "<path d=\"" + ticks + "\" stroke=\"#333\" stroke-width=\"1\"/>\n"
         + "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#333\">\n" + labels + "</g>\n";
}

std::string CSvgMap::Marker(const Place& place, const char* colour) const
{
    const MapPoint p = ToPixels(place.point);
    return "<circle cx=\"" + Px(p.X) + "\" cy=\"" + Px(p.Y) + "\" r=\"5\" fill=\"" + colour
         + "\" stroke=\"#fff\" stroke-width=\"1.5\"/>\n"
         + Text(p.X + 8, p.Y - 8, "start", "font-family=\"sans-serif\" font-size=\"15\" font-weight=\"bold\" fill=\""
                + std::string(colour) + "\" stroke=\"#fff\" stroke-width=\"3\" paint-order=\"stroke\"", place.name);
}

std::string CSvgMap::Draw() const
{
    const CGreatCircle& c = m_report.GetCircle();
    const double step = 0.5 / 180 * kPi;  // half a degree of arc
    const std::string shortPath = Polyline(CGreatCircle::Sample(m_from.point, c.GetBearing(), c.GetAngle(), step));
    const std::string longPath = Polyline(CGreatCircle::Sample(m_from.point, c.GetLongBearing(), c.GetLongAngle(), step));
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) + "\" height=\""
        + std::to_string(kHeight) + "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\">\n"
        "<title>" + Escaped(m_from.name + " to " + m_to.name) + ": great-circle map centred on " + Escaped(m_from.name)
        + "</title>\n"
        "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
        + Text(kCentreX, 38, "middle", "font-family=\"sans-serif\" font-size=\"22\" font-weight=\"bold\" fill=\"#222\"",
               m_from.name + " to " + m_to.name)
        + Text(kCentreX, 60, "middle", "font-family=\"sans-serif\" font-size=\"13\" fill=\"#555\"",
               "Azimuthal equidistant map centred on " + m_from.name + ": straight lines from the centre are great circles")
        + "<circle cx=\"" + Px(kCentreX) + "\" cy=\"" + Px(kCentreY) + "\" r=\"" + std::to_string(kRimRadius)
        + "\" fill=\"#eef5fb\" stroke=\"#333\" stroke-width=\"1.2\"/>\n"
        + Graticule() + Coasts() + Rim()
        + "<path d=\"" + longPath + "\" fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\" stroke-dasharray=\"8 5\"/>\n"
        + "<path d=\"" + shortPath + "\" fill=\"none\" stroke=\"#c8102e\" stroke-width=\"2.6\"/>\n"
        + Marker(m_to, "#1f5fbf") + Marker(m_from, "#c8102e")
        + "<g font-family=\"sans-serif\" font-size=\"15\">\n"
        + Text(40, 828, "start", "fill=\"#c8102e\"", "short path: " + DegreeSigns(m_report.Summary(false, m_nDecimals)))
        + Text(40, 852, "start", "fill=\"#1f5fbf\"", "long path (dashed): " + DegreeSigns(m_report.Summary(true, m_nDecimals)))
        + Text(40, 880, "start", "fill=\"#777\" font-size=\"11\"",
               "Coastlines: Natural Earth 1:110m (public domain). Made with locatrix-cli.")
        + "</g>\n</svg>\n";
    return svg;
}

} // namespace cli
