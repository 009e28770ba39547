// A copy of the program that types an outline into the notes window and is then killed by
// the test: the whole program (main window, sermon screen, notes window) on the offscreen
// platform, with outline recovery switched on as the program switches it on.
//
//   notes-worker LIBRARY SERMON SCRIPT whole
//       Opens the sermon screen on the SQLite LIBRARY, shows sermon SERMON (a key, or "new"
//       for "Add New Sermon" with a title typed first), types the UTF-8 text of the file
//       SCRIPT into the outline, moves the focus to the title box, and prints
//       "typed <the outline's UTF-8, base64>". Then it waits to be killed.
//   notes-worker LIBRARY SERMON SCRIPT steady
//       The same, but types the script a few characters at a time, letting the program run
//       between them, and prints "typed <characters in the outline>" after each piece, until
//       it is killed or the script ends.
//
// Keys go to the outline box as a keyboard sends them (press and release, Return for a line
// break); a character beyond the 16-bit range arrives as an input method's commit, as on a
// real desktop. Messages the program would show are answered as an unattended test would.

#include "DataGrid.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "SermonCommands.h"
#include "UserInterface.h"
#include "WidgetLookup.h"
#include "WorkerConnection.h"
#include "clsConnect.h"
#include "frmMain.h"
#include "frmNotes.h"
#include "frmSermon.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>

namespace {

void say(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// One character as the keyboard (or, beyond 16 bits, an input method) delivers it.
void typeCharacter(QWidget *box, const QString &character)
{
    if (character == QLatin1String("\n")) {
        QTest::sendKeyEvent(
            QTest::Click, box, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    } else if (character.size() == 2) {
        QInputMethodEvent commit;
        commit.setCommitString(character);
        QApplication::sendEvent(box, &commit);
    } else {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// Typing `text` from `from`, `count` characters (whole pairs); returns where it stopped.
qsizetype typeText(QWidget *box, const QString &text, qsizetype from, qsizetype count)
{
    qsizetype at = from;
    for (qsizetype n = 0; n < count && at < text.size(); ++n) {
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        typeCharacter(box, text.mid(at, length));
        at += length;
    }
    return at;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own name: it names the data folder the recovery copies go to.
    QApplication::setApplicationName(QStringLiteral("lectorum"));
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        return 2;
    }
    QFile scriptFile(args.at(3));
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        return 2;
    }
    const QString script = QString::fromUtf8(scriptFile.readAll());
    const bool steady = args.at(4) == QLatin1String("steady");

    UserInterface::install(&QtUserInterface::instance());
    MsgBoxScript::setScripted(true);
    clsConnect connection;
    PointWorkerConnectionAt(connection, QStringLiteral("sqlite"), args.at(1));
    setProgramConnection(&connection);
    if (!connection.DataInit() || !connection.DataOpen()) {
        return 3;
    }
    frmMain main;
    RegisterScreenCommands(main);
    EnableOutlineRecovery(true);
    main.show();
    QApplication::setActiveWindow(&main);
    if (!QTest::qWaitForWindowActive(&main)) {
        return 4;
    }

    if (args.at(2) == QLatin1String("new")) {
        main.runCommand(QStringLiteral("grpNewSermon"));
        QLineEdit *title = widget<QLineEdit>(frmSermon::instance(), "txtTitle");
        title->setFocus();
        typeText(title, QStringLiteral("Jérusalem – Ἰησοῦς"), 0, 100);
    } else {
        main.runCommand(QStringLiteral("mnuESermon"));
        frmSermon *screen = frmSermon::instance();
        const qint32 key = args.at(2).toInt();
        DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
        for (int row = 1; row < grid->rows(); ++row) {
            if (grid->text(row, 0).trimmed().toInt() == key) {
                grid->setRow(row);
                screen->grdSermons_RowChosen(row);
            }
        }
    }
    frmSermon *screen = frmSermon::instance();
    if (!screen) {
        return 5;
    }
    screen->showNotes(true);
    QPlainTextEdit *box = widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline");
    box->setFocus();
    box->selectAll();
    QApplication::processEvents();
    say("ready");

    if (!steady) {
        typeText(box, script, 0, script.size());
        widget<QLineEdit>(screen, "txtTitle")->setFocus();
        QApplication::processEvents();
        say("typed " + box->toPlainText().toUtf8().toBase64());
    } else {
        // About 150 characters a second, a fast typist, in pieces of three.
        for (qsizetype at = 0; at < script.size();) {
            at = typeText(box, script, at, 3);
            QTest::qWait(20);
            say("typed " + QByteArray::number(box->toPlainText().size()));
        }
        say("done");
    }
    return app.exec();
}
