#include "ui/MenuButton.h"

#include "res/Resource.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

constexpr COLORREF kCaptionHighlightColor = RGB(255, 0, 0);
constexpr COLORREF kCaptionColor = RGB(255, 255, 255);
constexpr int kCaptionMaxBytes = 127;
// The caption is centred in the button less this margin on the right and at the bottom.
constexpr int kCaptionMarginRight = 10;
constexpr int kCaptionMarginBottom = 15;
constexpr POINT kSubtitlePos{29, 28};
constexpr char kSubtitle[] = "계산기";

// The window text cut to at most kCaptionMaxBytes bytes, never inside a character.
std::string CaptionOf(const CWnd& button)
{
    char buffer[kCaptionMaxBytes + 1] = {};
    const int length = button.GetWindowText(buffer, sizeof buffer);
    std::string text(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
    std::size_t end = text.size();
    std::size_t lead = end;
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
        --lead; // back over continuation bytes to the last character's first byte
    }
    if (lead > 0) {
        const auto first = static_cast<unsigned char>(text[lead - 1]);
        const std::size_t needed = first < 0x80 ? 1 : first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
        if (end - (lead - 1) < needed) {
            end = lead - 1; // the last character was cut: leave it out
        }
    }
    text.resize(end);
    return text;
}

} // namespace

void CMenuButton::SetSelected(BOOL bSelected)
{
    m_bSelected = bSelected ? 1 : 0;
    SetAccessibleCheck(m_bSelected ? BST_CHECKED : BST_UNCHECKED); // heard as the checked one of the menu
    if (IsWindow(m_hWnd)) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CMenuButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (!dc) {
        return;
    }
    const CRect client(lpDrawItemStruct->rcItem);
    dc->FillSolidRect(&client, kMenuFillColor);
    if (m_bSelected) {
        DrawSkinBitmap(*dc, IDB_MENU_SELECTED, 0, 0);
    }
    const std::unique_ptr<CFont> font = CreateSkinFont(*dc, 9, FW_BOLD);
    CFont* oldFont = dc->SelectObject(font.get());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_bSelected || m_bHover ? kCaptionHighlightColor : kCaptionColor);
    CRect captionRect(0, 0, client.Width() - kCaptionMarginRight, client.Height() - kCaptionMarginBottom);
    dc->DrawText(CaptionOf(*this), &captionRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->TextOut(kSubtitlePos.x, kSubtitlePos.y, kSubtitle);
    dc->SelectObject(oldFont);
}
