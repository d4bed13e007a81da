#include "qt/panel_text.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace quandrel {
namespace {

TEST(ReplaceText, LeavesExactlyTheNewText) {
    const char* texts[] = {
        "",
        "move ther",
        "you moved a wide\nX = 2\nY = 0\nDirX= 1DirY=0",
        "you moved a wide2\nX = 4\nY = 0\nDirX= -1DirY=0",
        "i=19 board(4,3)=1\n color=16711680",
        "\n\n",
        "a\n\nb\n",
        "typed by the user\nover several\nlines\nand more\nand more",
        "movemouse, board(4,1)=0",
    };
    for (const char* before : texts) {
        for (const char* after : texts) {
            QTextDocument document;
            document.setPlainText(QString::fromUtf8(before));
            ReplaceText(document, QString::fromUtf8(after));
            EXPECT_EQ(document.toPlainText().toStdString(), after) << "from \"" << before << "\"";
            EXPECT_FALSE(document.isUndoAvailable());
        }
    }
}

}  // namespace
}  // namespace quandrel
