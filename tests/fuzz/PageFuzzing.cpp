#include "PageFuzzing.h"

#include "FuzzCheck.h"
#include "platform/app/Application.h"
#include "platform/testing/TestDriver.h"
#include "platform/testing/TestObserver.h"
#include "res/Resource.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace fuzz {
namespace {

// A member's value as bits, so that a double compares exactly (-0 and 0 apart).
std::uint64_t Bits(const ExchangedField& field)
{
    if (const auto* real = std::get_if<RealEntry>(&field)) {
        return std::bit_cast<std::uint64_t>(*real->member);
    }
    if (const auto* entry = std::get_if<IntEntry>(&field)) {
        return static_cast<std::uint32_t>(*entry->member);
    }
    return static_cast<std::uint32_t>(*std::get<RadioGroup>(field).member);
}

// The edit of an int or double field.
int EditId(const ExchangedField& field)
{
    return std::holds_alternative<IntEntry>(field) ? std::get<IntEntry>(field).id : std::get<RealEntry>(field).id;
}

int CheckedIndex(CWnd& page, const RadioGroup& group)
{
    for (std::size_t i = 0; i < group.ids.size(); ++i) {
        if (uitest::IsChecked(&page, group.ids[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Whether an int or double field's edit holds a number that its member takes.
bool Reads(CWnd& page, const ExchangedField& field)
{
    const std::string text = page.GetDlgItemText(EditId(field));
    int integer = 0;
    double real = 0;
    return std::holds_alternative<IntEntry>(field) ? ParseDdxInt(text, integer) : ParseDdxDouble(text, real);
}

void Fill(CWnd& page, const ExchangedField& field, FuzzedDataProvider& input)
{
    if (const auto* group = std::get_if<RadioGroup>(&field)) {
        const int chosen = group->ids[input.ConsumeIntegralInRange<std::size_t>(0, group->ids.size() - 1)];
        if (!uitest::IsChecked(&page, chosen)) {
            Check(uitest::Click(&page, chosen), "a radio button can be clicked");
        }
        return;
    }
    page.SetDlgItemText(EditId(field), input.ConsumeRandomLengthString());
}

} // namespace

void ShowPage(CDialog& page, UINT idd)
{
    // The application keeps argc by reference and may take arguments it knows: it gets its own.
    static int argc = 1;
    static char name[] = "fuzzer";
    static char* argv[] = {name, nullptr};
    static const bool observed = (uitest::InstallTestObserver(), true);
    (void)observed;
    static auto* app = layer::CreateApplication(argc, argv, true).release(); // lives as long as the run
    (void)app;
    static const DialogTemplate kParent{0, WS_POPUP | DS_SETFONT, 0, 269, 167, "", "굴림", 9, {}};
    auto* parent = new CDialog(kParent);
    Check(parent->CreateIndirect(kParent) && page.Create(idd, parent), "the page is made from its template");
    page.SetWindowPos(nullptr, 0, 0, 470, 250, SWP_NOZORDER | SWP_SHOWWINDOW);
    Check(uitest::ShowAndActivate(parent), "the page's window is shown and active");
}

bool PressOk(CWnd& page, const std::vector<ExchangedField>& fields, FuzzedDataProvider& input, Refusal refusal)
{
    for (const ExchangedField& field : fields) {
        Fill(page, field, input);
    }
    std::vector<std::uint64_t> before;
    for (const ExchangedField& field : fields) {
        before.push_back(Bits(field));
    }

    // OK's click notification, as the button sends it: a pointer click through the desktop's event path
    // costs several times as much (hover tracking, the button's own repaints), and the page tests click.
    uitest::MessageBoxRecorder prompts;
    CWnd* ok = page.GetDlgItem(IDC_OK);
    Check(ok != nullptr, "the page has its OK button");
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OK, BN_CLICKED), reinterpret_cast<LPARAM>(ok->GetSafeHwnd()));

    // The exchange stops at the first edit that does not read.
    std::size_t refusedAt = fields.size();
    for (std::size_t i = 0; i < fields.size() && refusedAt == fields.size(); ++i) {
        if (!std::holds_alternative<RadioGroup>(fields[i]) && !Reads(page, fields[i])) {
            refusedAt = i;
        }
    }
    const bool refused = refusedAt < fields.size();
    const std::size_t taken = refused && refusal == Refusal::RestoresEveryField ? 0 : refusedAt;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ExchangedField& field = fields[i];
        if (i >= taken) {
            Check(Bits(field) == before[i], i < refusedAt  ? "a refused OK gives the fields read before it back their values"
                                            : i == refusedAt ? "a refused field keeps its member"
                                                             : "the fields after a refused one keep their members");
        } else if (const auto* group = std::get_if<RadioGroup>(&field)) {
            Check(*group->member == CheckedIndex(page, *group), "a radio group reads as its checked button");
        } else if (const auto* entry = std::get_if<IntEntry>(&field)) {
            int value = 0;
            ParseDdxInt(page.GetDlgItemText(entry->id), value);
            Check(*entry->member == value, "an int member holds its edit's number");
        } else {
            const auto& real = std::get<RealEntry>(field);
            double value = 0;
            ParseDdxDouble(page.GetDlgItemText(real.id), value);
            Check(std::bit_cast<std::uint64_t>(*real.member) == std::bit_cast<std::uint64_t>(value),
                  "a double member holds its edit's number");
            Check(std::isfinite(*real.member), "a double member read from an edit is finite");
        }
    }
    if (!refused) {
        Check(prompts.Texts().empty(), "fields that all read bring up no prompt");
        return false;
    }
    const bool isInt = std::holds_alternative<IntEntry>(fields[refusedAt]);
    Check(prompts.Texts() == std::vector<std::string>{isInt ? "정수를 입력하십시오." : "숫자를 입력하십시오."},
          "a refusal brings up the framework's prompt once");
    Check(prompts.Types() == std::vector<UINT>{MB_OK | MB_ICONEXCLAMATION}, "the prompt is a warning");
    Check(uitest::HasFocus(&page, EditId(fields[refusedAt])), "the refused field has the keyboard focus");
    return true;
}

} // namespace fuzz
