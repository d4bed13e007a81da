// The drawing primitives in GDI: filled squares with the DC brush, outlines with the DC pen.
#pragma once

#include <windows.h>

#include "view/paint.h"

namespace quandrel {

class GdiPainter : public Painter {
  public:
    explicit GdiPainter(HDC dc);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void fillRect(PixelRect rect, std::uint32_t bgr) override;
    void outlineRect(PixelRect rect) override;

  private:
    HDC dc_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

}  // namespace quandrel
