// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt host's message boxes and template dialogs: every button set and way of closing
// a box, the result dialog's fields, its transfer and refusal, and the About box. Every
// modal window is answered by a script; the test main's watchdog closes anything a
// failing test leaves open.
#include "app/command_ids.h"
#include "dialogs/about_dlg.h"
#include "dialogs/result_dlg.h"
#include "dialogs/templates.h"
#include "host_test.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace {

enum class Gesture {
    First,
    Second,
    Escape,
    CloseBox
};

struct BoxCase {
    const char* name;
    unsigned style;
    Gesture gesture;
    int answer;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

TEST_F(HostTest, MessageBoxAnswersForEveryButtonSetAndWayOfClosing) {
    const auto ok = QMessageBox::StandardButtons(QMessageBox::Ok);
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    const BoxCase cases[] = {
        {"OK", MB_OK | MB_ICONINFORMATION, Gesture::First, IDOK, QMessageBox::Information, ok},
        {"OK, Escape", MB_OK, Gesture::Escape, IDOK, QMessageBox::NoIcon, ok},
        {"OK, close box", MB_OK | MB_ICONINFORMATION, Gesture::CloseBox, IDOK,
         QMessageBox::Information, ok},
        {"OK/Cancel, OK", MB_OKCANCEL | MB_ICONSTOP, Gesture::First, IDOK, QMessageBox::Critical,
         okCancel},
        {"OK/Cancel, Cancel", MB_OKCANCEL | MB_ICONSTOP, Gesture::Second, IDCANCEL,
         QMessageBox::Critical, okCancel},
        {"OK/Cancel, Escape", MB_OKCANCEL | MB_ICONSTOP, Gesture::Escape, IDCANCEL,
         QMessageBox::Critical, okCancel},
        {"OK/Cancel, close box", MB_OKCANCEL, Gesture::CloseBox, IDCANCEL, QMessageBox::NoIcon,
         okCancel},
        {"Yes/No, Yes", MB_YESNO | MB_ICONEXCLAMATION, Gesture::First, IDYES, QMessageBox::Warning,
         yesNo},
        {"Yes/No, No", MB_YESNO | MB_ICONEXCLAMATION, Gesture::Second, IDNO, QMessageBox::Warning,
         yesNo},
        {"Yes/No, Escape", MB_YESNO | MB_ICONEXCLAMATION, Gesture::Escape, IDNO,
         QMessageBox::Warning, yesNo},
        {"Yes/No, close box", MB_YESNO | MB_ICONEXCLAMATION, Gesture::CloseBox, IDNO,
         QMessageBox::Warning, yesNo},
    };
    Show();
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        ModalScript script;
        script.Then([&c](QWidget& widget) {
            auto* box = qobject_cast<QMessageBox*>(&widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Caption <b>"));
            EXPECT_EQ(box->text(), QStringLiteral("Line one\nLine <two>"));
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->standardButtons(), c.buttons);
            const QList<QAbstractButton*> buttons = box->buttons();
            switch (c.gesture) {
            case Gesture::First:
                box->button(c.buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)
                    ->click();
                break;
            case Gesture::Second:
                box->button(c.buttons & QMessageBox::No ? QMessageBox::No : QMessageBox::Cancel)
                    ->click();
                break;
            case Gesture::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Gesture::CloseBox:
                box->close();
                break;
            }
        });
        EXPECT_EQ(Client().MessageBox("Line one\nLine <two>", "Caption <b>", c.style), c.answer);
        EXPECT_TRUE(script.Done());
    }
}

TEST_F(HostTest, FrameIsActiveAgainAfterABoxCloses) {
    Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
    ModalScript script;
    script.Then(Press(QStringLiteral("Box"), QMessageBox::Ok));
    Client().MessageBox("text", "Box", MB_OK);
    EXPECT_TRUE(
        RunUntil([this] { return QApplication::activeWindow() == &window_->Window(); }, 2000));
}

// ---------------------------------------------------------------- dialogs

ResultDlgTB MatchFields() {
    ResultDlgTB tb;
    CopyToField(tb.datum, "14");
    CopyToField(tb.tijd, "17:30");
    CopyToField(tb.stadion, "Villa Park, Birmingham");
    CopyToField(tb.ploeg1, "Netherlands");
    CopyToField(tb.ploeg2, "Scotland");
    CopyToField(tb.score1, "0");
    CopyToField(tb.score2, "0");
    return tb;
}

enum class Close {
    Ok,
    Enter,
    Cancel,
    Escape,
    CloseBox
};

struct DialogCase {
    const char* name;
    const char* score1;
    const char* score2;
    Close close;
    int result;
    const char* stored1; // what the transfer buffer holds afterwards
    const char* stored2;
};

TEST_F(HostTest, ResultDialogTransfersOnlyOnOk) {
    const DialogCase cases[] = {
        {"OK", "2", "1", Close::Ok, IDOK, "2", "1"},
        {"Enter presses OK", "3", "0", Close::Enter, IDOK, "3", "0"},
        {"typing is cut at the field's length", "12345", "7", Close::Ok, IDOK, "123", "7"},
        {"Cancel", "2", "1", Close::Cancel, IDCANCEL, "0", "0"},
        {"Escape", "2", "1", Close::Escape, IDCANCEL, "0", "0"},
        {"close box", "2", "1", Close::CloseBox, IDCANCEL, "0", "0"},
    };
    Show();
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResultDlgTB tb = MatchFields();
        ModalScript script;
        script.Then([&c](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter match result"));
            Type(dialog, 306, c.score1);
            Type(dialog, 307, c.score2);
            switch (c.close) {
            case Close::Ok:
                Button(dialog, IDOK)->click();
                break;
            case Close::Enter:
                QTest::keyClick(Edit(dialog, 307), Qt::Key_Return);
                break;
            case Close::Cancel:
                Button(dialog, IDCANCEL)->click();
                break;
            case Close::Escape:
                QTest::keyClick(Edit(dialog, 306), Qt::Key_Escape);
                break;
            case Close::CloseBox:
                dialog.close();
                break;
            }
        });
        int result = 0;
        {
            ResultDlg dialog(&tb, &Client(), kResultDialog);
            result = dialog.Execute();
        }
        EXPECT_EQ(result, c.result);
        EXPECT_STREQ(tb.score1, c.stored1);
        EXPECT_STREQ(tb.score2, c.stored2);
        EXPECT_TRUE(script.Done());
    }
}

TEST_F(HostTest, ResultDialogShowsTheMatchAndLimitsTheScores) {
    Show();
    ResultDlgTB tb = MatchFields();
    struct Shown {
        int id;
        const char* text;
    };
    const Shown shown[] = {
        {301, "14"},          {302, "17:30"},    {303, "Villa Park, Birmingham"},
        {304, "Netherlands"}, {305, "Scotland"},
    };
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        for (const Shown& s : shown) {
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("control%1").arg(s.id));
            ASSERT_NE(label, nullptr) << s.id;
            EXPECT_EQ(label->text(), QString::fromLatin1(s.text)) << s.id;
        }
        for (int id : {306, 307}) {
            ASSERT_NE(Edit(dialog, id), nullptr);
            EXPECT_EQ(Edit(dialog, id)->text(), QStringLiteral("0"));
            EXPECT_EQ(Edit(dialog, id)->maxLength(), 3);
            EXPECT_TRUE(Edit(dialog, id)->hasFrame());
        }
        // Only a dash stands between the fields: a screen reader needs their teams.
        EXPECT_EQ(Edit(dialog, 306)->accessibleName(), QStringLiteral("Netherlands score"));
        EXPECT_EQ(Edit(dialog, 307)->accessibleName(), QStringLiteral("Scotland score"));
        // A reader hears which match as the dialog opens.
        EXPECT_EQ(dialog.accessibleDescription(),
                  QStringLiteral("Netherlands - Scotland, 14 June, 17:30, Villa Park, Birmingham"));
        EXPECT_TRUE(Button(dialog, IDOK)->isDefault());
        EXPECT_FALSE(Button(dialog, IDCANCEL)->isDefault());
        // The template's 194 x 119 units, in a font whose line fits 14 to 16 pixels.
        EXPECT_NEAR(dialog.width(), 194 * 6 / 4, 194 * 2 / 4);
        EXPECT_NEAR(dialog.height(), 119 * 15 / 8, 119 * 2 / 8);
        dialog.close();
    });
    ResultDlg dialog(&tb, &Client(), kResultDialog);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, RefusedOkKeepsTheDialogOpenWithWhatWasTyped) {
    Show();
    ResultDlgTB tb = MatchFields();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        Type(dialog, 306, "999");
        Button(dialog, IDOK)->click(); // CanClose refuses with a box of its own
    });
    script.Then(Press(QStringLiteral("Enter match result"), QMessageBox::Ok));
    script.Then([](QWidget& dialog) {
        ASSERT_NE(Edit(dialog, 306), nullptr) << "the dialog closed";
        EXPECT_EQ(Edit(dialog, 306)->text(), QStringLiteral("999"));
        Type(dialog, 306, "4");
        Button(dialog, IDOK)->click();
    });
    ResultDlg dialog(&tb, &Client(), kResultDialog);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_STREQ(tb.score1, "4");
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, ResultEnteredThroughTheMenuReachesTheStandings) {
    Show();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        Type(dialog, 306, "1");
        Type(dialog, 307, "1");
        Button(dialog, IDOK)->click();
    });
    window_->MenuAction(CM_EDITRESULT)->trigger();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Client().Wedstrijd[0].gespeeld, 1);
    EXPECT_EQ(Client().WedstrijdNummer, 1);
    EXPECT_EQ(Client().MoetSaven, 1);
}

TEST_F(HostTest, AboutBoxShowsItsIconAndTheVersionSetUpByTheDialog) {
    Show();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Korvel"));
        auto* icon = dialog.findChild<QLabel*>(QStringLiteral("control150"));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        // Bound only in the dialog's set-up, so shown only if set-up came first.
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("control401"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QString::fromLatin1(kVersionText));
        // Every text's ink fits its label: nothing is cut off.
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                EXPECT_LT(label->fontMetrics().boundingRect(label->text()).right(), label->width())
                    << label->text().toStdString();
            }
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    window_->MenuAction(CM_ABOUT)->trigger();
    EXPECT_TRUE(script.Done());
}

} // namespace
