// SPDX-License-Identifier: GPL-3.0-or-later
// The chances window's table, its bars and its updates: a timer looks for a new result,
// a worker thread computes the table, and each pass it sends is shown on the GUI thread.
#include "platform/qt/chances/chances_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// How often the window looks for a new result: it follows a result within this.
constexpr int kPollMilliseconds = 200;
// The width of a column with bars, the same for all so that bars of one length mean the
// same share.
constexpr int kBarColumnWidth = 104;
// Where a cell keeps the share its bar fills.
constexpr int kShareRole = Qt::UserRole;

QString Text(const std::string& text) { return QString::fromUtf8(text); }

// Draws a bar as long as the cell's share behind its text.
class ShareBar : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant share = index.data(kShareRole);
        if (share.isValid()) {
            QRectF bar = QRectF(option.rect).adjusted(2, 3, -2, -3);
            bar.setWidth(bar.width() * share.toDouble());
            painter->fillRect(bar, QColor(150, 190, 235));
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

ChancesWindow::ChancesWindow(QWidget& frame, std::unique_ptr<SideTableSource> source)
    : QWidget(&frame, Qt::Window), frame_(frame), source_(std::move(source)),
      table_(new QTableWidget(this)), status_(new QLabel(this)), footer_(new QLabel(this)) {
    setWindowTitle(Text(source_->Title()));
    setObjectName(QStringLiteral("chances"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setAccessibleName(windowTitle());
    table_->setItemDelegate(new ShareBar(table_));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    footer_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addWidget(footer_);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, [this] { FollowClient(); });
    Show(source_->Waiting());
}

ChancesWindow::~ChancesWindow() {
    if (cancel_)
        cancel_->store(true);
}

void ChancesWindow::ShowBeside() {
    if (!isVisible()) {
        adjustSize();
        const QRect screen = frame_.screen() ? frame_.screen()->availableGeometry() : QRect();
        QPoint at = frame_.frameGeometry().topRight() + QPoint(8, 0);
        if (screen.isValid() && at.x() + width() > screen.right())
            at.setX(std::max(screen.left(), screen.right() - width()));
        move(at);
    }
    show();
    raise();
    activateWindow();
    poll_.start();
    FollowClient();
}

void ChancesWindow::FollowClient() {
    if (!isVisible()) {
        poll_.stop();
        return;
    }
    if (SideTableSource::Job job = source_->NewJob())
        Start(std::move(job));
}

void ChancesWindow::Start(SideTableSource::Job job) {
    if (cancel_)
        cancel_->store(true);
    const unsigned number = ++job_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    status_->setText(Text(source_->Waiting().status));
    // Replacing the worker waits for the cancelled job, which stops within a block.
    worker_ = std::jthread([this, number, job = std::move(job), cancel = cancel_] {
        for (int pass = 0;; ++pass) {
            std::optional<SideTable> table = job(pass, *cancel);
            if (!table)
                return;
            const bool final = table->final;
            QMetaObject::invokeMethod(
                this,
                [this, number, table = std::move(*table)] {
                    if (number == job_)
                        Show(table);
                },
                Qt::QueuedConnection);
            if (final)
                return;
        }
    });
}

void ChancesWindow::Show(const SideTable& shown) {
    const int columns = static_cast<int>(shown.headings.size());
    if (table_->columnCount() != columns) {
        QStringList headings;
        for (const std::string& heading : shown.headings)
            headings << Text(heading);
        table_->setColumnCount(columns);
        table_->setHorizontalHeaderLabels(headings);
    }
    table_->setRowCount(static_cast<int>(shown.cells.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* cell = table_->item(row, column);
            if (cell == nullptr) {
                cell = new QTableWidgetItem;
                table_->setItem(row, column, cell);
            }
            cell->setText(Text(shown.cells[row][column]));
            const double share = shown.bars[row][column];
            if (share >= 0) {
                cell->setData(kShareRole, share);
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
                table_->setColumnWidth(column, kBarColumnWidth);
            }
        }
    }
    status_->setText(Text(shown.status));
    footer_->setText(Text(shown.footer));
    adjustSize();
}
