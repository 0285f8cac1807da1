// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/chances/chances_window.h"

#include "chances/certainty.h"
#include "chances/table.h"
#include "platform/window.h"

#include <QGuiApplication>
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

constexpr int kFirstStageColumn = 2;
constexpr int kMarkColumn = kFirstStageColumn + kStages;
// How often the window looks for a new result: it follows a result within this.
constexpr int kPollMilliseconds = 200;
// Where a chance sits in a cell, for the bar drawn behind its text.
constexpr int kShareRole = Qt::UserRole;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Draws a bar as long as the cell's chance behind its text.
class ChanceBar : public QStyledItemDelegate {
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

ChancesWindow::ChancesWindow(QWidget& frame, const TWindow& client)
    : QWidget(&frame, Qt::Window), frame_(frame), client_(client),
      table_(new QTableWidget(kTeams, kMarkColumn + 1, this)), status_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Korvel: Chances"));
    setObjectName(QStringLiteral("chances"));
    QStringList headings{QStringLiteral("Team"), QStringLiteral("Group")};
    for (const std::string_view heading : kStageHeadings)
        headings << Latin1(heading);
    headings << QStringLiteral("Mark");
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setAccessibleName(QStringLiteral("Chances"));
    table_->setItemDelegate(new ChanceBar(table_));
    for (int team = 0; team < kTeams; ++team) {
        table_->setItem(team, 0, new QTableWidgetItem(Latin1(landnaam[team])));
        table_->setItem(team, 1, new QTableWidgetItem(QString(QLatin1Char("ABCD"[GroupOf(team)]))));
        for (int column = kFirstStageColumn; column <= kMarkColumn; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(column == kMarkColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(team, column, item);
        }
    }
    // Chance columns of one width, so that bars of the same length mean the same chance.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int s = 0; s < kStages; ++s) {
        table_->horizontalHeader()->setSectionResizeMode(kFirstStageColumn + s, QHeaderView::Fixed);
        table_->setColumnWidth(kFirstStageColumn + s, 104);
    }
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto* model = new QLabel(Latin1(ModelLine()), this);
    model->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addWidget(model);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, [this] { FollowResults(); });
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
    FollowResults();
}

void ChancesWindow::FollowResults() {
    if (!isVisible()) {
        poll_.stop();
        return;
    }
    const Tournament* tournament = client_.TournamentShown();
    if (tournament == nullptr || (asked_ && *asked_ == tournament->Wedstrijd))
        return;
    Start(tournament->Wedstrijd);
}

void ChancesWindow::Start(const Games& games) {
    if (cancel_)
        cancel_->store(true);
    asked_ = games;
    const unsigned run = ++run_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    status_->setText(QStringLiteral("Playing the matches left %L1 times...")
                         .arg(static_cast<qulonglong>(settings_.runs)));
    // Replacing the worker waits for the cancelled run, which stops within a block.
    worker_ = std::jthread([this, run, games, settings = settings_, cancel = cancel_] {
        // A first look from a tenth of the runs comes within a tenth of the time, so the
        // table follows a result at once; the whole run then makes it precise.
        SimulationSettings firstLook = settings;
        firstLook.runs = std::max<std::uint64_t>(1, settings.runs / 10);
        for (const SimulationSettings& pass : {firstLook, settings}) {
            const std::optional<ChancesCounts> counts = SimulateChances(games, pass, cancel.get());
            if (!counts)
                return;
            const bool last = pass.runs == settings.runs;
            QMetaObject::invokeMethod(
                this,
                [this, run, games, last, counts = *counts] {
                    if (run == run_)
                        Show(counts, games, last);
                },
                Qt::QueuedConnection);
            if (last)
                return;
        }
    });
}

void ChancesWindow::Show(const ChancesCounts& counts, const Games& games, bool last) {
    const Certainties certainties = DecideCertainties(games);
    for (int team = 0; team < kTeams; ++team) {
        for (int s = 0; s < kStages; ++s) {
            QTableWidgetItem* cell = table_->item(team, kFirstStageColumn + s);
            const Certainty certainty = certainties[team][s];
            cell->setText(Latin1(ChanceText(counts.reached[team][s], counts.runs, certainty)));
            const double share = certainty == Certainty::Sure ? 1.0
                                 : certainty == Certainty::Never
                                     ? 0.0
                                     : static_cast<double>(counts.reached[team][s]) /
                                           static_cast<double>(counts.runs);
            cell->setData(kShareRole, share);
        }
        table_->item(team, kMarkColumn)->setText(Latin1(TeamMark(certainties[team])));
    }
    status_->setText(
        (last ? QStringLiteral("Chances from %L1 simulated tournaments, starting from the "
                               "results entered so far")
              : QStringLiteral("A first look from %L1 simulated tournaments; playing on..."))
            .arg(static_cast<qulonglong>(counts.runs)));
}
