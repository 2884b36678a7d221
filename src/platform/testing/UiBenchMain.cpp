// The main of window benchmarks: the tests' observer of the layer, the application object on the
// offscreen platform, then the benchmarks.

#include "platform/app/Application.h"
#include "platform/testing/TestObserver.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    uitest::InstallTestObserver();
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
