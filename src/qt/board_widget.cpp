#include "qt/board_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace quandrel {
namespace {

QColor FromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// QPainter set up to draw in device pixels.
class QtPainter : public Painter {
  public:
    QtPainter(QPainter& painter, QColor text) : painter_(painter) {
        QPen pen(text, 1);
        pen.setCosmetic(true);
        painter_.setPen(pen);  // and no brush, as a new QPainter has
    }
    void fillRect(PixelRect rect, std::uint32_t bgr) override {
        painter_.fillRect(ToQRect(rect), FromBgr(bgr));
    }
    void outlineRect(PixelRect rect) override {
        // A 1-pixel pen draws the rectangle's border inside its extent.
        painter_.drawRect(ToQRect(rect).adjusted(0, 0, -1, -1));
    }

  private:
    QPainter& painter_;
};

}  // namespace

BoardWidget::BoardWidget(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {}

void BoardWidget::scheduleRepaint(const PixelRect& rect) {
    update(ToQRect(Covering(rect, 1 / scale())));
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    const double s = scale();
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.scale(1 / s, 1 / s);
    QtPainter drawing(painter, palette().color(QPalette::WindowText));
    const PixelRect clip{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1};
    game_.Paint(s, Covering(clip, s), drawing);
}

}  // namespace quandrel
