// SPDX-License-Identifier: GPL-3.0-or-later
// TWindow's routing of commands, command enablers and clicks through its response table,
// and its calls to the host, which do nothing (or cancel) while no host is attached.
#include "platform/window.h"

#include "platform/dialog.h"

TWindow::TWindow(TWindow* parent, const char* title)
    : parent_(parent), title_(title ? title : "") {}

TWindow::~TWindow() = default;

void TWindow::Paint(bool, const TRect&) {}

bool TWindow::PaintAhead(int) { return false; }

bool TWindow::CanClose() { return true; }

int TWindow::EndAtOnce() { return 0; }

bool TWindow::EndSession(const std::function<bool()>&) { return true; }

bool TWindow::Find(TEventInfo&) { return false; }

bool TWindow::HandleCommand(int id) {
    TEventInfo info{TMsg::Command, id};
    if (!Find(info))
        return false;
    TEventArgs args;
    info.entry->thunk(*this, args);
    return true;
}

bool TWindow::HandleCommandEnable(TCommandEnabler& enabler) {
    TEventInfo info{TMsg::CommandEnable, enabler.GetId()};
    if (!Find(info))
        return false;
    TEventArgs args;
    args.enabler = &enabler;
    info.entry->thunk(*this, args);
    return true;
}

bool TWindow::HandleLButtonDown(unsigned modKeys, TPoint point) {
    TEventInfo info{TMsg::LButtonDown, 0};
    if (!Find(info))
        return false;
    TEventArgs args;
    args.modKeys = modKeys;
    args.point = point;
    info.entry->thunk(*this, args);
    return true;
}

int TWindow::MessageBox(const char* text, const char* caption, unsigned style) {
    if (!host_)
        return (style & MB_BUTTONMASK) == MB_YESNO ? IDNO : IDCANCEL;
    return host_->MessageBox(text ? text : "", caption ? caption : "", style);
}

void TWindow::MessageBeep() {
    if (host_)
        host_->MessageBeep();
}

void TWindow::Invalidate() {
    if (host_)
        host_->Invalidate();
}

void TWindow::Announce(std::string_view text) {
    if (host_)
        host_->Announce(text);
}

void TWindow::PostQuitMessage(int status) {
    if (host_)
        host_->PostQuitMessage(status);
}

void TWindow::WinHelp(const char* helpFile, unsigned command, unsigned long) {
    if (host_ && command == HELP_CONTENTS)
        host_->ShowHelp(helpFile ? helpFile : "");
}

void TWindow::ShowStatus(std::string_view text) {
    if (host_)
        host_->ShowStatus(text);
}

TClientDC::TClientDC(TWindow& window) {
    if (WindowHost* host = window.Host())
        surface_ = host->OpenClientSurface();
}

TClientDC::~TClientDC() = default;

TColor TClientDC::SetTextColor(TColor color) {
    TColor previous = textColor_;
    textColor_ = color;
    if (surface_)
        surface_->SetTextColor(color);
    return previous;
}

void TClientDC::TextOut(int x, int y, std::string_view text) {
    if (surface_)
        surface_->TextOut(x, y, text);
}

void TClientDC::MoveTo(int x, int y) {
    if (surface_)
        surface_->MoveTo(x, y);
}

void TClientDC::LineTo(int x, int y) {
    if (surface_)
        surface_->LineTo(x, y);
}

void TClientDC::Rectangle(int left, int top, int right, int bottom) {
    if (surface_)
        surface_->Rectangle(left, top, right, bottom);
}

void TClientDC::SelectObject(const TPen& pen) {
    if (surface_)
        surface_->SelectPen(pen);
}

void TClientDC::SelectObject(const TBrush& brush) {
    if (surface_)
        surface_->SelectBrush(brush);
}

void TClientDC::CopyBitmap(const TBitmap& bitmap, int x, int y) {
    if (surface_ && bitmap)
        surface_->CopyBitmap(bitmap, x, y);
}
