// How far the map reaches: from the whole world (the edge is the antipode) down to 50 km, in
// steps about the centre, and the radius that fits a distant station.
#pragma once

// The window's sphere, on which a nautical mile is a minute of arc.
double MapWorldKm();
double ClampedMapRadius(double km);
// steps > 0 zooms in, < 0 out; each step a factor of 1.5.
double ZoomedMapRadius(double km, int steps);
// Its default: a quarter more than the distance, never below the smallest radius.
double FittingMapRadius(double distanceKm);
// Natural Earth 1:50m below about 3000 km, 1:110m above.
bool UsesDetailedLand(double radiusKm);
// Range rings: the round spacing (1, 2 or 5 times a power of ten km) that gives at most five
// rings inside the radius.
double RangeRingStep(double radiusKm);
