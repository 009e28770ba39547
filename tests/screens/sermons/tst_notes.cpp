#include "../selection/SermonScreenFixture.h"

#include "WidgetLookup.h"
#include "frmFindText.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

using namespace SermonScreenFixture;

class tst_Notes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void outlineWindowAndItsButtons();
    void onlyAChangedTextIsAnEdit_data();
    void onlyAChangedTextIsAnEdit();
    void closingTheNotesKeepsTheOutline_data();
    void closingTheNotesKeepsTheOutline();
    void saveSermonNotes();
    void saveSermonNotesWithoutAReference();
    void fontCommands();
    void outlineSearchSelectsTheHit();
    void outlineIsTheLargerSide_data();
    void outlineIsTheLargerSide();

private:
    QTemporaryDir m_settings;
    frmSermon *openAll();
    void chooseRow(int row);
    QString storedOutline(int id);
    QPlainTextEdit *outlineBox() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};

void tst_Notes::init()
{
    TestEnvironment::isolateSettings(m_settings.path());
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    QVERIFY(loadLibrary(*m_db));
    m_main = makeMainWindow();
}

void tst_Notes::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

frmSermon *tst_Notes::openAll()
{
    m_main->runCommand(QStringLiteral("mnuESermon"));
    MsgBoxScript::clear();
    return sermonScreen();
}

void tst_Notes::chooseRow(int row)
{
    DataGrid *grid = widget<DataGrid>(sermonScreen(), "grdSermons");
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QString tst_Notes::storedOutline(int id)
{
    return m_db
        ->scalar(QStringLiteral("SELECT strOutline FROM tblSermons WHERE lngSermonID = %1").arg(id))
        .toString();
}

QPlainTextEdit *tst_Notes::outlineBox() const
{
    return frmNotes::instance() ? widget<QPlainTextEdit>(frmNotes::instance(), "txtOutline")
                                : nullptr;
}

void tst_Notes::outlineWindowAndItsButtons()
{
    frmSermon *screen = openAll();
    frmNotes *notes = frmNotes::instance();
    QVERIFY(notes);
    QCOMPARE(notes->windowTitle(), QStringLiteral("Sermon Outline & Notes"));
    QCOMPARE(
        widget<QPlainTextEdit>(notes, "txtOutline")->objectName(), QStringLiteral("txtOutline"));
    QVERIFY(frmNotes::gboolNotesOpen);
    // Showing the outline does not take the front from the sermon screen.
    QCOMPARE(m_main->workArea()->activeSubWindow(), screen->subWindow());

    QToolButton *save = m_main->toolButton(QStringLiteral("grpSaveNotes"));
    QVERIFY(save->isHidden());
    widget<QPlainTextEdit>(notes, "txtOutline")->setFocus();
    QTRY_VERIFY(!save->isHidden());

    QTest::mouseClick(widget<QPushButton>(screen, "cmdOutline"), Qt::LeftButton);
    QVERIFY(notes->parentWidget()->isMaximized());
    QCOMPARE(GetStatusText(), QStringLiteral(" Sermon Outline & Notes "));

    notes->closeWindow();
    QApplication::processEvents();
    QVERIFY(!frmNotes::instance());
    QVERIFY(!frmNotes::gboolNotesOpen);
    QVERIFY(save->isHidden());
    QCOMPARE(SharedOutline().text, QStringLiteral("Creation and prayer"));

    // "Sermon Notes" brings it back with the sermon's outline.
    QTest::mouseClick(m_main->toolButton(QStringLiteral("grpNotes")), Qt::LeftButton);
    QVERIFY(frmNotes::instance());
    QCOMPARE(frmNotes::instance()->outline(), QStringLiteral("Creation and prayer"));

    // Closing the sermon screen closes the notes window.
    screen->closeScreen();
    QApplication::processEvents();
    QVERIFY(!frmNotes::instance());
}

void tst_Notes::onlyAChangedTextIsAnEdit_data()
{
    QTest::addColumn<bool>("reopened"); // closed after the load and opened with cmdOutline
    QTest::newRow("as the load left it") << false;
    QTest::newRow("reopened") << true;
}

void tst_Notes::onlyAChangedTextIsAnEdit()
{
    QFETCH(bool, reopened);
    frmSermon *screen = openAll();
    if (reopened) {
        frmNotes::instance()->closeWindow();
        QApplication::processEvents();
        QTest::mouseClick(widget<QPushButton>(screen, "cmdOutline"), Qt::LeftButton);
    }
    // Clicks and keys that leave the text as stored are no edit, though the hand-over was
    // emptied by the load.
    QTest::mouseClick(outlineBox()->viewport(), Qt::LeftButton);
    QTest::keyClick(outlineBox(), Qt::Key_End);
    QVERIFY(!screen->isEditing());
    QTest::keyClicks(outlineBox(), QStringLiteral("!"));
    QVERIFY(screen->isEditing());
    QCOMPARE(widget<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
}

void tst_Notes::closingTheNotesKeepsTheOutline_data()
{
    QTest::addColumn<bool>("editOutline");
    QTest::newRow("edited, then closed") << true;
    QTest::newRow("closed, then other fields edited") << false;
}

void tst_Notes::closingTheNotesKeepsTheOutline()
{
    QFETCH(bool, editOutline);
    frmSermon *screen = openAll();
    chooseRow(4); // 10
    QString expected = QStringLiteral("I. Grace abounds\nII. Love gives");
    if (editOutline) {
        outlineBox()->moveCursor(QTextCursor::End);
        QTest::keyClick(outlineBox(), Qt::Key_Return);
        QTest::keyClicks(outlineBox(), QStringLiteral("III. Amen"));
        expected += QStringLiteral("\nIII. Amen");
    }
    frmNotes::instance()->closeWindow();
    QApplication::processEvents();
    QVERIFY(!frmNotes::instance());
    if (!editOutline) {
        QTest::keyClicks(widget<QLineEdit>(screen, "txtTitle"), QStringLiteral("!"));
    }
    QVERIFY(screen->isEditing());
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(storedOutline(10), expected);
}

void tst_Notes::saveSermonNotes()
{
    frmSermon *screen = openAll();
    chooseRow(2); // 12
    QTest::mouseClick(m_main->toolButton(QStringLiteral("grpNotes")), Qt::LeftButton);
    outlineBox()->setFocus();
    outlineBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(outlineBox(), QStringLiteral(", I shall not want"));
    QVERIFY(screen->isEditing());
    QToolButton *save = m_main->toolButton(QStringLiteral("grpSaveNotes"));
    QTRY_VERIFY(!save->isHidden());
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(storedOutline(12), QStringLiteral("The Lord is my shepherd, I shall not want"));
    QApplication::processEvents();
    QVERIFY(!frmNotes::instance());
    QVERIFY(save->isHidden());
    QVERIFY(!screen->isEditing());
    QVERIFY(!save->isChecked());
}

void tst_Notes::saveSermonNotesWithoutAReference()
{
    frmSermon *screen = openAll();
    CHECKED_STEP(chooseRow(2));
    widget<QLineEdit>(screen, "txtReference")->clear();
    outlineBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(outlineBox(), QStringLiteral(" still"));
    m_main->runCommand(QStringLiteral("grpSaveNotes"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Reference Must Be Filled In." });
    QCOMPARE(storedOutline(12), QStringLiteral("The Lord is my shepherd"));
    QApplication::processEvents();
    QVERIFY(!frmNotes::instance());
    QCOMPARE(SharedOutline().text, QStringLiteral("The Lord is my shepherd still"));
    // Once the reference is back, the outline typed before goes with the save.
    QTest::keyClicks(widget<QLineEdit>(screen, "txtReference"), QStringLiteral("Psalm 23"));
    QTest::mouseClick(widget<QPushButton>(screen, "cmdSave"), Qt::LeftButton);
    QCOMPARE(storedOutline(12), QStringLiteral("The Lord is my shepherd still"));
}

void tst_Notes::fontCommands()
{
    const auto checked
        = [this](const char *name) { return m_main->action(QLatin1String(name))->isChecked(); };
    frmSermon *screen = openAll();
    frmNotes::instance()->closeWindow();
    QApplication::processEvents();

    // Closed: only the check marks move; the window stays closed.
    m_main->runCommand(QStringLiteral("mnuDFont12"));
    QVERIFY(checked("mnuDFont12") && !checked("mnuDFont8"));
    QVERIFY(!frmNotes::instance());
    QVERIFY(!frmNotes::gboolNotesOpen);

    // The next outline shown takes the marked size.
    CHECKED_STEP(chooseRow(3));
    QCOMPARE(outlineBox()->font().pointSize(), 12);

    // Open: name and size apply at once.
    m_main->action(QStringLiteral("mnuDFontArialB"))->trigger();
    QVERIFY(checked("mnuDFontArialB"));
    QCOMPARE(outlineBox()->font().family(), QStringLiteral("Arial Bold"));
    m_main->runCommand(QStringLiteral("mnuDFont14"));
    QCOMPARE(outlineBox()->font().pointSize(), 14);
    QCOMPARE(outlineBox()->font().family(), QStringLiteral("Arial Bold"));
    QVERIFY(frmNotes::instance());
    Q_UNUSED(screen);
}

void tst_Notes::outlineSearchSelectsTheHit()
{
    m_main->runCommand(QStringLiteral("mnuSOutline"));
    auto *find = m_main->findChild<frmFindText *>(QStringLiteral("frmFindText"));
    QVERIFY(find);
    widget<QLineEdit>(find, "txtOutline")->setText(QStringLiteral("PRAYER"));
    QTest::mouseClick(widget<QPushButton>(find, "cmdSelect"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(), QStringList { "Number of Records found = 2" });
    QCOMPARE(outlineBox()->textCursor().selectedText(), QStringLiteral("prayer"));
    CHECKED_STEP(chooseRow(2));
    QCOMPARE(outlineBox()->toPlainText(), QStringLiteral("Prayer and hope in the Word"));
    QCOMPARE(outlineBox()->textCursor().selectedText(), QStringLiteral("Prayer"));
}

void tst_Notes::outlineIsTheLargerSide_data()
{
    QTest::addColumn<int>("mainWidth");
    QTest::addColumn<bool>("sideBySide");
    QTest::newRow("wide work area") << 1400 << true;
    QTest::newRow("narrow work area") << 1024 << false;
}

void tst_Notes::outlineIsTheLargerSide()
{
    QFETCH(int, mainWidth);
    QFETCH(bool, sideBySide);
    m_main->resize(mainWidth, 800);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    frmSermon *sermon = openAll();
    CHECKED_STEP(chooseRow(1));
    QApplication::processEvents();
    frmNotes *notes = frmNotes::instance();
    QVERIFY(notes);
    const QRect sermonFrame = sermon->subWindow()->geometry();
    const QRect notesFrame = notes->parentWidget()->geometry();
    QCOMPARE(
        notesFrame.left() >= sermonFrame.right() && notesFrame.right() <= mainWidth, sideBySide);

    // The outline keeps three fifths of the width, whichever way the divider is dragged.
    auto *split = widget<QSplitter>(notes, "splScripture");
    auto outlineShare = [split] {
        const QList<int> sizes = split->sizes();
        return double(sizes.value(0)) / (sizes.value(0) + sizes.value(1));
    };
    QVERIFY2(outlineShare() >= 0.6, qPrintable(QString::number(outlineShare())));
    QWidget *handle = split->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(split->width() / 2, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(split->width() / 2, 0));
    QVERIFY2(outlineShare() >= 0.6, qPrintable(QString::number(outlineShare())));

    // Hidden, the pane stays hidden in the next notes window; the settings remember it.
    auto *show = widget<QCheckBox>(notes, "chkShowScripture");
    show->click();
    QVERIFY(widget<QWidget>(notes, "fraScripture")->isHidden());
    notes->closeWindow();
    QApplication::processEvents();
    sermon->showNotes(false);
    notes = frmNotes::instance();
    QVERIFY(!widget<QCheckBox>(notes, "chkShowScripture")->isChecked());
    QVERIFY(widget<QWidget>(notes, "fraScripture")->isHidden());
    widget<QCheckBox>(notes, "chkShowScripture")->click();
    QVERIFY(!widget<QWidget>(notes, "fraScripture")->isHidden());
    QVERIFY2(outlineShare() >= 0.6, qPrintable(QString::number(outlineShare())));
}

QTEST_MAIN(tst_Notes)
#include "tst_notes.moc"
