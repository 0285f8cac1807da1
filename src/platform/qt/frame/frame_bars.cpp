// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the frame description's menus, accelerators and buttons into Qt actions, and asks
// the client's command enablers for each command's state before its menu opens.
#include "platform/qt/frame/frame_bars.h"

#include "platform/qt/canvas/utf8.h"
#include "platform/qt/frame/lazy_icon.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <string>

namespace {

QString HintOf(const TDecoratedFrame& frame, int id) { return FromUtf8(frame.Hint(id)); }

// Before a menu shows, each command's handler may check it or grey it out; a command
// without an enable handler is plain and enabled.
void UpdateCommands(QMenu& menu, TWindow& client) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        TCommandEnabler enabler(action->data().toInt());
        if (client.HandleCommandEnable(enabler)) {
            // An item that is off shows no box at all, only the tick while it is on.
            const bool checked = enabler.GetCheck() != TCommandEnabler::Unchecked;
            action->setCheckable(checked);
            action->setChecked(checked);
            action->setEnabled(enabler.IsEnabled());
        } else {
            action->setChecked(false);
            action->setCheckable(false);
            action->setEnabled(true);
        }
    }
}

class MenuBuilder {
  public:
    MenuBuilder(const TDecoratedFrame& frame, QStatusBar& status)
        : frame_(frame), client_(frame.Client()), status_(status) {}

    // Fills the menu bar or a popup menu.
    void Fill(QWidget& owner, std::span<const MenuItem> items) {
        for (const MenuItem& item : items) {
            switch (item.kind) {
            case MenuItem::Command:
                AddCommand(owner, item);
                break;
            case MenuItem::Separator:
                if (auto* menu = qobject_cast<QMenu*>(&owner))
                    menu->addSeparator();
                else if (auto* bar = qobject_cast<QMenuBar*>(&owner))
                    bar->addSeparator();
                break;
            case MenuItem::Popup:
                Fill(AddPopup(owner, item), item.items);
                break;
            }
        }
    }

    QMenu& AddPopup(QWidget& parent, const MenuItem& item) {
        auto* menu = new QMenu(FromUtf8(item.text), &parent);
        // A popup has no hint: highlighting it clears the bar.
        menu->menuAction()->setStatusTip(QString());
        TWindow& client = client_;
        QObject::connect(menu, &QMenu::aboutToShow, menu,
                         [menu, &client] { UpdateCommands(*menu, client); });
        if (frame_.TracksMenuSelection()) {
            QStatusBar& status = status_;
            QObject::connect(menu, &QMenu::hovered, &status, [&status](QAction* action) {
                status.showMessage(action->statusTip());
            });
        }
        if (auto* owner = qobject_cast<QMenu*>(&parent))
            owner->addMenu(menu);
        else if (auto* bar = qobject_cast<QMenuBar*>(&parent))
            bar->addMenu(menu);
        return *menu;
    }

    std::map<int, QAction*> TakeCommands() { return std::move(commands_); }

  private:
    void AddCommand(QWidget& owner, const MenuItem& item) {
        QAction* action = owner.addAction(FromUtf8(item.text));
        action->setObjectName(QStringLiteral("command%1").arg(item.id));
        action->setData(item.id);
        if (frame_.TracksMenuSelection())
            action->setStatusTip(HintOf(frame_, item.id));
        TWindow& client = client_;
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, action,
                         [&client, id] { client.HandleCommand(id); });
        commands_.emplace(item.id, action);
    }

    const TDecoratedFrame& frame_;
    TWindow& client_;
    QStatusBar& status_;
    std::map<int, QAction*> commands_;
};

QKeySequence KeyOf(const Accelerator& accelerator) {
    int key = Qt::Key_F1 + accelerator.functionKey - 1;
    if (accelerator.modifiers & Accelerator::Alt)
        key |= Qt::ALT;
    if (accelerator.modifiers & Accelerator::Ctrl)
        key |= Qt::CTRL;
    if (accelerator.modifiers & Accelerator::Shift)
        key |= Qt::SHIFT;
    return QKeySequence(key);
}

} // namespace

std::map<int, QAction*> BuildMenuBar(QMenuBar& bar, const TDecoratedFrame& frame,
                                     QStatusBar& status) {
    MenuBuilder builder(frame, status);
    builder.Fill(bar, frame.Menu());

    std::map<int, QAction*> commands = builder.TakeCommands();
    for (const Accelerator& accelerator : frame.Accelerators()) {
        auto found = commands.find(accelerator.commandId);
        if (found == commands.end())
            continue;
        found->second->setShortcut(KeyOf(accelerator));
        found->second->setShortcutContext(Qt::WindowShortcut);
        // Also on the window itself, so that the key works while no menu is open.
        if (QWidget* window = bar.window())
            window->addAction(found->second);
    }
    return commands;
}

void BuildButtonBar(QToolBar& bar, const TDecoratedFrame& frame, QStatusBar& status) {
    const TControlBar* controls = frame.ControlBar();
    if (!controls)
        return;
    TWindow& client = frame.Client();
    for (const TGadget& gadget : controls->Gadgets()) {
        if (gadget.kind == TGadget::Separator) {
            auto* gap = new QWidget(&bar);
            gap->setObjectName(QStringLiteral("gap"));
            gap->setFixedWidth(gadget.size);
            bar.addWidget(gap);
            continue;
        }
        const QString hint = HintOf(frame, gadget.commandId);
        // Made a pixmap when the bar is first painted, not while it is being built.
        auto* action = new QAction(LazyIcon({std::to_string(gadget.glyphId)}), hint, &bar);
        action->setObjectName(QStringLiteral("button%1").arg(gadget.commandId));
        action->setData(gadget.commandId);
        action->setProperty("glyph", gadget.glyphId);
        action->setToolTip(hint);
        const int id = gadget.commandId;
        QObject::connect(action, &QAction::triggered, action,
                         [&client, id] { client.HandleCommand(id); });
        bar.addAction(action);

        switch (controls->GetHintMode()) {
        case TControlBar::EnterHints:
            action->setStatusTip(hint);
            break;
        case TControlBar::PressHints:
            if (auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action))) {
                QObject::connect(button, &QToolButton::pressed, &status,
                                 [&status, hint] { status.showMessage(hint); });
                QObject::connect(button, &QToolButton::released, &status,
                                 [&status] { status.clearMessage(); });
            }
            break;
        case TControlBar::NoHints:
            break;
        }
    }
}
