#include "net/RotatorPackets.h"

#include "net/AzimuthRange.h"

#include <cmath>
#include <cstdio>

namespace {
// The compass bearing rounded to the step, 360 coming back as 0.
double RoundedCompass(double bearing, double step)
{
    double rounded = std::floor(CAzimuthRange::Compass(bearing) / step + 0.5) * step;
    return rounded >= 360 ? 0 : rounded;
}
}

std::string CRotatorPackets::PstRotatorAzimuth(double bearing)
{
    if (!std::isfinite(bearing))
        return std::string();
    char text[64];
    std::snprintf(text, sizeof text, "<PST><AZIMUTH>%.0f</AZIMUTH></PST>", RoundedCompass(bearing, 1));
    return text;
}

std::string CRotatorPackets::N1mmRotorAzimuth(double bearing)
{
    if (!std::isfinite(bearing))
        return std::string();
    char text[160];
    std::snprintf(text, sizeof text,
                  "<N1MMRotor><goazi>%.1f</goazi><offset>0.0</offset><bidirectional>0</bidirectional></N1MMRotor>",
                  RoundedCompass(bearing, 0.1));
    return text;
}

std::string CRotatorPackets::PstRotatorStop()
{
    return "<PST><STOP>1</STOP></PST>";
}

std::string CRotatorPackets::N1mmRotorStop()
{
    // The stop names the rotor it is for; ours go to one rotor without a name, as the turn does.
    return "<N1MMRotor><stop></stop></N1MMRotor>";
}
