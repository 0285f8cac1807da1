// SPDX-License-Identifier: GPL-3.0-or-later
// What the views draw with: pens, brushes, pictures by resource id, the Surface a toolkit
// draws on, and TClientDC, which a drawing routine opens on a window.
#pragma once

#include "platform/color.h"

#include <memory>
#include <string_view>

class TWindow;

struct TPen {
    TColor color;
    int width = 1;
    friend constexpr bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor color;
    friend constexpr bool operator==(const TBrush&, const TBrush&) = default;
};

// A handle to a picture loaded by resource id. The pixels stay with the toolkit
// implementation, which decodes them when the picture is first drawn; a handle is a
// cheap value.
struct TBitmap {
    int resId = 0;
    int width = 0;
    int height = 0;
    explicit operator bool() const { return resId != 0; }
};

// Loads a picture by resource id; a picture that cannot be loaded gives a null handle.
// Each toolkit implementation defines it.
TBitmap LoadBitmap(int resId);

// What a toolkit implementation draws with. A fresh surface is in the default state:
// black text on an opaque white background, a black pen one pixel wide, a white brush.
class Surface {
  public:
    virtual ~Surface() = default;
    virtual void SetTextColor(TColor color) = 0;
    // Top-left corner of the first character cell at (x, y), on an opaque white background.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // From the current point to (x, y), the end point itself excluded.
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush; covers x left..right-1, y top..bottom-1.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void SelectPen(const TPen& pen) = 0;
    virtual void SelectBrush(const TBrush& brush) = 0;
    // The whole bitmap at its own size, top-left at (x, y), no transparency or scaling.
    virtual void CopyBitmap(const TBitmap& bitmap, int x, int y) = 0;
};

// A drawing surface on a window's client area for the length of one drawing routine.
// Without a toolkit attached to the window it draws nothing.
class TClientDC {
  public:
    explicit TClientDC(TWindow& window);
    ~TClientDC();
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;

    // Returns the previous text colour, as the platform call does.
    TColor SetTextColor(TColor color);
    void TextOut(int x, int y, std::string_view text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void SelectObject(const TPen& pen);
    void SelectObject(const TBrush& brush);
    void CopyBitmap(const TBitmap& bitmap, int x, int y);

  private:
    std::unique_ptr<Surface> surface_;
    TColor textColor_ = TColor::Black;
};
