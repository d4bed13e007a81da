#include "gdi_painter.h"

namespace quandrel {

GdiPainter::GdiPainter(HDC dc)
    : dc_(dc),
      oldPen_(SelectObject(dc, GetStockObject(DC_PEN))),
      oldBrush_(SelectObject(dc, GetStockObject(NULL_BRUSH))) {
    SetDCPenColor(dc_, GetSysColor(COLOR_WINDOWTEXT));
}

GdiPainter::~GdiPainter() {
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldPen_);
}

void GdiPainter::fillRect(PixelRect rect, std::uint32_t bgr) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetDCBrushColor(dc_, bgr);  // 0x00BBGGRR, as a COLORREF is
    FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiPainter::outlineRect(PixelRect rect) {
    // A 1-pixel pen draws the rectangle's border inside its extent; the inside stays clear.
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace quandrel
