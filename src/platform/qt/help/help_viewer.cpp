// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/help/help_viewer.h"

#include "platform/files.h"
#include "platform/window.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Up to this size a help file is parsed at once, on the GUI thread.
constexpr qsizetype kParseHereBytes = 128 * 1024;

// What the viewer lays out in about a second: the toolkit's Markdown tables cost time
// that grows with the square of their number (500 small tables take most of a second,
// 2,000 take ten), so a file with more is refused rather than held up for.
constexpr int kMaxTables = 200;
constexpr int kMaxTableRows = 2000;

// Raw HTML is shown as the text it is: an HTML block would otherwise swallow the text
// after it, and nothing in a help file needs it.
constexpr auto kMarkdown = QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                                           QTextDocument::MarkdownNoHTML);

// Whether the text has more tables or table rows than the viewer lays out in time.
bool TooManyTables(const QString& text) {
    int tables = 0;
    int rows = 0;
    bool inTable = false;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const bool row = line.trimmed().startsWith(QLatin1Char('|'));
        rows += row ? 1 : 0;
        tables += row && !inTable ? 1 : 0;
        inTable = row;
    }
    return tables > kMaxTables || rows > kMaxTableRows;
}

// Loads nothing: an image or style sheet named in a help file could be any local file,
// a FIFO or a device among them. An empty answer would make the document read the file
// itself, so every image is a blank pixel and every other resource an empty text.
class HelpBrowser final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl&) override {
        if (type != QTextDocument::ImageResource)
            return QString();
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }
};

// The name a section's link uses: its heading in lower case, blanks as hyphens,
// other punctuation left out ("1. The tournament" is "#1-the-tournament").
QString Slug(const QString& heading) {
    QString slug;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber())
            slug += c;
        else if (c == QLatin1Char(' ') || c == QLatin1Char('-'))
            slug += QLatin1Char('-');
    }
    return slug;
}

bool IsSectionLink(const QString& href) { return href.startsWith(QLatin1Char('#')); }

// Every link that leaves the file becomes plain text followed by its address, so that
// the reader sees where it points and nothing can open it.
void ShowOutsideLinksAsText(QTextDocument& document) {
    struct Link {
        int start;
        int end;
        QString href;
        QString text;
    };
    std::vector<Link> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || IsSectionLink(format.anchorHref()))
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!links.empty() && links.back().end == start &&
                links.back().href == format.anchorHref()) {
                links.back().end = end;
                links.back().text += fragment.text();
            } else {
                links.push_back({start, end, format.anchorHref(), fragment.text()});
            }
        }
    }
    // From the last, so that the positions of those before stay as they were.
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        QTextCursor cursor(&document);
        cursor.setPosition(link->start);
        cursor.setPosition(link->end, QTextCursor::KeepAnchor);
        QTextCharFormat plain = cursor.charFormat();
        plain.setAnchor(false);
        plain.clearProperty(QTextFormat::AnchorHref);
        plain.clearForeground();
        plain.setFontUnderline(false);
        cursor.setCharFormat(plain);
        if (link->text.trimmed() != link->href) {
            cursor.clearSelection();
            cursor.insertText(QStringLiteral(" <%1>").arg(link->href), plain);
        }
    }
}

} // namespace

HelpViewer::HelpViewer(WindowHost& host, QWidget& frame)
    : QWidget(&frame, Qt::Window), host_(host), browser_(new HelpBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QString::fromLatin1(kTitle));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    // A caret the arrow keys move, so that a screen reader reads the help line by line.
    browser_->setTextInteractionFlags(browser_->textInteractionFlags() |
                                      Qt::TextSelectableByKeyboard);
    QObject::connect(browser_, &QTextBrowser::anchorClicked, this,
                     [this](const QUrl& url) { FollowLink(url); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    QObject::connect(escape, &QShortcut::activated, this, [this] { close(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

QStringList HelpViewer::Candidates(const QString& file) {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        QDir::current().filePath(file),
        QDir(programDir).filePath(file),
        QDir(programDir).filePath(QStringLiteral("../share/korvel/") + file),
    };
}

void HelpViewer::Open(const QString& file) {
    // A file still being read is shown when it is ready; another request would only
    // start a second reading of it.
    if (std::any_of(workers_.begin(), workers_.end(), [](const QPointer<QThread>& worker) {
            return worker && worker->isRunning();
        })) {
        show();
        raise();
        activateWindow();
        return;
    }
    for (const QString& candidate : Candidates(file)) {
        // Read without ever waiting on it, and no more than can be shown.
        const FileRead read = ReadRegularFile(QFile::encodeName(candidate).constData(),
                                              static_cast<std::size_t>(kMaxBytes) + 1);
        if (read.outcome == FileRead::Missing)
            continue;
        if (read.outcome == FileRead::Unreadable)
            ShowMessage(candidate, QString::fromStdString(read.reason));
        else if (read.bytes.size() > static_cast<std::size_t>(kMaxBytes))
            ShowMessage(candidate, QStringLiteral("it is larger than 1 MiB"));
        else
            ShowText(candidate, QByteArray(reinterpret_cast<const char*>(read.bytes.data()),
                                           static_cast<qsizetype>(read.bytes.size())));
        show();
        raise();
        activateWindow();
        return;
    }
    const QString text = QStringLiteral("Cannot find the help file %1.").arg(file);
    host_.MessageBox(text.toStdString(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}

void HelpViewer::ShowText(const QString& path, const QByteArray& bytes) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        ShowMessage(path, QStringLiteral("it is not UTF-8 text"));
        return;
    }
    if (TooManyTables(text)) {
        ShowMessage(path, QStringLiteral("it has more than %1 tables or %2 table rows, more "
                                         "than the viewer lays out in a second")
                              .arg(kMaxTables)
                              .arg(kMaxTableRows));
        return;
    }
    ++request_;
    if (bytes.size() <= kParseHereBytes) {
        browser_->document()->setMarkdown(text, kMarkdown);
        ShowOutsideLinksAsText(*browser_->document());
        return;
    }
    // Parsing a megabyte of Markdown takes most of a second: a large file is made into
    // a document on a thread of its own, and the window says so meanwhile.
    browser_->setPlainText(QStringLiteral("Reading the help file %1 ...").arg(path));
    const QPointer<HelpViewer> self(this);
    QThread* const gui = thread();
    const int request = request_;
    QThread* worker = QThread::create([text, self, gui, request] {
        auto* made = new QTextDocument;
        made->setMarkdown(text, kMarkdown);
        ShowOutsideLinksAsText(*made);
        made->moveToThread(gui);
        // Deleted with the call if the call never runs or the viewer has gone or asked
        // for another file. The document now belongs to the GUI thread, and is deleted
        // there: the one reference goes with the call to that thread, and should this
        // thread still drop it, the deletion is queued to the document's own.
        std::shared_ptr<QTextDocument> document(made, [](QTextDocument* d) {
            if (d->parent())
                return;
            if (d->thread() == QThread::currentThread())
                delete d;
            else
                d->deleteLater();
        });
        QMetaObject::invokeMethod(
            qApp,
            [self, request, document = std::move(document)] {
                if (self && self->request_ == request)
                    self->Adopt(*document);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    std::erase_if(workers_, [](const QPointer<QThread>& done) { return done.isNull(); });
    workers_.push_back(worker);
    worker->start();
}

void HelpViewer::Adopt(QTextDocument& document) {
    // Parented first, so that the viewer answers every resource the text names.
    document.setParent(browser_);
    QTextDocument* previous = adopted_;
    browser_->setDocument(&document);
    adopted_ = &document;
    delete previous;
}

HelpViewer::~HelpViewer() {
    for (const QPointer<QThread>& worker : workers_)
        if (worker)
            worker->wait();
}

void HelpViewer::ShowMessage(const QString& path, const QString& why) {
    ++request_;
    browser_->setPlainText(QStringLiteral("The help file %1 cannot be shown: %2.")
                               .arg(QDir::toNativeSeparators(path), why));
}

void HelpViewer::FollowLink(const QUrl& url) {
    if (!IsSectionLink(url.toString()))
        return;
    const QString wanted = url.fragment(QUrl::FullyDecoded);
    QTextDocument& document = *browser_->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || Slug(block.text()) != wanted)
            continue;
        browser_->setTextCursor(QTextCursor(block));
        const QRectF where = document.documentLayout()->blockBoundingRect(block);
        browser_->verticalScrollBar()->setValue(static_cast<int>(where.top()));
        return;
    }
}
