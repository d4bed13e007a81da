#include "qt/board_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace quandrel {
namespace {

QColor FromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace

BoardWidget::BoardWidget(const Shapes& shapes, QWidget* parent)
    : QWidget(parent), shapes_(shapes), painted_(shapes) {}

QRect BoardWidget::ToPixels(const TwipRect& rect) {
    return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                 TwipsToPixels(rect.height));
}

void BoardWidget::refresh() {
    UpdateShown(shapes_, painted_, [this](const TwipRect& rect) { update(ToPixels(rect)); });
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (const Shape& square : shapes_.Shape2) {
        const QRect rect = ToPixels(square.rect);
        if (square.visible && rect.intersects(dirty)) {
            painter.fillRect(rect, FromBgr(square.fillColor));
        }
    }
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    for (const auto array : kOutlineArrays) {
        for (const Shape& outline : shapes_.*array) {
            const QRect rect = ToPixels(outline.rect);
            // A 1-pixel pen draws the rectangle's border inside its extent.
            if (outline.visible && rect.intersects(dirty)) {
                painter.drawRect(rect.adjusted(0, 0, -1, -1));
            }
        }
    }
}

}  // namespace quandrel
