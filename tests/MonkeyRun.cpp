#include "MonkeyRun.h"

#include "MonkeyInvariants.h"
#include "MonkeyWindow.h"

#include "platform/testing/TestDriver.h"

#include <algorithm>
#include <functional>
#include <cstdio>

namespace {

using StepSource = std::function<std::optional<MonkeyEvent>(const MonkeyScene&)>;

// How a window's run ended.
enum class WindowEnd { StepsDone, ClosedByPerson, Failed };

CRect Intersect(const CRect& a, const CRect& b)
{
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
    return r.IsRectEmpty() ? CRect() : r;
}

class MonkeyRunner {
public:
    explicit MonkeyRunner(StepSource next) : m_next(std::move(next)) {}

    MonkeyOutcome Run()
    {
        const uitest::QuietPointerWarnings quiet;
        uitest::ModalWatcher watcher([this] { AnswerModal(); }, [this] { return AnswerBlockingMenu(); });
        WindowEnd end = WindowEnd::ClosedByPerson;
        while (end == WindowEnd::ClosedByPerson) {
            CMonkeyCalorieDlg dlg;
            MonkeyInvariants invariants(dlg, m_prompts, m_links);
            dlg.onStart = [&] { end = RunWindow(dlg, invariants); };
            m_dlg = &dlg;
            end = WindowEnd::Failed;
            const INT_PTR result = dlg.DoModal();
            m_dlg = nullptr;
            ++m_outcome.stats.windows;
            if (end != WindowEnd::Failed && result != IDOK) {
                Fail("run", "the run ended with " + std::to_string(result) + ", not with the close button's IDOK");
                end = WindowEnd::Failed;
            }
            if (end == WindowEnd::Failed && !m_outcome.failure) {
                Fail("run", "the window's run ended before its first step");
            }
        }
        m_outcome.stats.prompts = static_cast<int>(m_prompts.Texts().size());
        m_outcome.stats.links = static_cast<int>(m_links.Urls().size());
        return std::move(m_outcome);
    }

private:
    std::size_t CurrentStep() const { return m_outcome.events.empty() ? 0 : m_outcome.events.size() - 1; }

    void Fail(const std::string& rule, const std::string& detail)
    {
        if (!m_outcome.failure) {
            m_outcome.failure = MonkeyFailure{CurrentStep(), rule, detail};
        }
    }

    WindowEnd FailWindow(CMonkeyCalorieDlg& dlg, const std::string& rule, const std::string& detail)
    {
        Fail(rule, detail);
        if (!dlg.Ended()) {
            dlg.EndDialog(-1);
        }
        return WindowEnd::Failed;
    }

    WindowEnd RunWindow(CMonkeyCalorieDlg& dlg, MonkeyInvariants& invariants)
    {
        if (!uitest::ShowAndActivate(&dlg)) {
            return FailWindow(dlg, "start", "the main window did not come up active");
        }
        if (!uitest::WaitUntil([&dlg] { return dlg.Exercise() != nullptr; })) {
            return FailWindow(dlg, "start", "the calculators were not made after the first frame");
        }
        uitest::ProcessEvents();
        if (std::optional<MonkeyBreach> breach = invariants.Check()) {
            return FailWindow(dlg, breach->rule, "at start: " + breach->detail);
        }
        for (;;) {
            const std::optional<MonkeyEvent> event = m_next(SceneOf(dlg));
            if (!event) {
                return CloseAtTheEnd(dlg);
            }
            m_outcome.events.push_back(*event);
            m_answer = event->answer;
            m_modalCameUp = false;
            m_stepLoopDepth = uitest::EventLoopDepth();
            const bool aimedAtClose = Apply(dlg, *event);
            m_stepLoopDepth = -1;
            uitest::ProcessEvents();
            if (m_modalCameUp) {
                m_outcome.modalSteps.push_back(CurrentStep());
            }
            if (m_outcome.failure) {
                return FailWindow(dlg, m_outcome.failure->rule, m_outcome.failure->detail);
            }
            if (dlg.Ended()) {
                return aimedAtClose ? WindowEnd::ClosedByPerson
                                    : FailWindow(dlg, "run", "the run ended though the close button was not pressed");
            }
            if (uitest::ReturnActivationFromClosedPopup(&dlg)) {
                ++m_outcome.stats.activationsReturned;
            }
            if (dlg.IsIconic()) {
                ++m_outcome.stats.minimised;
                if (!uitest::RestoreFromTaskbar(&dlg)) {
                    return FailWindow(dlg, "window", "the minimised window did not come back from the task bar");
                }
            }
            if (uitest::PopupRect(&dlg).IsRectEmpty() && !uitest::IsActive(&dlg)) {
                return FailWindow(dlg, "activation", "the main window is not the active window");
            }
            if (!dlg.LoopAnswers()) {
                return FailWindow(dlg, "loop", "a message posted to the window did not come back");
            }
            if (std::optional<MonkeyBreach> breach = invariants.Check()) {
                return FailWindow(dlg, breach->rule, breach->detail);
            }
            Count(dlg, invariants);
        }
    }

    // The person is done and presses the close button, which ends the run.
    WindowEnd CloseAtTheEnd(CMonkeyCalorieDlg& dlg)
    {
        if (!uitest::PopupRect(&dlg).IsRectEmpty()) {
            uitest::PressFocusedKey(VK_ESCAPE); // an open popup closes first, as a person would close it
            uitest::ProcessEvents();
        }
        if (!uitest::Click(&dlg, IDOK) || !uitest::WaitUntil([&dlg] { return dlg.Ended(); }, 2000)) {
            return FailWindow(dlg, "close", "the close button did not end the run");
        }
        return WindowEnd::StepsDone;
    }

    void Count(CMonkeyCalorieDlg& dlg, const MonkeyInvariants& invariants)
    {
        MonkeyStats& stats = m_outcome.stats;
        ++stats.pageShows[static_cast<std::size_t>(dlg.Model().shown)];
        stats.mostFoodRows = std::max(stats.mostFoodRows, invariants.FoodRowsWithValue());
        stats.mostExerciseRows = std::max(stats.mostExerciseRows, invariants.ExerciseRows());
    }

    // The visible part of a part of the window, in the main window's client coordinates.
    static CRect AreaOf(CMonkeyCalorieDlg& dlg, int part)
    {
        CRect client;
        dlg.GetClientRect(&client);
        CWnd* window = dlg.Part(part);
        if (!window || !uitest::IsVisible(window)) {
            return {};
        }
        return part == kPartMain ? client : Intersect(uitest::RectIn(&dlg, window), client);
    }

    static MonkeyScene SceneOf(CMonkeyCalorieDlg& dlg)
    {
        MonkeyScene scene;
        CRect client;
        dlg.GetClientRect(&client);
        scene.clientWidth = client.Width();
        scene.clientHeight = client.Height();
        CRect window;
        dlg.GetWindowRect(&window);
        scene.windowX = window.left;
        scene.windowY = window.top;
        scene.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        scene.screenHeight = GetSystemMetrics(SM_CYSCREEN);
        scene.popupOpen = !uitest::PopupRect(&dlg).IsRectEmpty();
        std::vector<CWnd*> parts;
        for (int part = 0; part < kPartCount; ++part) {
            parts.push_back(dlg.Part(part));
        }
        for (int part = 0; part < kPartCount; ++part) {
            const CRect area = AreaOf(dlg, part);
            if (area.IsRectEmpty()) {
                continue;
            }
            if (part != kPartMain) {
                scene.targets.push_back({part, 0, area.left, area.top, area.Width(), area.Height()});
            }
            for (CWnd* child : uitest::VisibleChildren(parts[static_cast<std::size_t>(part)])) {
                if (std::find(parts.begin(), parts.end(), child) != parts.end()) {
                    continue; // a part of its own
                }
                if (part == kPartMain && child->GetDlgCtrlID() == IDOK) {
                    continue; // the close button is hit as a person hits it, rarely: by the skin's points and keys
                }
                const CRect r = Intersect(uitest::RectIn(&dlg, child), area);
                if (!r.IsRectEmpty()) {
                    scene.targets.push_back({part, child->GetDlgCtrlID(), r.left, r.top, r.Width(), r.Height()});
                }
            }
        }
        return scene;
    }

    // The point a step aims at now, in the main window's client coordinates; none when it is not there.
    static std::optional<CPoint> Resolve(CMonkeyCalorieDlg& dlg, const MonkeySpot& spot)
    {
        CRect area;
        switch (spot.area) {
        case MonkeyArea::Skin:
            dlg.GetClientRect(&area);
            break;
        case MonkeyArea::Popup:
            area = uitest::PopupRect(&dlg);
            break;
        case MonkeyArea::Control: {
            area = AreaOf(dlg, spot.part);
            CWnd* part = dlg.Part(spot.part);
            CWnd* control = spot.id == 0 || !part ? part : part->GetDlgItem(spot.id);
            if (spot.id != 0 && !area.IsRectEmpty()) {
                area = control && uitest::IsVisible(control) ? Intersect(uitest::RectIn(&dlg, control), area) : CRect();
            }
            break;
        }
        }
        if (area.IsRectEmpty()) {
            return std::nullopt;
        }
        return CPoint(area.left + static_cast<int>(spot.fx * area.Width()), area.top + static_cast<int>(spot.fy * area.Height()));
    }

    static bool OnCloseButton(CMonkeyCalorieDlg& dlg, CPoint p)
    {
        CWnd* close = dlg.GetDlgItem(IDOK);
        return close && uitest::PopupRect(&dlg).IsRectEmpty() && uitest::RectIn(&dlg, close).PtInRect(p);
    }

    // Carries the step out; answers whether it aimed at the close button (a press on it, or a key while the
    // focus is on it), the one way a person ends the run.
    static bool Apply(CMonkeyCalorieDlg& dlg, const MonkeyEvent& event)
    {
        CWnd* focus = CWnd::GetFocus();
        const bool focusOnClose = focus && focus == dlg.GetDlgItem(IDOK);
        switch (event.action) {
        case MonkeyAction::Key:
            uitest::PressFocusedKey(event.vk, false, event.shift, event.alt);
            return focusOnClose;
        case MonkeyAction::Type:
            if (event.overtype) {
                uitest::PressFocusedKey('A', false, false, false, true);
            }
            uitest::TypeFocusedKeys(event.text);
            return focusOnClose;
        case MonkeyAction::Commit:
            uitest::CommitFocusedInput(event.text);
            return false;
        default:
            break;
        }
        const std::optional<CPoint> at = Resolve(dlg, event.spot);
        if (!at) {
            return false;
        }
        const CPoint p = *at;
        const bool pressOnClose = OnCloseButton(dlg, p);
        switch (event.action) {
        case MonkeyAction::Click:
            uitest::ClickAt(&dlg, p);
            return pressOnClose;
        case MonkeyAction::DoubleClick:
            uitest::DoubleClickAt(&dlg, p);
            return pressOnClose;
        case MonkeyAction::RightClick:
            uitest::RightClickAt(&dlg, p);
            return false;
        case MonkeyAction::Drag: {
            const CPoint to(p.x + event.dx, p.y + event.dy);
            uitest::Drag(&dlg, p, to);
            return pressOnClose && OnCloseButton(dlg, to);
        }
        case MonkeyAction::Wheel:
            uitest::Wheel(&dlg, p, event.notches);
            return false;
        default:
            return false;
        }
    }

    // A menu that runs a loop of its own inside the step (a scroll bar's context menu) holds the step until it
    // closes: the person closes it with Escape, and the step ends. Other menus stay open for the next steps.
    bool AnswerBlockingMenu()
    {
        if (m_stepLoopDepth < 0 || uitest::EventLoopDepth() <= m_stepLoopDepth || !uitest::IsMenuOpen()) {
            return false;
        }
        ++m_outcome.stats.menusClosed;
        uitest::PressFocusedKey(VK_ESCAPE);
        return true;
    }

    // A modal window came up during the step (the about box): the person answers it as the step says.
    void AnswerModal()
    {
        CWnd* modal = uitest::ActiveModalWindow();
        if (m_dlg && modal == m_dlg) {
            return; // the main window's own run
        }
        m_modalCameUp = true;
        ++m_outcome.stats.modalWindows;
        if (!modal) {
            Fail("modal", "a window that is not the program's came up: \"" + uitest::ActiveMessageBoxText() + "\"");
            uitest::CloseModalIfStillOpen();
            return;
        }
        switch (m_answer) {
        case MonkeyAnswer::Enter:
            uitest::PressFocusedKey(VK_RETURN);
            break;
        case MonkeyAnswer::Escape:
            uitest::PressFocusedKey(VK_ESCAPE);
            break;
        case MonkeyAnswer::Space:
            uitest::PressFocusedKey(VK_SPACE);
            break;
        case MonkeyAnswer::ClickOk:
            uitest::Click(modal, IDOK);
            break;
        case MonkeyAnswer::AltF4:
            uitest::PressFocusedKey(VK_F4, false, false, true);
            break;
        }
        if (!uitest::WaitUntil([modal] { return !modal->IsWindowVisible(); }, 2000)) {
            Fail("modal", std::string("the modal window stayed open after ") + AnswerName(m_answer));
            uitest::CloseModalIfStillOpen();
        }
    }

    StepSource m_next;
    MonkeyOutcome m_outcome;
    uitest::MessageBoxRecorder m_prompts;
    uitest::ShellOpenRecorder m_links;
    CMonkeyCalorieDlg* m_dlg = nullptr;
    MonkeyAnswer m_answer = MonkeyAnswer::Enter;
    bool m_modalCameUp = false;
    int m_stepLoopDepth = -1; // while a step is carried out: the depth of event loops it started from
};

} // namespace

MonkeyOutcome RunMonkey(std::uint32_t seed, std::size_t count)
{
    MonkeyChooser chooser(seed);
    std::size_t taken = 0;
    return MonkeyRunner([&](const MonkeyScene& scene) -> std::optional<MonkeyEvent> {
               if (taken == count) {
                   return std::nullopt;
               }
               ++taken;
               return chooser.Next(scene);
           })
        .Run();
}

MonkeyOutcome ReplayMonkey(const std::vector<MonkeyEvent>& events)
{
    std::size_t next = 0;
    return MonkeyRunner([&](const MonkeyScene&) -> std::optional<MonkeyEvent> {
               return next < events.size() ? std::optional<MonkeyEvent>(events[next++]) : std::nullopt;
           })
        .Run();
}
