#include "MsgDialog.h"

#include "platform/Encoding.h"
#include "platform/Fonts.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

// Layout of the dialog in pixels.
constexpr int LineHeight = 13;
constexpr int TextLeft = 65;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 5;

// Built-in captions, in code page 1250 like the language texts.
const char* const CaptionOk = "&OK";
const char* const CaptionCancel = "&M\xE9gsem";
const char* const CaptionYes = "&Igen";
const char* const CaptionNo = "&Nem";
const char* const CaptionHelp = "&S\xFAg\xF3";

TMsgDialogResponder& Responder() {
    static TMsgDialogResponder responder;
    return responder;
}

QLabel* MakeIcon(QWidget* parent, QStyle::StandardPixmap which, const char* name) {
    auto* icon = new QLabel(parent);
    icon->setObjectName(name);
    icon->setPixmap(parent->style()->standardIcon(which).pixmap(32, 32));
    icon->setGeometry(11, 11, 32, 32);
    icon->hide();
    return icon;
}

// Takes the next caption off a list separated by carriage returns.
std::string TakeCaption(std::string& captions) {
    const size_t cr = captions.find('\r');
    std::string caption = captions.substr(0, cr);
    captions.erase(0, cr == std::string::npos ? captions.size() : cr + 1);
    return caption;
}

} // namespace

THelpRequestEvent::THelpRequestEvent(int helpContext)
    : QEvent(EventType()), HelpContext(helpContext) {}

QEvent::Type THelpRequestEvent::EventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

TMsgDialog::TMsgDialog(QWidget* owner, int helpContext, int charset)
    : QDialog(owner), Help(helpContext), Charset(charset) {
    setObjectName("MsgDialog");
    setWindowTitle("MsgDialog");
    setFont(platform::FontFor("Arial", 8));
    ImgError = MakeIcon(this, QStyle::SP_MessageBoxCritical, "ImgError");
    ImgWarning = MakeIcon(this, QStyle::SP_MessageBoxWarning, "ImgWarning");
    ImgInfo = MakeIcon(this, QStyle::SP_MessageBoxInformation, "ImgInfo");
    ImgQuestion = MakeIcon(this, QStyle::SP_MessageBoxQuestion, "ImgQuestion");
}

QString TMsgDialog::Decode(const std::string& text) const {
    return platform::DecodeText(text, Charset);
}

void TMsgDialog::Build(const std::string& text, const std::string& caption, int flags,
                       const std::string& buttonCaptions) {
    if (flags & MsgIconInformation) {
        ImgInfo->show();
        setWindowTitle("Information");
    } else if ((flags & MsgIconWarning) == MsgIconWarning) {
        ImgWarning->show();
        setWindowTitle("Warning");
    } else if (flags & MsgIconQuestion) {
        ImgQuestion->show();
        setWindowTitle("Confirmation");
    } else if (flags & MsgIconError) {
        ImgError->show();
        setWindowTitle("Error");
    }
    if (flags & 0xF0)
        QApplication::beep();
    if (!caption.empty())
        setWindowTitle(Decode(caption));

    const platform::Lines lines = platform::SplitLines(text);
    const int count = int(lines.size());
    const int height = count <= 2 ? 90 : count * LineHeight + 60;
    const int firstTop = count <= 1 ? 16 : count == 2 ? 11 : 8;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(Decode(lines[i]), this);
        label->setTextFormat(Qt::PlainText);
        const int width = metrics.horizontalAdvance(label->text());
        label->setGeometry(TextLeft, i * LineHeight + firstTop, width, metrics.height());
        widest = std::max(widest, width);
        Labels.push_back(label);
    }

    std::string captions = buttonCaptions;
    switch (flags & 0xF) {
    case MsgOk:
        AddButton(captions, CaptionOk, "btnOK", idOk);
        break;
    case MsgOkCancel:
        AddButton(captions, CaptionOk, "btnOK", idOk);
        AddButton(captions, CaptionCancel, "btnCancel", idCancel);
        break;
    case MsgYesNoCancel:
        AddButton(captions, CaptionYes, "btnYes", idYes);
        AddButton(captions, CaptionNo, "btnNo", idNo);
        AddButton(captions, CaptionCancel, "btnCancel", idCancel);
        break;
    case MsgYesNo:
        AddButton(captions, CaptionYes, "btnYes", idYes);
        AddButton(captions, CaptionNo, "btnNo", idNo);
        break;
    default: // other sets have no buttons: only Escape or the close box end the dialog
        break;
    }
    if (flags & MsgHelpButton)
        AddButton(captions, CaptionHelp, "btnHelp", 0);

    const int textWidth = widest + ButtonWidth;
    const int rowWidth = 11 + int(Buttons.size()) * (ButtonWidth + ButtonGap);
    int width = rowWidth;
    int left = 8;
    if (textWidth > rowWidth) {
        width = textWidth;
        left = (textWidth - rowWidth) / 2 + 8;
    }
    for (QPushButton* button : Buttons) {
        button->setGeometry(left, height - 33, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }
    setFixedSize(width, height);

    // The chosen default falls back to the first button when the set has no such button.
    size_t chosen = 0;
    if (flags & MsgDefButton2)
        chosen = 1;
    else if (flags & MsgDefButton3)
        chosen = 2;
    if (chosen >= Buttons.size())
        chosen = 0;
    if (!Buttons.empty()) {
        Default = Buttons[chosen];
        Default->setDefault(true);
        Default->setFocus();
    }
}

QPushButton* TMsgDialog::AddButton(std::string& captions, const char* builtIn, const char* name,
                                   int result) {
    const std::string caption = captions.empty() ? std::string(builtIn) : TakeCaption(captions);
    auto* button = new QPushButton(Decode(caption), this);
    button->setObjectName(name);
    button->setAutoDefault(true);
    if (result != 0) {
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    } else {
        // The help button leaves the dialog open and asks the owner for help.
        connect(button, &QPushButton::clicked, this, [this] {
            if (parentWidget())
                QCoreApplication::postEvent(parentWidget(), new THelpRequestEvent(Help));
        });
    }
    Buttons.push_back(button);
    return button;
}

void TMsgDialog::reject() {
    done(idCancel);
}

void TMsgDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

int ShowMsgDialog(QWidget* owner, const std::string& text, const std::string& caption, int flags,
                  int helpContext, int charset, const std::string& buttonCaptions) {
    TMsgDialog dialog(owner, helpContext, charset);
    dialog.Build(text, caption, flags, buttonCaptions);
    if (Responder())
        return Responder()(dialog);
    return dialog.exec();
}

void SetMsgDialogResponder(TMsgDialogResponder responder) {
    Responder() = std::move(responder);
}
