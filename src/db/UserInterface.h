#pragma once

#include "DbError.h"

#include <QString>
#include <QStringList>

// The kinds of message box: buttons and icon. The numbers are the style numbers the program
// has always used for them.
enum class MsgBoxStyle {
    OkOnly = 0,
    YesNoCancelQuestion = 35,
    YesNoQuestion = 36,
    OkExclamation = 48,
};

// The button the user pressed (Escape counts as the box's No or Cancel).
enum class MsgBoxAnswer { Ok, Cancel, Yes, No };

// The few things the lower layers need from the screen: message boxes, the status box and
// the hourglass. The shell installs the real presenter at start-up; without one (in the
// data and record tests) messages are recorded and answered by MsgBoxScript, and the status
// text is kept in memory.
class UserInterface
{
public:
    virtual ~UserInterface() = default;
    virtual MsgBoxAnswer showMessage(
        const QString &text, MsgBoxStyle style, const QString &caption, const QString &detail)
        = 0;
    virtual QString statusText() const = 0;
    virtual void setStatusText(const QString &text) = 0;
    virtual void setHourglass(bool on) = 0;
    virtual bool hourglassShown() const = 0;

    static void install(UserInterface *ui);
    static UserInterface &current();
};

inline const QString AppTitle = QStringLiteral("Lectorum");
inline const QString ProductName = QStringLiteral("Lectorum Sermon Outlines");

// Every modal prompt of the program goes through here.
MsgBoxAnswer MsgBox(const QString &text, MsgBoxStyle style = MsgBoxStyle::OkOnly,
    const QString &caption = AppTitle, const QString &detail = QString());

// Tests answer prompts ahead of time and read what was shown; while scripted, no real box
// ever opens. An unanswered prompt gets OK, No, or Cancel (for Yes/No/Cancel).
namespace MsgBoxScript {
void setScripted(bool on);
bool isScripted();
void queueAnswer(MsgBoxAnswer answer);
int pendingAnswers();
QStringList shown(); // texts in the order shown
QStringList shownCaptions();
QList<MsgBoxStyle> shownStyles();
QString lastDetail();
QStringList unscripted(); // questions that found no queued answer and got the default
void clear(); // forget texts and queued answers
} // namespace MsgBoxScript

// "An Error Occurred in the System " + number, OK only; the driver's message as detail.
void ShowSystemError(int number, const QString &detail = QString());
void ShowSystemError(const DbError &error);

// The main window's status box (one blank on each side of the text), and long operations.
void SetStatusText(const QString &text);
QString GetStatusText();
QString BeginBusy(const QString &text);
void EndBusy(const QString &previousText);
