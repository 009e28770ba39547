#pragma once

#include "BiblePassage.h"
#include "ScriptureTypes.h"

#include <QObject>

class QThread;
class SwordLibrary;

// The one door to the Bible text for the screens. SWORD is opened once, on the first
// request, on a worker thread of its own, and every read runs there: the interface thread
// never waits for a module to load unless it asks for an answer at once (readNow, for
// commands the user has just chosen, such as inserting or printing a passage).
//
// request() answers later through passageRead() with its ticket, on the interface thread;
// a screen keeps the ticket of its last request and ignores older answers.
class ScriptureService : public QObject
{
    Q_OBJECT
public:
    static ScriptureService &instance();
    ~ScriptureService() override;

    // An empty version reads the default (the WEB when installed, else the first module).
    // At most `cap` verses are read (the rest counted).
    quint64 request(const QString &version, const BiblePassage &passage, int cap = 200);
    ScripturePassage readNow(const QString &version, const BiblePassage &passage, int cap = 200);
    QList<BibleVersion> versionsNow();
    QString defaultVersionNow();

    // Closes SWORD and ends the worker; the next request opens it again (tests, after
    // changing SWORD_PATH).
    void restart();

    // The chosen version or layout changed: screens showing a passage read it again.
    void announceSettingsChanged() { Q_EMIT settingsChanged(); }

Q_SIGNALS:
    void passageRead(quint64 ticket, const ScripturePassage &passage);
    void settingsChanged();

private:
    ScriptureService();
    QObject *worker();
    SwordLibrary &library(); // on the worker thread only
    void stop();

    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    SwordLibrary *m_library = nullptr; // made and deleted on the worker thread
    quint64 m_lastTicket = 0;
};
