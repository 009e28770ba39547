#include "LanguageChoice.h"
#include "MainMenus.h"
#include "ProgramTranslation.h"
#include "SpellChecker.h"
#include "TestEnvironment.h"
#include "clsConfig.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The interface language: where it comes from (the settings, else the environment), what
// installing it changes (the program's texts and Qt's own), the menus wholly translated, and
// Defaults > Language... writing the choice only when it changes.
class tst_Language : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void systemLanguage_data();
    void systemLanguage();
    void savedChoiceComesFirst_data();
    void savedChoiceComesFirst();
    void spanishTranslatesTheProgramAndQt();
    void everyMenuTextIsTranslated();
    void dialogWritesOnlyAChange_data();
    void dialogWritesOnlyAChange();
    void spanishDictionaryByDefault();

private:
    QString storedLanguage() const;

    QTemporaryDir m_dir;
};

namespace {
const char *const Variables[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
}

void tst_Language::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnvironment::isolateSettings(m_dir.path());
}

void tst_Language::init()
{
    for (const char *variable : Variables) {
        qunsetenv(variable);
    }
    QFile::remove(clsConfig().storeFile());
}

void tst_Language::cleanup()
{
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
}

QString tst_Language::storedLanguage() const
{
    QSettings store(clsConfig().storeFile(), QSettings::IniFormat);
    return store.value(QStringLiteral("Interface/Language")).toString();
}

void tst_Language::systemLanguage_data()
{
    QTest::addColumn<QStringList>("values"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing set") << QStringList { "", "", "", "" } << "en";
    QTest::newRow("LANG Mexican") << QStringList { "", "", "", "es_MX.UTF-8" } << "es";
    QTest::newRow("LANG English") << QStringList { "", "", "", "en_GB.UTF-8" } << "en";
    QTest::newRow("LANG C") << QStringList { "", "", "", "C.UTF-8" } << "en";
    QTest::newRow("LANG untranslated") << QStringList { "", "", "", "ko_KR.UTF-8" } << "en";
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList { "", "", "es_ES.UTF-8", "en_US.UTF-8" } << "es";
    QTest::newRow("LC_ALL over LC_MESSAGES")
        << QStringList { "", "en_US.UTF-8", "es_ES.UTF-8", "" } << "en";
    QTest::newRow("LANGUAGE first") << QStringList { "es", "", "", "en_US.UTF-8" } << "es";
    QTest::newRow("LANGUAGE falls through its list")
        << QStringList { "pt_BR:es_AR:en", "", "", "en_US.UTF-8" } << "es";
    QTest::newRow("LANGUAGE with nothing built in")
        << QStringList { "pt_BR", "", "", "es_CL.UTF-8" } << "es";
}

void tst_Language::systemLanguage()
{
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    for (int i = 0; i < values.size(); ++i) {
        if (!values.at(i).isEmpty()) {
            qputenv(Variables[i], values.at(i).toLatin1());
        }
    }
    QCOMPARE(ProgramTranslation::systemLanguage(), expected);
}

void tst_Language::savedChoiceComesFirst_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none: the system's") << ""
                                        << "es_ES.UTF-8"
                                        << "es";
    QTest::newRow("Spanish on an English system") << "es"
                                                  << "en_US.UTF-8"
                                                  << "es";
    QTest::newRow("English on a Spanish system") << "en"
                                                 << "es_ES.UTF-8"
                                                 << "en";
    QTest::newRow("not built in: the system's") << "ko"
                                                << "es_ES.UTF-8"
                                                << "es";
}

void tst_Language::savedChoiceComesFirst()
{
    QFETCH(QString, saved);
    QFETCH(QString, system);
    QFETCH(QString, expected);
    qputenv("LANG", system.toLatin1());
    clsConfig config;
    if (!saved.isEmpty()) {
        QVERIFY(ProgramTranslation::saveLanguage(config, saved));
    }
    QCOMPARE(ProgramTranslation::chosenLanguage(config), expected);
    // Reading it never writes it.
    QCOMPARE(storedLanguage(), saved);
}

void tst_Language::spanishTranslatesTheProgramAndQt()
{
    QCOMPARE(ProgramTranslation::languages(), QStringList({ "en", "es" }));
    QCOMPARE(ProgramTranslation::nativeName(QStringLiteral("es")), QStringLiteral("Español"));
    QCOMPARE(ProgramTranslation::nativeName(QStringLiteral("en")), QStringLiteral("English"));

    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    QVERIFY(ProgramTranslation::isSpanish());
    QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), QStringLiteral("&Archivo"));
    QCOMPARE(QCoreApplication::translate("QObject", "Imported %n sermon(s).", nullptr, 2),
        QStringLiteral("Se importaron 2 sermones."));
    // Qt's own buttons, from the system's qt6-translations-l10n.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));

    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QVERIFY(!ProgramTranslation::isSpanish());
    QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), QStringLiteral("&File"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(QCoreApplication::translate("QObject", "Imported %n sermon(s).", nullptr, 1),
        QStringLiteral("Imported 1 sermon."));
}

void tst_Language::everyMenuTextIsTranslated()
{
    QMenuBar englishBar;
    MainMenus english(&englishBar);
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    QMenuBar spanishBar;
    MainMenus spanish(&spanishBar);

    // The same word in both languages, and the typefaces and sizes, which are names.
    const QStringList sameInBoth = { QStringLiteral("Se&ries") };
    int compared = 0;
    for (QAction *item : englishBar.findChildren<QAction *>()) {
        const QString name = item->objectName();
        if (name.isEmpty() || item->isSeparator() || name.startsWith(QLatin1String("mnuDFont"))
            || sameInBoth.contains(item->text())) {
            continue;
        }
        const QAction *translated = spanish.action(name);
        QVERIFY2(translated, qPrintable(name));
        QVERIFY2(translated->text() != item->text(), qPrintable(name + ": " + item->text()));
        ++compared;
    }
    QVERIFY(compared > 60);
    QCOMPARE(spanish.action(QStringLiteral("mnuDLanguage"))->text(), QStringLiteral("I&dioma..."));
    QCOMPARE(
        spanish.action(QStringLiteral("mnuDFontTimes"))->text(), QStringLiteral("Times New Roman"));
}

void tst_Language::dialogWritesOnlyAChange_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Español on English") << "en_US.UTF-8"
                                        << "Español"
                                        << "es";
    QTest::newRow("English on Spanish") << "es_ES.UTF-8"
                                        << "English"
                                        << "en";
    QTest::newRow("unchanged: nothing written") << "es_ES.UTF-8"
                                                << "Español"
                                                << "";
}

void tst_Language::dialogWritesOnlyAChange()
{
    QFETCH(QString, system);
    QFETCH(QString, choice);
    QFETCH(QString, stored);
    qputenv("LANG", system.toLatin1());
    QPointer<QInputDialog> ask = LanguageChoice::open(nullptr);
    QCOMPARE(ask->objectName(), QStringLiteral("dlgLanguage"));
    QVERIFY(ask->labelText().contains(QLatin1String("next time Lectorum starts")));
    auto *combo = ask->findChild<QComboBox *>();
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(),
        system.startsWith(QLatin1String("es")) ? QStringLiteral("Español")
                                               : QStringLiteral("English"));
    combo->setCurrentText(choice);
    ask->accept();
    QTRY_VERIFY(ask.isNull());
    QCOMPARE(storedLanguage(), stored);
}

void tst_Language::spanishDictionaryByDefault()
{
    // hunspell-es brings es_ES and the dictionaries of the Americas.
    QVERIFY(SpellChecker::availableLanguages().contains(QStringLiteral("es_ES")));
    const QString english = SpellChecker::defaultLanguage();
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    const QString system = QLocale::system().name();
    QCOMPARE(SpellChecker::defaultLanguage(),
        system.startsWith(QLatin1String("es_")) ? system : QStringLiteral("es_ES"));
    QCOMPARE(SpellChecker::suggestedPackage(), QStringLiteral("hunspell-es"));
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QCOMPARE(SpellChecker::defaultLanguage(), english);
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
