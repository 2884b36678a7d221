#include "platform/host/WindowRegistry.h"

#include "platform/core/Menu.h"

#include <QVariant>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <map>

namespace layer {
namespace {

constexpr const char* kHandleProperty = "vintora_hwnd";

// Ordered by handle, so children come out in creation order.
std::map<std::uintptr_t, std::unique_ptr<WindowRecord>>& Records()
{
    static auto* records = new std::map<std::uintptr_t, std::unique_ptr<WindowRecord>>();
    return *records;
}

std::uintptr_t Key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

} // namespace

WindowRecord* Register(CWnd* wnd, WindowKind kind, DWORD style, DWORD exStyle, int id, HWND parent)
{
    static std::atomic<std::uintptr_t> next{0x10000};
    auto record = std::make_unique<WindowRecord>();
    record->hwnd = reinterpret_cast<HWND>(next.fetch_add(4));
    record->wnd = wnd;
    record->kind = kind;
    record->style = style;
    record->exStyle = exStyle;
    record->id = id;
    record->parent = parent;
    record->tabOrder = static_cast<double>(Key(record->hwnd));
    WindowRecord* raw = record.get();
    Records()[Key(raw->hwnd)] = std::move(record);
    return raw;
}

void Unregister(HWND hwnd) { Records().erase(Key(hwnd)); }

WindowRecord* Find(HWND hwnd)
{
    if (!hwnd) {
        return nullptr;
    }
    auto it = Records().find(Key(hwnd));
    return it == Records().end() ? nullptr : it->second.get();
}

void TagWidget(QWidget* widget, HWND hwnd)
{
    widget->setProperty(kHandleProperty, QVariant::fromValue<quintptr>(Key(hwnd)));
}

WindowRecord* FindByWidget(const QObject* widget)
{
    for (const QObject* o = widget; o; o = o->parent()) {
        const QVariant v = o->property(kHandleProperty);
        if (v.isValid()) {
            return Find(reinterpret_cast<HWND>(v.value<quintptr>()));
        }
    }
    return nullptr;
}

std::vector<WindowRecord*> ChildrenOf(HWND hwnd)
{
    std::vector<WindowRecord*> children;
    for (auto& [key, record] : Records()) {
        if (record->parent == hwnd && (record->style & WS_CHILD)) {
            children.push_back(record.get());
        }
    }
    return children;
}

std::vector<WindowRecord*> ChildrenInTabOrder(HWND hwnd)
{
    std::vector<WindowRecord*> children = ChildrenOf(hwnd);
    std::stable_sort(children.begin(), children.end(),
                     [](const WindowRecord* a, const WindowRecord* b) { return a->tabOrder < b->tabOrder; });
    return children;
}

void PlaceInTabOrderAfter(WindowRecord* record, const WindowRecord* after)
{
    // Between `after` and the sibling that follows it now.
    double next = after->tabOrder + 2;
    for (const WindowRecord* sibling : ChildrenOf(record->parent)) {
        if (sibling != record && sibling->tabOrder > after->tabOrder && sibling->tabOrder < next) {
            next = sibling->tabOrder;
        }
    }
    record->tabOrder = (after->tabOrder + next) / 2;
}

std::vector<HWND> AllWindows()
{
    std::vector<HWND> all;
    for (auto& [key, record] : Records()) {
        all.push_back(record->hwnd);
    }
    return all;
}

QWidget* ClientWidget(HWND hwnd)
{
    WindowRecord* r = Find(hwnd);
    return r ? r->client.data() : nullptr;
}

QWidget* OuterWidget(HWND hwnd)
{
    WindowRecord* r = Find(hwnd);
    return r ? r->outer.data() : nullptr;
}

void NoteReportedState(const QWindow* window)
{
    for (auto& [key, record] : Records()) {
        if (!(record->style & WS_CHILD) && record->outer && record->outer->windowHandle() == window) {
            record->minimized = window->windowStates() & Qt::WindowMinimized;
        }
    }
}

WindowRecord* TopLevelOf(WindowRecord* record)
{
    while (record && (record->style & WS_CHILD)) {
        record = Find(record->parent);
    }
    return record;
}

bool IsControl(WindowKind kind)
{
    return kind != WindowKind::Window && kind != WindowKind::Dialog && kind != WindowKind::Form;
}

bool IsControlParent(const WindowRecord* record)
{
    return (record->style & WS_CHILD) && (record->kind == WindowKind::Dialog || record->kind == WindowKind::Form);
}

} // namespace layer
