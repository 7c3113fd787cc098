// Google Benchmark of the map window's map, built for a picture of 1000 x 1000 pixels: the
// whole world, a region on the detailed land, and the closest zoom.
#include "map/Land.h"
#include "map/MapView.h"
#include "map/MapZoom.h"

#include <benchmark/benchmark.h>

namespace {

void BuildView(benchmark::State& state, double radiusKm)
{
    CLand::Coarse();
    CLand::Detailed();  // decoded once in the program too, before the first picture
    const Place berlin{"JO62QM", LatLon{52.5208, 13.375}}, moscow{"KO85TS", LatLon{55.7708, 37.625}};
    for (auto _ : state) {
        CMapView view(berlin, moscow, MapFrame{500, 440, 410}, MapViewStyle{radiusKm, 7, 13});
        benchmark::DoNotOptimize(view.GetLand().size());
    }
}

void BM_MapWholeWorld(benchmark::State& state) { BuildView(state, MapWorldKm()); }
void BM_MapFittedToMoscow(benchmark::State& state) { BuildView(state, FittingMapRadius(1610.1)); }
void BM_Map500Km(benchmark::State& state) { BuildView(state, 500); }
void BM_Map50Km(benchmark::State& state) { BuildView(state, 50); }

BENCHMARK(BM_MapWholeWorld)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapFittedToMoscow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map500Km)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Map50Km)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
