#include "StatementLog.h"

#include <QMutex>
#include <QMutexLocker>
#include <atomic>

namespace {
std::atomic<qint64> g_count { 0 };
std::atomic<bool> g_recording { false };
// Backups and checks run on worker threads and note their statements too.
QMutex g_textsLock;
QStringList &texts()
{
    static QStringList list;
    return list;
}
} // namespace

void StatementLog::note(const QString &sql)
{
    ++g_count;
    if (g_recording) {
        const QMutexLocker lock(&g_textsLock);
        texts().append(sql);
    }
}

qint64 StatementLog::count()
{
    return g_count.load();
}

void StatementLog::setRecording(bool on)
{
    g_recording = on;
}

QStringList StatementLog::recorded()
{
    const QMutexLocker lock(&g_textsLock);
    return texts();
}

void StatementLog::clear()
{
    const QMutexLocker lock(&g_textsLock);
    texts().clear();
    g_count = 0;
}
