#include "qt/frm_quandrel.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <limits>

#include "game/prompts.h"
#include "input/drag_grid.h"
#include "qt/app_icon.h"
#include "qt/key_ascii.h"
#include "qt/panel_text.h"

namespace quandrel {
namespace {

// Modifier bits as the mouse handlers take them: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftBits(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                     ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                     ((modifiers & Qt::AltModifier) ? 4 : 0));
}

// Button bits: Qt's left, right and middle are 1, 2 and 4.
std::int16_t ButtonBits(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>(buttons.toInt() & 7);
}

bool IsMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
}

// A coordinate from Qt, clamped into the float range so that the conversion is defined.
float ToFloat(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(value < -kMax ? -kMax : value > kMax ? kMax : value);
}

QString PanelText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

frmQuandrel::frmQuandrel()
    : onEnd([] { QCoreApplication::exit(0); }),
      board_(new BoardWidget(game_.shapes, this)),
      text1_(new QPlainTextEdit(board_)) {
    setWindowTitle(QStringLiteral(" Quandrel"));
    setWindowIcon(AppIcon());
    createMenus();
    setCentralWidget(board_);
    board_->setFocusPolicy(Qt::ClickFocus);
    board_->installEventFilter(this);

    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(TwipsToPixels(105), TwipsToPixels(5250), TwipsToPixels(3585),
                        TwipsToPixels(2565));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(QFont(QStringLiteral("MS Sans Serif"), 12, QFont::Normal));
    text1_->setFocusPolicy(Qt::ClickFocus);
    // Mouse events the panel ignores are not the form's: they must not reach the board.
    text1_->setAttribute(Qt::WA_NoMousePropagation);
    text1_->installEventFilter(this);

    game_.Form_Load();
    showState();
    board_->setFocus();
}

void frmQuandrel::createMenus() {
    const auto command = [this](QMenu* menu, const char* name, const char* caption,
                                void (Game::*click)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        action->setMenuRole(QAction::NoRole);  // stays where it is, also on macOS
        connect(action, &QAction::triggered, this, [this, click] {
            (game_.*click)();
            showState();
        });
    };
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    command(mnuFile, "mnuReset", "&Reset", &Game::mnuReset_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    command(mnuHelp, "mnuHelpAbout", "&About Quandrel", &Game::mnuHelpAbout_Click);
    command(mnuHelp, "mnuObject", "&Object", &Game::mnuObject_Click);
    command(mnuHelp, "mnuHelpSolv", "&Solution", &Game::mnuHelpSolv_Click);

    mnuQuit_ = menuBar()->addAction(QStringLiteral("&Quit"));
    mnuQuit_->setObjectName(QStringLiteral("mnuQuit"));
    mnuQuit_->setMenuRole(QAction::NoRole);
    connect(mnuQuit_, &QAction::triggered, this, [this] { game_.mnuQuit_Click(); });
}

// Setting a text box's text costs tens of microseconds, so the panel rewrites only the lines
// that changed, and only when the text did.
void frmQuandrel::showState() {
    board_->refresh();
    if (game_.Text1 == shownText_) return;
    shownText_ = game_.Text1;
    ReplaceText(*text1_->document(), PanelText(shownText_));
}

int frmQuandrel::messageBox(const std::string& prompt, int, const std::string& title) {
    showState();
    QString lines = QString::fromStdString(prompt);
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), lines, QMessageBox::Ok,
                    this);
    box.exec();
    return kOk;  // the only button: Enter, Esc and the close box all mean OK
}

void frmQuandrel::setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    outerGeometry_.Set(QRect(TwipsToPixels(leftTwips), TwipsToPixels(topTwips),
                             TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)));
}

void frmQuandrel::endProgram() {
    if (ending_) return;
    ending_ = true;
    hide();
    onEnd();
}

QPointF frmQuandrel::ToMouseScale(QPointF pixels) {
    return QPointF(pixels.x() * kTwipsPerPixel / kTwipsPerUnitX,
                   pixels.y() * kTwipsPerPixel / kTwipsPerUnitY);
}

bool frmQuandrel::forwardMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (!IsMouse(type)) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = ToMouseScale(mouse->position());
    const float x = ToFloat(at.x());
    const float y = ToFloat(at.y());
    const std::int16_t shift = ShiftBits(mouse->modifiers());
    if (type == QEvent::MouseMove) {
        game_.Form_MouseMove(ButtonBits(mouse->buttons()), shift, x, y);
    } else if (type == QEvent::MouseButtonRelease) {
        game_.Form_MouseUp(ButtonBits(mouse->button()), shift, x, y);
    } else {
        // The second press of a double click is a press like any other.
        game_.Form_MouseDown(ButtonBits(mouse->button()), shift, x, y);
    }
    showState();
    return true;
}

bool frmQuandrel::eventFilter(QObject* watched, QEvent* event) {
    return forwardEvent(watched, event) || QMainWindow::eventFilter(watched, event);
}

bool frmQuandrel::forwardEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (ending_ && (type == QEvent::KeyPress || IsMouse(type))) return true;  // nothing more runs
    if (type == QEvent::KeyPress && (watched == board_ || watched == text1_)) {
        const int code = KeyAscii(*static_cast<QKeyEvent*>(event));
        if (code >= 0) {
            const auto key = static_cast<std::int16_t>(code);
            watched == board_ ? game_.Form_KeyPress(key) : game_.Text1_KeyPress(key);
            showState();
        }
        return ending_;  // an end key is not also handled by the panel (Ctrl+C does not copy)
    }
    return watched == board_ && forwardMouse(event);
}

}  // namespace quandrel
