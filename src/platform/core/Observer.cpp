#include "platform/core/Observer.h"

#include <atomic>

namespace layer {
namespace {
std::atomic<Observer*> g_observer{nullptr};
}

Observer* SetObserver(Observer* observer) { return g_observer.exchange(observer); }

Observer* CurrentObserver() { return g_observer.load(); }

} // namespace layer
