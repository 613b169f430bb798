// Cost of starting and stopping the pads (SDL2's game-controller subsystem and the watch on
// the input devices) with no pad plugged in, as the program does while its splash shows
// when the system lists a pad.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "shell/QtGamepad.h"

static void Pads_Start_And_Stop(benchmark::State& state)
{
    for (auto _ : state) {
        qv::QtGamepad pads;
        pads.Start();
        benchmark::DoNotOptimize(pads.Pads());
    }
}
BENCHMARK(Pads_Start_And_Stop)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
