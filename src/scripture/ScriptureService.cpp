#include "ScriptureService.h"

#include "SwordLibrary.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace {
QPointer<ScriptureService> g_service;
} // namespace

ScriptureService &ScriptureService::instance()
{
    if (!g_service) {
        g_service = new ScriptureService;
    }
    return *g_service;
}

ScriptureService::ScriptureService()
    : QObject(QCoreApplication::instance())
{
}

ScriptureService::~ScriptureService()
{
    stop();
}

QObject *ScriptureService::worker()
{
    if (!m_worker) {
        m_thread = new QThread(this);
        m_thread->setObjectName(QStringLiteral("scripture"));
        m_worker = new QObject;
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread->start(QThread::LowPriority);
    }
    return m_worker;
}

SwordLibrary &ScriptureService::library()
{
    Q_ASSERT(QThread::currentThread() == m_thread);
    if (!m_library) {
        m_library = new SwordLibrary;
    }
    return *m_library;
}

void ScriptureService::stop()
{
    if (!m_worker) {
        return;
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this] {
            delete m_library;
            m_library = nullptr;
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_worker = nullptr;
}

void ScriptureService::restart()
{
    stop();
}

quint64 ScriptureService::request(const QString &version, const BiblePassage &passage, int cap)
{
    const quint64 ticket = ++m_lastTicket;
    QMetaObject::invokeMethod(
        worker(),
        [this, ticket, version, passage, cap] {
            const ScripturePassage read = library().read(version, passage, cap);
            // The service outlives its worker (stop() waits for it), so posting back is safe.
            QMetaObject::invokeMethod(
                this, [this, ticket, read] { Q_EMIT passageRead(ticket, read); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return ticket;
}

ScripturePassage ScriptureService::readNow(
    const QString &version, const BiblePassage &passage, int cap)
{
    ScripturePassage read;
    QMetaObject::invokeMethod(
        worker(),
        [this, &read, version, passage, cap] { read = library().read(version, passage, cap); },
        Qt::BlockingQueuedConnection);
    return read;
}

QList<BibleVersion> ScriptureService::versionsNow()
{
    QList<BibleVersion> versions;
    QMetaObject::invokeMethod(
        worker(), [this, &versions] { versions = library().versions(); },
        Qt::BlockingQueuedConnection);
    return versions;
}

QString ScriptureService::defaultVersionNow()
{
    QString name;
    QMetaObject::invokeMethod(
        worker(), [this, &name] { name = library().defaultVersion(); },
        Qt::BlockingQueuedConnection);
    return name;
}
