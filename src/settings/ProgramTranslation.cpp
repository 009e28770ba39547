#include "ProgramTranslation.h"

#include "clsConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace ProgramTranslation {

namespace {

const QString Section = QStringLiteral("Interface");
const QString Key = QStringLiteral("Language");
const QString English = QStringLiteral("en");

QString g_language = English;
QTranslator *g_program = nullptr;
QTranslator *g_qt = nullptr;

QString programFile(const QString &language)
{
    return QStringLiteral(":/i18n/lectorum_%1.qm").arg(language);
}

// "es_MX.UTF-8" and "es" both read "es"; "C" and "POSIX" name no language.
QString languageOf(const QString &localeName)
{
    QString code = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).toLower();
    return code == QLatin1String("c") || code == QLatin1String("posix") ? QString() : code;
}

void removeInstalled()
{
    for (QTranslator **installed : { &g_program, &g_qt }) {
        if (*installed) {
            QCoreApplication::removeTranslator(*installed);
            delete *installed;
            *installed = nullptr;
        }
    }
}

} // namespace

QStringList languages()
{
    QStringList found;
    const QStringList files
        = QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("lectorum_*.qm") });
    for (const QString &file : files) {
        found.append(file.mid(9).chopped(3));
    }
    found.removeAll(English);
    found.sort();
    found.prepend(English);
    return found;
}

QString nativeName(const QString &language)
{
    // Each translation names its own language: the translator writes it, not the code.
    return textIn(
        language, "ProgramTranslation", QT_TRANSLATE_NOOP("ProgramTranslation", "English"));
}

QString textIn(const QString &language, const char *context, const char *source)
{
    QTranslator translation;
    QString text;
    if (translation.load(programFile(language))) {
        text = translation.translate(context, source);
    }
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString systemLanguage()
{
    // The order gettext reads them in: LANGUAGE is a list of preferences, the others one
    // locale each; the first set variable decides, except that LANGUAGE may fall through.
    const QStringList available = languages();
    const QString preferences = qEnvironmentVariable("LANGUAGE");
    for (const QString &entry : preferences.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (available.contains(languageOf(entry))) {
            return languageOf(entry);
        }
    }
    for (const char *variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            const QString code = languageOf(value);
            return available.contains(code) ? code : English;
        }
    }
    return English;
}

QString chosenLanguage(clsConfig &config)
{
    const QString saved = config.GetConfig(Section, Key, QString()).trimmed().toLower();
    return languages().contains(saved) ? saved : systemLanguage();
}

bool saveLanguage(clsConfig &config, const QString &language)
{
    return config.SaveConfig(Section, Key, language);
}

bool install()
{
    if (g_program) {
        return true;
    }
    clsConfig config;
    return install(chosenLanguage(config));
}

bool install(const QString &language)
{
    removeInstalled();
    g_language = English;
    auto *program = new QTranslator(QCoreApplication::instance());
    if (!program->load(programFile(language))) {
        qWarning() << "the program's translation could not be loaded:" << language;
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    g_program = program;
    g_language = language;
    if (language != English) {
        // Qt's own dialogs (file chooser, message-box buttons, print dialog), from the
        // system's package of Qt translations; without it they stay English.
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            g_qt = qt;
        } else {
            qInfo() << "Qt's own translation is not installed for" << language;
            delete qt;
        }
    }
    return true;
}

QString language()
{
    return g_language;
}

bool isSpanish()
{
    return g_language == QLatin1String("es");
}

} // namespace ProgramTranslation
