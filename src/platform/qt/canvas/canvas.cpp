// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing on the canvas: texts drawn once on their white cells and copied after, slanted
// lines set straight into the pixels, and every edge placed on a whole device pixel when
// the picture is scaled.
#include "platform/qt/canvas/canvas.h"

#include "platform/qt/canvas/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr QRgb kWhite = 0xffffffff;

// Room for every text of every view in a few colours (about 1 MiB); past it the cells
// are drawn afresh. Bounded by bytes, as scores and typed offsets keep making new texts.
constexpr qsizetype kMaxTextCellBytes = 2 * 1024 * 1024;

// The device pixel where a view pixel's edge falls.
int DeviceEdge(int viewPixel, qreal ratio) { return qRound(viewPixel * ratio); }

// A line or box edge one view pixel wide is this many device pixels wide wherever it is.
int DeviceStroke(qreal ratio) { return std::max(1, qRound(ratio)); }

} // namespace

Canvas::Canvas(QSize size, qreal pixelRatio)
    : size_(size), ratio_(pixelRatio),
      image_(DeviceEdge(size.width(), pixelRatio), DeviceEdge(size.height(), pixelRatio),
             QImage::Format_RGB32) {
    image_.fill(kWhite);
}

void Canvas::SetPixelRatio(qreal ratio) {
    if (ratio == ratio_ || ratio <= 0)
        return;
    EndPainting();
    ratio_ = ratio;
    image_ = QImage(DeviceEdge(size_.width(), ratio), DeviceEdge(size_.height(), ratio),
                    QImage::Format_RGB32);
    image_.fill(kWhite);
    drawn_ = QRect();
    textCells_.clear();
    textCellBytes_ = 0;
}

QRect Canvas::DeviceRect(const QRect& rect) const {
    const int left = DeviceEdge(rect.left(), ratio_);
    const int top = DeviceEdge(rect.top(), ratio_);
    const int right = rect.width() == 1 ? left + DeviceStroke(ratio_)
                                        : DeviceEdge(rect.left() + rect.width(), ratio_);
    const int bottom = rect.height() == 1 ? top + DeviceStroke(ratio_)
                                          : DeviceEdge(rect.top() + rect.height(), ratio_);
    return QRect(left, top, right - left, bottom - top);
}

void Canvas::Clear() {
    if (drawn_.isEmpty())
        return;
    if (Scaled()) {
        // Rounded edges may reach a device pixel past the drawn part: all of it is cheap.
        EndPainting();
        image_.fill(kWhite);
    } else {
        Painter().fillRect(drawn_, QColor(kWhite));
    }
    drawn_ = QRect();
}

void Canvas::EndPainting() {
    if (painter_.isActive())
        painter_.end();
}

QPainter& Canvas::Painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        // Pixel-exact drawing: the views place every line and box on whole pixels.
        painter_.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
    }
    return painter_;
}

void Canvas::Fill(const QRect& rect, QRgb colour) {
    const QRect clipped = rect & QRect(QPoint(), size_);
    if (clipped.isEmpty())
        return;
    Painter().fillRect(Scaled() ? DeviceRect(clipped) : clipped, QColor(colour));
    Touch(clipped);
}

const QImage* Canvas::FindTextCell(std::string_view text, QRgb colour) {
    key_.resize(sizeof colour);
    std::memcpy(key_.data(), &colour, sizeof colour);
    key_.append(text);
    const auto found = textCells_.find(key_);
    return found == textCells_.end() ? nullptr : &found->second;
}

// Under the key FindTextCell made last.
const QImage& Canvas::KeepTextCell(QImage cell) {
    if (textCellBytes_ >= kMaxTextCellBytes) {
        textCells_.clear();
        textCellBytes_ = 0;
    }
    textCellBytes_ += cell.sizeInBytes();
    return textCells_.insert_or_assign(key_, std::move(cell)).first->second;
}

QRect Canvas::CellRect(QPoint topLeft, const QString& text) const {
    const QFontMetrics& metrics = font_.metrics;
    return QRect(topLeft, QSize(std::max(1, metrics.horizontalAdvance(text)), metrics.height()));
}

QImage Canvas::DrawCell(const QString& text, QRgb colour) const {
    const QSize size = CellRect(QPoint(), text).size();
    QImage cell(Scaled() ? DeviceRect(QRect(QPoint(), size)).size() : size, QImage::Format_RGB32);
    cell.setDevicePixelRatio(ratio_);
    cell.fill(kWhite);
    {
        QPainter painter(&cell);
        painter.setFont(font_.font);
        painter.setPen(QColor(colour));
        painter.drawText(QPoint(0, font_.metrics.ascent()), text);
    }
    return cell;
}

const QImage& Canvas::TextCell(std::string_view text, QRgb colour) {
    if (const QImage* cell = FindTextCell(text, colour))
        return *cell;
    return KeepTextCell(DrawCell(FromUtf8(text), colour));
}

void Canvas::Text(QPoint topLeft, std::string_view text, QRgb colour) {
    if (text.empty())
        return;
    if (const QImage* cell = FindTextCell(text, colour)) {
        Picture(topLeft, *cell);
        return;
    }
    const QString string = FromUtf8(text);
    const QRect rect = CellRect(topLeft, string);
    // Scaled, a cell drawn apart puts its text on the same device pixels wherever it is
    // copied, as one drawn in place would not.
    if (Scaled() || !QRect(QPoint(), size_).contains(rect)) {
        Picture(topLeft, KeepTextCell(DrawCell(string, colour)));
        return;
    }
    // A new text is drawn where it stands, on its white cell and clipped to it, and the
    // cell is kept from there: the same pixels as a cell drawn apart, without a painter
    // of its own for each of the hundreds of texts of a first render.
    QPainter& painter = Painter();
    painter.fillRect(rect, QColor(kWhite));
    painter.setClipRect(rect);
    painter.setFont(font_.font);
    painter.setPen(QColor(colour));
    painter.drawText(QPoint(rect.left(), rect.top() + font_.metrics.ascent()), string);
    painter.setClipping(false);
    Touch(rect);
    KeepTextCell(image_.copy(rect));
}

void Canvas::Points(std::span<const QPoint> points, QRgb colour) {
    // Straight into the pixels: the painter's fills cost far more per call than the few
    // pixels of each step of a slanted line. The painter starts again on the next call.
    EndPainting();
    const QRect bounds(QPoint(), size_);
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    if (Scaled()) {
        for (const QPoint& p : points) {
            if (!bounds.contains(p))
                continue;
            const QRect pixel = DeviceRect(QRect(p, QSize(1, 1))) & image_.rect();
            for (int y = pixel.top(); y <= pixel.bottom(); ++y)
                std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + pixel.left(),
                            pixel.width(), colour);
            Touch(QRect(p, QSize(1, 1)));
        }
        return;
    }
    int left = bounds.right() + 1;
    int top = bounds.bottom() + 1;
    int right = -1;
    int bottom = -1;
    for (const QPoint& p : points) {
        if (!bounds.contains(p))
            continue;
        reinterpret_cast<QRgb*>(bits + p.y() * stride)[p.x()] = colour;
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    if (right >= left)
        Touch(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void Canvas::Line(QPoint from, QPoint to, QRgb colour, int width) {
    // Scaled, from device pixel edges, and a whole number of device pixels wide.
    const auto device = [this](QPoint p) {
        return QPoint(DeviceEdge(p.x(), ratio_), DeviceEdge(p.y(), ratio_));
    };
    QPen pen(QColor(colour), Scaled() ? std::max(1, qRound(width * ratio_)) : width);
    pen.setCapStyle(Qt::FlatCap);
    QPainter& painter = Painter();
    painter.setPen(pen);
    painter.drawLine(device(from), device(to));
    const int margin = width;
    Touch(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin) &
          QRect(QPoint(), size_));
}

void Canvas::Picture(QPoint topLeft, const QImage& picture) {
    const QSize size = picture.deviceIndependentSize().toSize();
    const QRect target = QRect(topLeft, size) & QRect(QPoint(), size_);
    if (target.isEmpty())
        return;
    if (Scaled())
        DrawScaled(topLeft, picture);
    else
        Painter().drawImage(topLeft, picture);
    Touch(target);
}

void Canvas::DrawScaled(QPoint topLeft, const QImage& picture) {
    QPainter& painter = Painter();
    const QSize size = picture.deviceIndependentSize().toSize();
    const QRect device = DeviceRect(QRect(topLeft, size));
    // A text cell of the canvas's ratio goes on pixel for pixel. A picture of view
    // pixels is scaled: by whole numbers its pixels stay sharp squares, and in between
    // they are smoothed rather than some of them doubled.
    if (picture.devicePixelRatio() == ratio_) {
        painter.drawImage(QRect(device.topLeft(), picture.size()), picture);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio_ != std::floor(ratio_));
    painter.drawImage(device, picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}
