#include "BibleBookNames.h"

#include "ProgramTranslation.h"

#include <QHash>

namespace {

// The usual canon in its order: the English name (as the library stores it) with the
// abbreviations English readers use, then the Spanish name (as the Reina-Valera prints it)
// with the Spanish abbreviations. Abbreviations are keys already (see BibleBookNames::key);
// one that two books could claim ("Jud": Judges, Jude, Judas) is left out, so that it falls
// to the prefix rule and is reported as ambiguous.
struct StandardBook
{
    const char *name;
    const char *abbreviations;
    const char *spanish;
    const char *spanishAbbreviations;
};

constexpr StandardBook Canon[BibleBookNames::BookCount] = {
    { "Genesis", "gen ge gn", "Génesis", "gn gen" },
    { "Exodus", "ex exo exod", "Éxodo", "ex exo" },
    { "Leviticus", "lev le lv", "Levítico", "lv lev" },
    { "Numbers", "num nu nm nb", "Números", "nm num" },
    { "Deuteronomy", "deut de dt", "Deuteronomio", "dt deut" },
    { "Joshua", "josh jos jsh", "Josué", "jos" },
    { "Judges", "judg jdg jg jdgs", "Jueces", "jue jc" },
    { "Ruth", "rth ru", "Rut", "rt" },
    { "1 Samuel", "1sam 1sa 1sm", "1 Samuel", "1s" },
    { "2 Samuel", "2sam 2sa 2sm", "2 Samuel", "2s" },
    { "1 Kings", "1kgs 1ki 1kg", "1 Reyes", "1r 1re 1rey" },
    { "2 Kings", "2kgs 2ki 2kg", "2 Reyes", "2r 2re 2rey" },
    { "1 Chronicles", "1chron 1chr 1ch", "1 Crónicas", "1cr 1cro" },
    { "2 Chronicles", "2chron 2chr 2ch", "2 Crónicas", "2cr 2cro" },
    { "Ezra", "ezr", "Esdras", "esd" },
    { "Nehemiah", "neh ne", "Nehemías", "neh" },
    { "Esther", "esth es", "Ester", "est" },
    { "Job", "jb", "Job", "jb" },
    { "Psalms", "ps psalm pss psa psm", "Salmos", "sal sl salmo" },
    { "Proverbs", "prov pr prv pro", "Proverbios", "pr prov" },
    { "Ecclesiastes", "eccl ecc ec qoh", "Eclesiastés", "ec ecl" },
    { "Song of Solomon", "song sos songofsongs canticles cant ss", "Cantares",
        "cnt cant cantar cantardeloscantares" },
    { "Isaiah", "isa is", "Isaías", "is" },
    { "Jeremiah", "jer je jr", "Jeremías", "jer jr" },
    { "Lamentations", "lam la", "Lamentaciones", "lm lam" },
    { "Ezekiel", "ezek eze ezk", "Ezequiel", "ez eze" },
    { "Daniel", "dan da dn", "Daniel", "dn dan" },
    { "Hosea", "hos ho", "Oseas", "os" },
    { "Joel", "jl", "Joel", "jl" },
    { "Amos", "am", "Amós", "am" },
    { "Obadiah", "obad ob", "Abdías", "abd" },
    { "Jonah", "jon jnh", "Jonás", "jon" },
    { "Micah", "mic mc", "Miqueas", "miq" },
    { "Nahum", "nah na", "Nahúm", "nah" },
    { "Habakkuk", "hab hb", "Habacuc", "hab" },
    { "Zephaniah", "zeph zep zp", "Sofonías", "sof" },
    { "Haggai", "hag hg", "Hageo", "hag" },
    { "Zechariah", "zech zec zc", "Zacarías", "zac" },
    { "Malachi", "mal ml", "Malaquías", "mal" },
    { "Matthew", "matt mt", "Mateo", "mt mat" },
    { "Mark", "mk mrk mar", "Marcos", "mr mrc" },
    { "Luke", "lk luk", "Lucas", "lc luc" },
    { "John", "jn jhn", "Juan", "jn" },
    { "Acts", "ac act", "Hechos", "hch hech" },
    { "Romans", "rom ro rm", "Romanos", "ro rom" },
    { "1 Corinthians", "1cor 1co", "1 Corintios", "1co 1cor" },
    { "2 Corinthians", "2cor 2co", "2 Corintios", "2co 2cor" },
    { "Galatians", "gal ga", "Gálatas", "ga gal" },
    { "Ephesians", "eph ephes", "Efesios", "ef" },
    { "Philippians", "phil php pp", "Filipenses", "fil flp" },
    { "Colossians", "col", "Colosenses", "col" },
    { "1 Thessalonians", "1thess 1thes 1th", "1 Tesalonicenses", "1ts 1tes" },
    { "2 Thessalonians", "2thess 2thes 2th", "2 Tesalonicenses", "2ts 2tes" },
    { "1 Timothy", "1tim 1ti", "1 Timoteo", "1ti 1tim" },
    { "2 Timothy", "2tim 2ti", "2 Timoteo", "2ti 2tim" },
    { "Titus", "tit", "Tito", "tit" },
    { "Philemon", "philem phm pm", "Filemón", "flm" },
    { "Hebrews", "heb", "Hebreos", "he heb" },
    { "James", "jas jm", "Santiago", "stg sant" },
    { "1 Peter", "1pet 1pe 1pt", "1 Pedro", "1p 1pe 1ped" },
    { "2 Peter", "2pet 2pe 2pt", "2 Pedro", "2p 2pe 2ped" },
    { "1 John", "1jn 1jhn 1jo", "1 Juan", "1jn" },
    { "2 John", "2jn 2jhn 2jo", "2 Juan", "2jn" },
    { "3 John", "3jn 3jhn 3jo", "3 Juan", "3jn" },
    { "Jude", "jd", "Judas", "jds" },
    { "Revelation", "rev re rv revelations apocalypse", "Apocalipsis", "ap apoc" },
};

bool inCanon(int canonical)
{
    return canonical >= 1 && canonical <= BibleBookNames::BookCount;
}

} // namespace

QString BibleBookNames::key(const QString &text)
{
    // Decomposed, an accented letter is its plain letter and a mark that is dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c != QLatin1Char('.') && !c.isSpace() && c.category() != QChar::Mark_NonSpacing) {
            folded += c.toCaseFolded();
        }
    }
    return folded;
}

int BibleBookNames::canonicalOf(const QString &storedName)
{
    // Worked out once: a parser is made for every passage list.
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> keys;
        for (int i = 0; i < BookCount; ++i) {
            keys.insert(key(QLatin1String(Canon[i].name)), i + 1);
        }
        return keys;
    }();
    return byKey.value(key(storedName), 0);
}

QString BibleBookNames::englishName(int canonical)
{
    return inCanon(canonical) ? QString::fromLatin1(Canon[canonical - 1].name) : QString();
}

QString BibleBookNames::spanishName(int canonical)
{
    return inCanon(canonical) ? QString::fromUtf8(Canon[canonical - 1].spanish) : QString();
}

QStringList BibleBookNames::abbreviations(int canonical)
{
    if (!inCanon(canonical)) {
        return {};
    }
    const StandardBook &book = Canon[canonical - 1];
    const QString both = QLatin1String(book.abbreviations) + QLatin1Char(' ')
        + QLatin1String(book.spanishAbbreviations);
    return both.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString BibleBookNames::shown(const QString &storedName)
{
    if (!ProgramTranslation::isSpanish()) {
        return storedName;
    }
    const int canonical = canonicalOf(storedName);
    return canonical > 0 ? spanishName(canonical) : storedName;
}
