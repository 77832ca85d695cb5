#include "units/rounding.h"

#include <benchmark/benchmark.h>

// Baseline of the cheapest operation every safety factor performs.
static void BM_RoundToHundredths(benchmark::State &state)
{
    long double x = 3.14159L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pc::roundToPow10(x, -2));
        x += 0.001L;
    }
}
BENCHMARK(BM_RoundToHundredths);
