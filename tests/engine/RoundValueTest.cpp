// RoundValue against the formula it replaced (logarithm, power and floating-point remainder),
// bit for bit over some seven million values: ties and their neighbours, the tolerance's edges, powers of
// ten, huge, tiny and negative values, not-a-number, infinities and any bit pattern.
#include "PathCalc.h"
#include "SplitMix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The rounding as first written: tolerance 10^(trunc(log10|x|) - 15), remainder by fmod.
double ReferenceRound(double x)
{
    if (x == 0 || std::isnan(x))
        return 0;
    const double s = x < 0 ? -1.0 : 1.0;
    const double u = s;
    const double lg = std::log10(std::fabs(x));
    const int k = std::isfinite(lg) ? static_cast<int>(lg) : 0;
    const double e = std::pow(10.0, k - 15);
    const double g = std::fmod(x, u);
    double r = x - g;
    if (s * g - 0.5 * u * s > -e)
        r = r + u;
    return r;
}

std::uint64_t Bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double FromBits(std::uint64_t b)
{
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

const double kInf = std::numeric_limits<double>::infinity();

// The value and its neighbours a few units of the last place either side, both signs.
void AddAround(std::vector<double>& values, double x, int ulps)
{
    for (double v : {x, -x}) {
        double up = v;
        double down = v;
        values.push_back(v);
        for (int k = 0; k < ulps; ++k) {
            up = std::nextafter(up, kInf);
            down = std::nextafter(down, -kInf);
            values.push_back(up);
            values.push_back(down);
        }
    }
}

std::vector<double> Values()
{
    std::vector<double> values;
    values.reserve(7000000);
    SplitMix r{20261207};
    // Halves of every size a result can take and beyond, and the tolerance's edge around them:
    // offsets in eighths of 1e-15 of the value.
    for (int i = 0; i < 30000; ++i) {
        const double whole = std::floor(std::ldexp(r.Unit(), r.Below(56)));
        const double half = whole + 0.5;
        AddAround(values, half, 8);
        const double scale = 1e-15 * std::fmax(1.0, half);
        for (int j = -20; j <= 20; ++j) {
            values.push_back(half + j * scale / 8);
            values.push_back(-(half + j * scale / 8));
        }
    }
    // Powers of ten, where the tolerance's exponent steps, and their neighbours.
    for (int k = -323; k <= 308; ++k)
        AddAround(values, std::pow(10.0, k), 40);
    // Around 2^52 and 2^53, where doubles stop having fractions.
    for (int k = 50; k <= 54; ++k)
        AddAround(values, std::ldexp(1.0, k), 200);
    // Results as the engine meets them: tenths of distances and bearings.
    for (int i = 0; i < 1000000; ++i)
        values.push_back(r.Uniform(-1, 1) * std::ldexp(1.0, r.Below(24)));
    // Every exponent, tiny to huge.
    for (int i = 0; i < 1000000; ++i)
        values.push_back(std::ldexp(r.Uniform(-1, 1), r.Below(2100) - 1075));
    // Any bit pattern at all: NaNs of either sign and any payload, infinities, subnormals.
    for (int i = 0; i < 1500000; ++i)
        values.push_back(FromBits(r.Next()));
    for (double v : {0.0, -0.0, kInf, -kInf, std::numeric_limits<double>::quiet_NaN(),
                     -std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::max(),
                     std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min()})
        AddAround(values, v, 3);
    return values;
}

TEST(RoundValue, AgreesBitForBitWithTheFormulaItReplaced)
{
    const std::vector<double> values = Values();
    long differing = 0;
    long byTolerance = 0;  // the tolerance decided, not plain rounding of halves away from zero
    for (double x : values) {
        const double expected = ReferenceRound(x);
        const double got = CPathCalc::RoundValue(x);
        if (Bits(got) != Bits(expected) && ++differing <= 10)
            ADD_FAILURE() << "RoundValue(" << std::hexfloat << x << ") = " << got << ", formerly " << expected;
        byTolerance += std::isfinite(x) && expected != std::round(x);
    }
    EXPECT_EQ(differing, 0) << "of " << values.size() << " values";
    // The set must reach where the two ways could part: values the tolerance rounds up.
    EXPECT_GT(byTolerance, 100000);
}

} // namespace
