#include "MonkeyInvariants.h"

#include "CalcPageMembers.h"
#include "MonkeyWindow.h"

#include "food/FoodTotalBar.h"
#include "food/FoodView.h"
#include "platform/testing/TestDriver.h"
#include "web/LinkTable.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int kRows = CFoodCatalogue::kRowCount;
constexpr COLORREF kRowValueColor = RGB(0, 0, 192);

std::optional<MonkeyBreach> Breach(std::string rule, const std::string& detail)
{
    return MonkeyBreach{std::move(rule), detail};
}

int PartOf(PageId page) { return kPartFood + static_cast<int>(page); }

const char* PageName(PageId page)
{
    constexpr const char* names[] = {"food", "exercise", "recommend", "bmi", "waist-hip"};
    return names[static_cast<int>(page)];
}

int CurSel(CWnd* page, int id)
{
    CWnd* box = page->GetDlgItem(id);
    return box ? static_cast<int>(box->SendMessage(CB_GETCURSEL)) : -1;
}

} // namespace

MonkeyInvariants::MonkeyInvariants(CMonkeyCalorieDlg& dlg, const uitest::MessageBoxRecorder& prompts,
                                   const uitest::ShellOpenRecorder& links)
    : m_dlg(dlg), m_prompts(prompts), m_links(links), m_promptsChecked(prompts.Texts().size()),
      m_linksChecked(links.Urls().size())
{
}

std::optional<MonkeyBreach> MonkeyInvariants::Check()
{
    TakePaints();
    for (auto check : {&MonkeyInvariants::CheckCalculator, &MonkeyInvariants::CheckFoodValues,
                       &MonkeyInvariants::CheckFoodPaint, &MonkeyInvariants::CheckExercise,
                       &MonkeyInvariants::CheckFocus, &MonkeyInvariants::CheckPromptsAndLinks}) {
        if (std::optional<MonkeyBreach> breach = (this->*check)()) {
            return breach;
        }
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckCalculator()
{
    const PageState& state = m_dlg.Model();
    if (state.selected != state.shown) {
        return Breach("calculator", std::string("the model selects ") + PageName(state.selected) + " but shows " +
                                        PageName(state.shown));
    }
    for (PageId page : kPageIds) {
        const bool chosen = page == state.shown;
        if ((m_dlg.MenuButton(page).GetSelected() != FALSE) != chosen) {
            return Breach("calculator", std::string("the menu button of ") + PageName(page) + " is drawn " +
                                            (chosen ? "unselected" : "selected") + " while " + PageName(state.shown) +
                                            " is chosen");
        }
        if (uitest::IsVisible(m_dlg.Part(PartOf(page))) != chosen) {
            return Breach("calculator", std::string("the ") + PageName(page) + " page is " +
                                            (chosen ? "hidden" : "shown") + " while " + PageName(state.shown) +
                                            " is chosen");
        }
    }
    if (m_dlg.CurrentMenuButton() != &m_dlg.MenuButton(state.shown) || m_dlg.CurrentPage() != m_dlg.Part(PartOf(state.shown))) {
        return Breach("calculator", std::string("the window's current button or page is not ") + PageName(state.shown));
    }
    if (uitest::IsVisible(m_dlg.TotalBar()) != (state.shown == PageId::Food)) {
        return Breach("calculator", std::string("the total bar is ") + (state.shown == PageId::Food ? "hidden" : "shown") +
                                        " with the " + PageName(state.shown) + " page");
    }
    if (m_dlg.TitleBitmapId() != TitleBitmapId(state.shown)) {
        return Breach("calculator", "the title is bitmap " + std::to_string(m_dlg.TitleBitmapId()) + " on the " +
                                        PageName(state.shown) + " page");
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckFoodValues()
{
    CFoodView* food = m_dlg.Food();
    const CFoodTally& tally = food->Tally();
    if (m_dlg.TotalBar()->m_total != tally.Total()) {
        std::ostringstream detail;
        detail << "the total bar holds " << m_dlg.TotalBar()->m_total << ", the rows add up to " << tally.Total();
        return Breach("food total", detail.str());
    }
    // A row whose dish box names a dish holds that dish at the portion its portion box names.
    const CFoodCatalogue catalogue;
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        const int dish = CurSel(food, catalogue.DishBoxId(row));
        const int portion = CurSel(food, catalogue.PortionBoxId(row));
        CFoodTally expected;
        if (dish >= 1 && expected.Select(row, dish, portion) && expected.RowKcal(row) != tally.RowKcal(row)) {
            std::ostringstream detail;
            detail << "row " << row << " shows dish " << dish << " at portion " << portion << " but holds "
                   << tally.RowKcal(row) << " instead of " << expected.RowKcal(row);
            return Breach("food row", detail.str());
        }
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckFoodPaint()
{
    const CFoodTally& tally = m_dlg.Food()->Tally();
    if (!m_paintedRows) {
        return Breach("food paint", "the food page has not painted its rows");
    }
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        const std::string& painted = (*m_paintedRows)[static_cast<std::size_t>(row - 1)];
        if (painted != FormatRowKcal(tally.RowKcal(row))) {
            return Breach("food paint", "row " + std::to_string(row) + " is painted \"" + painted + "\" but holds " +
                                            FormatRowKcal(tally.RowKcal(row)));
        }
    }
    const double total = m_dlg.TotalBar()->m_total;
    if (m_paintedTotal && *m_paintedTotal != FormatTotalKcal(total)) {
        return Breach("food paint", "the total bar is painted \"" + *m_paintedTotal + "\" but holds " + FormatTotalKcal(total));
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckExercise()
{
    const auto page = Members(*m_dlg.Exercise());
    // The sum a person adds up from the rows; each row is read in single precision, which may differ by
    // half a unit of its last place.
    double sum = 0;
    double tolerance = 1e-9;
    for (int row = 0; row < page.m_listLog.GetItemCount(); ++row) {
        const std::string text = page.m_listLog.GetItemText(row, 2);
        const double kcal = std::strtod(text.c_str(), nullptr);
        if (kcal > 0) {
            sum += kcal;
            tolerance += kcal * std::ldexp(1.0, -23);
        }
    }
    if (std::fabs(page.m_dTotalKcal - sum) > tolerance) {
        std::ostringstream detail;
        detail << "the page sums " << page.m_dTotalKcal << " while its " << page.m_listLog.GetItemCount()
               << " rows add up to " << sum;
        return Breach("exercise sum", detail.str());
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckFocus()
{
    CWnd* focus = CWnd::GetFocus();
    if (focus && m_dlg.IsChild(focus) && !uitest::IsVisible(focus)) {
        return Breach("focus", "the keyboard focus is on control " + std::to_string(focus->GetDlgCtrlID()) +
                                   " of a page that is not shown");
    }
    return std::nullopt;
}

std::optional<MonkeyBreach> MonkeyInvariants::CheckPromptsAndLinks()
{
    const std::vector<std::string>& prompts = m_prompts.Texts();
    for (; m_promptsChecked < prompts.size(); ++m_promptsChecked) {
        const std::string& text = prompts[m_promptsChecked];
        if (text != "정수를 입력하십시오." && text != "숫자를 입력하십시오.") {
            return Breach("prompt", "the message box \"" + text + "\" came up");
        }
    }
    const std::vector<std::string>& urls = m_links.Urls();
    for (; m_linksChecked < urls.size(); ++m_linksChecked) {
        bool known = false;
        for (LinkId link : {LinkId::Logo, LinkId::Diary, LinkId::Body, LinkId::Relay, LinkId::Mall}) {
            known = known || urls[m_linksChecked] == LinkUrl(link);
        }
        if (!known) {
            return Breach("link", "the address " + urls[m_linksChecked] + " was opened");
        }
    }
    return std::nullopt;
}

void MonkeyInvariants::TakePaints()
{
    const HWND food = m_dlg.Food()->GetSafeHwnd();
    const HWND bar = m_dlg.TotalBar()->GetSafeHwnd();
    const std::vector<DrawnText>& entries = m_paints.Entries();
    // A complete paint of the page draws each row's label and then its value, row 1 first.
    std::vector<const DrawnText*> page;
    for (const DrawnText& e : entries) {
        if (e.window == food) {
            page.push_back(&e);
        } else if (e.window == bar) {
            m_paintedTotal = e.text;
        }
    }
    const CFoodCatalogue catalogue;
    for (std::size_t i = page.size(); i-- > 0;) {
        if (page[i]->text == catalogue.CategoryLabel(CFoodCatalogue::kFirstRow) && i + 2 * kRows <= page.size()) {
            std::array<std::string, kRows> rows;
            for (std::size_t row = 0; row < kRows; ++row) {
                const DrawnText* value = page[i + 2 * row + 1];
                rows[row] = value->color == kRowValueColor ? value->text : "(no value)";
            }
            m_paintedRows = rows;
            break;
        }
    }
    m_paints.Clear();
}

int MonkeyInvariants::FoodRowsWithValue() const
{
    int rows = 0;
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        rows += m_dlg.Food()->Tally().RowKcal(row) != 0.0F;
    }
    return rows;
}

int MonkeyInvariants::ExerciseRows() const { return Members(*m_dlg.Exercise()).m_listLog.GetItemCount(); }
