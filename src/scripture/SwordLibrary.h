#pragma once

#include "BiblePassage.h"
#include "ScriptureTypes.h"

#include <QHash>
#include <QStringList>
#include <memory>

namespace sword {
class SWMgr;
class SWModule;
} // namespace sword
class SwordTextCleanup;

// The installed Bibles, read through SWORD. Opening it reads every module's description
// (tens of milliseconds): make one, on a worker thread, and keep it. Not thread-safe: one
// thread uses it (ScriptureService's worker).
//
// The modules come from SWORD_PATH when it is set (instead of the system's folder, as
// SWORD itself reads it), else from the system's folder (/etc/sword.conf's DataPath,
// /usr/share/sword), and always from the user's ~/.sword. Only Bible texts are listed.
class SwordLibrary
{
public:
    static constexpr int DefaultVerseCap = 200;

    SwordLibrary();
    ~SwordLibrary();
    SwordLibrary(const SwordLibrary &) = delete;
    SwordLibrary &operator=(const SwordLibrary &) = delete;

    // The folders searched, in order; each may hold mods.d and modules.
    static QStringList moduleFolders();
    // The message shown where a passage would be when no Bible is installed.
    static QString noBibleMessage();

    QList<BibleVersion> versions() const;
    // The module to read when none was chosen or the chosen one is gone: the WEB when
    // installed (the Reina-Valera 1909 with the Spanish interface), else the first. Empty
    // with no Bible.
    QString defaultVersion() const;

    // The passage of a book of the library (1 Genesis ... 66 Revelation) in the version
    // named (empty or unknown: the default), at most `cap` verses. A book 1..66 is found in
    // the module by its standard (OSIS) name, never by the module's own book number.
    ScripturePassage read(
        const QString &version, const BiblePassage &passage, int cap = DefaultVerseCap);

private:
    sword::SWModule *module(const QString &name) const;
    ScripturePassage readBook(
        sword::SWModule *bible, const BiblePassage &passage, int cap, ScripturePassage result);
    QString moduleDamage(sword::SWModule *bible);

    std::unique_ptr<sword::SWMgr> m_manager;
    std::unique_ptr<SwordTextCleanup> m_cleanup;
    QList<BibleVersion> m_versions;
    QHash<QString, QString> m_damage; // module name -> what is wrong ("" sound), checked once
};
