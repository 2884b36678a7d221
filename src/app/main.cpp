// The program's entry: runs the calorie calculator, or answers --version, or renders each calculator
// to PNG files without a display (--screenshot DIR).

#include "app/CalorieApp.h"

#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kUsage =
    "usage: vintora [--version | --screenshot DIR]\n"
    "  --version         print the product name and version\n"
    "  --screenshot DIR  save the main window with each calculator chosen as PNG files in DIR\n";

int Usage()
{
    std::cerr << kUsage;
    return 2;
}

int SaveScreenshots(const std::string& dir, int argc, char** argv)
{
    // Absolute first: the program makes its own directory the current one while it starts.
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(dir, error);
    if (!error) {
        std::filesystem::create_directories(target, error);
    }
    if (error) {
        std::cerr << "vintora: cannot use the directory " << dir << ": " << error.message() << '\n';
        return 1;
    }
    theApp.m_strScreenshotDir = target.string();
    PlatformOptions options;
    options.offscreen = true;
    const int status = AfxWinMain(argc, argv, options);
    if (status != 0 || !theApp.m_bScreenshotsSaved) {
        std::cerr << "vintora: the pictures could not be written to " << target.string() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string_view(argv[1]).starts_with('-')) {
        const std::string_view option = argv[1];
        if (option == "--version" && argc == 2) {
            std::cout << VINTORA_PRODUCT_NAME " " VINTORA_VERSION "\n";
            return 0;
        }
        if (option == "--screenshot" && argc == 3) {
            return SaveScreenshots(argv[2], 1, argv);
        }
        return Usage();
    }
    return AfxWinMain(argc, argv);
}
