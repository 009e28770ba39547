#include "UserInterface.h"

#include "SqlLiterals.h"

#include <QCoreApplication>
#include <QQueue>

namespace {

// Used until the shell installs its presenter: nothing is shown, everything is recorded.
class HeadlessInterface : public UserInterface
{
public:
    MsgBoxAnswer showMessage(
        const QString &, MsgBoxStyle style, const QString &, const QString &) override
    {
        return style == MsgBoxStyle::YesNoCancelQuestion ? MsgBoxAnswer::Cancel
            : style == MsgBoxStyle::YesNoQuestion        ? MsgBoxAnswer::No
                                                         : MsgBoxAnswer::Ok;
    }
    QString statusText() const override { return m_status; }
    void setStatusText(const QString &text) override { m_status = text; }
    void setHourglass(bool on) override { m_hourglass = on; }
    bool hourglassShown() const override { return m_hourglass; }

private:
    QString m_status;
    bool m_hourglass = false;
};

HeadlessInterface &headless()
{
    static HeadlessInterface instance;
    return instance;
}

UserInterface *g_installed = nullptr;

struct Script
{
    bool scripted = false;
    QQueue<MsgBoxAnswer> answers;
    QStringList texts;
    QStringList captions;
    QList<MsgBoxStyle> styles;
    QString lastDetail;
    QStringList unscripted;
};

Script &script()
{
    static Script s;
    return s;
}

MsgBoxAnswer defaultAnswer(MsgBoxStyle style)
{
    return headless().showMessage(QString(), style, QString(), QString());
}

} // namespace

void UserInterface::install(UserInterface *ui)
{
    g_installed = ui;
}

UserInterface &UserInterface::current()
{
    return g_installed ? *g_installed : headless();
}

MsgBoxAnswer MsgBox(
    const QString &text, MsgBoxStyle style, const QString &caption, const QString &detail)
{
    Script &s = script();
    s.texts.append(text);
    s.captions.append(caption);
    s.styles.append(style);
    s.lastDetail = detail;
    if (s.scripted || !g_installed) {
        if (!s.answers.isEmpty())
            return s.answers.dequeue();
        // A question the test did not foresee: its default answer may hide a wrong branch.
        if (style == MsgBoxStyle::YesNoQuestion || style == MsgBoxStyle::YesNoCancelQuestion)
            s.unscripted.append(text);
        return defaultAnswer(style);
    }
    return g_installed->showMessage(text, style, caption, detail);
}

void MsgBoxScript::setScripted(bool on)
{
    script().scripted = on;
}
bool MsgBoxScript::isScripted()
{
    return script().scripted;
}
void MsgBoxScript::queueAnswer(MsgBoxAnswer answer)
{
    script().answers.enqueue(answer);
}
int MsgBoxScript::pendingAnswers()
{
    return int(script().answers.size());
}
QStringList MsgBoxScript::shown()
{
    return script().texts;
}
QStringList MsgBoxScript::shownCaptions()
{
    return script().captions;
}
QList<MsgBoxStyle> MsgBoxScript::shownStyles()
{
    return script().styles;
}
QString MsgBoxScript::lastDetail()
{
    return script().lastDetail;
}
QStringList MsgBoxScript::unscripted()
{
    return script().unscripted;
}

void MsgBoxScript::clear()
{
    Script &s = script();
    s.answers.clear();
    s.texts.clear();
    s.captions.clear();
    s.styles.clear();
    s.lastDetail.clear();
    s.unscripted.clear();
}

void ShowSystemError(int number, const QString &detail)
{
    MsgBox(QCoreApplication::translate("UserInterface", "An Error Occurred in the System %1")
               .arg(qint16(number)),
        MsgBoxStyle::OkOnly, AppTitle, detail);
}

void ShowSystemError(const DbError &error)
{
    QString detail = error.driverText;
    if (!error.sql.isEmpty())
        detail += QStringLiteral("\n\n")
            + QCoreApplication::translate("UserInterface", "Statement: %1")
                  .arg(error.sql.left(2000));
    ShowSystemError(error.number, detail);
}

void SetStatusText(const QString &text)
{
    // A remembered text handed back by EndBusy already carries its blanks: trimming first
    // keeps it at one blank a side instead of growing with every busy step.
    UserInterface::current().setStatusText(QLatin1Char(' ') + TrimBlanks(text) + QLatin1Char(' '));
}

QString GetStatusText()
{
    return UserInterface::current().statusText();
}

QString BeginBusy(const QString &text)
{
    UserInterface &ui = UserInterface::current();
    ui.setHourglass(true);
    const QString previous = ui.statusText();
    SetStatusText(text);
    return previous;
}

void EndBusy(const QString &previousText)
{
    UserInterface &ui = UserInterface::current();
    SetStatusText(previousText);
    if (ui.hourglassShown())
        ui.setHourglass(false);
}
