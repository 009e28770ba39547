#include "ClipboardOperations.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "SampleScreen.h"
#include "ScreenOperations.h"
#include "ScreenTestReset.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

class tst_ScreenOperations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void statusTexts_data();
    void statusTexts();
    void busyPointerAndText();
    void openScreenCounterAcrossTwoScreens();
    void saveChangesOnClose_data();
    void saveChangesOnClose();
    void minimisedScreenIsRestoredForTheQuestion();
    void browseAndEditStates();
    void loadingAndMinimisedScreensIgnoreKeys();
    void changeKeyTest_data();
    void changeKeyTest();
    void noRecordsQuestion_data();
    void noRecordsQuestion();
    void confirmDeleteUsesTheActiveCaption();
    void clipboardOnTextBoxes();
    void clipboardIgnoresDropDownLists();
    void clipboardWithoutAChildWindow();
    void appVersionText();

private:
    SampleScreen *openSample(const QString &caption, bool empty = false);

    std::unique_ptr<frmMain> m_main;
};

void tst_ScreenOperations::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_ScreenOperations::init()
{
    ScreenTestReset::begin();
    m_main = std::make_unique<frmMain>();
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_ScreenOperations::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    // Unsaved test edits are thrown away without a question.
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    m_main.reset();
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
    ScreenTestReset::verifyNothingOpen();
}

SampleScreen *tst_ScreenOperations::openSample(const QString &caption, bool empty)
{
    auto *screen = new SampleScreen(caption, empty);
    m_main->openScreen(screen);
    return screen;
}

void tst_ScreenOperations::statusTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one blank each side") << "Login"
                                         << " Login ";
    QTest::newRow("blanks not doubled") << " Topic Screen "
                                        << " Topic Screen ";
    QTest::newRow("empty") << ""
                           << "  ";
    QTest::newRow("inner blanks kept") << "Series of  Messages"
                                       << " Series of  Messages ";
}

void tst_ScreenOperations::statusTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    SetStatusText(text);
    QCOMPARE(m_main->pnlStatusBox()->text(), shown);
    QCOMPARE(GetStatusText(), shown);
}

void tst_ScreenOperations::busyPointerAndText()
{
    SetStatusText(QStringLiteral("Topic Screen"));
    const QString previous = BeginBusy(QStringLiteral("Please Wait While Loading Topics List"));
    QCOMPARE(previous, QStringLiteral(" Topic Screen "));
    QCOMPARE(GetStatusText(), QStringLiteral(" Please Wait While Loading Topics List "));
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndBusy(previous);
    QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
    QVERIFY(!QApplication::overrideCursor());
}

void tst_ScreenOperations::openScreenCounterAcrossTwoScreens()
{
    QCOMPARE(GetStatusText(), ProductName);
    SampleScreen *first = openSample(QStringLiteral("Topic Screen"));
    QCOMPARE(OpenScreenCount, qint16(1));
    QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
    QCOMPARE(first->rememberedStatusText(), ProductName);
    SampleScreen *second = openSample(QStringLiteral("Preachers Screen"));
    QCOMPARE(OpenScreenCount, qint16(2));
    QCOMPARE(GetStatusText(), QStringLiteral(" Preachers Screen "));

    // Back to the first screen and closing it: the second one comes to the front.
    m_main->workArea()->setActiveSubWindow(first->subWindow());
    QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
    QVERIFY(first->closeScreen());
    QCOMPARE(OpenScreenCount, qint16(1));
    QCOMPARE(GetStatusText(), QStringLiteral(" Preachers Screen "));
    QVERIFY(GetStatusText().trimmed() != ProductName);

    QVERIFY(second->closeScreen());
    QCOMPARE(OpenScreenCount, qint16(0));
    QCOMPARE(GetStatusText().trimmed(), ProductName);
    QTRY_VERIFY(m_main->workArea()->subWindowList().isEmpty());

    // The counter never goes below 0.
    ScreenClosed();
    QCOMPARE(OpenScreenCount, qint16(0));

    // A screen closed behind another leaves the caption of the one in front, not the text
    // it found when it opened.
    SampleScreen *behind = openSample(QStringLiteral("Topic Screen"));
    SampleScreen *front = openSample(QStringLiteral("Preachers Screen"));
    QVERIFY(behind->closeScreen());
    QCOMPARE(GetStatusText(), QStringLiteral(" Preachers Screen "));
    QVERIFY(front->closeScreen());
}

void tst_ScreenOperations::saveChangesOnClose_data()
{
    QTest::addColumn<MsgBoxAnswer>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("saves");
    QTest::newRow("yes saves and closes") << MsgBoxAnswer::Yes << true << true << 1;
    QTest::newRow("yes with a failed save stays") << MsgBoxAnswer::Yes << false << false << 1;
    QTest::newRow("no closes without saving") << MsgBoxAnswer::No << true << true << 0;
    QTest::newRow("cancel keeps the edits") << MsgBoxAnswer::Cancel << true << false << 0;
}

void tst_ScreenOperations::saveChangesOnClose()
{
    QFETCH(MsgBoxAnswer, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, closed);
    QFETCH(int, saves);
    SampleScreen *screen = openSample(QStringLiteral("Topic Screen"));
    screen->saveSucceeds = saveSucceeds;
    QPointer<QMdiSubWindow> frame = screen->subWindow();
    screen->txtName->setFocus();
    screen->txtName->end(false);
    QTest::keyClicks(screen->txtName, QStringLiteral(" edited"));
    QVERIFY(screen->findChild<QPushButton *>(QStringLiteral("cmdSave"))->isEnabled());

    MsgBoxScript::queueAnswer(answer);
    QCOMPARE(frame->close(), closed);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("Data Has Been Changed\r\nSave Changes ?") });
    QCOMPARE(MsgBoxScript::shownCaptions(), QStringList { QStringLiteral("Topic Screen") });
    QCOMPARE(screen->saves, saves);
    if (closed) {
        QCOMPARE(OpenScreenCount, qint16(0));
        QCOMPARE(GetStatusText().trimmed(), ProductName);
        QTRY_VERIFY(frame.isNull());
    } else {
        QVERIFY(frame->isVisible());
        QCOMPARE(OpenScreenCount, qint16(1));
        QCOMPARE(screen->txtName->text(), QStringLiteral("First edited"));
        QVERIFY(screen->cmdSave->isEnabled());
        QCOMPARE(screen->cmdClose->text(), QStringLiteral("&Cancel"));
    }
}

void tst_ScreenOperations::minimisedScreenIsRestoredForTheQuestion()
{
    SampleScreen *screen = openSample(QStringLiteral("Series of Messages Screen"));
    screen->txtName->setText(QStringLiteral("changed"));
    screen->subWindow()->showMinimized();
    QVERIFY(screen->subWindow()->isMinimized());
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Cancel);
    QCOMPARE(AskSaveChanges(screen), MsgBoxAnswer::Cancel);
    QVERIFY(!screen->subWindow()->isMinimized());
    QCOMPARE(m_main->workArea()->currentSubWindow(), screen->subWindow());
    QCOMPARE(MsgBoxScript::shownCaptions().value(0), QStringLiteral("Series of Messages Screen"));
}

void tst_ScreenOperations::browseAndEditStates()
{
    SampleScreen *screen = openSample(QStringLiteral("Topic Screen"));
    QVERIFY(!screen->isEditing());
    QVERIFY(screen->lstRecords->isEnabled());
    QVERIFY(screen->cmdNew->isEnabled());
    QVERIFY(screen->cmdDelete->isEnabled());
    QVERIFY(!screen->cmdSave->isEnabled());
    QCOMPARE(screen->cmdClose->text(), QStringLiteral("&Close"));

    QTest::keyClick(screen->txtName, Qt::Key_Backspace);
    QVERIFY(screen->isEditing());
    QVERIFY(!screen->lstRecords->isEnabled());
    QVERIFY(!screen->cmdNew->isEnabled());
    QVERIFY(!screen->cmdDelete->isEnabled());
    QCOMPARE(screen->cmdClose->text(), QStringLiteral("&Cancel"));

    // Cancel returns to browsing and lets the screen show its record again.
    QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
    QVERIFY(!screen->isEditing());
    QCOMPARE(screen->cancels, 1);
    QCOMPARE(screen->cmdClose->text(), QStringLiteral("&Close"));
    QCOMPARE(OpenScreenCount, qint16(1));

    // Close closes.
    QPointer<QMdiSubWindow> frame = screen->subWindow();
    QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
    QTRY_VERIFY(frame.isNull());
    QCOMPARE(OpenScreenCount, qint16(0));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ScreenOperations::loadingAndMinimisedScreensIgnoreKeys()
{
    SampleScreen *screen = openSample(QStringLiteral("Topic Screen"));
    {
        DataScreen::LoadingGuard loading(screen);
        QTest::keyClicks(screen->txtName, QStringLiteral("abc"));
        screen->txtName->setText(QStringLiteral("filled by the program"));
    }
    QVERIFY(!screen->isEditing());

    // The combo box's own text changes are not watched: only the key test could count.
    screen->subWindow()->showMinimized();
    QTest::keyClick(screen->cboEdit, Qt::Key_X);
    QVERIFY(!screen->isEditing());
    screen->subWindow()->showNormal();
    QTest::keyClick(screen->cboEdit, Qt::Key_Y);
    QVERIFY(screen->isEditing());
    screen->enterBrowseState();

    QTest::keyClick(screen->lstRecords, Qt::Key_S);
    QVERIFY(!screen->isEditing());
    QTest::keyClick(screen->txtName, Qt::Key_S);
    QVERIFY(screen->isEditing());
}

void tst_ScreenOperations::changeKeyTest_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("counts");
    const int none = int(Qt::NoModifier);
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("letter") << int(Qt::Key_A) << none << "a"
                            << "line" << true;
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << "\u00e9"
                                     << "line" << true;
    QTest::newRow("blank") << int(Qt::Key_Space) << none << " "
                           << "line" << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b"
                               << "line" << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << ""
                            << "line" << true;
    QTest::newRow("paste") << int(Qt::Key_V) << ctrl << "\x16"
                           << "line" << true;
    QTest::newRow("cut") << int(Qt::Key_X) << ctrl << "\x18"
                         << "line" << true;
    QTest::newRow("copy") << int(Qt::Key_C) << ctrl << "\x03"
                          << "line" << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t"
                         << "line" << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << ""
                           << "line" << false;
    QTest::newRow("home") << int(Qt::Key_Home) << none << ""
                          << "line" << false;
    QTest::newRow("function key") << int(Qt::Key_F2) << none << ""
                                  << "line" << false;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b"
                            << "line" << false;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << ""
                                 << "line" << false;
    QTest::newRow("return in a line") << int(Qt::Key_Return) << none << "\r"
                                      << "line" << false;
    QTest::newRow("return in the outline") << int(Qt::Key_Return) << none << "\r"
                                           << "outline" << true;
    QTest::newRow("letter on a list") << int(Qt::Key_S) << none << "s"
                                      << "list" << false;
    QTest::newRow("letter on a read-only box") << int(Qt::Key_S) << none << "s"
                                               << "readonly" << false;
    QTest::newRow("letter on a drop-down list") << int(Qt::Key_S) << none << "s"
                                                << "combo" << true;
}

void tst_ScreenOperations::changeKeyTest()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(bool, counts);
    QLineEdit line;
    QLineEdit readOnly;
    readOnly.setReadOnly(true);
    QPlainTextEdit outline;
    QListWidget list;
    QComboBox combo;
    const QHash<QString, QWidget *> targets = { { QStringLiteral("line"), &line },
        { QStringLiteral("readonly"), &readOnly }, { QStringLiteral("outline"), &outline },
        { QStringLiteral("list"), &list }, { QStringLiteral("combo"), &combo } };
    QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(IsChangeKey(&event, targets.value(target)), counts);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), text);
    QVERIFY(!IsChangeKey(&release, targets.value(target)));
}

void tst_ScreenOperations::noRecordsQuestion_data()
{
    QTest::addColumn<MsgBoxAnswer>("answer");
    QTest::newRow("yes adds") << MsgBoxAnswer::Yes;
    QTest::newRow("no closes") << MsgBoxAnswer::No;
}

void tst_ScreenOperations::noRecordsQuestion()
{
    QFETCH(MsgBoxAnswer, answer);
    MsgBoxScript::queueAnswer(answer);
    // No closes the screen, which is then deleted: it is only read through the guard.
    QPointer<SampleScreen> screen = openSample(QStringLiteral("Topic Screen"), true);
    QPointer<QMdiSubWindow> frame = screen->subWindow();
    QTRY_COMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("No Records, Add Some ?") });
    if (answer == MsgBoxAnswer::Yes) {
        QVERIFY(screen);
        QVERIFY(!screen->noRecords());
        QCOMPARE(screen->newRecords, 1);
        QVERIFY(screen->isEditing());
        QVERIFY(!frame.isNull());
        // Asked once: activating the screen again does not ask again.
        SetStatusText(QStringLiteral("elsewhere"));
        m_main->workArea()->setActiveSubWindow(nullptr);
        m_main->workArea()->setActiveSubWindow(frame);
        QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
        QCoreApplication::processEvents();
        QCOMPARE(MsgBoxScript::shown().size(), 1);
    } else {
        QTRY_VERIFY(frame.isNull());
        QCOMPARE(OpenScreenCount, qint16(0));
    }
}

void tst_ScreenOperations::confirmDeleteUsesTheActiveCaption()
{
    openSample(QStringLiteral("Preachers Screen"));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QVERIFY(ConfirmDelete(QStringLiteral("Delete the Current Record")));
    QVERIFY(!ConfirmDelete(QStringLiteral("Delete the Current Record")));
    QCOMPARE(MsgBoxScript::shown().value(0), QStringLiteral("Delete the Current Record"));
    QCOMPARE(MsgBoxScript::shownCaptions(),
        (QStringList { QStringLiteral("Preachers Screen"), QStringLiteral("Preachers Screen") }));
}

void tst_ScreenOperations::clipboardOnTextBoxes()
{
    SampleScreen *screen = openSample(QStringLiteral("Topic Screen"));
    screen->txtName->setText(QStringLiteral("Grace and peace"));
    screen->txtName->setFocus();
    screen->txtName->setSelection(0, 5);
    QCOMPARE(ActiveChildControl(), screen->txtName);

    CutCopyText(false);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Grace"));
    QCOMPARE(screen->txtName->text(), QStringLiteral("Grace and peace"));

    screen->txtName->setSelection(5, 4);
    CutCopyText(true);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" and"));
    QCOMPARE(screen->txtName->text(), QStringLiteral("Grace peace"));

    screen->txtName->setSelection(6, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("mercy"));
    PasteText();
    QCOMPARE(screen->txtName->text(), QStringLiteral("Grace mercy"));

    // A combo box the user can type into takes part as well.
    screen->cboEdit->setFocus();
    screen->cboEdit->lineEdit()->selectAll();
    CutCopyText(false);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Gamma"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ScreenOperations::clipboardIgnoresDropDownLists()
{
    SampleScreen *screen = openSample(QStringLiteral("Topic Screen"));
    screen->cboList->setFocus();
    QCOMPARE(ActiveChildControl(), screen->cboList);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    CutCopyText(true);
    CutCopyText(false);
    PasteText();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(screen->cboList->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(screen->cboList->count(), 2);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ScreenOperations::clipboardWithoutAChildWindow()
{
    QVERIFY(!ActiveChildControl());
    CutCopyText(false);
    PasteText();
    QCOMPARE(MsgBoxScript::shown(),
        QStringList(2, QStringLiteral("Make sure text has been properly selected first!")));
}

void tst_ScreenOperations::appVersionText()
{
    static const QRegularExpression form(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"));
    QVERIFY(form.match(AppVersionText()).hasMatch());
    QCOMPARE(AppVersionText(),
        QStringLiteral("%1.%2.%3")
            .arg(LECTORUM_VERSION_MAJOR)
            .arg(LECTORUM_VERSION_MINOR)
            .arg(LECTORUM_VERSION_PATCH));
}

QTEST_MAIN(tst_ScreenOperations)
#include "tst_screenoperations.moc"
