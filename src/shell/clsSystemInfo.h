#pragma once

#include <QString>
#include <functional>

// Facts about this computer for the about screen: memory, processors, folders, operating
// system, and the registered user and company from the settings. The facts are gathered on
// creation and again by any property read once they are 30 seconds old.
//
// Memory figures are bytes (64-bit: today's machines have more than 4 GB). Virtual memory is
// physical memory plus swap space, its available part what is free of both. The folders are
// the system's installation folder, its shared-library folder and the temporary folder.
class clsSystemInfo
{
public:
    static constexpr int FreshSeconds = 30;

    clsSystemInfo();

    qint64 MemoryLoad();
    qint64 TotalPhysical();
    qint64 AvailPhysical();
    qint64 TotalVirtual();
    qint64 AvailVirtual();
    qint32 NumCPU();
    // The processor type number in the numbering of the system information the program has
    // always shown (586 for 32-bit x86, 8664 for x86-64, 2200 for Itanium); 0 for others.
    qint32 CPUType();
    // The processor architecture by name ("x86_64", "arm64", ...).
    QString CPUArchitecture();
    QString WinDir();
    QString WinSysDir();
    QString WinTempDir();
    QString OperatingSystem();
    QString UserName();
    QString Company();

    QString AppName() const { return m_appName; }
    // Refuses empty or blank text with a message; the old name then stays.
    void setAppName(const QString &name);

    // Gathers memory and processor facts, the folders and the platform, unless they are
    // still current.
    void GetSysInfo32();
    bool IsInfoCurrent() const;
    void WinDirInfo();

    // How many times the facts were gathered (tests).
    int gatherCount() const { return m_gatherCount; }
    // The clock behind the 30-second rule: seconds since midnight. Tests set their own;
    // null restores the real one.
    using Clock = std::function<int()>;
    static void setClock(Clock clock);

private:
    void gather();
    void readUserInfo();

    qint64 m_memoryLoad = 0;
    qint64 m_totalPhysical = 0;
    qint64 m_availPhysical = 0;
    qint64 m_totalVirtual = 0;
    qint64 m_availVirtual = 0;
    qint32 m_numCPU = 0;
    qint32 m_cpuType = 0;
    QString m_cpuArchitecture;
    QString m_winDir;
    QString m_winSysDir;
    QString m_winTempDir;
    QString m_operatingSystem;
    QString m_userName;
    QString m_company;
    QString m_appName;
    int m_gatheredAt = -1; // seconds since midnight; -1 before the first gathering
    int m_gatherCount = 0;
};
