// The client area: paints the game's shapes and cursor through QPainter, in device pixels.
#pragma once

#include <QWidget>

#include "game/game.h"

namespace quandrel {

inline QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

class BoardWidget : public QWidget {
  public:
    BoardWidget(const Game& game, QWidget* parent = nullptr);

    const Game& game() const { return game_; }
    // Device pixels per logical pixel.
    double scale() const { return devicePixelRatioF(); }
    // Schedules a repaint of an area given in device pixels.
    void scheduleRepaint(const PixelRect& rect);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Game& game_;
};

}  // namespace quandrel
