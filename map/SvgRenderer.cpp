#include "map/SvgRenderer.h"

#include "base/NumberText.h"

namespace {

const double kCentreY = 440;

std::string Px(double v) { return FormatShown(v, 1); }

std::string Text(double x, double y, const std::string& anchor, const std::string& style, const std::string& text)
{
    return "<text x=\"" + Px(x) + "\" y=\"" + Px(y) + "\" text-anchor=\"" + anchor + "\" " + style + ">"
         + CSvgRenderer::Escaped(text) + "</text>\n";
}

// "296.0 deg" as "296.0°" (UTF-8, as the file says it is).
std::string DegreeSigns(std::string text)
{
    const std::string::size_type at = text.find(" deg");
    if (at != std::string::npos)
        text.replace(at, 4, "\xC2\xB0");
    return text;
}

std::string Graticule(const CMapScene& scene)
{
    std::string out = "<path d=\"" + CSvgRenderer::PathData(scene.GetGraticule())
                    + "\" fill=\"none\" stroke=\"#9db4c8\" stroke-width=\"0.6\"/>\n";
    out += "<g font-family=\"sans-serif\" font-size=\"9\" fill=\"#7d96ab\" text-anchor=\"middle\">\n";
    for (const std::vector<MapLabel>& column : scene.GetFieldNames()) {
        for (const MapLabel& name : column)
            out += "<text x=\"" + Px(name.at.X) + "\" y=\"" + Px(name.at.Y + 3) + "\">" + name.text + "</text>";
        out += "\n";
    }
    return out + "</g>\n";
}

std::string Rim(const CMapScene& scene)
{
    // Bearings round the rim, as on an antenna's compass.
    std::string ticks;
    for (const MapTick& tick : scene.GetRimTicks())
        ticks += "M" + Px(tick.inner.X) + " " + Px(tick.inner.Y) + "L" + Px(tick.outer.X) + " " + Px(tick.outer.Y);
    std::string labels;
    for (const MapLabel& label : scene.GetRimLabels())
        labels += Text(label.at.X, label.at.Y + 4, "middle", "", label.text);
    return "<path d=\"" + ticks + "\" stroke=\"#333\" stroke-width=\"1\"/>\n"
         + "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#333\">\n" + labels + "</g>\n";
}

std::string Marker(const MapLabel& place, const char* colour)
{
    const MapPoint p = place.at;
    return "<circle cx=\"" + Px(p.X) + "\" cy=\"" + Px(p.Y) + "\" r=\"5\" fill=\"" + colour
         + "\" stroke=\"#fff\" stroke-width=\"1.5\"/>\n"
         + Text(p.X + 8, p.Y - 8, "start", "font-family=\"sans-serif\" font-size=\"15\" font-weight=\"bold\" fill=\""
                + std::string(colour) + "\" stroke=\"#fff\" stroke-width=\"3\" paint-order=\"stroke\"", place.text);
}

} // namespace

MapFrame CSvgRenderer::Frame()
{
    return MapFrame{kWidth / 2.0, kCentreY, static_cast<double>(kRimRadius)};
}

std::string CSvgRenderer::PathData(const std::vector<MapLine>& lines)
{
    std::string d;
    for (const MapLine& line : lines)
        for (std::size_t i = 0; i < line.size(); ++i)
            d += (i == 0 ? "M" : "L") + Px(line[i].X) + " " + Px(line[i].Y);
    return d;
}

std::string CSvgRenderer::Escaped(const std::string& text)
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

std::string CSvgRenderer::Draw(const CMapScene& scene, const std::string& shortPath, const std::string& longPath)
{
    const MapFrame& frame = scene.GetFrame();
    const std::string& from = scene.GetCentre().text;
    const std::string& to = scene.GetOther().text;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) + "\" height=\""
         + std::to_string(kHeight) + "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\">\n"
           "<title>" + Escaped(from + " to " + to) + ": great-circle map centred on " + Escaped(from) + "</title>\n"
           "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
         + Text(frame.centreX, 38, "middle", "font-family=\"sans-serif\" font-size=\"22\" font-weight=\"bold\" fill=\"#222\"",
                from + " to " + to)
         + Text(frame.centreX, 60, "middle", "font-family=\"sans-serif\" font-size=\"13\" fill=\"#555\"",
                "Azimuthal equidistant map centred on " + from + ": straight lines from the centre are great circles")
         + "<circle cx=\"" + Px(frame.centreX) + "\" cy=\"" + Px(frame.centreY) + "\" r=\"" + std::to_string(kRimRadius)
         + "\" fill=\"#eef5fb\" stroke=\"#333\" stroke-width=\"1.2\"/>\n"
         + Graticule(scene)
         + "<path d=\"" + PathData(scene.GetCoastlines())
         + "\" fill=\"none\" stroke=\"#3d6b45\" stroke-width=\"0.9\" stroke-linejoin=\"round\"/>\n"
         + Rim(scene)
         + "<path d=\"" + PathData(scene.GetPath(true)) + "\" fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\" stroke-dasharray=\"8 5\"/>\n"
         + "<path d=\"" + PathData(scene.GetPath(false)) + "\" fill=\"none\" stroke=\"#c8102e\" stroke-width=\"2.6\"/>\n"
         + Marker(scene.GetOther(), "#1f5fbf") + Marker(scene.GetCentre(), "#c8102e")
         + "<g font-family=\"sans-serif\" font-size=\"15\">\n"
         + Text(40, 828, "start", "fill=\"#c8102e\"", "short path: " + DegreeSigns(shortPath))
         + Text(40, 852, "start", "fill=\"#1f5fbf\"", "long path (dashed): " + DegreeSigns(longPath))
         + Text(40, 880, "start", "fill=\"#777\" font-size=\"11\"",
                "Coastlines: Natural Earth 1:110m (public domain). Made with locatrix-cli.")
         + "</g>\n</svg>\n";
}
