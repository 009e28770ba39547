#include "StatementLog.h"

#include <atomic>

namespace {
std::atomic<qint64> g_count{0};
bool g_recording = false;
QStringList &texts()
{
    static QStringList list;
    return list;
}
} // namespace

void StatementLog::note(const QString &sql)
{
    ++g_count;
    if (g_recording)
        texts().append(sql);
}

qint64 StatementLog::count() { return g_count.load(); }

void StatementLog::setRecording(bool on) { g_recording = on; }

QStringList StatementLog::recorded() { return texts(); }

void StatementLog::clear()
{
    texts().clear();
    g_count = 0;
}
