// SPDX-License-Identifier: GPL-3.0-or-later
// The icon engine behind LazyIcon: it knows the icon's sizes from the built-in pictures,
// and decodes them only when Qt first asks for pixels.
#include "platform/qt/frame/lazy_icon.h"

#include "platform/qt/canvas/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <optional>
#include <string>
#include <vector>

namespace {

// A picture of the icon and its size, known from the program without decoding it.
struct IconFile {
    std::string picture;
    QSize size;
};

class LazyIconEngine final : public QIconEngine {
  public:
    explicit LazyIconEngine(std::vector<IconFile> files) : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Pixmaps().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Pixmaps().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Pixmaps().pixmap(size, scale, mode, state);
    }

    // The largest of the files' sizes that fits, scaled down when none does: what the
    // decoded icon would answer, known without decoding.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize best;
        for (const IconFile& file : files_)
            if (file.size.width() <= size.width() && file.size.height() <= size.height() &&
                file.size.width() > best.width())
                best = file.size;
        if (best.isValid())
            return best;
        QSize smallest = files_.empty() ? QSize() : files_.front().size;
        for (const IconFile& file : files_)
            if (file.size.width() < smallest.width())
                smallest = file.size;
        return smallest.scaled(size, Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconFile& file : files_)
            sizes.append(file.size);
        return sizes;
    }

    bool isNull() override { return files_.empty(); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

  private:
    // The icon as QIcon itself would hold it, so that every mode (disabled, active,
    // selected) is derived from the pixels exactly as for any other icon.
    const QIcon& Pixmaps() {
        if (!pixmaps_) {
            pixmaps_.emplace();
            for (const IconFile& file : files_)
                pixmaps_->addPixmap(QPixmap::fromImage(PictureImage(file.picture)));
        }
        return *pixmaps_;
    }

    std::vector<IconFile> files_;
    std::optional<QIcon> pixmaps_;
};

} // namespace

QIcon LazyIcon(std::initializer_list<std::string> pictures) {
    std::vector<IconFile> files;
    for (const std::string& picture : pictures)
        if (const QSize size = PictureSize(picture); size.isValid())
            files.push_back({picture, size});
    // QIcon takes ownership of its engine.
    return QIcon(new LazyIconEngine(std::move(files)));
}
