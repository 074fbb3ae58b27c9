// The message dialog: layout, captions, default button and how it ends, answered through
// the responder so nothing waits for a user.
#include "editor/texts/MsgDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs ShowMsgDialog with a responder that hands the dialog to check and returns what
// answer returns.
int Show(const std::string& text, const std::string& caption, int flags,
         const std::string& captions, const std::function<int(TMsgDialog&)>& answer) {
    SetMsgDialogResponder(answer);
    const int result = ShowMsgDialog(nullptr, text, caption, flags, 0, 238, captions);
    SetMsgDialogResponder(nullptr);
    return result;
}

QStringList ButtonTexts(const TMsgDialog& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.Buttons)
        texts << button->text();
    return texts;
}

TEST(MsgDialogTest, HeightAndLinePositionsByLineCount) {
    struct Case {
        const char* text;
        int height;
        std::vector<int> tops;
    } cases[] = {
        {"", 90, {}},
        {"One line", 90, {16}},
        {"One\r\nTwo", 90, {11, 24}},
        {"1\r2\n3\r\n4", 112, {8, 21, 34, 47}},
    };
    for (const Case& c : cases) {
        Show(c.text, "", MsgIconWarning, "", [&](TMsgDialog& dialog) {
            EXPECT_EQ(dialog.height(), c.height) << c.text;
            std::vector<int> tops;
            for (const QLabel* label : dialog.Labels) {
                EXPECT_EQ(label->x(), 65);
                tops.push_back(label->y());
            }
            EXPECT_EQ(tops, c.tops) << c.text;
            for (const QPushButton* button : dialog.Buttons) {
                EXPECT_EQ(button->y(), c.height - 33);
                EXPECT_EQ(button->size(), QSize(75, 25));
            }
            return 1;
        });
    }
}

TEST(MsgDialogTest, WidthFollowsTheWiderOfTextAndButtons) {
    // A short text leaves the dialog as wide as the button row: 11 + 3 * 80 = 251.
    Show("Hi", "", MsgYesNoCancel, "", [](TMsgDialog& dialog) {
        EXPECT_EQ(dialog.width(), 251);
        EXPECT_EQ(dialog.Buttons[0]->x(), 8);
        EXPECT_EQ(dialog.Buttons[1]->x(), 88);
        EXPECT_EQ(dialog.Buttons[2]->x(), 168);
        return 1;
    });
    // A long line widens the dialog to the text and centres the buttons.
    const std::string line(120, 'W');
    Show(line, "", MsgYesNo, "", [](TMsgDialog& dialog) {
        const int textWidth = dialog.Labels[0]->width() + 75;
        EXPECT_GT(textWidth, 171);
        EXPECT_EQ(dialog.width(), textWidth);
        EXPECT_EQ(dialog.Buttons[0]->x(), (textWidth - 171) / 2 + 8);
        EXPECT_EQ(dialog.Buttons[1]->x(), dialog.Buttons[0]->x() + 80);
        return 1;
    });
}

TEST(MsgDialogTest, IconsAndCaptions) {
    struct Case {
        int flags;
        const char* caption;
        const char* title;
        const char* icon; // object name of the shown picture, or empty
    } cases[] = {
        {MsgIconWarning, "", "Warning", "ImgWarning"},
        {MsgIconWarning, "Error", "Error", "ImgWarning"}, // the argument wins
        {MsgIconQuestion, "", "Confirmation", "ImgQuestion"},
        {MsgIconError, "", "Error", "ImgError"},
        {MsgIconInformation | MsgIconError, "", "Information", "ImgInfo"},
        {0, "", "MsgDialog", ""},
        {0, "Figyelem", "Figyelem", ""},
    };
    for (const Case& c : cases) {
        Show("x", c.caption, c.flags, "", [&](TMsgDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), c.title);
            for (const QLabel* icon :
                 {dialog.ImgError, dialog.ImgWarning, dialog.ImgInfo, dialog.ImgQuestion}) {
                EXPECT_EQ(!icon->isHidden(), icon->objectName() == c.icon) << c.flags;
                EXPECT_EQ(icon->pos(), QPoint(11, 11));
            }
            return 1;
        });
    }
}

TEST(MsgDialogTest, ButtonCaptionsFromTheListThenBuiltIn) {
    struct Case {
        int flags;
        std::string captions;
        QStringList expected;
    } cases[] = {
        {MsgYesNoCancel, "", {"&Igen", "&Nem", QString::fromUtf8("&Mégsem")}},
        {MsgYesNoCancel, "&Yes", {"&Yes", "&Nem", QString::fromUtf8("&Mégsem")}},
        {MsgYesNoCancel, "&Yes\r&No\r&Cancel", {"&Yes", "&No", "&Cancel"}},
        {MsgOkCancel, "&Ok", {"&Ok", QString::fromUtf8("&Mégsem")}},
        {MsgOk, "", {"&OK"}},
        {MsgYesNo | MsgHelpButton, "I\rN", {"I", "N", QString::fromUtf8("&Súgó")}},
        {MsgYesNo, "\xC1llj", {QString::fromUtf8("Állj"), "&Nem"}}, // code page 1250
        {2, "", {}},
        {5, "", {}},
    };
    for (const Case& c : cases)
        Show("x", "", c.flags, c.captions, [&](TMsgDialog& dialog) {
            EXPECT_EQ(ButtonTexts(dialog), c.expected) << c.flags;
            return 1;
        });
}

TEST(MsgDialogTest, DefaultButton) {
    struct Case {
        int flags;
        const char* focused;
    } cases[] = {
        {MsgYesNoCancel, "btnYes"},
        {MsgYesNoCancel | MsgDefButton2, "btnNo"},
        {MsgYesNoCancel | MsgDefButton3, "btnCancel"},
        {MsgOk | MsgDefButton2, "btnOK"}, // no second button: the first keeps it
    };
    for (const Case& c : cases)
        Show("x", "", c.flags, "", [&](TMsgDialog& dialog) {
            EXPECT_EQ(dialog.DefaultButton()->objectName(), c.focused);
            EXPECT_TRUE(dialog.DefaultButton()->isDefault());
            return 1;
        });
}

TEST(MsgDialogTest, ButtonsEscapeAndCloseBoxGiveTheirResults) {
    struct Case {
        const char* button;
        int result;
    } cases[] = {{"btnYes", 6}, {"btnNo", 7}, {"btnCancel", 2}};
    for (const Case& c : cases) {
        const int result =
            Show("Save?", "", MsgIconQuestion | MsgYesNoCancel, "", [&](TMsgDialog& dialog) {
                dialog.findChild<QPushButton*>(c.button)->click();
                return dialog.result();
            });
        EXPECT_EQ(result, c.result) << c.button;
    }
    for (int flags : {MsgIconQuestion | MsgYesNoCancel, int(MsgYesNo), 5}) {
        const int escape = Show("x", "", flags, "", [](TMsgDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return dialog.result();
        });
        EXPECT_EQ(escape, 2) << flags;
        const int closeBox = Show("x", "", flags, "", [](TMsgDialog& dialog) {
            dialog.show();
            dialog.close();
            return dialog.result();
        });
        EXPECT_EQ(closeBox, 2) << flags;
    }
}

TEST(MsgDialogTest, EnterPressesTheFocusedButton) {
    const int result = Show("x", "", MsgYesNoCancel | MsgDefButton2, "", [](TMsgDialog& dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    EXPECT_EQ(result, 7);
}

TEST(MsgDialogTest, HelpButtonAsksTheOwnerAndStaysOpen) {
    struct Owner : QWidget {
        int context = -1;
        bool event(QEvent* e) override {
            if (e->type() == THelpRequestEvent::EventType())
                context = static_cast<THelpRequestEvent*>(e)->HelpContext;
            return QWidget::event(e);
        }
    } owner;
    SetMsgDialogResponder([](TMsgDialog& dialog) {
        dialog.show();
        dialog.findChild<QPushButton*>("btnHelp")->click();
        EXPECT_TRUE(dialog.isVisible());
        return 0;
    });
    ShowMsgDialog(&owner, "x", "", MsgOk | MsgHelpButton, 42, 238, "");
    SetMsgDialogResponder(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(owner.context, 42);
}

} // namespace
