// The board as assistive technology sees it: a table of 4 rows of 5 cells, each named by the
// game's description, its focus on the cursor's cell; and what a step changed, told as events.
#pragma once

#include <vector>

#include "game/screen_update.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace quandrel {

class BoardWidget;

// For QAccessible::installFactory: the board's table, for a BoardWidget.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

// Raises the game's accessibility events, each as its QAccessible event.
void TellAssistiveTechnology(BoardWidget* board, const std::vector<AccessEvent>& events);

}  // namespace quandrel
