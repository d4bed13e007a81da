// Replacing a text box's whole text cheaply.
#pragma once

#include <QString>

class QTextDocument;

namespace quandrel {

// Makes `document` hold exactly `text`, rewriting only the lines that differ: a full reset lays
// out every line again, which costs several times more than the few lines a trace changes. Like
// a reset, it leaves no undo history.
void ReplaceText(QTextDocument& document, const QString& text);

}  // namespace quandrel
