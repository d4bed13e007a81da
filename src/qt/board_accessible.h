// The board as assistive technology sees it: a table of 4 rows of 5 cells, each named by the
// game's description, its focus on the cursor's cell; and what a step changed, told as events.
#pragma once

#include "game/game.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace quandrel {

class BoardWidget;

// For QAccessible::installFactory: the board's table, for a BoardWidget.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

// Tells assistive technology what `update` says changed: cells renamed, the focus on the
// cursor's cell, the announcement as that cell's description.
void TellAssistiveTechnology(BoardWidget* board, const ScreenUpdate& update);

}  // namespace quandrel
