// Google Benchmark of the engine's operations on a fixed set of pseudo-random inputs.
#include "engine/GeoPoint.h"
#include "engine/LocatorCodec.h"
#include "engine/PathCalc.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kInputs = 4096;  // a power of two: the index wraps with a mask

struct Inputs {
    std::vector<double> latitudes;
    std::vector<double> longitudes;
    std::vector<std::string> locators6;
    std::vector<std::string> locators10;

    Inputs()
    {
        std::uint64_t state = 20240601;
        auto next = [&state]() {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1p-53;
        };
        for (std::size_t i = 0; i < kInputs; ++i) {
            const double lat = next() * 180 - 90;
            const double lon = next() * 360 - 180;
            latitudes.push_back(lat);
            longitudes.push_back(lon);
            locators10.push_back(EncodeLocator(lat, lon));
            locators6.push_back(locators10.back().substr(0, 6));
        }
    }
};

const Inputs& TheInputs()
{
    static const Inputs inputs;
    return inputs;
}

void BM_EncodeLocator(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeLocator(in.latitudes[i], in.longitudes[i]));
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_EncodeLocator);

void BM_PadAndDecodeLocator(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = in.locators6[i];
        PadLocator(text);
        benchmark::DoNotOptimize(DecodeLocator(text));
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_PadAndDecodeLocator);

void BM_GeoPointSetLocator(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        CGeoPoint point;
        benchmark::DoNotOptimize(point.SetLocator(in.locators6[i]));
        benchmark::DoNotOptimize(point.GetLatitudeSecond());
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_GeoPointSetLocator);

// Pairs of locators as the window and the command line hand them over.
std::vector<CPathCalc> ThePaths()
{
    const Inputs& in = TheInputs();
    std::vector<CPathCalc> paths(kInputs);
    for (std::size_t k = 0; k < kInputs; ++k)
        paths[k].SetLocations(in.locators6[k], in.locators10[(k * 7 + 1) & (kInputs - 1)]);
    return paths;
}

// One result of CPathCalc between two of the locators, SetLocations excluded. Each round works
// on a fresh copy of a set pair, so nothing is left over from an earlier round.
template <double (CPathCalc::*Result)() const>
void BM_PathResult(benchmark::State& state)
{
    const std::vector<CPathCalc> paths = ThePaths();
    std::size_t i = 0;
    for (auto _ : state) {
        CPathCalc path = paths[i];
        benchmark::DoNotOptimize((path.*Result)());
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK_TEMPLATE(BM_PathResult, &CPathCalc::GetBearing)->Name("BM_PathCalc_GetBearing");
BENCHMARK_TEMPLATE(BM_PathResult, &CPathCalc::GetNauticalMiles)->Name("BM_PathCalc_GetNauticalMiles");
BENCHMARK_TEMPLATE(BM_PathResult, &CPathCalc::GetStatuteMiles)->Name("BM_PathCalc_GetStatuteMiles");
BENCHMARK_TEMPLATE(BM_PathResult, &CPathCalc::GetKilometers)->Name("BM_PathCalc_GetKilometers");

// All four results, in the order they are shown.
void ReadAllFour(CPathCalc& path)
{
    benchmark::DoNotOptimize(path.GetBearing());
    benchmark::DoNotOptimize(path.GetStatuteMiles());
    benchmark::DoNotOptimize(path.GetKilometers());
    benchmark::DoNotOptimize(path.GetNauticalMiles());
}

// The whole distance request: all four results of a set pair.
void BM_PathCalcAllFour(benchmark::State& state)
{
    const std::vector<CPathCalc> paths = ThePaths();
    std::size_t i = 0;
    for (auto _ : state) {
        CPathCalc path = paths[i];
        ReadAllFour(path);
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_PathCalcAllFour);

// The same from the two texts: SetLocations and the four results.
void BM_PathCalcRequest(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        CPathCalc path;
        benchmark::DoNotOptimize(path.SetLocations(in.locators6[i], in.locators10[(i * 7 + 1) & (kInputs - 1)]));
        ReadAllFour(path);
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_PathCalcRequest);

// RoundValue on values of the size it meets in distances, in tenths.
void BM_RoundValue(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CPathCalc::RoundValue(in.longitudes[i] * 1000));
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_RoundValue);

void BM_PathCalcSetLocations(benchmark::State& state)
{
    const Inputs& in = TheInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        CPathCalc path;
        benchmark::DoNotOptimize(path.SetLocations(in.locators6[i], in.locators10[(i * 7 + 1) & (kInputs - 1)]));
        i = (i + 1) & (kInputs - 1);
    }
}
BENCHMARK(BM_PathCalcSetLocations);

} // namespace

BENCHMARK_MAIN();
