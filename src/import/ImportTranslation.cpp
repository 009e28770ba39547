#include "ImportTranslation.h"

#include "ImportLogging.h"

#include <QCoreApplication>
#include <QTranslator>

namespace ImportTranslation {

bool install()
{
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/i18n/lectorum_en.qm"))) {
        qCWarning(lcImport) << "the English plural forms could not be loaded";
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
}

} // namespace ImportTranslation
