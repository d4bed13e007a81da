#include "qt/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "game/cells.h"
#include "game/words.h"
#include "qt/board_widget.h"

namespace quandrel {
namespace {

class BoardAccessible;

// A cell of the table, or with index -1 the cell outside it that the table gives for a row and
// column it does not have: Qt's AT-SPI adaptor takes cellAt's answer without a check. A cell is a
// list item to assistive technology: Orca reads a whole row of a table's cells on Up and Down.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(BoardAccessible* table, BoardWidget* board, int index)
        : table_(table), board_(board), index_(index) {}

    // QAccessibleInterface
    bool isValid() const override { return !board_.isNull() && index_ >= 0; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return QString::fromStdString(game().CellName(index_));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const PixelRect r = CellRect(index_, 1.0);  // in logical pixels
        return QRect(board_->mapToGlobal(QPoint(r.left, r.top)),
                     QSize(r.right - r.left, r.bottom - r.top));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invalid = !isValid();
        state.focusable = isValid();
        state.focused = isValid() && focused() && board_->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? index_ % kColumns : -1; }
    int rowIndex() const override { return isValid() ? index_ / kColumns : -1; }
    int columnExtent() const override { return isValid() ? 1 : 0; }
    int rowExtent() const override { return isValid() ? 1 : 0; }
    QAccessibleInterface* table() const override;

  private:
    const Game& game() const { return board_->game(); }
    bool focused() const { return game().cursorCell() == index_; }

    BoardAccessible* table_;
    QPointer<BoardWidget> board_;
    int index_;
};

// What the game says, as a notification shown anew for each text: Orca speaks a notification
// when it shows, whereas Qt 6.4's bridge sends a description change without its text.
class SpeechAccessible : public QAccessibleInterface {
  public:
    explicit SpeechAccessible(QAccessibleInterface* board) : board_(board) {}

    void Say(const std::string& text) {
        text_ = QString::fromStdString(text);
        QAccessibleEvent renamed(this, QAccessible::NameChanged);  // for clients that cache names
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QAccessibleInterface* board_;
    QString text_;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Table, QString::fromUtf8(kBoardName)) {
        for (int i = 0; i < kCells; ++i) {
            cells_[static_cast<std::size_t>(i)] =
                QAccessible::registerAccessibleInterface(new CellAccessible(this, board, i));
        }
        outside_ = QAccessible::registerAccessibleInterface(new CellAccessible(this, board, -1));
        speech_ = QAccessible::registerAccessibleInterface(new SpeechAccessible(this));
    }
    ~BoardAccessible() override {
        for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(outside_);
        QAccessible::deleteAccessibleInterface(speech_);
    }

    SpeechAccessible* speech() const {
        return static_cast<SpeechAccessible*>(QAccessible::accessibleInterface(speech_));
    }

    // Cell `index`, or nullptr for none.
    CellAccessible* cell(int index) const {
        if (index < 0 || index >= kCells) return nullptr;
        return static_cast<CellAccessible*>(
            QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(index)]));
    }

    // QAccessibleInterface
    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override { return cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kCells; ++i) {
            if (cell(i) == child) return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = board()->mapFromGlobal(QPoint(x, y));
        const auto index = CellAt(local.x(), local.y(), 1.0);
        return index ? cell(*index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const auto cursor = board()->game().cursorCell();
        return cursor ? cell(*cursor) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    // Never nullptr: outside the table, the invalid cell.
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
            return QAccessible::accessibleInterface(outside_);
        }
        return cell(column + kColumns * row);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }

    std::array<QAccessible::Id, kCells> cells_{};
    QAccessible::Id outside_{};
    QAccessible::Id speech_{};
};

QAccessibleInterface* CellAccessible::parent() const { return table_; }
QAccessibleInterface* CellAccessible::table() const { return table_; }

}  // namespace

QAccessibleInterface* BoardAccessibleFactory(const QString&, QObject* object) {
    if (auto* board = dynamic_cast<BoardWidget*>(object)) return new BoardAccessible(board);
    return nullptr;
}

void TellAssistiveTechnology(BoardWidget* board, const std::vector<AccessEvent>& events) {
    if (events.empty()) return;
    auto* table = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
    const auto target = [&](int cell) -> QAccessibleInterface* {
        if (cell == AccessEvent::kBoardItself) return table;
        return table->cell(cell);
    };
    for (const AccessEvent& event : events) {
        switch (event.kind) {
            case AccessEvent::Kind::Focus: {
                QAccessibleEvent focus(target(event.cell), QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
                break;
            }
            case AccessEvent::Kind::Renamed: {
                QAccessibleEvent renamed(target(event.cell), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
                break;
            }
            case AccessEvent::Kind::Speak: table->speech()->Say(event.text); break;
        }
    }
}

}  // namespace quandrel
