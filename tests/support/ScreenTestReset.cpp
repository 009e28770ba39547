#include "ScreenTestReset.h"

#include "ProgramGlobals.h"
#include "StatementLog.h"
#include "UserInterface.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

void wipe()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
    StatementLog::setRecording(false);
    StatementLog::clear();
}

QStringList showingWindows()
{
    QStringList showing;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window->isVisible())
            showing.append(QStringLiteral("%1 \"%2\"")
                               .arg(QString::fromLatin1(window->metaObject()->className()),
                                   window->windowTitle()));
    }
    return showing;
}

} // namespace

void ScreenTestReset::begin()
{
    wipe();
    OpenScreenCount = 0;
}

void ScreenTestReset::verifyScriptConsumed()
{
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(MsgBoxScript::pendingAnswers() == 0,
        qPrintable(QStringLiteral("%1 queued answer(s) never asked for; shown: %2")
                       .arg(MsgBoxScript::pendingAnswers())
                       .arg(MsgBoxScript::shown().join(QStringLiteral(" | ")))));
    QVERIFY2(MsgBoxScript::unscripted().isEmpty(),
        qPrintable(QStringLiteral("question(s) asked with no answer queued: ")
            + MsgBoxScript::unscripted().join(QStringLiteral(" | "))));
}

void ScreenTestReset::verifyNothingOpen()
{
    // Deletions the teardown posted belong to it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qint16 counted = OpenScreenCount;
    const QStringList showing = showingWindows();
    begin();
    QVERIFY2(
        counted == 0, qPrintable(QStringLiteral("%1 screen(s) still counted open").arg(counted)));
    QVERIFY2(showing.isEmpty(),
        qPrintable(QStringLiteral("still showing: ") + showing.join(QStringLiteral(", "))));
}
