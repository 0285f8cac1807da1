// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs the toolkit builds from templates: the template's controls in dialog units, the
// bound fields, and the transfer of a dialog's fixed character buffer to and from them.
#pragma once

#include "platform/window.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class ControlKind {
    Static,
    Edit,
    Button,
    DefaultButton,
    Icon
};

// One control of a dialog template, in dialog units.
struct DialogControl {
    int id; // -1 for fixed labels
    ControlKind kind;
    std::string_view text; // for an icon: unused, the icon resource is the id
    int x, y, w, h;
};

// A dialog template in dialog units, as the resources describe it. The toolkit
// converts the units with the dialog font's metrics.
struct DialogTemplate {
    int resId;
    std::string_view caption;
    std::string_view fontName;
    int pointSize;
    int x, y, w, h;
    std::span<const DialogControl> controls;

    const DialogControl* Control(int id) const;
};

class TDialog;

// A control bound to a dialog: its text, and how many characters a transfer
// moves (the terminating zero included).
class TControl {
  public:
    TControl(int id, int textLen) : id_(id), textLen_(textLen) {}
    virtual ~TControl() = default;
    int Id() const { return id_; }
    int TextLen() const { return textLen_; }
    const std::string& GetText() const { return text_; }
    virtual void SetText(std::string_view text) { text_ = text; }
    virtual bool TakesPartInTransfer() const { return false; }

  private:
    int id_;
    int textLen_;
    std::string text_;
};

// An edit field holds at most TextLen() - 1 characters, as a limited edit does.
class TEdit : public TControl {
  public:
    using TControl::TControl;
    void SetText(std::string_view text) override;
    int MaxChars() const { return TextLen() - 1; }
    bool TakesPartInTransfer() const override { return true; }
};

class TStatic : public TControl {
  public:
    using TControl::TControl;
};

// A modal dialog built from a template. Edit fields take part in the exchange with
// the transfer buffer in the order they were bound; each occupies its text length
// in the buffer. The buffer is copied into the fields at set-up and back only on OK.
class TDialog {
  public:
    TDialog(TWindow* parent, const DialogTemplate& dialogTemplate);
    virtual ~TDialog();
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    // Runs the dialog modally: IDOK or IDCANCEL (Escape and the close box too).
    int Execute();

    // The toolkit calls this once the controls exist; the base transfers the buffer.
    virtual void SetupWindow();
    // Asked when OK is pressed, before the transfer; false keeps the dialog open.
    virtual bool CanClose();
    // What a screen reader calls an edit field whose label alone would not say it;
    // empty leaves the toolkit's own name.
    virtual std::string FieldName(int /*id*/) const { return {}; }
    // What a screen reader says of the dialog beyond its title, and of an edit field
    // beyond its name (the examples beside it); empty for none.
    virtual std::string Description() const { return {}; }
    virtual std::string FieldDescription(int /*id*/) const { return {}; }

    const DialogTemplate& Template() const { return template_; }
    TWindow* Parent() const { return parent_; }
    int MessageBox(const char* text, const char* caption, unsigned style);

    // Used by the toolkit while the dialog runs.
    TControl* Control(int id) const;
    // The text a control shows: its bound text, or the template's for fixed controls.
    std::string ControlText(int id) const;
    // Copies the edit fields into the transfer buffer; called after CanClose agreed.
    void TransferFromControls();

  protected:
    TEdit* BindEdit(int id, int textLen);
    TStatic* BindStatic(int id, int textLen);
    void SetTransferBuffer(std::span<char> buffer) { transfer_ = buffer; }
    void TransferToControls();

  private:
    TWindow* parent_;
    const DialogTemplate& template_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::span<char> transfer_;
};

// Copies text into a fixed character field, always terminated, never past its end.
void CopyToField(std::span<char> field, std::string_view text);
// The text of a fixed character field up to its terminator (or its end).
std::string_view FieldText(std::span<const char> field);
