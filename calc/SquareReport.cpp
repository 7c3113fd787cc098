#include "calc/SquareReport.h"

#include "base/NumberText.h"
#include "formats/GeoJsonWriter.h"

CSquareReport::CSquareReport(const CLocatorSquare& square) : m_square(square) {}

std::string CSquareReport::Text(int d) const
{
    const CLocatorSquare& s = m_square;
    auto pair = [d](double a, double b) { return FormatShown(a, d) + " " + FormatShown(b, d); };
    return s.GetLocator() + "\nsouth-west: " + pair(s.GetSouth(), s.GetWest())
         + "\nnorth-east: " + pair(s.GetNorth(), s.GetEast())
         + "\ncentre: " + pair(s.GetCentre().Latitude, s.GetCentre().Longitude)
         + "\nsize: " + pair(s.GetHeight(), s.GetWidth()) + " (degrees of latitude and longitude)\n";
}

CRecordWriter CSquareReport::Record(int d) const
{
    const CLocatorSquare& s = m_square;
    CRecordWriter r;
    r.AddText("locator", s.GetLocator());
    r.AddNumber("south_deg", s.GetSouth(), d);
    r.AddNumber("west_deg", s.GetWest(), d);
    r.AddNumber("north_deg", s.GetNorth(), d);
    r.AddNumber("east_deg", s.GetEast(), d);
    r.AddNumber("centre_lat_deg", s.GetCentre().Latitude, d);
    r.AddNumber("centre_lon_deg", s.GetCentre().Longitude, d);
    r.AddNumber("height_deg", s.GetHeight(), d);
    r.AddNumber("width_deg", s.GetWidth(), d);
    return r;
}

std::string CSquareReport::GeoJsonFeature(int decimals) const
{
    return CGeoJsonWriter::Square(m_square, Record(decimals));
}
