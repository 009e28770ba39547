#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;
class QStringDecoder;
class QStringEncoder;

// Spelling through Hunspell: the only class that calls the library. A checker opens one
// dictionary (a pair NAME.aff / NAME.dic) and answers for single words; words the user added
// (the personal word list, a file in the user's data folder) and words the program gives it
// (Bible names, the library's book names) are always correct.
//
// Dictionaries are looked for in the folders of DICPATH when it is set (and only there, so a
// user or a test can point it at a folder of their own), else in /usr/share/hunspell and
// /usr/share/myspell/dicts, where Debian's hunspell-* packages put them.
class SpellChecker
{
public:
    SpellChecker();
    ~SpellChecker();

    static QStringList dictionaryFolders();
    // The dictionary names found, sorted ("en_US", "de_DE" ...).
    static QStringList availableLanguages();
    // The system locale's dictionary when installed, else en_US when installed, else the
    // first one found; "" when none is. With the Spanish interface a Spanish one
    // (hunspell-es) comes first: the system's own Spanish, else es_ES, else any.
    static QString defaultLanguage();
    // The package that brings a dictionary for the system's language (hunspell-es with the
    // Spanish interface).
    static QString suggestedPackage();

    // Opens a dictionary; false (and the checker off) when it is not installed.
    bool open(const QString &language);
    bool isOpen() const { return m_hunspell != nullptr; }
    QString language() const { return m_language; }

    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    // Adds a word to the personal word list (the file and this checker); false, with the
    // reason in `error`, when the file could not be written: the word is then not taken
    // either, so that what the user sees (still underlined) matches what was kept.
    bool addToPersonalList(const QString &word, QString *error = nullptr);
    // Words taken as correct while the program runs (not written anywhere).
    void acceptWords(const QStringList &words);

    // The personal word list's file; tests move it.
    static QString personalListPath();
    static void setPersonalListPath(const QString &path);

private:
    std::string encode(const QString &word) const;
    QString decode(const std::string &word) const;
    void loadPersonalList();

    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<QStringEncoder> m_encoder;
    std::unique_ptr<QStringDecoder> m_decoder;
    QString m_language;
    QSet<QString> m_accepted; // case as given, and in lower case
};
