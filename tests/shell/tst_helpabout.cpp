#include "DeliveredFiles.h"
#include "HelpWindow.h"
#include "ProgramGlobals.h"
#include "ProgramTranslation.h"
#include "QtUserInterface.h"
#include "ScreenOperations.h"
#include "ScreenTestReset.h"
#include "TestEnvironment.h"
#include "WinHelp.h"
#include "clsConfig.h"
#include "clsSystemInfo.h"
#include "frmAbout32.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <thread>

namespace {

QString readHelp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString &html, const QString &pattern)
{
    QStringList found;
    const QRegularExpression expression(pattern);
    for (auto it = expression.globalMatch(html); it.hasNext();) {
        found.append(it.next().captured(1));
    }
    return found;
}

QStringList anchorsOf(const QString &html)
{
    QStringList anchors = matches(html, QStringLiteral("<a\\s+name=\"([^\"]+)\""));
    anchors.sort();
    return anchors;
}

// One row per translated help beside the English one (Lectorum.<code>.hlp), named by its
// language.
void addTranslatedHelpRows(const QString &englishHelp)
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language");
    const QDir folder = QFileInfo(englishHelp).absoluteDir();
    const QStringList files = folder.entryList({ QStringLiteral("Lectorum.*.hlp") }, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("Lectorum.es.hlp")));
    for (const QString &name : files) {
        const QString language = name.section(QLatin1Char('.'), 1, 1);
        QTest::newRow(qPrintable(language)) << folder.filePath(name) << language;
    }
}

} // namespace

class tst_HelpAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void helpCommands_data();
    void helpCommands();
    void unknownContextOpensTheContents();
    void partialKeySearch();
    void helpButtonsAndQuit();
    void missingHelpFileIsReported();
    void translatedHelpKeepsTheAnchors_data();
    void translatedHelpKeepsTheAnchors();
    void translatedHelpLeavesNoEnglishParagraph_data();
    void translatedHelpLeavesNoEnglishParagraph();
    void helpFollowsTheInterfaceLanguage_data();
    void helpFollowsTheInterfaceLanguage();

    void memoryText_data();
    void memoryText();
    void factsOfThisMachine();
    void factsStayFreshForThirtySeconds();
    void freshnessAcrossMidnight();
    void appNameRefusesEmptyText_data();
    void appNameRefusesEmptyText();
    void userInfoFromTheSettings();
    void aboutScreen();

private:
    QString helpFile() const { return QStringLiteral(LECTORUM_HELP_FILE); }

    QWidget m_owner;
    QTemporaryDir m_settings;
    int m_now = 36000;
};

void tst_HelpAbout::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
    TestEnvironment::isolateSettings(m_settings.path());
}

void tst_HelpAbout::init()
{
    ScreenTestReset::begin();
    m_now = 36000;
    clsSystemInfo::setClock([this] { return m_now; });
}

void tst_HelpAbout::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    clsSystemInfo::setClock(nullptr);
    WinHelp(&m_owner, helpFile(), HELP_QUIT, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ScreenTestReset::verifyNothingOpen();
    if (ProgramTranslation::language() != QLatin1String("en")) {
        QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    }
}

void tst_HelpAbout::helpCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("data");
    QTest::addColumn<QString>("topic");
    for (int context : { 25, 30, 35, 40, 42, 45, 50, 55, 60 }) {
        QTest::addRow("context %d", context)
            << HELP_CONTEXT << context << QStringLiteral("ctx-%1").arg(context);
    }
    QTest::newRow("index") << HELP_CONTEXT << 10 << "ctx-10";
    QTest::newRow("contents") << HELP_CONTENTS << 0 << "contents";
    QTest::newRow("using help") << HELP_HELPONHELP << 0 << "using-help";
    QTest::newRow("partial key") << HELP_PARTIALKEY << 0 << "index";
}

void tst_HelpAbout::helpCommands()
{
    QFETCH(int, command);
    QFETCH(int, data);
    QFETCH(QString, topic);
    QVERIFY(WinHelp(&m_owner, helpFile(), command, data));
    HelpWindow *help = HelpWindow::current();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->parentWidget(), &m_owner);
    QCOMPARE(help->currentTopic(), topic);
    QVERIFY(help->hasTopic(topic));
    QCOMPARE(help->windowTitle(), QStringLiteral("Lectorum Sermon Outlines Help"));
    // The same window serves the next command.
    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_CONTENTS, 0));
    QCOMPARE(HelpWindow::current(), help);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_HelpAbout::unknownContextOpensTheContents()
{
    QVERIFY(!WinHelp(&m_owner, helpFile(), HELP_CONTEXT, 99));
    QCOMPARE(HelpWindow::current()->currentTopic(), QStringLiteral("contents"));
}

void tst_HelpAbout::partialKeySearch()
{
    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_PARTIALKEY, 0));
    HelpWindow *help = HelpWindow::current();
    auto *box = help->findChild<QLineEdit *>(QStringLiteral("txtHelpSearch"));
    auto *list = help->findChild<QListWidget *>(QStringLiteral("lstHelpKeywords"));
    QVERIFY(box && list);
    QVERIFY(help->indexEntries().size() > 50);
    QCOMPARE(list->count(), help->indexEntries().size());

    // Only entries that begin with the typed letters, in any case.
    const QStringList preachers = help->matchingKeywords(QStringLiteral("PREA"));
    QVERIFY(!preachers.isEmpty());
    for (const QString &keyword : preachers) {
        QVERIFY2(
            keyword.startsWith(QStringLiteral("prea"), Qt::CaseInsensitive), qPrintable(keyword));
    }
    QVERIFY(!help->matchingKeywords(QStringLiteral("reacher"))
                 .contains(QStringLiteral("Preachers Screen")));
    QVERIFY(help->matchingKeywords(QStringLiteral("zzz")).isEmpty());

    QTest::keyClicks(box, QStringLiteral("prea"));
    QCOMPARE(list->count(), preachers.size());
    QCOMPARE(list->item(0)->text(), preachers.first());
    QTest::keyClick(box, Qt::Key_Return);
    const QString anchor = help->indexEntries()
                               .at([&] {
                                   for (int i = 0; i < help->indexEntries().size(); ++i) {
                                       if (help->indexEntries().at(i).first == preachers.first()) {
                                           return i;
                                       }
                                   }
                                   return -1;
                               }())
                               .second;
    QCOMPARE(help->currentTopic(), anchor);

    help->showSearch(QStringLiteral("cut"));
    QCOMPARE(box->text(), QStringLiteral("cut"));
    QVERIFY(list->count() >= 1);
    QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Cut")));
}

void tst_HelpAbout::helpButtonsAndQuit()
{
    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_CONTEXT, 25));
    QPointer<HelpWindow> help = HelpWindow::current();
    QTest::mouseClick(
        help->findChild<QPushButton *>(QStringLiteral("cmdHelpIndex")), Qt::LeftButton);
    QCOMPARE(help->currentTopic(), QStringLiteral("index"));
    QTest::mouseClick(
        help->findChild<QPushButton *>(QStringLiteral("cmdHelpBack")), Qt::LeftButton);
    QCOMPARE(help->currentTopic(), QStringLiteral("ctx-25"));
    QTest::mouseClick(
        help->findChild<QPushButton *>(QStringLiteral("cmdHelpContents")), Qt::LeftButton);
    QCOMPARE(help->currentTopic(), QStringLiteral("contents"));

    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_QUIT, 0));
    QTRY_VERIFY(help.isNull());
    QVERIFY(!HelpWindow::current());
    // Quitting with no help window open is harmless.
    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_QUIT, 0));

    QVERIFY(WinHelp(&m_owner, helpFile(), HELP_CONTENTS, 0));
    help = HelpWindow::current();
    QTest::mouseClick(
        help->findChild<QPushButton *>(QStringLiteral("cmdHelpExit")), Qt::LeftButton);
    QTRY_VERIFY(help.isNull());
}

void tst_HelpAbout::missingHelpFileIsReported()
{
    const QString missing = m_settings.filePath(QStringLiteral("nowhere/Lectorum.hlp"));
    QVERIFY(!WinHelp(&m_owner, missing, HELP_CONTENTS, 0));
    QVERIFY(!HelpWindow::current());
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().constFirst().contains(missing));
}

void tst_HelpAbout::translatedHelpKeepsTheAnchors_data()
{
    addTranslatedHelpRows(helpFile());
}

void tst_HelpAbout::translatedHelpKeepsTheAnchors()
{
    QFETCH(QString, path);
    QFETCH(QString, language);
    const QString html = readHelp(path);
    QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
    // Context help and the welcome's links land on the same topics in every language.
    const QStringList anchors = anchorsOf(html);
    QCOMPARE(anchors, anchorsOf(readHelp(helpFile())));
    for (const QString &target : matches(html, QStringLiteral("href=\"#([^\"]+)\""))) {
        QVERIFY2(anchors.contains(target), qPrintable(target));
    }
}

void tst_HelpAbout::translatedHelpLeavesNoEnglishParagraph_data()
{
    addTranslatedHelpRows(helpFile());
}

void tst_HelpAbout::translatedHelpLeavesNoEnglishParagraph()
{
    QFETCH(QString, path);
    // The ways the English help's sentences most often begin.
    const QStringList starts = matches(readHelp(path),
        QStringLiteral("<(?:p|li|td)(?:\\s[^>]*)?>\\s*(?:<[bi]>)?\\s*((?:You|The|Click|To|When|If|"
                       "Each|Choose|Press|Opens)\\s[^<]{0,40})"));
    QVERIFY2(starts.isEmpty(), qPrintable(starts.join(QStringLiteral(" | "))));
}

void tst_HelpAbout::helpFollowsTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("delivered");
    QTest::addColumn<QString>("opened");
    const QStringList both = { QStringLiteral("Lectorum.hlp"), QStringLiteral("Lectorum.es.hlp") };
    QTest::newRow("English interface") << "en" << both << "Lectorum.hlp";
    QTest::newRow("Spanish interface") << "es" << both << "Lectorum.es.hlp";
    QTest::newRow("Spanish help not installed")
        << "es" << QStringList { QStringLiteral("Lectorum.hlp") } << "Lectorum.hlp";
}

void tst_HelpAbout::helpFollowsTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, delivered);
    QFETCH(QString, opened);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QString &name : delivered) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(ProgramTranslation::install(language));
    QCOMPARE(DeliveredFiles::helpFilePath(folder.path()), folder.filePath(opened));
}

void tst_HelpAbout::memoryText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("16 MB") << qint64(16777216) << "16,384K";
    QTest::newRow("one kilobyte") << qint64(1024) << "1K";
    QTest::newRow("999 kilobytes") << qint64(999 * 1024) << "999K";
    QTest::newRow("1000 kilobytes") << qint64(1000 * 1024) << "1,000K";
    QTest::newRow("16 GB") << qint64(17179869184) << "16,777,216K";
    QTest::newRow("rounded up") << qint64(1536) << "2K";
    QTest::newRow("nothing") << qint64(0) << "K";
}

void tst_HelpAbout::memoryText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, shown);
    QCOMPARE(frmAbout32::MemoryText(bytes), shown);
}

void tst_HelpAbout::factsOfThisMachine()
{
    clsSystemInfo info;
    QCOMPARE(info.NumCPU(), qint32(std::thread::hardware_concurrency()));
    QVERIFY(info.TotalPhysical() > 0);
    QVERIFY(info.AvailPhysical() > 0);
    QVERIFY(info.AvailPhysical() <= info.TotalPhysical());
    QVERIFY(info.TotalVirtual() >= info.TotalPhysical());
    QVERIFY(info.AvailVirtual() <= info.TotalVirtual());
    QVERIFY(info.MemoryLoad() >= 0 && info.MemoryLoad() <= 100);
    QCOMPARE(info.OperatingSystem(), QSysInfo::prettyProductName());
    QCOMPARE(info.CPUArchitecture(), QSysInfo::currentCpuArchitecture());
    if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64")) {
        QCOMPARE(info.CPUType(), 8664);
    }
    QVERIFY(info.WinTempDir().endsWith(QLatin1Char('/')));
    QVERIFY(QFileInfo(info.WinTempDir()).isDir());
    QVERIFY(QFileInfo(info.WinDir()).isDir());
    QVERIFY(QFileInfo(info.WinSysDir()).isDir());
}

void tst_HelpAbout::factsStayFreshForThirtySeconds()
{
    clsSystemInfo info;
    QCOMPARE(info.gatherCount(), 1);
    QVERIFY(info.IsInfoCurrent());
    info.TotalPhysical();
    info.NumCPU();
    QCOMPARE(info.gatherCount(), 1);
    m_now += 29;
    info.OperatingSystem();
    QCOMPARE(info.gatherCount(), 1);
    m_now += 2;
    QVERIFY(!info.IsInfoCurrent());
    info.AvailPhysical();
    info.WinDir();
    QCOMPARE(info.gatherCount(), 2);
}

void tst_HelpAbout::freshnessAcrossMidnight()
{
    m_now = 86400 - 10;
    clsSystemInfo info;
    m_now = 5;
    QVERIFY(info.IsInfoCurrent());
    m_now = 25;
    QVERIFY(!info.IsInfoCurrent());
}

void tst_HelpAbout::appNameRefusesEmptyText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
}

void tst_HelpAbout::appNameRefusesEmptyText()
{
    QFETCH(QString, name);
    clsSystemInfo info;
    QCOMPARE(info.AppName(), AppTitle);
    info.setAppName(name);
    QCOMPARE(info.AppName(), AppTitle);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList { QStringLiteral("You cannot set the AppName to empty string.") });
    QCOMPARE(MsgBoxScript::shownCaptions(), QStringList { QStringLiteral("clsSystemInfo") });
    info.setAppName(QStringLiteral("Other Program"));
    QCOMPARE(info.AppName(), QStringLiteral("Other Program"));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
}

void tst_HelpAbout::userInfoFromTheSettings()
{
    clsConfig config;
    config.SaveConfig(
        QStringLiteral("MS User Info"), QStringLiteral("DefName"), QStringLiteral("Pastor O'Neil"));
    config.SaveConfig(QStringLiteral("MS User Info"), QStringLiteral("DefCompany"),
        QStringLiteral("Église Saint-Paul"));
    clsSystemInfo info;
    QCOMPARE(info.UserName(), QStringLiteral("Pastor O'Neil"));
    QCOMPARE(info.Company(), QStringLiteral("Église Saint-Paul"));
}

void tst_HelpAbout::aboutScreen()
{
    SetStatusText(QStringLiteral("Topic Screen"));
    frmAbout32 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Lectorum"));
    const auto label = [&about](const char *name) {
        const QLabel *found = about.findChild<QLabel *>(QLatin1String(name));
        return found ? found->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    };
    QCOMPARE(label("lblApplicationName"), QStringLiteral("Lectorum - ") + AppVersionText());
    QVERIFY(!label("lblAuthorName").isEmpty());
    QCOMPARE(label("lblCopyright"), AppLegalCopyright());
    QVERIFY(about.findChild<QFrame *>(QStringLiteral("linLine1")));

    clsSystemInfo info;
    QCOMPARE(label("lblOS"), info.OperatingSystem());
    QCOMPARE(label("lblTempDir"), info.WinTempDir());
    QCOMPARE(label("lblSystemDir"), info.WinSysDir());
    QCOMPARE(label("lblWindowsDir"), info.WinDir());
    QVERIFY(label("lblMemoryLoad").endsWith(QLatin1Char('%')));
    QCOMPARE(label("lblTotalPhysical"), frmAbout32::MemoryText(info.TotalPhysical()));
    QCOMPARE(label("lblTotalVirtual"), frmAbout32::MemoryText(info.TotalVirtual()));
    QVERIFY(label("lblAvailablePhysical").endsWith(QLatin1Char('K')));
    QVERIFY(label("lblAvailableVirtual").endsWith(QLatin1Char('K')));
    QCOMPARE(label("lblNumberOfProcessors"), QString::number(info.NumCPU()));
    QCOMPARE(label("lblCPUType"), QString::number(info.CPUType()));

    // Each caption sits on its value's row, to its left: a value under the wrong caption fails.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    for (const auto &[caption, name] :
        std::initializer_list<std::pair<const char *, const char *>> {
            { "Operating System", "lblOS" }, { "Windows Temp Directory:", "lblTempDir" },
            { "Windows System Directory:", "lblSystemDir" },
            { "Windows Directory:", "lblWindowsDir" }, { "Memory Load:", "lblMemoryLoad" },
            { "Total Physical:", "lblTotalPhysical" },
            { "Available Physical:", "lblAvailablePhysical" },
            { "Total Virtual:", "lblTotalVirtual" },
            { "Available Virtual:", "lblAvailableVirtual" }, { "CPU Type", "lblCPUType" },
            { "Number CPU's:", "lblNumberOfProcessors" } }) {
        const QLabel *value = about.findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(value, name);
        // A structured binding is copied before a lambda uses it (clang before 16 cannot
        // capture one).
        const QLatin1String captionText(caption);
        const auto beside = [&](const QLabel *l) {
            const QRect c(l->mapTo(&about, QPoint(0, 0)), l->size());
            const QRect v(value->mapTo(&about, QPoint(0, 0)), value->size());
            return l->text() == captionText && c.right() < v.left() && c.center().y() >= v.top()
                && c.center().y() <= v.bottom();
        };
        QVERIFY2(std::any_of(labels.begin(), labels.end(), beside), caption);
    }

    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(GetStatusText(), QStringLiteral(" About Lectorum "));
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_HelpAbout)
#include "tst_helpabout.moc"
