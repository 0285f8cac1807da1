// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "platform/dialog.h"
#include "platform/qt/frame/qt_host.h"

HostProbe::HostProbe(QtWindowHost& inner, ProbeListener& listener)
    : inner_(inner), listener_(listener), lastRender_(inner.RenderCount()) {}

HostProbe::RenderState HostProbe::Now() const { return {inner_.Rendering(), inner_.RenderCount()}; }

void HostProbe::CheckNotReentered(RenderState before, std::string_view what) {
    if (!before.rendering)
        return;
    const RenderState after = Now();
    if (!after.rendering || after.count != before.count)
        listener_.NestedRender(what);
}

int HostProbe::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
    const RenderState before = Now();
    listener_.BoxOpening(caption, text, style, before.rendering);
    const int answer = inner_.MessageBox(text, caption, style);
    CheckNotReentered(before, "a message box");
    listener_.BoxClosed(answer);
    return answer;
}

void HostProbe::MessageBeep() {
    ++beeps_;
    inner_.MessageBeep();
}

void HostProbe::Invalidate() {
    ++requests_;
    inner_.Invalidate();
}

void HostProbe::PostQuitMessage(int status) {
    listener_.QuitRequested(status);
    inner_.PostQuitMessage(status);
}

int HostProbe::ExecuteDialog(TDialog& dialog) {
    const RenderState before = Now();
    const int resId = dialog.Template().resId;
    listener_.DialogOpening(resId);
    const int result = inner_.ExecuteDialog(dialog);
    CheckNotReentered(before, "a dialog");
    listener_.DialogClosed(resId, result);
    return result;
}

std::unique_ptr<Surface> HostProbe::OpenClientSurface() {
    if (inner_.Rendering() && inner_.RenderCount() != lastRender_) {
        lastRender_ = inner_.RenderCount();
        ++rendersSeen_;
        listener_.RenderBegan(lastRender_);
    }
    return inner_.OpenClientSurface();
}

void HostProbe::ShowHelp(std::string_view file) {
    ++helpRequests_;
    inner_.ShowHelp(file);
}
