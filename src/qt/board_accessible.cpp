#include "qt/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "game/words.h"
#include "qt/board_widget.h"

namespace quandrel {
namespace {

class BoardAccessible;

class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(BoardAccessible* table, BoardWidget* board, int index)
        : table_(table), board_(board), index_(index) {}

    // QAccessibleInterface
    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QString::fromStdString(game().CellName(index_));
        if (t == QAccessible::Description) return QString::fromStdString(game().CellNote(index_));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const PixelRect r =
            ToPixels(game().state().shapes.Shape2[static_cast<std::size_t>(index_)].rect, 1.0);
        return QRect(board_->mapToGlobal(QPoint(r.left, r.top)),
                     QSize(r.right - r.left, r.bottom - r.top));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = focused() && board_->hasFocus();
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
    int columnIndex() const override { return index_ % kColumns; }
    int rowIndex() const override { return index_ / kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    const Game& game() const { return board_->game(); }
    bool focused() const { return game().cursorCell() == index_; }

    BoardAccessible* table_;
    QPointer<BoardWidget> board_;
    int index_;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Table, QString::fromUtf8(kBoardName)) {
        for (int i = 0; i < kCells; ++i) {
            cells_[static_cast<std::size_t>(i)] =
                QAccessible::registerAccessibleInterface(new CellAccessible(this, board, i));
        }
    }
    ~BoardAccessible() override {
        for (const QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
    }

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
        for (int i = 0; i < kCells; ++i) {
            if (cell(i)->rect().contains(x, y)) return cell(i);
        }
        return nullptr;
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
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
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
};

QAccessibleInterface* CellAccessible::parent() const { return table_; }
QAccessibleInterface* CellAccessible::table() const { return table_; }

}  // namespace

QAccessibleInterface* BoardAccessibleFactory(const QString&, QObject* object) {
    if (auto* board = dynamic_cast<BoardWidget*>(object)) return new BoardAccessible(board);
    return nullptr;
}

void TellAssistiveTechnology(BoardWidget* board, const ScreenUpdate& update) {
    if (update.renamed.empty() && !update.cursorChanged && update.announcement.empty()) return;
    auto* table = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
    for (const int index : update.renamed) {
        QAccessibleEvent renamed(table->cell(index), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    const auto cursor = board->game().cursorCell();
    if (!cursor) return;
    CellAccessible* cell = table->cell(*cursor);
    if (update.cursorChanged && board->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    if (!update.announcement.empty()) {
        QAccessibleEvent described(cell, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

}  // namespace quandrel
