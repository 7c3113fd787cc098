// libFuzzer target: arbitrary bytes at the engine's text entry points (SetLocator,
// SetLocations, PadLocator, DecodeLocator) and, from the same bytes read as doubles, at
// its number entry points. Built with AddressSanitizer and UndefinedBehaviorSanitizer.
#include "base/NumberText.h"
#include "engine/GeoPoint.h"
#include "engine/LocatorCodec.h"
#include "engine/PathCalc.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double DoubleAt(const std::uint8_t* data, std::size_t size, std::size_t at)
{
    unsigned char bytes[sizeof(double)] = {};
    for (std::size_t k = 0; k < sizeof bytes && at + k < size; ++k)
        bytes[k] = data[at + k];
    double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string all(reinterpret_cast<const char*>(data), size);
    // The first byte splits the rest into two texts for SetLocations.
    const std::size_t cut = size > 0 ? 1 + data[0] % size : 0;
    const std::string first = all.substr(size > 0 ? 1 : 0, cut > 0 ? cut - 1 : 0);
    const std::string second = all.substr(cut);

    std::string padded = all;
    PadLocator(padded);
    Check(padded.size() == all.size() || padded.size() == 10 || (all.size() == 7 && padded.size() == 10));
    const LatLon raw = DecodeLocator(all);
    const LatLon pad = DecodeLocator(padded);
    Check(std::isfinite(raw.Latitude) && std::isfinite(raw.Longitude));
    Check(std::isfinite(pad.Latitude) && std::isfinite(pad.Longitude));
    IsValidLocator(all);

    CGeoPoint point;
    if (point.SetLocator(all)) {
        Check(point.GetLatitudeSecond() < 60 && point.GetLongitudeSecond() < 60);
        Check(point.GetLocator().size() == 10);
    }
    CPathCalc path;
    if (path.SetLocations(first, second)) {
        const double values[] = {path.GetBearing(), path.GetNauticalMiles(), path.GetStatuteMiles(),
                                 path.GetKilometers()};
        for (double v : values)
            Check(std::isfinite(v));
        Check(values[1] >= 0 && values[1] <= 10800.1);
    }

    // The same bytes as numbers: every double, NaN and infinities included.
    const double a = DoubleAt(data, size, 0);
    const double b = DoubleAt(data, size, 8);
    const double c = DoubleAt(data, size, 16);
    const std::string locator = EncodeLocator(a, b);
    Check(locator.size() == 10 && IsValidLocator(locator));
    CGeoPoint decimal;
    decimal.SetLatitude(a);
    decimal.SetLongitude(b);
    Check(decimal.GetLocator().size() == 10);
    CGeoPoint dms;
    dms.SetLatitudeDMS(a, b, c, static_cast<char>(size > 24 ? data[24] : 'N'));
    dms.SetLongitudeDMS(c, b, a, static_cast<char>(size > 25 ? data[25] : 'E'));
    Check(dms.GetLocator().size() == 10);
    CPathCalc::RoundValue(a);
    IntegerValue(all);
    RealValue(all);
    return 0;
}
