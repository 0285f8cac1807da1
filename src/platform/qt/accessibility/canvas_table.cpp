// SPDX-License-Identifier: GPL-3.0-or-later
// The table, header and cell parts that Qt's accessibility cache holds for a group table.
// Headers and cells find their table by its id rather than by a pointer, and the table's
// id deletes them all.
#include "platform/qt/accessibility/canvas_table.h"

#include "platform/qt/accessibility/canvas_leaf.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// What the table's headers and cells share: a fixed text inside the table, nothing to
// press or change. None holds a pointer to the table: they find it by its id.
class TablePiece : public CanvasLeaf {
  public:
    TablePiece(QWidget* canvas, QAccessible::Id table, QString text, QRect rect)
        : CanvasLeaf(canvas), table_(table), text_(std::move(text)), rect_(rect) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::accessibleInterface(table_);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    QRect rect() const override { return OnScreen(canvas_, rect_); }
    QAccessible::State state() const override { return ReadOnlyOn(canvas_); }

  protected:
    QAccessible::Id table_;

  private:
    QString text_;
    QRect rect_;
};

class HeaderPart final : public TablePiece {
  public:
    using TablePiece::TablePiece;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
};

class CellPart final : public TablePiece, public QAccessibleTableCellInterface {
  public:
    CellPart(QWidget* canvas, QAccessible::Id table, QString text, QRect rect, int row, int column,
             QAccessible::Id header)
        : TablePiece(canvas, table, std::move(text), rect), row_(row), column_(column),
          header_(header) {}

    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        if (QAccessibleInterface* header = QAccessible::accessibleInterface(header_))
            return {header};
        return {};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    int row_;
    int column_;
    QAccessible::Id header_;
};

class TablePart final : public QAccessibleInterface, public QAccessibleTableInterface {
  public:
    TablePart(QWidget* canvas, CanvasTableRows rows) : canvas_(canvas), rows_(std::move(rows)) {
        for (const QRect& r : rows_.rects)
            rect_ |= r;
    }
    ~TablePart() override {
        for (QAccessible::Id id : pieces_)
            if (QAccessible::accessibleInterface(id))
                QAccessible::deleteAccessibleInterface(id);
    }
    TablePart(const TablePart&) = delete;
    TablePart& operator=(const TablePart&) = delete;

    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return canvas_ ? canvas_->window()->windowHandle() : nullptr;
    }

    // The headers, then the cells row by row: the table's children in that order.
    void MakePieces(QAccessible::Id self) {
        const int columns = columnCount();
        for (int c = 0; c < columns; ++c)
            pieces_.push_back(QAccessible::registerAccessibleInterface(
                new HeaderPart(canvas_, self, rows_.headers.value(c), rect_)));
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < columns; ++c)
                pieces_.push_back(QAccessible::registerAccessibleInterface(
                    new CellPart(canvas_, self, rows_.rows[static_cast<std::size_t>(r)].value(c),
                                 rows_.rects[static_cast<std::size_t>(r)], r, c,
                                 pieces_[static_cast<std::size_t>(c)])));
    }

    QAccessibleInterface* parent() const override {
        return canvas_ ? QAccessible::queryAccessibleInterface(canvas_) : nullptr;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= static_cast<int>(pieces_.size()))
            return nullptr;
        return QAccessible::accessibleInterface(pieces_[static_cast<std::size_t>(index)]);
    }
    int childCount() const override { return static_cast<int>(pieces_.size()); }
    int indexOfChild(const QAccessibleInterface* piece) const override {
        for (std::size_t i = 0; i < pieces_.size(); ++i)
            if (QAccessible::accessibleInterface(pieces_[i]) == piece)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int r = 0; r < rowCount(); ++r)
            if (QAccessibleInterface* first = cellAt(r, 0); first && first->rect().contains(x, y))
                return first;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? rows_.name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return OnScreen(canvas_, rect_); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return ReadOnlyOn(canvas_); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(columnCount() * (row + 1) + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return rows_.headers.value(column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return static_cast<int>(rows_.headers.size()); }
    int rowCount() const override { return static_cast<int>(rows_.rows.size()); }
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
    QPointer<QWidget> canvas_;
    CanvasTableRows rows_;
    QRect rect_;
    std::vector<QAccessible::Id> pieces_;
};

} // namespace

QAccessible::Id RegisterCanvasTable(QWidget* canvas, CanvasTableRows rows) {
    auto* table = new TablePart(canvas, std::move(rows));
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(table);
    table->MakePieces(id);
    return id;
}
