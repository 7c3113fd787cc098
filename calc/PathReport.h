// Short and long path between two places on a sphere or the WGS84 ellipsoid: bearings and
// distances in kilometres, statute miles and nautical miles, as text, as named fields, or as
// GeoJSON lines (drawn as great circles on either earth).
#pragma once

#include "engine/Earth.h"
#include "engine/GreatCircle.h"
#include "engine/Place.h"
#include "formats/RecordWriter.h"

#include <string>

class CPathReport {
public:
    CPathReport(const Place& from, const Place& to, const CEarth& earth);

    const CGreatCircle& GetCircle() const { return m_circle; }
    double GetKm(bool longPath) const;

    // "67.3 deg, 1610.6 km, 1000.8 mi, 869.7 nmi" for the short or the long path.
    std::string Summary(bool longPath, int decimals) const;
    std::string Text(int decimals) const;
    CRecordWriter Record(int decimals) const;
    // PREFIXbearing_deg, PREFIXkm, PREFIXmi, PREFIXnmi of the short or the long path.
    void AddFigures(CRecordWriter& record, bool longPath, const std::string& prefix, int decimals) const;
    // A FeatureCollection: the ends as Points, the short and the long path as lines sampled
    // every 100 km or less.
    std::string GeoJson(int decimals) const;

    // The bearing of the short or the long path as the report writes it (one decimal): what a
    // rotator is turned to.
    double RotatorBearing(bool longPath) const;

    // A bearing with decimals decimals; one that rounds to 360 is written as 0.
    static std::string Bearing(double degrees, int decimals);

private:
    Place m_from;
    Place m_to;
    CEarth m_earth;
    CGreatCircle m_circle;
    EarthPath m_paths[2];  // short, long
};
