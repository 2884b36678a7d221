#include "ui/PagePaint.h"

#include "platform/window/Wnd.h"
#include "ui/BufferedPaintDC.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <memory>

void DrawTexts(CDC& dc, COLORREF color, std::initializer_list<PlacedText> texts)
{
    dc.SetTextColor(color);
    for (const PlacedText& t : texts) {
        dc.TextOut(t.x, t.y, t.text);
    }
}

void PaintPageFace(CWnd* page, int bandCount, std::span<const PageLabel> labels,
                   const std::function<void(CDC&)>& drawContent)
{
    PaintPageFace(page, PageBands{0, bandCount, 0}, labels, drawContent);
}

void PaintPageFace(CWnd* page, const PageBands& bands, std::span<const PageLabel> labels,
                   const std::function<void(CDC&)>& drawContent)
{
    CBufferedPaintDC dc(page);
    const std::unique_ptr<CFont> font = CreateSkinFont(dc, 9, 400);
    CFont* previousFont = dc.SelectObject(font.get());

    CRect client;
    page->GetClientRect(&client);
    dc.FillSolidRect(&client, kPageBackgroundColor);
    dc.SetBkMode(TRANSPARENT);
    DrawPageBands(dc, client, bands.first, bands.count, bands.yOffset);
    dc.SetTextColor(kLabelColor);
    for (const PageLabel& label : labels) {
        dc.TextOut(label.x, label.y, label.text);
    }
    drawContent(dc);

    dc.SelectObject(previousFont);
    font->DeleteObject();
}
