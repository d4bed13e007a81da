#include "qt/panel_text.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quandrel {

void ReplaceText(QTextDocument& document, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextBlock block = document.begin();
    qsizetype line = 0;
    for (; line < lines.size() && block.isValid(); ++line, block = block.next()) {
        if (block.text() == lines[line]) continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(lines[line]);
    }
    if (block.isValid()) {
        // Fewer lines than before: cut from the end of the last kept line.
        const QTextBlock last = block.previous();
        cursor.setPosition(last.position() + last.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    for (; line < lines.size(); ++line) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + lines[line]);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
}

}  // namespace quandrel
