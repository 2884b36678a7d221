#include "platform/app/StartupGuard.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace layer {
namespace {
StartupGuard* g_guard = nullptr;
} // namespace

StartupGuard::StartupGuard(int argc, char** argv)
    : m_program(argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "program")
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-display" || arg == "--display") {
            m_displayArgument = argv[i + 1];
        }
    }
    g_guard = this;
    m_previous = qInstallMessageHandler(&StartupGuard::Handle);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(m_previous);
    g_guard = nullptr;
    for (const HeldMessage& m : m_held) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(), m.category.constData());
        m_previous(m.type, context, m.text);
    }
}

void StartupGuard::Handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartupGuard& guard = *g_guard;
    if (type == QtFatalMsg) {
        guard.CannotOpenDisplay(); // Qt's fatal message while it starts: no platform could be opened
    }
    // Qt names each platform it fails to open: Could not load the Qt platform plugin "xcb" in "" even
    // though it was found; or, where it has no such plugin: Could not find the Qt platform plugin "…".
    const QByteArray category = context.category ? context.category : "";
    if (category == "qt.qpa.plugin") {
        const QString marker = QStringLiteral("platform plugin \"");
        if (const qsizetype from = text.indexOf(marker); from >= 0) {
            const qsizetype start = from + marker.size();
            const QString name = text.mid(start, text.indexOf(QLatin1Char('"'), start) - start);
            guard.m_triedPlatforms.push_back({name, !text.startsWith(QLatin1String("Could not find"))});
        }
    }
    guard.m_held.push_back({type, category, context.file, context.function, context.line, text});
}

std::string StartupGuard::DescribePlatform(const TriedPlatform& tried) const
{
    const auto variable = [](const char* name) {
        const QByteArray value = qgetenv(name);
        return std::string(name) + (value.isEmpty() ? " not set" : "=" + value.toStdString());
    };
    const QString& platform = tried.name;
    std::string text = "platform " + platform.toStdString();
    if (!tried.installed) {
        text += ", not installed";
    } else if (platform == QLatin1String("xcb")) {
        text += ", " + (m_displayArgument.isEmpty() ? variable("DISPLAY") : "-display " + m_displayArgument.toStdString());
    } else if (platform == QLatin1String("wayland")) {
        text += ", " + variable("WAYLAND_DISPLAY");
    }
    return text;
}

void StartupGuard::CannotOpenDisplay() const
{
    std::string tried;
    for (const TriedPlatform& platform : m_triedPlatforms) {
        tried += (tried.empty() ? "" : "; ") + DescribePlatform(platform);
    }
    const std::string line = m_program + ": cannot open the display" + (tried.empty() ? "" : " (" + tried + ")") + '\n';
    std::fflush(nullptr);
    std::fputs(line.c_str(), stderr);
    // Nothing of the half-made application may run any more: no exit handlers, no abort.
    std::_Exit(1);
}

} // namespace layer
