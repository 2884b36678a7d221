#pragma once
// Loads the browser plugin of the layer once, after the first frame of the program's first window is
// on the screen: the engine is large, and loading it earlier would delay that frame several times over.
// Browser views ask for it and get it when it is there; without it (not installed, failed to load,
// hosting of browser controls not enabled) they never do and stay plain. It is looked for where the
// layer's modules are (ModuleDirectories.h).

#include <QPointer>

#include <functional>
#include <vector>

class IBrowserPlugin;

namespace layer {

class BrowserLoader {
public:
    enum class State { Waiting, Ready, Unavailable };

    static BrowserLoader& Instance();

    // Runs ready(plugin) on the user-interface thread once the plugin is loaded (at once when it is
    // already); never when it cannot be loaded, nor once `context` is gone.
    void Request(QObject* context, std::function<void(IBrowserPlugin&)> ready);
    State GetState() const { return m_state; }

private:
    struct Waiter {
        QPointer<QObject> context;
        std::function<void(IBrowserPlugin&)> ready;
    };

    void LoadAfterFirstFrame();
    void Load();

    State m_state = State::Waiting;
    bool m_watching = false;
    IBrowserPlugin* m_plugin = nullptr;
    std::vector<Waiter> m_waiters;
};

} // namespace layer
