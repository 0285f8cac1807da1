// SPDX-License-Identifier: GPL-3.0-or-later
// What those keys do: the save dialog with its export types and PNG scales and the name
// it offers, print and preview, and a message box when one of them fails.
#include "platform/qt/frame/frame_shortcuts.h"

#include "platform/qt/chances/chances_window.h"
#include "platform/qt/export/print_module.h"
#include "platform/qt/export/view_export.h"
#include "platform/qt/frame/qt_host.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QStringList>

namespace {

struct ExportFilter {
    const char* filter;
    const char* suffix;
    int scale; // PNG pixels for each view pixel
};

constexpr ExportFilter kExportFilters[] = {
    {"PNG picture, 720 x 480 (*.png)", "png", 1},
    {"PNG picture, 1440 x 960 (*.png)", "png", 2},
    {"PNG picture, 2160 x 1440 (*.png)", "png", 3},
    {"PNG picture, 2880 x 1920 (*.png)", "png", 4},
    {"SVG drawing (*.svg)", "svg", 1},
    {"PDF document (*.pdf)", "pdf", 1},
};

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FrameShortcuts::FrameShortcuts(QWidget& frame, const TDecoratedFrame& description,
                               QtWindowHost& host)
    : frame_(frame), client_(description.Client()), host_(host) {
    for (const FrameShortcut& key : description.Shortcuts()) {
        auto* shortcut =
            new QShortcut(QKeySequence(Latin1(key.keys), QKeySequence::PortableText), &frame_);
        shortcut->setObjectName(QStringLiteral("shortcut ") + Latin1(key.keys));
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &frame_, [this, key] {
            switch (key.action) {
            case FrameShortcut::Command:
                client_.HandleCommand(key.commandId);
                break;
            case FrameShortcut::Print:
                Print();
                break;
            case FrameShortcut::PrintPreview:
                Preview();
                break;
            case FrameShortcut::Export:
                Export();
                break;
            case FrameShortcut::Chances:
                ShowChances();
                break;
            }
        });
    }
}

void FrameShortcuts::ShowChances() {
    if (chances_ == nullptr) {
        std::unique_ptr<SideTableSource> source = client_.ChancesTable();
        if (!source)
            return;
        chances_ = new ChancesWindow(frame_, std::move(source));
    }
    chances_->ShowBeside();
}

bool FrameShortcuts::ViewDrawn() const { return host_.RenderCount() > 0 && !host_.Rendering(); }

void FrameShortcuts::Report(const QString& text, const char* caption) {
    host_.MessageBox(text.toStdString(), caption, MB_OK | MB_ICONSTOP);
}

void FrameShortcuts::Print() {
    if (!ViewDrawn())
        return;
    QString reason;
    const PrintOutcome outcome = PrintView(client_, &frame_, SuggestedFile("pdf"), reason);
    host_.ReactivateAfterModal();
    if (outcome == PrintOutcome::Failed)
        Report(QStringLiteral("The view could not be printed:\n%1").arg(reason), "Print");
}

void FrameShortcuts::Preview() {
    if (!ViewDrawn())
        return;
    QString reason;
    const bool shown = PreviewView(client_, &frame_, SuggestedFile("pdf"), reason);
    host_.ReactivateAfterModal();
    if (!shown)
        Report(QStringLiteral("The print preview could not be shown:\n%1").arg(reason), "Print");
}

QString FrameShortcuts::SuggestedFile(const char* suffix) const {
    return QDir::current().absoluteFilePath(
        QStringLiteral("korvel-%1.%2")
            .arg(QString::fromStdString(client_.ViewName()), QString::fromLatin1(suffix)));
}

void FrameShortcuts::Export() {
    if (!ViewDrawn())
        return;
    int scale = 1;
    const QString path = AskFile(scale);
    if (path.isEmpty())
        return;
    const std::optional<PictureType> format = PictureTypeOf(QFile::encodeName(path).toStdString());
    if (!format) {
        Report(QStringLiteral("Korvel exports .png, .svg and .pdf files:\n%1").arg(path), "Export");
        return;
    }
    const QString reason = ExportView(client_, path, *format, scale);
    if (!reason.isEmpty())
        Report(QStringLiteral("%1 was not written:\n%2").arg(path, reason), "Export");
}

QString FrameShortcuts::AskFile(int& scale) {
    QFileDialog dialog(&frame_, QStringLiteral("Export the view"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const ExportFilter& f : kExportFilters)
        filters << QString::fromLatin1(f.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kExportFilters[0].suffix));
    // A name typed without an extension takes the one of the chosen type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& filter) {
                         const qsizetype i = filters.indexOf(filter);
                         if (i >= 0)
                             dialog.setDefaultSuffix(QString::fromLatin1(kExportFilters[i].suffix));
                     });
    // The dialog changes the offered name's extension with the type.
    dialog.setDirectory(QDir::current());
    dialog.selectFile(SuggestedFile(kExportFilters[0].suffix));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    host_.ReactivateAfterModal();
    if (!accepted)
        return {};
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    scale = chosen >= 0 ? kExportFilters[chosen].scale : 1;
    return dialog.selectedFiles().value(0);
}
