// The main of window benchmarks: the application object on the offscreen platform, then the benchmarks.

#include "platform/app/Application.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    auto app = layer::CreateApplication(argc, argv, true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    layer::DestroyAllWindows();
    return 0;
}
