#include "platform/gdi/DcState.h"

#include <unordered_set>

namespace layer {
namespace {

std::unordered_set<const void*>& LiveDcs()
{
    static auto* live = new std::unordered_set<const void*>();
    return *live;
}

} // namespace

HDC NewDc(DcState* state)
{
    LiveDcs().insert(state);
    return reinterpret_cast<HDC>(state);
}

QPainter* DcState::Paint()
{
    if (!memory) {
        return painter;
    }
    if (!ownedPainter) {
        BitmapObject* surface = Surface();
        if (!surface) {
            return nullptr;
        }
        ownedPainter = std::make_unique<QPainter>(&surface->image);
        painter = ownedPainter.get();
    }
    return painter;
}

void DcState::Flush()
{
    if (memory && ownedPainter) {
        ownedPainter->end();
        ownedPainter.reset();
        painter = nullptr;
    }
}

BitmapObject* DcState::Surface() const { return AsBitmap(bitmap); }

HDC NewWindowDc(QPainter* painter, HWND window, int width, int height)
{
    auto* state = new DcState();
    state->painter = painter;
    state->window = window;
    state->width = width;
    state->height = height;
    state->font = StockFont()->m_hObject;
    state->brush = StockWhiteBrush()->m_hObject;
    state->qfont = FontFromLogFont(DialogLogFont());
    state->logFont = DialogLogFont();
    return NewDc(state);
}

void DeleteDc(HDC hdc)
{
    DcState* state = AsDc(hdc);
    if (!state) {
        return;
    }
    state->Flush();
    ReleaseSelection(state->bitmap);
    LiveDcs().erase(state);
    delete state;
}

DcState* AsDc(HDC hdc)
{
    return hdc && LiveDcs().count(hdc) ? reinterpret_cast<DcState*>(hdc) : nullptr;
}

} // namespace layer
