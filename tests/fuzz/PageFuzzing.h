#pragma once
// What the page fuzzers share: the application on the offscreen platform, a page shown as the main
// window shows it, and one press of OK with the page's fields filled from the fuzzer's input, checked
// against what the data exchange promises. Every member read from an edit holds what the parser makes of
// the edit's text, a finite number; the first edit that does not read brings up exactly the framework's
// prompt, keeps the keyboard focus, and leaves its member and every later one as they were (every member,
// on a page that takes nothing from a refused OK).

#include "platform/Afx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <variant>
#include <vector>

namespace fuzz {

struct IntEntry {
    int id;
    int* member;
};
struct RealEntry {
    int id;
    double* member;
};
struct RadioGroup {
    std::vector<int> ids; // the group's radio buttons in order
    int* member;
};
// The fields of a page's data exchange, in the order its DoDataExchange names them.
using ExchangedField = std::variant<IntEntry, RealEntry, RadioGroup>;

// Creates the application on the offscreen platform (once), then makes `page` from its template as the
// main window does: a child of a 470 × 250 window at its origin, shown and active, for the rest of the run.
void ShowPage(CDialog& page, UINT idd);

// The run's page of class TPage, made at the first call. It deletes itself with its window, which lives
// as long as the run.
template <class TPage>
TPage& ShownPage()
{
    static TPage* page = [] {
        auto* made = new TPage;
        ShowPage(*made, TPage::IDD);
        return made;
    }();
    return *page;
}

// What a refused OK leaves of the fields read before the refused one.
enum class Refusal { KeepsEarlierFields, RestoresEveryField };

// Fills the fields from the input (an edit's text; which radio button of a group is clicked), presses
// OK (its click notification) and checks the exchange. Answers whether an entry was refused. Aborts when
// an invariant breaks.
bool PressOk(CWnd& page, const std::vector<ExchangedField>& fields, FuzzedDataProvider& input,
             Refusal refusal = Refusal::KeepsEarlierFields);

} // namespace fuzz
