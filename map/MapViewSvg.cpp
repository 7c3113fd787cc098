#include "map/MapViewSvg.h"

#include "base/NumberText.h"
#include "map/MapZoom.h"
#include "map/SvgRenderer.h"

#include <algorithm>
#include <cmath>

namespace {

// Fixed sizes rather than a font's measures: the document must not depend on what draws it.
const double kLabelSize = 10;
const double kLabelWidth = 7;  // one character of a label, generously, for the thinning
const double kLabelHeight = 12;
const double kLegendSize = 13;
const double kLegendLine = 17;
const int kLegendLines = 4;
const double kLegendHeight = kLegendLines * kLegendLine + 12;
const char kFont[] = "font-family=\"sans-serif\"";

std::string Px(double v) { return FormatShown(v, 1); }

std::string Path(const std::vector<MapLine>& lines, const std::string& style)
{
    return lines.empty() ? std::string() : "<path d=\"" + CSvgRenderer::PathData(lines) + "\" " + style + "/>\n";
}

std::string Circle(const MapPoint& at, double r, const std::string& style)
{
    return "<circle cx=\"" + Px(at.X) + "\" cy=\"" + Px(at.Y) + "\" r=\"" + Px(r) + "\"" + (style.empty() ? "" : " ") + style + "/>\n";
}

// Texts are placed by their middle, as the window places them.
std::string Label(const MapPoint& at, const std::string& text, bool centred = true)
{
    return "<text x=\"" + Px(at.X) + "\" y=\"" + Px(at.Y + kLabelSize * 0.35) + "\""
         + (centred ? " text-anchor=\"middle\"" : "") + ">" + CMapViewSvg::Text(text) + "</text>";
}

std::string Station(const MapMarker& marker, const char* colour)
{
    const MapPoint at = marker.label.at;
    return Circle(at, 4, std::string("fill=\"") + colour + "\" stroke=\"#ffffff\" stroke-width=\"1.5\"")
         + "<text x=\"" + Px(at.X + 8) + "\" y=\"" + Px(at.Y - 8 + kLegendSize * 0.35) + "\" " + kFont
         + " font-size=\"12\" font-weight=\"bold\" fill=\"" + colour
         + "\" stroke=\"#ffffff\" stroke-width=\"3\" paint-order=\"stroke\">"
         + CMapViewSvg::Text(marker.label.text + (marker.inside ? "" : " (beyond the edge)")) + "</text>\n";
}

} // namespace

std::string CMapViewSvg::Text(const std::string& text)
{
    std::string utf8;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            utf8 += c;
        } else if (u >= 0xA0) {  // where code page 1252 is Latin-1
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += '?';
        }
    }
    return CSvgRenderer::Escaped(utf8);
}

CMapView CMapViewSvg::View(const Place& centre, const std::optional<Place>& other, double radiusKm, int width,
                           int height)
{
    const double w = width, h = height - kLegendHeight;
    const double rim = std::max(10.0, std::min(w, h) / 2 - kLabelHeight * 2);
    const MapFrame frame{w / 2, std::max(h, 0.0) / 2, rim};
    return CMapView(centre, other, frame, MapViewStyle{ClampedMapRadius(radiusKm), kLabelWidth, kLabelHeight});
}

std::string CMapViewSvg::Draw(const CMapView& view, int width, int height, const MapSvgLegend& legend)
{
    const MapFrame& frame = view.GetFrame();
    const MapPoint centre{frame.centreX, frame.centreY};
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h
                    + "\" viewBox=\"0 0 " + w + " " + h + "\">\n"
                    + "<title>" + Text(legend.title) + ": great-circle map</title>\n"
                    + "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
                    + "<clipPath id=\"disc\">" + Circle(centre, frame.rimRadius, "") + "</clipPath>\n"
                    + Circle(centre, frame.rimRadius, "fill=\"#daeaf6\"")
                    + "<g clip-path=\"url(#disc)\">\n"
                    + Path(view.GetLand(), "fill=\"#dce6c6\" fill-rule=\"evenodd\" stroke=\"none\"")
                    + Path(view.GetGridLines(), "fill=\"none\" stroke=\"#9db4c8\" stroke-width=\"1\"");
    for (const MapRangeRing& ring : view.GetRangeRings())
        svg += Circle(centre, ring.radius, "fill=\"none\" stroke=\"#808080\" stroke-width=\"1\" stroke-dasharray=\"1 2\"");
    svg += Path(view.GetPath(true), "fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\" stroke-dasharray=\"8 5\"")
         + Path(view.GetPath(false), "fill=\"none\" stroke=\"#c8102e\" stroke-width=\"2.5\"") + "</g>\n"
         + Circle(centre, frame.rimRadius, "fill=\"none\" stroke=\"#333333\" stroke-width=\"1\"");
    std::vector<MapLine> ticks;
    for (const MapTick& tick : view.GetTicks())
        ticks.push_back(MapLine{tick.inner, tick.outer});
    svg += Path(ticks, "stroke=\"#333333\" stroke-width=\"1\"");

    svg += std::string("<g ") + kFont + " font-size=\"" + Px(kLabelSize) + "\">\n<g fill=\"#333333\">";
    for (const MapLabel& label : view.GetTickLabels())
        svg += Label(label.at, label.text);
    svg += "</g>\n<g fill=\"#5d768b\">";
    for (const MapLabel& label : view.GetGridLabels())
        svg += Label(label.at, label.text);
    svg += "</g>\n<g fill=\"#808080\">";
    for (const MapRangeRing& ring : view.GetRangeRings())
        svg += Label(ring.label.at, ring.label.text, false);
    svg += "</g>\n</g>\n";
    if (view.GetOther())
        svg += Station(*view.GetOther(), "#1f5fbf");
    svg += Station(view.GetCentre(), "#c8102e");

    // The legend under the map, as the window has it.
    const double radius = view.GetRadiusKm();
    const std::string lines[kLegendLines] = {
        legend.title, legend.shortPath, legend.longPath + " (dashed)",
        "Radius " + std::to_string(std::lround(radius)) + " km" + (radius >= MapWorldKm() ? " (the whole world)" : "")};
    const char* colours[kLegendLines] = {"#222222", "#c8102e", "#1f5fbf", "#808080"};
    double y = height - kLegendLine * kLegendLines - 6 + kLegendLine / 2;
    svg += std::string("<g ") + kFont + " font-size=\"" + Px(kLegendSize) + "\">\n";
    for (int i = 0; i < kLegendLines; ++i, y += kLegendLine)
        svg += "<text x=\"10\" y=\"" + Px(y + kLegendSize * 0.35) + "\" fill=\"" + colours[i] + "\">" + Text(lines[i])
             + "</text>\n";
    return svg + "</g>\n</svg>\n";
}
