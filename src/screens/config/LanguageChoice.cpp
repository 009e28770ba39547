#include "LanguageChoice.h"

#include "ProgramTranslation.h"
#include "clsConfig.h"

#include <QInputDialog>

QInputDialog *LanguageChoice::open(QWidget *parent)
{
    const QStringList codes = ProgramTranslation::languages();
    QStringList names;
    for (const QString &code : codes) {
        names.append(ProgramTranslation::nativeName(code));
    }
    clsConfig config;
    const QString current = ProgramTranslation::chosenLanguage(config);

    auto *ask = new QInputDialog(parent);
    ask->setObjectName(QStringLiteral("dlgLanguage"));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(tr("Language"));
    ask->setLabelText(tr("The language of Lectorum's windows and messages.\n"
                         "The change applies the next time Lectorum starts."));
    ask->setComboBoxItems(names);
    ask->setComboBoxEditable(false);
    ask->setTextValue(names.value(qMax(0, codes.indexOf(current))));
    QObject::connect(
        ask, &QInputDialog::textValueSelected, [codes, names, current](const QString &name) {
            const QString chosen = codes.value(names.indexOf(name));
            // Kept only when changed: an unchanged choice goes on following the system.
            if (!chosen.isEmpty() && chosen != current) {
                clsConfig store;
                ProgramTranslation::saveLanguage(store, chosen);
            }
        });
    ask->open();
    return ask;
}
