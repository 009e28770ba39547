#include "SwordLibrary.h"

#include "ProgramTranslation.h"
#include "ScriptureLogging.h"
#include "SwordModuleCheck.h"
#include "SwordTextCleanup.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <localemgr.h>
#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <QCoreApplication>
#include <cctype>
#include <cstring>
#include <mutex>

namespace {

// The standard (OSIS) names of the library's 66 books, in its order.
constexpr const char *OsisBooks[] = { "Gen", "Exod", "Lev", "Num", "Deut", "Josh", "Judg", "Ruth",
    "1Sam", "2Sam", "1Kgs", "2Kgs", "1Chr", "2Chr", "Ezra", "Neh", "Esth", "Job", "Ps", "Prov",
    "Eccl", "Song", "Isa", "Jer", "Lam", "Ezek", "Dan", "Hos", "Joel", "Amos", "Obad", "Jonah",
    "Mic", "Nah", "Hab", "Zeph", "Hag", "Zech", "Mal", "Matt", "Mark", "Luke", "John", "Acts",
    "Rom", "1Cor", "2Cor", "Gal", "Eph", "Phil", "Col", "1Thess", "2Thess", "1Tim", "2Tim", "Titus",
    "Phlm", "Heb", "Jas", "1Pet", "2Pet", "1John", "2John", "3John", "Jude", "Rev" };
constexpr int BookCount = int(std::size(OsisBooks));

// The options of SWORD's filters: the text alone, as printed.
constexpr const char *OptionsOff[]
    = { "Footnotes", "Cross-references", "Headings", "Strong's Numbers", "Morphological Tags",
          "Lemmas", "Words of Christ in Red", "Morpheme Segmentation", "Textual Variants" };

QString systemFolder()
{
    // Debian's SWORD names its folder in /etc/sword.conf.
    const QSettings conf(QStringLiteral("/etc/sword.conf"), QSettings::IniFormat);
    const QString path = conf.value(QStringLiteral("Install/DataPath")).toString();
    return path.isEmpty() ? QStringLiteral("/usr/share/sword") : path;
}

QString fromSword(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// A paragraph starts in the raw entry before its first word: the markup before the first
// character of text opens one.
bool startsParagraph(const std::string &raw)
{
    std::size_t text = 0;
    while (text < raw.size()) {
        if (raw[text] == '<') {
            const std::size_t close = raw.find('>', text);
            text = close == std::string::npos ? raw.size() : close + 1;
        } else if (std::isspace(static_cast<unsigned char>(raw[text]))) {
            ++text;
        } else {
            break;
        }
    }
    const std::string head = raw.substr(0, text);
    const bool opensDiv
        = head.find("type=\"x-p\"") != std::string::npos && head.find("sID=") != std::string::npos;
    return opensDiv || head.find("<p>") != std::string::npos
        || head.find("<p ") != std::string::npos
        || raw.compare(text, 2, "\xC2\xB6") == 0; // the KJV's pilcrow
}

// SWORD's locale manager reads every translation of the book names (some 100 files) when
// first used, which is most of the time it takes to open. We never let SWORD name or parse a
// book (books go by their OSIS names and numbers), so it gets a manager over a folder that
// cannot exist and keeps only its built-in English.
void skipLocaleFiles()
{
    static std::once_flag once;
    std::call_once(
        once, [] { sword::LocaleMgr::setSystemLocaleMgr(new sword::LocaleMgr("/dev/null/")); });
}

// One verse as printed: the text rendered by the module's filters, with its paragraph mark.
ScriptureVerse readOneVerse(sword::SWModule *bible, sword::VerseKey &verseKey, int testament,
    int bookInTestament, int chapter, int verse)
{
    verseKey.setTestament(char(testament));
    verseKey.setBook(char(bookInTestament));
    verseKey.setChapter(chapter);
    verseKey.setVerse(verse);
    bible->setKey(verseKey);
    const std::string raw = bible->getRawEntry();
    const sword::SWBuf shown = bible->renderText(raw.c_str(), int(raw.size()));
    ScriptureVerse read { chapter, verse,
        QString::fromUtf8(shown.c_str(), int(shown.length())).simplified(), startsParagraph(raw) };
    // The KJV marks paragraphs with a pilcrow in the text; the layout shows them.
    if (read.text.startsWith(QChar(0x00B6))) {
        read.text = read.text.mid(1).trimmed();
        read.paragraph = true;
    }
    return read;
}

} // namespace

SwordLibrary::SwordLibrary()
    : m_cleanup(std::make_unique<SwordTextCleanup>())
{
    skipLocaleFiles();
    const QStringList folders = moduleFolders();
    if (folders.isEmpty()) {
        return;
    }
    const QByteArray first = QFile::encodeName(folders.first() + QLatin1Char('/'));
    // Explicit folders only: SWORD's own search would also read the working folder.
    m_manager = std::make_unique<sword::SWMgr>(
        first.constData(), true, new sword::MarkupFilterMgr(sword::FMT_PLAIN), false, false);
    for (qsizetype i = 1; i < folders.size(); ++i) {
        m_manager->augmentModules(QFile::encodeName(folders.at(i) + QLatin1Char('/')).constData());
    }
    for (const char *option : OptionsOff) {
        m_manager->setGlobalOption(option, "Off");
    }
    for (auto &entry : m_manager->Modules) {
        sword::SWModule *bible = entry.second;
        if (std::strcmp(bible->getType(), sword::SWMgr::MODTYPE_BIBLES) != 0) {
            continue;
        }
        bible->addRawFilter(m_cleanup.get());
        BibleVersion version;
        version.name = fromSword(bible->getName());
        version.shortName = fromSword(bible->getConfigEntry("Abbreviation"));
        if (version.shortName.isEmpty()) {
            version.shortName = version.name;
        }
        version.description = fromSword(bible->getDescription());
        version.licence = fromSword(bible->getConfigEntry("DistributionLicense"));
        m_versions.append(version);
    }
    if (m_versions.isEmpty()) {
        qCInfo(lcScripture) << "no Bible modules in" << folders;
    }
}

SwordLibrary::~SwordLibrary() = default;

QStringList SwordLibrary::moduleFolders()
{
    QStringList candidates;
    if (qEnvironmentVariableIsSet("SWORD_PATH")) {
        candidates << qEnvironmentVariable("SWORD_PATH");
    } else {
        candidates << systemFolder();
    }
    candidates << QDir::homePath() + QStringLiteral("/.sword");
    QStringList folders;
    for (const QString &candidate : std::as_const(candidates)) {
        if (candidate.isEmpty()) {
            continue;
        }
        const QString folder = QDir::cleanPath(candidate);
        if (QFileInfo(folder + QStringLiteral("/mods.d")).isDir() && !folders.contains(folder)) {
            folders << folder;
        }
    }
    return folders;
}

QString SwordLibrary::noBibleMessage()
{
    return QCoreApplication::translate("SwordLibrary",
        "No Bible text is installed. Install a Bible package such as sword-text-web to see the "
        "passage here.");
}

QList<BibleVersion> SwordLibrary::versions() const
{
    return m_versions;
}

QString SwordLibrary::defaultVersion() const
{
    // With the Spanish interface the Reina-Valera 1909 (sword-text-sparv) when installed.
    if (ProgramTranslation::isSpanish()) {
        for (const BibleVersion &version : m_versions) {
            if (version.name.startsWith(QLatin1String("spaRV1909"))) {
                return version.name;
            }
        }
    }
    for (const BibleVersion &version : m_versions) {
        if (version.shortName == QLatin1String("WEB")
            || version.name.startsWith(QLatin1String("engWEB"))) {
            return version.name;
        }
    }
    return m_versions.isEmpty() ? QString() : m_versions.first().name;
}

sword::SWModule *SwordLibrary::module(const QString &name) const
{
    for (const BibleVersion &version : m_versions) {
        if (version.name == name) {
            return m_manager->getModule(name.toUtf8().constData());
        }
    }
    return nullptr;
}

QString SwordLibrary::moduleDamage(sword::SWModule *bible)
{
    const QString name = fromSword(bible->getName());
    const auto known = m_damage.constFind(name);
    if (known != m_damage.constEnd()) {
        return *known;
    }
    const QString damage = SwordModuleCheck::damage(fromSword(bible->getConfigEntry("ModDrv")),
        fromSword(bible->getConfigEntry("AbsoluteDataPath")));
    if (!damage.isEmpty()) {
        qCWarning(lcScripture) << "module" << name << "refused:" << damage;
    }
    m_damage.insert(name, damage);
    return damage;
}

ScripturePassage SwordLibrary::read(const QString &version, const BiblePassage &passage, int cap)
{
    ScripturePassage result;
    result.reading = passage.reading();
    if (m_versions.isEmpty()) {
        result.message = noBibleMessage();
        return result;
    }
    sword::SWModule *bible = module(version);
    if (!bible) {
        bible = module(defaultVersion());
    }
    result.moduleName = fromSword(bible->getName());
    for (const BibleVersion &known : std::as_const(m_versions)) {
        if (known.name == result.moduleName) {
            result.shortName = known.shortName;
        }
    }
    const QString damage = moduleDamage(bible);
    if (!damage.isEmpty()) {
        result.message = QCoreApplication::translate(
            "SwordLibrary", "The Bible version %1 cannot be read: %2.")
                             .arg(result.moduleName, damage);
        return result;
    }
    if (passage.bookID < 1 || passage.bookID > BookCount) {
        result.message
            = QCoreApplication::translate("SwordLibrary", "%1 is not a book of the Bible versions.")
                  .arg(passage.bookName.trimmed());
        return result;
    }
    return readBook(bible, passage, cap, result);
}

ScripturePassage SwordLibrary::readBook(
    sword::SWModule *bible, const BiblePassage &passage, int cap, ScripturePassage result)
{
    std::unique_ptr<sword::SWKey> key(bible->createKey());
    auto *verseKey = dynamic_cast<sword::VerseKey *>(key.get());
    const sword::VersificationMgr::System *system = verseKey
        ? sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(
            verseKey->getVersificationSystem())
        : nullptr;
    const int number = system ? system->getBookNumberByOSISName(OsisBooks[passage.bookID - 1]) : -1;
    const QString bookName = passage.bookName.trimmed();
    if (number <= 0) {
        result.message = QCoreApplication::translate("SwordLibrary", "%1 does not include %2.")
                             .arg(result.shortName, bookName);
        return result;
    }
    const sword::VersificationMgr::Book *book = system->getBook(number - 1);
    verseKey->setTestament(1);
    const int firstTestamentBooks = verseKey->getBookMax();
    const int testament = number <= firstTestamentBooks ? 1 : 2;
    const int bookInTestament = testament == 1 ? number : number - firstTestamentBooks;
    const auto readVerse = [&](int chapter, int verse) {
        return readOneVerse(bible, *verseKey, testament, bookInTestament, chapter, verse);
    };

    const int chapters = book->getChapterMax();
    const int fromChapter = qMax(1, passage.from.chapter);
    const int fromVerse = qMax(1, passage.from.verse);
    if (fromChapter > chapters || fromVerse > book->getVerseMax(fromChapter)) {
        result.message = QCoreApplication::translate("SwordLibrary", "%1 has no %2.")
                             .arg(result.shortName, result.reading);
        return result;
    }
    BiblePassage::Place to = passage.to;
    if (to < passage.from) {
        to = passage.from;
    }
    const int toChapter = qBound(fromChapter, to.chapter, chapters);
    const int lastOfTo = book->getVerseMax(toChapter);
    const int toVerse
        = to.verse <= 0 || to.verse > lastOfTo || to.chapter > chapters ? lastOfTo : to.verse;
    for (int chapter = fromChapter; chapter <= toChapter; ++chapter) {
        const int first = chapter == fromChapter ? fromVerse : 1;
        const int last = chapter == toChapter ? toVerse : book->getVerseMax(chapter);
        for (int verse = first; verse <= last; ++verse) {
            if (result.verses.size() >= cap) {
                result.moreVerses += last - verse + 1;
                break;
            }
            ScriptureVerse read = readVerse(chapter, verse);
            if (!read.text.isEmpty()) {
                result.verses.append(read);
            }
        }
    }
    if (result.verses.isEmpty()) {
        // Text that SWORD could not unpack reads as empty: say the module is damaged rather
        // than that the version lacks the passage.
        const QString unreadable
            = SwordModuleCheck::unreadableData(fromSword(bible->getConfigEntry("ModDrv")),
                fromSword(bible->getConfigEntry("CompressType")),
                fromSword(bible->getConfigEntry("AbsoluteDataPath")), testament);
        if (!unreadable.isEmpty()) {
            qCWarning(lcScripture) << "module" << result.moduleName << "unreadable:" << unreadable;
            result.message = QCoreApplication::translate(
                "SwordLibrary", "The Bible version %1 cannot be read: %2.")
                                 .arg(result.moduleName, unreadable);
            return result;
        }
        const bool bookHasText = !readVerse(1, 1).text.isEmpty();
        result.message = bookHasText
            ? QCoreApplication::translate("SwordLibrary", "%1 has no text for %2.")
                  .arg(result.shortName, result.reading)
            : QCoreApplication::translate("SwordLibrary", "%1 does not include %2.")
                  .arg(result.shortName, bookName);
    }
    return result;
}
