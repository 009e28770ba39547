#include "NotesEditorAids.h"
#include "PulpitSettings.h"
#include "SpellChecker.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>

// Defaults > Spelling Language... and Defaults > Speaking Rate...: each asks in a small
// dialog that does not hold up the program and stores the answer in the "Pulpit" section.

namespace {

QInputDialog *askDialog(const char *name, const QString &title, const QString &label)
{
    auto *ask = new QInputDialog(frmMain::instance());
    ask->setObjectName(QLatin1String(name));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(title);
    ask->setLabelText(label);
    return ask;
}

QString noDictionaryText()
{
    return QCoreApplication::translate("OutlineAidCommands",
        "No spelling dictionary is installed, so spelling is off. Install the package %1 (or "
        "another hunspell- dictionary) and start Lectorum again.")
        .arg(SpellChecker::suggestedPackage());
}

void chooseSpellingLanguage()
{
    const QStringList languages = SpellChecker::availableLanguages();
    if (languages.isEmpty()) {
        MsgBox(noDictionaryText());
        return;
    }
    const QString current = NotesEditorAids::checker().language();
    QInputDialog *ask = askDialog("dlgSpellingLanguage",
        QCoreApplication::translate("OutlineAidCommands", "Spelling Language"),
        QCoreApplication::translate(
            "OutlineAidCommands", "Check the spelling of outlines with the dictionary:"));
    ask->setComboBoxItems(languages);
    ask->setComboBoxEditable(false);
    ask->setTextValue(current.isEmpty() ? languages.constFirst() : current);
    QObject::connect(ask, &QInputDialog::textValueSelected, [](const QString &language) {
        clsConfig config;
        PulpitSettings::write(config, "SpellingLanguage", language);
        NotesEditorAids::reopenChecker();
    });
    ask->open();
}

void chooseSpeakingRate()
{
    clsConfig config;
    QInputDialog *ask = askDialog("dlgSpeakingRate",
        QCoreApplication::translate("OutlineAidCommands", "Speaking Rate"),
        QCoreApplication::translate(
            "OutlineAidCommands", "Words spoken per minute (for the outline's speaking time):"));
    ask->setInputMode(QInputDialog::IntInput);
    ask->setIntRange(20, 400);
    ask->setIntValue(PulpitSettings::read(config).wordsPerMinute);
    QObject::connect(ask, &QInputDialog::intValueSelected, [](int rate) {
        clsConfig store;
        PulpitSettings::write(store, "WordsPerMinute", QString::number(rate));
        if (NotesEditorAids *aids = NotesEditorAids::instance()) {
            aids->updateWordCount();
        }
    });
    ask->open();
}

} // namespace

void RegisterOutlineAidCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuDSpelling"), &chooseSpellingLanguage);
    main.setCommand(QStringLiteral("mnuDRate"), &chooseSpeakingRate);
    // Without a dictionary the item says what to install; choosing it says it in full.
    if (QAction *item = main.action(QStringLiteral("mnuDSpelling"));
        item && SpellChecker::availableLanguages().isEmpty()) {
        item->setText(
            QCoreApplication::translate("OutlineAidCommands", "S&pelling Language (install %1)...")
                .arg(SpellChecker::suggestedPackage()));
    }
}
