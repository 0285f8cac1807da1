// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt dialog built from a dialog template: labels, fields and buttons placed in dialog
// units, texts and limits from the dialog's controls, names for a screen reader, static
// texts widened where the font needs more room, and OK only when the dialog allows it.
#include "platform/qt/frame/template_dialog.h"

#include "platform/dialog.h"
#include "platform/qt/canvas/pictures.h"
#include "platform/qt/canvas/utf8.h"

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// The font the template names; the sans-serif hint stands in where it is missing.
QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font(FromUtf8(dialogTemplate.fontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

// Dialog units: a quarter of the average character width across, an eighth of the
// character height down. The average is taken over the letters of the alphabet, the
// usual measure of dialog units, and kept unrounded: the templates' longest
// labels were sized to their texts, and a rounded-down width would cut them.
class DialogUnits {
  public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : baseX_(AverageLetterWidth(metrics)), baseY_(metrics.height()) {}
    int X(int units) const { return qRound(units * baseX_ / 4.0); }
    int Y(int units) const { return qRound(units * baseY_ / 8.0); }
    QRect Rect(int x, int y, int w, int h) const {
        // Edges from units, so that neighbouring controls stay exactly apart.
        return QRect(QPoint(X(x), Y(y)), QPoint(X(x + w) - 1, Y(y + h) - 1));
    }

  private:
    static double AverageLetterWidth(const QFontMetrics& metrics) {
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        return metrics.horizontalAdvance(letters) / static_cast<double>(letters.size());
    }

    double baseX_;
    double baseY_;
};

class TemplateDialog final : public QDialog {
  public:
    TemplateDialog(TDialog& dialog, QWidget* parent);

  private:
    void Build();
    void ShowControlTexts();
    void FitStatics();
    void Ok();

    TDialog& dialog_;
    std::vector<std::pair<int, QLabel*>> labels_;
    std::vector<QLabel*> statics_;
    std::vector<std::pair<int, QLineEdit*>> edits_;
    std::vector<std::pair<int, QPushButton*>> buttons_;
};

TemplateDialog::TemplateDialog(TDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    const DialogTemplate& t = dialog_.Template();
    setObjectName(QStringLiteral("dialog%1").arg(t.resId));
    setWindowTitle(FromUtf8(t.caption));
    setFont(DialogFont(t));
    Build();
    dialog_.SetupWindow();
    ShowControlTexts();
    FitStatics();
    // The first edit field takes the keyboard, its text selected for overtyping.
    if (!edits_.empty()) {
        edits_.front().second->setFocus();
        edits_.front().second->selectAll();
    }
}

void TemplateDialog::Build() {
    const DialogTemplate& t = dialog_.Template();
    const DialogUnits units{QFontMetrics(font())};
    setFixedSize(units.X(t.w), units.Y(t.h));

    for (const DialogControl& control : t.controls) {
        const QRect geometry = units.Rect(control.x, control.y, control.w, control.h);
        const QString text = FromUtf8(control.text);
        const QString name = QStringLiteral("control%1").arg(control.id);
        switch (control.kind) {
        case ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            label->setGeometry(geometry);
            statics_.push_back(label);
            if (control.id > 0) {
                label->setObjectName(name);
                labels_.emplace_back(control.id, label);
            }
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, this);
            edit->setObjectName(name);
            edit->setFrame(true);
            edit->setGeometry(geometry);
            edits_.emplace_back(control.id, edit);
            break;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(text, this);
            button->setObjectName(name);
            button->setGeometry(geometry);
            const bool isDefault = control.kind == ControlKind::DefaultButton;
            button->setDefault(isDefault);
            button->setAutoDefault(isDefault);
            if (control.id == IDOK)
                connect(button, &QPushButton::clicked, this, &TemplateDialog::Ok);
            else if (control.id == IDCANCEL)
                connect(button, &QPushButton::clicked, this, &QDialog::reject);
            buttons_.emplace_back(control.id, button);
            break;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(this);
            icon->setObjectName(name);
            const QPixmap picture = QPixmap::fromImage(PictureImage(std::to_string(control.id)));
            icon->setPixmap(picture);
            // An icon shows at its own size, whatever room the template gives it.
            icon->setGeometry(
                QRect(geometry.topLeft(), picture.isNull() ? geometry.size() : picture.size()));
            break;
        }
        }
    }
}

void TemplateDialog::ShowControlTexts() {
    for (auto& [id, label] : labels_)
        label->setText(FromUtf8(dialog_.ControlText(id)));
    // The limits come from the bound fields, which a dialog may bind in its set-up.
    for (auto& [id, edit] : edits_) {
        if (const auto* bound = dynamic_cast<const TEdit*>(dialog_.Control(id)))
            edit->setMaxLength(std::max(0, bound->MaxChars()));
        edit->setText(FromUtf8(dialog_.ControlText(id)));
        if (const std::string name = dialog_.FieldName(id); !name.empty())
            edit->setAccessibleName(FromUtf8(name));
        if (const std::string about = dialog_.FieldDescription(id); !about.empty())
            edit->setAccessibleDescription(FromUtf8(about));
    }
    if (const std::string about = dialog_.Description(); !about.empty())
        setAccessibleDescription(FromUtf8(about));
    for (auto& [id, button] : buttons_)
        button->setText(FromUtf8(dialog_.ControlText(id)));
}

// The templates were laid out for a narrower font. A static text that is wider than its
// control takes free room to its right, up to the next control on its line or the
// dialog's edge, rather than losing its last letters.
void TemplateDialog::FitStatics() {
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : statics_) {
        QRect rect = label->geometry();
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed <= rect.width())
            continue;
        int room = width() - rect.left();
        for (const QWidget* other : controls) {
            const QRect next = other->geometry();
            if (other != label && next.left() > rect.left() && next.top() <= rect.bottom() &&
                next.bottom() >= rect.top())
                room = std::min(room, next.left() - rect.left());
        }
        rect.setWidth(std::max(rect.width(), std::min(needed, room)));
        label->setGeometry(rect);
    }
}

void TemplateDialog::Ok() {
    for (auto& [id, edit] : edits_)
        if (TControl* control = dialog_.Control(id))
            control->SetText(edit->text().toStdString());
    if (!dialog_.CanClose())
        return; // CanClose has told the user why; the typed text stays
    dialog_.TransferFromControls();
    accept();
}

} // namespace

int RunTemplateDialog(TDialog& dialog, QWidget* parent) {
    TemplateDialog window(dialog, parent);
    return window.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
