#include "SpellChecker.h"

#include "ProgramTranslation.h"
#include "SpellingLogging.h"
#include "UserDataFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>
#include <hunspell.hxx>

Q_LOGGING_CATEGORY(lcSpelling, "lectorum.spelling")

namespace {

QString g_personalListPath;

} // namespace

SpellChecker::SpellChecker() = default;
SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::dictionaryFolders()
{
    const QByteArray dicpath = qgetenv("DICPATH");
    if (!dicpath.isNull()) {
        return QString::fromLocal8Bit(dicpath).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    return { QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts") };
}

QStringList SpellChecker::availableLanguages()
{
    QStringList names;
    for (const QString &folder : dictionaryFolders()) {
        const QDir dir(folder);
        for (const QString &aff : dir.entryList({ QStringLiteral("*.aff") }, QDir::Files)) {
            const QString name = aff.chopped(4);
            if (dir.exists(name + QStringLiteral(".dic")) && !names.contains(name)) {
                names.append(name);
            }
        }
    }
    names.sort();
    return names;
}

QString SpellChecker::defaultLanguage()
{
    const QStringList names = availableLanguages();
    const QString system = QLocale::system().name();
    QStringList wanted { system, QStringLiteral("en_US") };
    if (ProgramTranslation::isSpanish()) {
        // hunspell-es: the system's own Spanish (es_MX), else Spain's, else any Spanish.
        wanted = QStringList { QStringLiteral("es_ES") };
        if (system.startsWith(QLatin1String("es_"))) {
            wanted.prepend(system);
        }
        for (const QString &name : names) {
            if (name.startsWith(QLatin1String("es_"))) {
                wanted.append(name);
            }
        }
        wanted.append(QStringLiteral("en_US"));
    }
    for (const QString &name : std::as_const(wanted)) {
        if (names.contains(name)) {
            return name;
        }
    }
    return names.isEmpty() ? QString() : names.constFirst();
}

QString SpellChecker::suggestedPackage()
{
    if (ProgramTranslation::isSpanish()) {
        return QStringLiteral("hunspell-es");
    }
    const QString system
        = QLocale::system().name().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    return system.isEmpty() || system == QLatin1String("c") ? QStringLiteral("hunspell-en-us")
                                                            : QStringLiteral("hunspell-") + system;
}

bool SpellChecker::open(const QString &language)
{
    m_hunspell.reset();
    m_language.clear();
    for (const QString &folder : dictionaryFolders()) {
        const QString stem = QDir(folder).filePath(language);
        const QString aff = stem + QStringLiteral(".aff");
        const QString dic = stem + QStringLiteral(".dic");
        if (language.isEmpty() || !QFile::exists(aff) || !QFile::exists(dic)) {
            continue;
        }
        m_hunspell = std::make_unique<Hunspell>(
            QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
        const QByteArray encoding = QByteArray::fromStdString(m_hunspell->get_dict_encoding());
        auto encoder = std::make_unique<QStringEncoder>(encoding.constData());
        if (!encoder->isValid()) {
            qCWarning(lcSpelling) << "dictionary" << dic << "has an unknown encoding" << encoding;
            encoder = std::make_unique<QStringEncoder>(QStringConverter::Latin1);
        }
        m_encoder = std::move(encoder);
        auto decoder = std::make_unique<QStringDecoder>(encoding.constData());
        m_decoder = decoder->isValid() ? std::move(decoder)
                                       : std::make_unique<QStringDecoder>(QStringConverter::Latin1);
        m_language = language;
        loadPersonalList();
        return true;
    }
    if (!language.isEmpty()) {
        qCInfo(lcSpelling) << "no dictionary" << language << "in" << dictionaryFolders();
    }
    return false;
}

std::string SpellChecker::encode(const QString &word) const
{
    return QByteArray((*m_encoder)(word)).toStdString();
}

QString SpellChecker::decode(const std::string &word) const
{
    return (*m_decoder)(QByteArray::fromStdString(word));
}

bool SpellChecker::isCorrect(const QString &word) const
{
    if (!m_hunspell || word.isEmpty() || m_accepted.contains(word)
        || m_accepted.contains(word.toLower())) {
        return true;
    }
    // A possessive is right when its word is ("Moses'", "Paul's" with a curly apostrophe).
    QString plain = word;
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    if (plain.endsWith(QLatin1String("'s")) && m_accepted.contains(plain.chopped(2))) {
        return true;
    }
    return m_hunspell->spell(encode(plain));
}

QStringList SpellChecker::suggestions(const QString &word) const
{
    QStringList found;
    if (!m_hunspell) {
        return found;
    }
    for (const std::string &s : m_hunspell->suggest(encode(word))) {
        found.append(decode(s));
    }
    return found;
}

void SpellChecker::acceptWords(const QStringList &words)
{
    for (const QString &w : words) {
        m_accepted.insert(w);
    }
}

QString SpellChecker::personalListPath()
{
    return g_personalListPath.isEmpty()
        ? UserDataFolder::path() + QStringLiteral("/personal-words.txt")
        : g_personalListPath;
}

void SpellChecker::setPersonalListPath(const QString &path)
{
    g_personalListPath = path;
}

void SpellChecker::loadPersonalList()
{
    QFile file(personalListPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return;
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString word = in.readLine().trimmed();
        if (!word.isEmpty()) {
            m_accepted.insert(word);
        }
    }
}

bool SpellChecker::addToPersonalList(const QString &word, QString *error)
{
    const QString clean = word.trimmed();
    if (clean.isEmpty()) {
        return false;
    }
    const auto fail = [error](const QString &reason) {
        qCWarning(lcSpelling) << "the personal word list" << personalListPath()
                              << "could not be written:" << reason;
        if (error) {
            *error = reason;
        }
        return false;
    };
    QString reason;
    if (g_personalListPath.isEmpty() && !UserDataFolder::create(reason)) {
        return fail(reason);
    }
    // The whole list is written to a new file that replaces the old one only when complete.
    QStringList words;
    QFile old(personalListPath());
    if (old.open(QIODevice::ReadOnly | QIODevice::Text)) {
        words = QString::fromUtf8(old.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    if (!words.contains(clean)) {
        words.append(clean);
    }
    QSaveFile file(personalListPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)
        || file.write((words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0
        || !file.commit()) {
        return fail(file.errorString());
    }
    m_accepted.insert(clean);
    return true;
}
