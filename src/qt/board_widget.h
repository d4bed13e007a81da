// Paints the shape arrays: cell squares beneath, block outlines over them.
#pragma once

#include <QWidget>

#include "view/shapes.h"

namespace quandrel {

class BoardWidget : public QWidget {
  public:
    BoardWidget(const Shapes& shapes, QWidget* parent = nullptr);

    // Schedules a repaint of every element that differs from what was last painted.
    void refresh();

    // Twips to device-independent pixels.
    static QRect ToPixels(const TwipRect& rect);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Shapes& shapes_;
    Shapes painted_;
};

}  // namespace quandrel
