#include "food/FoodFinderDlg.h"

#include "food/FoodCatalogue.h"
#include "ui/PageLabels.h"
#include "ui/PagePaint.h"
#include "ui/SkinDraw.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The field's label on the top band, which also names the field for screen readers.
constexpr PageLabel kLabels[] = {{20, 10, "음식명", IDC_FINDER_NAME}};

constexpr int kNameColumnWidth = 190;
constexpr int kCategoryColumnWidth = 140;

} // namespace

bool IsFinderKey(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && msg.wParam == 'F' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0;
}

BEGIN_MESSAGE_MAP(CFoodFinderDlg, CDialog)
    ON_EN_CHANGE(IDC_FINDER_NAME, &CFoodFinderDlg::OnNameChange)
    ON_NOTIFY(NM_DBLCLK, IDC_FINDER_MATCHES, &CFoodFinderDlg::OnMatchDoubleClick)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND_SUPPRESSED()
END_MESSAGE_MAP()

CFoodFinderDlg::CFoodFinderDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CFoodFinderDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FINDER_NAME, m_editName);
    DDX_Control(pDX, IDC_FINDER_MATCHES, m_listMatches);
}

BOOL CFoodFinderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_listMatches.InsertColumn(0, "음식명", LVCFMT_LEFT, kNameColumnWidth);
    m_listMatches.InsertColumn(1, "종류", LVCFMT_LEFT, kCategoryColumnWidth);
    m_listMatches.SetExtendedStyle(m_listMatches.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    NameControlsByLabels(*this, kLabels);
    m_listMatches.SetAccessibleName("찾은 음식");
    return TRUE; // the focus on the field, the first tab stop
}

BOOL CFoodFinderDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_RETURN) {
            OnOK();
            return TRUE;
        }
        if ((pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN) && pMsg->hwnd == m_editName.GetSafeHwnd()) {
            const int count = m_listMatches.GetItemCount();
            const int highlighted = m_listMatches.GetNextItem(-1, LVNI_SELECTED);
            if (count > 0) {
                Highlight(std::clamp(highlighted + (pMsg->wParam == VK_DOWN ? 1 : -1), 0, count - 1));
            }
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CFoodFinderDlg::OnOK()
{
    const int highlighted = m_listMatches.GetNextItem(-1, LVNI_SELECTED);
    if (highlighted < 0 || highlighted >= static_cast<int>(m_matches.size())) {
        return;
    }
    m_nRow = m_matches[static_cast<std::size_t>(highlighted)].row;
    m_nDish = m_matches[static_cast<std::size_t>(highlighted)].dish;
    EndDialog(IDOK);
}

void CFoodFinderDlg::OnNameChange() { ListMatches(); }

// The double click's press has highlighted the row it was on.
void CFoodFinderDlg::OnMatchDoubleClick(NMHDR*, LRESULT*) { OnOK(); }

void CFoodFinderDlg::ListMatches()
{
    const std::string typed = m_editName.GetWindowText();
    const CFoodCatalogue catalogue;
    std::array<std::vector<std::string>, CFoodCatalogue::kRowCount> entries; // each row's dish box
    std::vector<Match> further; // where the typed text appears after the start
    m_matches.clear();
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        std::vector<std::string>& dishes = entries[static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow)];
        dishes = catalogue.DishEntries(row);
        for (int dish = 1; dish < static_cast<int>(dishes.size()); ++dish) {
            const int at = HangulFind(dishes[static_cast<std::size_t>(dish)], typed);
            if (at >= 0) {
                (at == 0 ? m_matches : further).push_back({row, dish});
            }
        }
    }
    m_matches.insert(m_matches.end(), further.begin(), further.end());

    m_listMatches.DeleteAllItems();
    for (std::size_t i = 0; i < m_matches.size(); ++i) {
        const Match& m = m_matches[i];
        const std::string& name =
            entries[static_cast<std::size_t>(m.row - CFoodCatalogue::kFirstRow)][static_cast<std::size_t>(m.dish)];
        const int item = m_listMatches.InsertItem(static_cast<int>(i), name.c_str());
        m_listMatches.SetItemText(item, 1, std::string(catalogue.CategoryLabel(m.row)).c_str());
    }
    if (!m_matches.empty()) {
        Highlight(0);
    }
}

void CFoodFinderDlg::Highlight(int item)
{
    m_listMatches.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listMatches.EnsureVisible(item, FALSE);
}

void CFoodFinderDlg::OnPaint()
{
    PaintPageFace(this, 1, kLabels, [](CDC&) {});
}
