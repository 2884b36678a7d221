#pragma once
// While the application is made, Qt opens the window system. Where no platform can be opened, Qt prints
// a long message and aborts (a core dump); under the guard the program prints one line instead, naming
// the platforms that were tried and their display, and ends with status 1. Qt's other messages of that
// time are held back and go to the usual handler when the guard ends.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace layer {

class StartupGuard {
public:
    // argc and argv as the application will be given them (it takes its own options off them).
    StartupGuard(int argc, char** argv);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

private:
    struct HeldMessage {
        QtMsgType type;
        QByteArray category, file, function;
        int line;
        QString text;
    };

    struct TriedPlatform {
        QString name;
        bool installed; // Qt has the plugin but could not open the window system with it
    };

    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void CannotOpenDisplay() const;
    // "platform xcb, DISPLAY=:0" and the like.
    std::string DescribePlatform(const TriedPlatform& tried) const;

    std::string m_program;          // the executable's name, for the line
    QByteArray m_displayArgument;   // the value of -display, empty without one
    std::vector<TriedPlatform> m_triedPlatforms; // in the order Qt tries them
    std::vector<HeldMessage> m_held;
    QtMessageHandler m_previous = nullptr;
};

} // namespace layer
