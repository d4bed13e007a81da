#include "gdi_board.h"

namespace quandrel {
namespace {

bool Meets(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

}  // namespace

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

RECT ToPixels(const TwipRect& rect, UINT dpi) {
    return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
            TwipsToPixels(rect.left + rect.width, dpi), TwipsToPixels(rect.top + rect.height, dpi)};
}

void PaintShapes(HDC dc, const RECT& dirty, const Shapes& shapes, UINT dpi) {
    for (const Shape& square : shapes.Shape2) {
        const RECT rect = ToPixels(square.rect, dpi);
        if (!square.visible || !Meets(rect, dirty)) continue;
        // The fill colour is 0x00BBGGRR, as a COLORREF is.
        SetDCBrushColor(dc, square.fillColor);
        FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    // A 1-pixel pen draws the rectangle's border inside its extent; the inside stays clear.
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (const auto array : kOutlineArrays) {
        for (const Shape& outline : shapes.*array) {
            const RECT rect = ToPixels(outline.rect, dpi);
            if (outline.visible && Meets(rect, dirty)) {
                Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
            }
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

}  // namespace quandrel
