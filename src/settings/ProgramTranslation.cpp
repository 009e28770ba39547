#include "ProgramTranslation.h"

#include <QLoggingCategory>

#include <QCoreApplication>
#include <QTranslator>

namespace ProgramTranslation {

bool install()
{
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/i18n/lectorum_en.qm"))) {
        qWarning() << "the program's translation could not be loaded";
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
}

} // namespace ProgramTranslation
