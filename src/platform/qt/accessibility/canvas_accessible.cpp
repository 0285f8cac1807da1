// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's accessible face and its parts (texts, pictures, match lines a reader can
// press, the notes it speaks), rebuilt from the reading order after each recorded render;
// also the reader's caret, which moves line by line and, on a table row, cell by cell.
#include "platform/qt/accessibility/canvas_accessible.h"

#include "platform/qt/accessibility/canvas_leaf.h"

#include "platform/qt/accessibility/canvas_table.h"
#include "platform/qt/accessibility/reading_order.h"
#include "platform/qt/canvas/canvas_widget.h"
#include "platform/qt/canvas/drawn_items.h"
#include "platform/qt/canvas/utf8.h"
#include "platform/qt/frame/qt_host.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMetaObject>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A click at the point, as the mouse gives it, from the event loop once the reader's
// request has returned: the result dialog is modal and would block the reader.
void PressLater(QWidget* canvas, QPoint point) {
    QMetaObject::invokeMethod(
        canvas,
        [canvas = QPointer<QWidget>(canvas), point] {
            // A second press queued while a dialog is open must not stack another one.
            if (!canvas || QApplication::activeModalWidget())
                return;
            if (auto* widget = dynamic_cast<CanvasWidget*>(canvas.data()))
                widget->Host().LeftButtonDown(point);
        },
        Qt::QueuedConnection);
}

// A text, picture or match line of the canvas. It holds no pointer to its parent's
// data, so a reader that keeps it past a render reads the old line, never freed memory.
class CanvasPart final : public CanvasLeaf, public QAccessibleActionInterface {
  public:
    CanvasPart(QWidget* canvas, ReadItem item) : CanvasLeaf(canvas), item_(std::move(item)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? FromUtf8(item_.name) : QString();
    }
    QRect rect() const override { return OnScreen(canvas_, item_.rect); }
    QAccessible::Role role() const override {
        switch (item_.kind) {
        case ReadItem::Kind::Button:
            return QAccessible::Button;
        case ReadItem::Kind::Picture:
            return QAccessible::Graphic;
        case ReadItem::Kind::Text:
            break;
        }
        return item_.heading ? QAccessible::Heading : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state = ReadOnlyOn(canvas_);
        state.readOnly = item_.kind != ReadItem::Kind::Button;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && item_.kind == ReadItem::Kind::Button)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override {
        return item_.kind == ReadItem::Kind::Button ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (canvas_ && item_.kind == ReadItem::Kind::Button && name == pressAction())
            PressLater(canvas_, item_.rect.center());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    ReadItem item_;
};

// What the reader is told once after a command (a result entered, the results saved):
// a notification that shows itself to the reader only, never on the screen. A reader
// speaks a notification as it appears, whatever has the focus.
class SpokenNote final : public CanvasLeaf {
  public:
    explicit SpokenNote(QWidget* canvas) : CanvasLeaf(canvas) {}
    void Set(const QString& text) { text_ = text; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

  private:
    QString text_;
};

// The canvas itself: a document named after the view, also readable as one text.
class CanvasFace final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    // Qt builds the face whenever the canvas is shown, reader or not: only a question
    // about what the canvas holds starts the recording.
    explicit CanvasFace(CanvasWidget* canvas)
        : QAccessibleWidget(canvas, QAccessible::Document), host_(canvas->Host()) {}
    ~CanvasFace() override {
        DropParts();
        if (noteId_ && QAccessible::accessibleInterface(noteId_))
            QAccessible::deleteAccessibleInterface(noteId_);
    }
    CanvasFace(const CanvasFace&) = delete;
    CanvasFace& operator=(const CanvasFace&) = delete;

    // After a render: reads the canvas again and tells the reader what changed. A new
    // view takes the keyboard, so that the reader follows it, and starts at its top.
    void Refresh() {
        const QString oldTitle = title_;
        const QString oldText = text_;
        Sync();
        QWidget* canvas = widget();
        if (title_ != oldTitle) {
            caret_ = 0;
            TakeFocus(canvas);
            QAccessibleEvent event(canvas, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        if (text_ != oldText) {
            QAccessibleEvent reorder(canvas, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reorder);
            QAccessibleTextUpdateEvent update(canvas, 0, oldText, text_);
            QAccessible::updateAccessibility(&update);
        }
        if (!note_.isEmpty())
            Say(std::exchange(note_, QString()));
    }

    // Said at once, as a notification the reader speaks whatever has the focus.
    void Say(const QString& text) {
        if (!noteId_)
            noteId_ = QAccessible::registerAccessibleInterface(new SpokenNote(widget()));
        auto* spoken = static_cast<SpokenNote*>(QAccessible::accessibleInterface(noteId_));
        spoken->Set(text);
        QAccessibleEvent shown(spoken, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QString LastSaid() const {
        const auto* spoken = static_cast<SpokenNote*>(QAccessible::accessibleInterface(noteId_));
        return spoken ? spoken->text(QAccessible::Name) : QString();
    }

    // Said after the next render, so that it follows what the reader says of the focus
    // coming back from a dialog rather than being cut off by it.
    void Note(const QString& text) { note_ = text; }

    // The keys of the caret; false for a key it does not take.
    bool Key(int key) {
        // Keys never start the recording: without a reader they are not the caret's.
        if (!host_.Drawn())
            return false;
        Sync();
        const int lines = static_cast<int>(starts_.size());
        if (lines == 0)
            return false;
        int line = std::clamp(caret_, 0, lines - 1);
        switch (key) {
        case Qt::Key_Down:
            line = std::min(line + 1, lines - 1);
            break;
        case Qt::Key_Up:
            line = std::max(line - 1, 0);
            break;
        case Qt::Key_Home:
            line = 0;
            break;
        case Qt::Key_End:
            line = lines - 1;
            break;
        case Qt::Key_PageDown:
            do
                ++line;
            while (line < lines && !sections_[static_cast<std::size_t>(line)]);
            line = std::min(line, lines - 1);
            break;
        case Qt::Key_PageUp:
            do
                --line;
            while (line > 0 && !sections_[static_cast<std::size_t>(line)]);
            line = std::max(line, 0);
            break;
        case Qt::Key_Right:
        case Qt::Key_Left:
            return SayCell(line, key == Qt::Key_Right ? 1 : -1);
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QAccessibleInterface* part = child(linePart_[static_cast<std::size_t>(line)]))
                if (QAccessibleActionInterface* action = part->actionInterface()) {
                    action->doAction(QAccessibleActionInterface::pressAction());
                    return true;
                }
            return false;
        default:
            return false;
        }
        MoveCaret(line);
        return true;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Title();
        if (t == QAccessible::Description) {
            Sync();
            return description_;
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        Sync();
        return static_cast<int>(parts_.size());
    }
    QAccessibleInterface* child(int index) const override {
        Sync();
        if (index < 0 || index >= static_cast<int>(parts_.size()))
            return nullptr;
        return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        Sync();
        for (std::size_t i = 0; i < parts_.size(); ++i)
            if (QAccessible::accessibleInterface(parts_[i]) == part)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        Sync();
        for (QAccessible::Id id : parts_)
            if (QAccessibleInterface* part = QAccessible::accessibleInterface(id))
                if (part->rect().contains(x, y))
                    return part;
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the whole view, a line per child. Nothing can be selected.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override {
        Sync();
        return LineStart(caret_);
    }
    // A reader moving its own caret puts the view's on the line it landed in.
    void setCursorPosition(int position) override {
        Sync();
        const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
        caret_ = std::max(0, static_cast<int>(after - starts_.begin()) - 1);
    }
    QString text(int start, int end) const override {
        Sync();
        return text_.mid(start, end - start);
    }
    int characterCount() const override {
        Sync();
        return static_cast<int>(text_.size());
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The whole text is one run without attributes: a reader that joins runs must not
    // find one that ends before the text does.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QString Title() const {
        Sync();
        return title_;
    }

    int LineStart(int line) const {
        if (starts_.empty())
            return 0;
        return starts_[static_cast<std::size_t>(std::clamp(line, 0, int(starts_.size()) - 1))];
    }

    // On a table row, Left and Right go from cell to cell, each said with its header
    // ("won 2"), as in a spreadsheet.
    bool SayCell(int line, int step) {
        QAccessibleInterface* part = child(linePart_[static_cast<std::size_t>(line)]);
        QAccessibleTableInterface* table = part ? part->tableInterface() : nullptr;
        if (!table)
            return false;
        int row = 0;
        while (row < line && linePart_[static_cast<std::size_t>(line - row - 1)] ==
                                 linePart_[static_cast<std::size_t>(line)])
            ++row;
        cell_ = std::clamp(cell_ + step, 0, table->columnCount() - 1);
        if (QAccessibleInterface* cell = table->cellAt(row, cell_))
            Say(table->columnDescription(cell_) + QLatin1Char(' ') + cell->text(QAccessible::Name));
        return true;
    }

    // The caret on the line's first character, and the reader told, which then says it.
    void MoveCaret(int line) {
        cell_ = 0;
        caret_ = line;
        QAccessibleTextCursorEvent moved(widget(), LineStart(line));
        QAccessible::updateAccessibility(&moved);
    }

    static void TakeFocus(QWidget* canvas) {
        if (canvas->hasFocus() || !canvas->isVisible() || !canvas->window()->isActiveWindow() ||
            QApplication::activePopupWidget() || QApplication::activeModalWidget())
            return;
        canvas->setFocus(Qt::OtherFocusReason);
    }

    // Builds the children anew when a render has run since they were built. The first
    // question starts the recording; the answers come with the next render, which the
    // reader is told about.
    void Sync() const {
        const DrawnItems* drawn = host_.Drawn();
        if (!drawn) {
            host_.StartReading();
            return;
        }
        if (drawn->Generation() == generation_)
            return;
        generation_ = drawn->Generation();
        DropParts();
        title_ = FromUtf8(drawn->Guide().title);
        description_ = FromUtf8(drawn->Guide().description);
        text_.clear();
        starts_.clear();
        sections_.clear();
        linePart_.clear();
        // The rows of a table read as lines in the text, and as one table among the parts,
        // under the headers the guide gives every table.
        QStringList headers;
        for (const std::string& header : drawn->Guide().tableHeaders)
            headers << FromUtf8(header);
        CanvasTableRows table;
        const auto endTable = [&] {
            if (table.rows.empty())
                return;
            parts_.push_back(RegisterCanvasTable(widget(), std::exchange(table, {})));
        };
        for (ReadItem& item : ReadingOrder(*drawn, host_.Client())) {
            if (!text_.isEmpty())
                text_ += QLatin1Char('\n');
            starts_.push_back(static_cast<int>(text_.size()));
            sections_.push_back(item.sectionStart);
            text_ += FromUtf8(item.name);
            if (!item.table.empty()) {
                const QString name = FromUtf8(item.table);
                if (name != table.name)
                    endTable();
                table.name = name;
                if (table.headers.size() < static_cast<qsizetype>(item.cells.size()))
                    table.headers = headers.mid(0, static_cast<qsizetype>(item.cells.size()));
                QStringList cells;
                for (const std::string& cell : item.cells)
                    cells << FromUtf8(cell);
                table.rows.push_back(cells);
                table.rects.push_back(item.rect);
                linePart_.push_back(static_cast<int>(parts_.size()));
                continue;
            }
            endTable();
            linePart_.push_back(static_cast<int>(parts_.size()));
            parts_.push_back(QAccessible::registerAccessibleInterface(
                new CanvasPart(widget(), std::move(item))));
        }
        endTable();
    }

    void DropParts() const {
        for (QAccessible::Id id : parts_)
            if (QAccessible::accessibleInterface(id))
                QAccessible::deleteAccessibleInterface(id);
        parts_.clear();
    }

    QtWindowHost& host_;
    // The parts belong to Qt's accessibility cache; the face keeps their ids.
    mutable std::vector<QAccessible::Id> parts_;
    mutable QString title_;
    mutable QString description_;
    mutable QString text_;
    // Where each line begins in the text, and which lines begin a section.
    mutable std::vector<int> starts_;
    mutable std::vector<bool> sections_;
    // The part each line is read in: its own, or its table's.
    mutable std::vector<int> linePart_;
    mutable int generation_ = -1;
    // The line the caret is on: kept while the view stays, so that a result entered
    // from a line leaves the caret on it.
    int caret_ = 0;
    // The cell of a table row last said, from the row's first (the team).
    int cell_ = 0;
    QString note_;
    QAccessible::Id noteId_ = 0;
};

QAccessibleInterface* CanvasFactory(const QString&, QObject* object) {
    if (auto* canvas = dynamic_cast<CanvasWidget*>(object))
        return new CanvasFace(canvas);
    return nullptr;
}

} // namespace

void InstallCanvasAccessibility() {
    // Installing twice would ask the factory twice per widget; removing first keeps one.
    QAccessible::removeFactory(CanvasFactory);
    QAccessible::installFactory(CanvasFactory);
}

namespace {

CanvasFace* FaceOf(QWidget* canvas) {
    if (!canvas)
        return nullptr;
    return dynamic_cast<CanvasFace*>(QAccessible::queryAccessibleInterface(canvas));
}

} // namespace

void AnnounceCanvas(QWidget* canvas) {
    if (CanvasFace* face = FaceOf(canvas))
        face->Refresh();
}

void SayAfterRender(QWidget* canvas, const QString& text) {
    if (CanvasFace* face = FaceOf(canvas))
        face->Note(text);
}

QString LastSaid(QWidget* canvas) {
    const CanvasFace* face = FaceOf(canvas);
    return face ? face->LastSaid() : QString();
}

bool CanvasCaretKey(QWidget* canvas, int key) {
    CanvasFace* face = FaceOf(canvas);
    return face && face->Key(key);
}
