#include "clsSystemInfo.h"

#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "clsConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTime>
#include <thread>

#if defined(Q_OS_LINUX)
#include <sys/sysinfo.h>
#endif

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

clsSystemInfo::Clock &testClock()
{
    static clsSystemInfo::Clock c;
    return c;
}

int secondsSinceMidnight()
{
    if (testClock()) {
        return testClock()();
    }
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

struct Memory
{
    qint64 total = 0;
    qint64 available = 0;
    qint64 swapTotal = 0;
    qint64 swapFree = 0;
};

// /proc/meminfo tells what is available for new programs (free plus reclaimable cache);
// sysinfo() is the fall-back with only the free part.
Memory readMemory()
{
    Memory memory;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression line(QStringLiteral("^(\\w+):\\s+(\\d+)\\s*kB"));
        const QStringList lines = QString::fromLatin1(meminfo.readAll()).split(QLatin1Char('\n'));
        for (const QString &text : lines) {
            const QRegularExpressionMatch m = line.match(text);
            if (!m.hasMatch()) {
                continue;
            }
            const qint64 bytes = m.captured(2).toLongLong() * 1024;
            const QString key = m.captured(1);
            if (key == QLatin1String("MemTotal")) {
                memory.total = bytes;
            } else if (key == QLatin1String("MemAvailable")) {
                memory.available = bytes;
            } else if (key == QLatin1String("SwapTotal")) {
                memory.swapTotal = bytes;
            } else if (key == QLatin1String("SwapFree")) {
                memory.swapFree = bytes;
            }
        }
    }
#if defined(Q_OS_LINUX)
    if (memory.total == 0) {
        struct sysinfo info
        {
        };
        if (sysinfo(&info) == 0) {
            const qint64 unit = info.mem_unit ? info.mem_unit : 1;
            memory.total = qint64(info.totalram) * unit;
            memory.available = qint64(info.freeram + info.bufferram) * unit;
            memory.swapTotal = qint64(info.totalswap) * unit;
            memory.swapFree = qint64(info.freeswap) * unit;
        }
    }
#endif
    return memory;
}

qint32 cpuTypeNumber(const QString &architecture)
{
    if (architecture == QLatin1String("x86_64")) {
        return 8664;
    }
    if (architecture == QLatin1String("i386") || architecture == QLatin1String("i686")) {
        return 586;
    }
    if (architecture == QLatin1String("ia64")) {
        return 2200;
    }
    return 0;
}

} // namespace

void clsSystemInfo::setClock(Clock c)
{
    testClock() = std::move(c);
}

clsSystemInfo::clsSystemInfo()
    : m_appName(AppTitle)
{
    readUserInfo();
    gather();
}

void clsSystemInfo::readUserInfo()
{
    // The program's own settings carry the program's name; another name is read from the
    // settings of that application.
    clsConfig store;
    const QString own = ProgramConfig().ConfigName();
    store.setConfigName(m_appName.compare(own, Qt::CaseInsensitive) == 0 ? own : m_appName);
    m_userName
        = store.GetConfig(QStringLiteral("MS User Info"), QStringLiteral("DefName"), QString());
    m_company
        = store.GetConfig(QStringLiteral("MS User Info"), QStringLiteral("DefCompany"), QString());
}

void clsSystemInfo::setAppName(const QString &name)
{
    if (name.trimmed().isEmpty()) {
        MsgBox(QCoreApplication::translate(
                   "clsSystemInfo", "You cannot set the AppName to empty string."),
            MsgBoxStyle::OkExclamation, QStringLiteral("clsSystemInfo"));
        return;
    }
    m_appName = name;
    readUserInfo();
}

bool clsSystemInfo::IsInfoCurrent() const
{
    if (m_gatheredAt < 0) {
        return false;
    }
    // Past midnight the clock starts again at 0: the age counts on from the day before.
    int age = secondsSinceMidnight() - m_gatheredAt;
    if (age < 0) {
        age += SecondsPerDay;
    }
    return age < FreshSeconds;
}

void clsSystemInfo::GetSysInfo32()
{
    if (!IsInfoCurrent()) {
        gather();
    }
}

void clsSystemInfo::gather()
{
    const Memory memory = readMemory();
    m_totalPhysical = memory.total;
    m_availPhysical = memory.available;
    m_memoryLoad = memory.total > 0 ? (memory.total - memory.available) * 100 / memory.total : 0;
    m_totalVirtual = memory.total + memory.swapTotal;
    m_availVirtual = memory.available + memory.swapFree;
    m_numCPU = qint32(std::thread::hardware_concurrency());
    m_cpuArchitecture = QSysInfo::currentCpuArchitecture();
    m_cpuType = cpuTypeNumber(m_cpuArchitecture);
    WinDirInfo();
    m_operatingSystem = QSysInfo::prettyProductName();
    m_gatheredAt = secondsSinceMidnight();
    ++m_gatherCount;
}

void clsSystemInfo::WinDirInfo()
{
    m_winDir = QLibraryInfo::path(QLibraryInfo::PrefixPath);
    m_winSysDir = QLibraryInfo::path(QLibraryInfo::LibrariesPath);
    QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (!temp.endsWith(QLatin1Char('/'))) {
        temp += QLatin1Char('/');
    }
    m_winTempDir = temp;
}

qint64 clsSystemInfo::MemoryLoad()
{
    GetSysInfo32();
    return m_memoryLoad;
}

qint64 clsSystemInfo::TotalPhysical()
{
    GetSysInfo32();
    return m_totalPhysical;
}

qint64 clsSystemInfo::AvailPhysical()
{
    GetSysInfo32();
    return m_availPhysical;
}

qint64 clsSystemInfo::TotalVirtual()
{
    GetSysInfo32();
    return m_totalVirtual;
}

qint64 clsSystemInfo::AvailVirtual()
{
    GetSysInfo32();
    return m_availVirtual;
}

qint32 clsSystemInfo::NumCPU()
{
    GetSysInfo32();
    return m_numCPU;
}

qint32 clsSystemInfo::CPUType()
{
    GetSysInfo32();
    return m_cpuType;
}

QString clsSystemInfo::CPUArchitecture()
{
    GetSysInfo32();
    return m_cpuArchitecture;
}

QString clsSystemInfo::WinDir()
{
    GetSysInfo32();
    return m_winDir;
}

QString clsSystemInfo::WinSysDir()
{
    GetSysInfo32();
    return m_winSysDir;
}

QString clsSystemInfo::WinTempDir()
{
    GetSysInfo32();
    return m_winTempDir;
}

QString clsSystemInfo::OperatingSystem()
{
    GetSysInfo32();
    return m_operatingSystem;
}

QString clsSystemInfo::UserName()
{
    GetSysInfo32();
    return m_userName;
}

QString clsSystemInfo::Company()
{
    GetSysInfo32();
    return m_company;
}
