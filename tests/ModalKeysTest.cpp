// Modal windows own their keys: Enter, keypad Enter, Space and Escape on a message box or on a modal dialog
// reach that window alone. The window beneath keeps its state and its modal loop, and once the modal window
// has closed it is active again with the focus where it was.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

enum : int { kEdit = 10, kButton = 11 };
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The window beneath: an edit and a push button, no default button.
constexpr std::array kBeneathControls{
    DialogControl{kEdit, "Edit", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 5, 5, 50, 12, ""},
    DialogControl{kButton, "Button", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 5, 25, 50, 14, "단추"},
};
constexpr DialogTemplate kBeneath{20, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 170, 45, "아래 창", "굴림", 9,
                                  kBeneathControls};

// A modal box of the layer's own, made as the about box is: a line and its default push button.
constexpr std::array kBoxControls{
    DialogControl{-1, "Static", kChild | SS_LEFT, 0, 5, 8, 100, 8, "상자"},
    DialogControl{IDOK, "Button", kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 110, 5, 50, 14, "확인"},
};
constexpr DialogTemplate kBox{21, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 170, 25, "상자",
                              "굴림", 9, kBoxControls};

// Records every command that reaches it; OK and Cancel still end it as a dialog does.
class CBeneathDlg : public CDialog {
public:
    CBeneathDlg() : CDialog(kBeneath) {}
    std::vector<std::string> log;

protected:
    void OnOK() override
    {
        log.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        log.push_back("cancel");
        CDialog::OnCancel();
    }
    afx_msg void OnButton() { log.push_back("button"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBeneathDlg, CDialog)
    ON_BN_CLICKED(kButton, &CBeneathDlg::OnButton)
END_MESSAGE_MAP()

struct Key {
    const char* name;
    UINT vk;
    bool keypad;
};
constexpr Key kKeys[] = {
    {"Enter", VK_RETURN, false}, {"keypad Enter", VK_RETURN, true}, {"Space", VK_SPACE, false}, {"Escape", VK_ESCAPE, false}};

// How one key on a modal window over a running modal dialog went.
struct Outcome {
    bool modalUp = false;
    bool keyClosedModal = false;
    std::string boxText;
    int modalAnswer = 0;
    std::vector<std::string> beneathLog;
    std::string beneathEdit;
    bool beneathShown = false;
    bool beneathIconic = true;
    bool beneathActive = false;
    int beneathFocus = 0;
    INT_PTR beneathResult = 0;
};

// Runs the window beneath modally with the focus in its edit; from inside its loop `openModal` opens a
// modal window, which gets the key once it is up. The window beneath then ends with 42.
Outcome PressOnModalOverDialog(const Key& key, const std::function<int(CWnd&)>& openModal)
{
    CBeneathDlg beneath;
    Outcome out;
    uitest::WhenModal([&] {
        beneath.SetDlgItemText(kEdit, "60");
        uitest::Click(&beneath, kEdit);
        uitest::WhenModal([&] {
            out.modalUp = true;
            out.boxText = uitest::ActiveMessageBoxText();
            uitest::PressFocusedKey(key.vk, key.keypad);
            out.keyClosedModal = !uitest::CloseModalIfStillOpen();
        });
        out.modalAnswer = openModal(beneath);
        out.beneathActive = uitest::WaitUntil([&] { return uitest::IsActive(&beneath); });
        uitest::ProcessEvents();
        out.beneathLog = beneath.log;
        out.beneathEdit = uitest::Text(&beneath, kEdit);
        out.beneathShown = beneath.IsWindowVisible();
        out.beneathIconic = beneath.IsIconic();
        out.beneathFocus = uitest::FocusedControlId(&beneath);
        beneath.EndDialog(42);
    });
    out.beneathResult = beneath.DoModal();
    return out;
}

void ExpectBeneathUntouched(const Outcome& out)
{
    EXPECT_TRUE(out.modalUp);
    EXPECT_TRUE(out.keyClosedModal);
    EXPECT_TRUE(out.beneathLog.empty()) << "the window beneath got " << out.beneathLog.front();
    EXPECT_EQ(out.beneathEdit, "60");
    EXPECT_TRUE(out.beneathShown);
    EXPECT_FALSE(out.beneathIconic);
    EXPECT_TRUE(out.beneathActive) << "the window beneath is active again";
    EXPECT_EQ(out.beneathFocus, kEdit) << "the focus is back where it was";
    EXPECT_EQ(out.beneathResult, 42) << "the window beneath kept its modal loop";
}

TEST(ModalKeys, EachKeyOnAMessageBoxClosesItAloneWithOk)
{
    for (const Key& key : kKeys) {
        SCOPED_TRACE(key.name);
        const Outcome out = PressOnModalOverDialog(key, [](CWnd&) { return AfxMessageBox("숫자를 입력하십시오."); });
        EXPECT_EQ(out.boxText, "숫자를 입력하십시오.");
        EXPECT_EQ(out.modalAnswer, IDOK);
        ExpectBeneathUntouched(out);
    }
}

TEST(ModalKeys, EachKeyOnAModalDialogReachesItAlone)
{
    // Enter presses the default button, Space the focused one (the same), Escape cancels.
    const int answers[] = {IDOK, IDOK, IDOK, IDCANCEL};
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        SCOPED_TRACE(kKeys[i].name);
        const Outcome out = PressOnModalOverDialog(kKeys[i], [](CWnd& owner) {
            CDialog box(kBox, &owner);
            return static_cast<int>(box.DoModal());
        });
        EXPECT_EQ(out.modalAnswer, answers[i]);
        ExpectBeneathUntouched(out);
    }
}

} // namespace
