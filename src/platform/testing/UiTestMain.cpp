// The main of window tests: the tests' observer of the layer, the application object on the offscreen
// platform, then the tests.

#include "platform/app/Application.h"
#include "platform/testing/TestObserver.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    uitest::InstallTestObserver();
    auto app = layer::CreateApplication(argc, argv, true);
    const int status = RUN_ALL_TESTS();
    layer::DestroyAllWindows();
    return status;
}
