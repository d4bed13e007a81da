#include "qt/frm_quandrel.h"

#include <QAccessible>
#include <QApplication>
#include <QGridLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>
#include <optional>

#include "game/words.h"
#include "qt/board_accessible.h"

namespace quandrel {
namespace {

// Qt's left, right and middle buttons are 1, 2 and 4.
std::int16_t ButtonBits(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>(buttons.toInt() & 7);
}

// What a mouse event does; a double click's second press is a press.
std::optional<MouseAction> ActionOf(QEvent::Type type) {
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        return MouseAction::Press;
    }
    if (type == QEvent::MouseMove) return MouseAction::Move;
    if (type == QEvent::MouseButtonRelease) return MouseAction::Release;
    return std::nullopt;
}

bool ControlHeld(const QInputEvent& event) { return event.modifiers() & Qt::ControlModifier; }

std::int16_t ShiftBits(const QInputEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    return quandrel::ShiftBits(held & Qt::ShiftModifier, held & Qt::ControlModifier,
                               held & Qt::AltModifier);
}

// The character a key types; with Ctrl, the letter on the key.
int Typed(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Escape) return 27;
    if (ControlHeld(event) && key >= Qt::Key_A && key <= Qt::Key_Z) return 'a' + key - Qt::Key_A;
    const QString text = event.text();
    return text.size() == 1 ? text[0].unicode() : -1;
}

std::optional<Arrow> ArrowOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left: return Arrow::Left;
        case Qt::Key_Right: return Arrow::Right;
        case Qt::Key_Up: return Arrow::Up;
        case Qt::Key_Down: return Arrow::Down;
        default: return std::nullopt;
    }
}

QRect LogicalPixels(const TwipRect& rect) { return ToQRect(ToPixels(rect, 1.0)); }

}  // namespace

frmQuandrel::frmQuandrel()
    : onEnd([] { QCoreApplication::exit(0); }),
      client_(new QWidget(this)),
      board_(new BoardWidget(game_, client_)) {
    setWindowTitle(kCaption);  // the core's texts are UTF-8, as Qt reads a char*
    static const bool accessible = (QAccessible::installFactory(BoardAccessibleFactory), true);
    (void)accessible;
    // The client area holds the board and, over it, the panel: siblings, so that the panel is
    // no child of the board's accessible table.
    setCentralWidget(client_);
    auto* fill = new QGridLayout(client_);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(board_, 0, 0);
    client_->hide();  // a child shown before the map would start the accessibility bridge first
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->installEventFilter(this);
    game_.Start();
    create();  // the native window, to hear of its first exposure
    windowHandle()->installEventFilter(this);
}

void frmQuandrel::completeWindow() {
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.quandrel.quandrel-192.png")));
    createMenus();
    Text1();
    board_->setAccessibleName(kBoardName);
    client_->show();
    board_->setFocus();
    layout()->invalidate();
    layout()->activate();  // now, so that the first paint shows the menu bar
    outerGeometry_.Follow();
}

void frmQuandrel::createMenus() {
    QMenu* dropDown = nullptr;
    for (const MenuEntry& entry : kMenus) {
        const QString caption(entry.caption);
        if (entry.opensDropDown()) {
            dropDown = menuBar()->addMenu(caption);
            dropDown->setObjectName(entry.name);
            continue;
        }
        QAction* action =
            entry.level == 0 ? menuBar()->addAction(caption) : dropDown->addAction(caption);
        action->setObjectName(entry.name);
        action->setMenuRole(QAction::NoRole);  // stays where it is, also on macOS
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { game_.Menu(command); });
    }
}

QPlainTextEdit* frmQuandrel::Text1() {
    if (text1_ != nullptr) return text1_;
    text1_ = new QPlainTextEdit(client_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(LogicalPixels(kText1Rect));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(
        QFont(kText1Font.face, kText1Font.points, static_cast<QFont::Weight>(kText1Font.weight)));
    text1_->setFocusPolicy(Qt::StrongFocus);  // Tab and Shift+Tab go between board and panel
    text1_->setTabChangesFocus(true);
    text1_->setAccessibleName(kText1Name);
    // Mouse events the panel ignores are not the form's: they must not reach the board.
    text1_->setAttribute(Qt::WA_NoMousePropagation);
    text1_->installEventFilter(this);
    text1_->show();
    return text1_;
}

void frmQuandrel::present(const ScreenUpdate& update) {
    for (const PixelRect& rect : update.repaint) board_->scheduleRepaint(rect);
    if (update.text1) Text1()->setPlainText(QString::fromStdString(*update.text1));
    // Not before the first exposure: asking for assistive technology starts its bridge.
    if (menuWidget() != nullptr) TellAssistiveTechnology(board_, update.access);
}

// The box is modal but returns at once, so that whoever chose the command (a click, an
// assistive client) is answered; the game finishes the command when the box closes.
void frmQuandrel::openBox(const std::string& prompt, int, const std::string& title) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(title),
                                QString::fromStdString(prompt), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // The only button: Enter, Esc and the close box all mean OK.
    connect(box, &QDialog::finished, this, [this] { game_.BoxClosed(kOk); });
    box->show();
}

void frmQuandrel::setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    outerGeometry_.Set(LogicalPixels({leftTwips, topTwips, widthTwips, heightTwips}));
}

void frmQuandrel::endProgram() {
    hide();
    onEnd();
}

bool frmQuandrel::forwardMouse(QEvent* event) {
    const std::optional<MouseAction> action = ActionOf(event->type());
    if (!action) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const double scale = board_->scale();
    game_.Mouse({*action, ButtonBits(mouse->button()), ButtonBits(mouse->buttons()),
                 ShiftBits(*mouse), mouse->position().x() * scale, mouse->position().y() * scale,
                 scale});
    return true;
}

bool frmQuandrel::forwardKey(QObject* watched, const QKeyEvent& key) {
    if (const auto arrow = ArrowOf(key); arrow && watched == board_) {
        return game_.ArrowKey(*arrow, ShiftBits(key));
    }
    // An end key is not also handled by the panel (Ctrl+C does not copy).
    return game_.Key(watched == board_ ? KeyTarget::Form : KeyTarget::Text1, Typed(key),
                     ControlHeld(key));
}

bool frmQuandrel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && menuWidget() == nullptr) {
        completeWindow();
    }
    if (event->type() == QEvent::KeyPress && (watched == board_ || watched == text1_)) {
        return forwardKey(watched, *static_cast<QKeyEvent*>(event));
    }
    if (watched == board_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Once Qt has told of the board's focus itself, after this event.
        QMetaObject::invokeMethod(
            this, [this, focused = event->type() == QEvent::FocusIn] { game_.BoardFocus(focused); },
            Qt::QueuedConnection);
    }
    return (watched == board_ && forwardMouse(event)) || QMainWindow::eventFilter(watched, event);
}

}  // namespace quandrel
