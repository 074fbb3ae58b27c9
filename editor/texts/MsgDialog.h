// The editor's own message box.
//
// Questions, warnings and errors go through ShowMsgDialog instead of the system's message
// box, so that button captions and the decoding of the texts follow the current
// language. Flags, button sets and results are those of the system message box.
//
// Tests and scripted runs install a responder: it receives the built dialog instead of
// the user and returns the result, so nothing is shown and nothing waits.
#pragma once

#include <QDialog>
#include <QEvent>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

// Results, as the system message box returns them.
enum TMsgResult : int { idOk = 1, idCancel = 2, idYes = 6, idNo = 7 };

// Flag bits: one button set, one icon, the default button, the help button.
enum TMsgFlag : int {
    MsgOk = 0x0,
    MsgOkCancel = 0x1,
    MsgYesNoCancel = 0x3,
    MsgYesNo = 0x4,
    MsgIconError = 0x10,
    MsgIconQuestion = 0x20,
    MsgIconWarning = 0x30,
    MsgIconInformation = 0x40,
    MsgDefButton2 = 0x100,
    MsgDefButton3 = 0x200,
    MsgHelpButton = 0x4000,
};

// Sent (posted) to the owner window when the help button is clicked.
class THelpRequestEvent : public QEvent {
public:
    explicit THelpRequestEvent(int helpContext);
    static QEvent::Type EventType();
    int HelpContext;
};

class TMsgDialog : public QDialog {
public:
    TMsgDialog(QWidget* owner, int helpContext, int charset);

    // Builds the dialog for one message: icon and caption, one label per line, the
    // buttons of the set in flags with captions from buttonCaptions (separated by
    // carriage returns; built-in captions once the list is used up), the sizes and the
    // focused button.
    void Build(const std::string& text, const std::string& caption, int flags,
               const std::string& buttonCaptions);

    QLabel* ImgError;
    QLabel* ImgWarning;
    QLabel* ImgInfo;
    QLabel* ImgQuestion;
    std::vector<QLabel*> Labels;       // one per message line
    std::vector<QPushButton*> Buttons; // in creation order, the help button last
    // The button that has the focus when the dialog opens (Enter presses it).
    QPushButton* DefaultButton() const { return Default; }
    int HelpContext() const { return Help; }

    // Escape and the close box end the dialog with Cancel whatever buttons it has.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Adds the next button with the next caption; result 0 makes the help button.
    QPushButton* AddButton(std::string& captions, const char* builtIn, const char* name,
                           int result);
    QString Decode(const std::string& text) const;

    int Help;
    int Charset;
    QPushButton* Default = nullptr;
};

// Shows a message modally and returns the result of the button that closed it.
// text: lines separated by CR, LF or CR LF; caption: empty for the icon's own caption;
// flags: button set (low four bits), icon, default button and help bits as above;
// charset: the character set the texts are written in (DialogCharset);
// buttonCaptions: captions separated by CR, empty for the built-in ones.
int ShowMsgDialog(QWidget* owner, const std::string& text, const std::string& caption, int flags,
                  int helpContext, int charset, const std::string& buttonCaptions);

// Answers message dialogs instead of the user: called with the built dialog, returns the
// result. An empty responder (the default) shows the dialog.
using TMsgDialogResponder = std::function<int(TMsgDialog&)>;
void SetMsgDialogResponder(TMsgDialogResponder responder);
