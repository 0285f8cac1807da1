// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/recording/recording_host.h"

namespace {

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(RecordingHost& host) : host_(host) { ++host_.openSurfaces; }
    ~RecordingSurface() override { --host_.openSurfaces; }

    void SetTextColor(TColor color) override { textColor_ = color; }

    void TextOut(int x, int y, std::string_view text) override {
        DrawOp op;
        op.kind = DrawOp::Text;
        op.x = x;
        op.y = y;
        op.text = text;
        op.color = textColor_;
        host_.ops.push_back(std::move(op));
    }

    void MoveTo(int x, int y) override { current_ = {x, y}; }

    void LineTo(int x, int y) override {
        DrawOp op;
        op.kind = DrawOp::Line;
        op.x = current_.x;
        op.y = current_.y;
        op.x2 = x;
        op.y2 = y;
        op.color = pen_.color;
        op.penWidth = pen_.width;
        host_.ops.push_back(std::move(op));
        current_ = {x, y};
    }

    void Rectangle(int left, int top, int right, int bottom) override {
        DrawOp op;
        op.kind = DrawOp::Rect;
        op.x = left;
        op.y = top;
        op.x2 = right;
        op.y2 = bottom;
        op.color = pen_.color;
        op.penWidth = pen_.width;
        op.brush = brush_.color;
        host_.ops.push_back(std::move(op));
    }

    void SelectPen(const TPen& pen) override { pen_ = pen; }
    void SelectBrush(const TBrush& brush) override { brush_ = brush; }

    void CopyBitmap(const TBitmap& bitmap, int x, int y) override {
        DrawOp op;
        op.kind = DrawOp::Bitmap;
        op.x = x;
        op.y = y;
        op.bitmapId = bitmap.resId;
        host_.ops.push_back(std::move(op));
    }

  private:
    RecordingHost& host_;
    TColor textColor_ = TColor::Black;
    TPen pen_{TColor::Black, 1};
    TBrush brush_{TColor::White};
    TPoint current_;
};

} // namespace

void RecordingHost::ExpectBox(std::string caption, int answer) {
    script_.push_back(Step{true, std::move(caption), answer, {}});
}

void RecordingHost::ExpectDialog(DialogAnswer answer) {
    script_.push_back(Step{false, {}, 0, std::move(answer)});
}

void RecordingHost::Render(TWindow& window) {
    ops.clear();
    window.Paint(true, TRect{});
}

void RecordingHost::Unexpected(const std::string& what) {
    if (onUnexpected)
        onUnexpected(what);
}

int RecordingHost::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
    boxes.push_back({std::string(text), std::string(caption), style});
    events.push_back("box:" + std::string(caption));
    const int refusal = (style & MB_BUTTONMASK) == MB_YESNO ? IDNO : IDCANCEL;
    if (script_.empty() || !script_.front().isBox || script_.front().caption != caption) {
        Unexpected("unexpected message box \"" + std::string(caption) + "\": " + std::string(text));
        return refusal;
    }
    const int answer = script_.front().answer;
    script_.pop_front();
    return answer;
}

int RecordingHost::ExecuteDialog(TDialog& dialog) {
    const int resId = dialog.Template().resId;
    if (script_.empty() || script_.front().isBox || script_.front().dialog.resId != resId) {
        Unexpected("unexpected dialog " + std::to_string(resId));
        return IDCANCEL;
    }
    dialog.SetupWindow();
    ShownDialog shown{resId, {}};
    for (const DialogControl& control : dialog.Template().controls)
        if (control.id > 0)
            shown.texts[control.id] = dialog.ControlText(control.id);
    dialogs.push_back(std::move(shown));

    for (;;) {
        DialogAnswer answer = std::move(script_.front().dialog);
        script_.pop_front();
        for (const auto& [id, text] : answer.typed)
            if (TControl* control = dialog.Control(id))
                control->SetText(text);
        if (answer.button != IDOK)
            return IDCANCEL;
        if (dialog.CanClose()) {
            dialog.TransferFromControls();
            return IDOK;
        }
        // The dialog stays open: the script says what the user does next.
        if (script_.empty() || script_.front().isBox || script_.front().dialog.resId != resId) {
            Unexpected("dialog " + std::to_string(resId) + " stayed open, script has no next step");
            return IDCANCEL;
        }
    }
}

std::unique_ptr<Surface> RecordingHost::OpenClientSurface() {
    return std::make_unique<RecordingSurface>(*this);
}

const DrawOp* RecordingHost::FindText(std::string_view text) const {
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Text && op.text == text)
            return &op;
    return nullptr;
}

const DrawOp* RecordingHost::TextAt(int x, int y) const {
    const DrawOp* found = nullptr;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Text && op.x == x && op.y == y)
            found = &op; // the last one drawn is the one that shows
    return found;
}

std::vector<DrawOp> RecordingHost::Of(DrawOp::Kind kind) const {
    std::vector<DrawOp> result;
    for (const DrawOp& op : ops)
        if (op.kind == kind)
            result.push_back(op);
    return result;
}

TBitmap LoadBitmap(int resId) { return TBitmap{resId, 0, 0}; }
