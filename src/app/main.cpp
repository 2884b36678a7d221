// The program's entry: reads the command line as GNU programs do, then runs the calorie calculator,
// answers --help or --version, or renders each calculator to PNG files without a display
// (--screenshot DIR). The toolkit's own options (-platform NAME, -display D, -style S …) go to it.

#include "app/CalorieApp.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "Usage: vintora [--help | --version | --screenshot DIR] [QT-OPTION]...\n"
    "The calorie calculator: food and exercise calories, the recommended minimum calories,\n"
    "the body mass index and the waist-to-hip ratio, in one window.\n"
    "\n"
    "      --help            print this help and exit\n"
    "      --version         print the product name and version and exit\n"
    "      --screenshot DIR  save the main window with each calculator chosen as PNG files\n"
    "                        in DIR, without a display, and exit\n"
    "\n"
    "Qt's standard options, such as -platform NAME, -display DISPLAY or -style STYLE,\n"
    "are handed to Qt.\n"
    "\n"
    "Exit status: 0 on success, 1 when the display cannot be opened or the pictures\n"
    "cannot be written, 2 for a wrong command line.\n";

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> screenshotDir;
    std::vector<char*> toolkitArgs; // the program's name, then Qt's options with their values
    std::string error;              // what was wrong; empty when the command line is good
};

CommandLine ReadCommandLine(int argc, char** argv)
{
    CommandLine line;
    line.toolkitArgs.assign(argv, argv + std::min(argc, 1)); // no name at all where argc is 0
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view arg = argv[i];
        const bool hasNext = i + 1 < argc;
        if (arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--screenshot") {
            if (hasNext) {
                line.screenshotDir = argv[++i];
            } else {
                line.error = "option '--screenshot' requires an argument";
            }
        } else if (arg.starts_with("--screenshot=")) {
            line.screenshotDir = arg.substr(arg.find('=') + 1);
        } else if (arg == "--") { // the end of the options; the program takes no other arguments
            if (hasNext) {
                line.error = "unexpected argument '" + std::string(argv[i + 1]) + "'";
            }
            break;
        } else if (const ToolkitArgument kind = ClassifyToolkitArgument(arg); kind != ToolkitArgument::None) {
            line.toolkitArgs.push_back(argv[i]);
            if (kind == ToolkitArgument::WithValue) {
                if (hasNext) {
                    line.toolkitArgs.push_back(argv[++i]);
                } else {
                    line.error = "option '" + std::string(arg) + "' requires an argument";
                }
            }
        } else if (arg.starts_with('-') && arg != "-") {
            line.error = "unknown option '" + std::string(arg) + "'";
        } else {
            line.error = "unexpected argument '" + std::string(arg) + "'";
        }
    }
    line.toolkitArgs.push_back(nullptr); // argv ends with a null pointer
    return line;
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
    CommandLine line = ReadCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::cerr << "vintora: " << line.error << "\nTry 'vintora --help' for more information.\n";
        return 2;
    }
    if (line.help) {
        std::cout << kUsage;
        return 0;
    }
    if (line.version) {
        std::cout << VINTORA_PRODUCT_NAME " " VINTORA_VERSION "\n";
        return 0;
    }
    const int toolkitArgc = static_cast<int>(line.toolkitArgs.size()) - 1;
    if (line.screenshotDir) {
        return SaveScreenshots(*line.screenshotDir, toolkitArgc, line.toolkitArgs.data());
    }
    return AfxWinMain(toolkitArgc, line.toolkitArgs.data());
}
