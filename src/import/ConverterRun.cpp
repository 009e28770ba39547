#include "ConverterRun.h"

#include "ImportLimits.h"
#include "ImportLogging.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <unistd.h>

namespace ConverterRun {

Result run(const QString &program, const QStringList &arguments, const QString &package,
    int milliseconds, const std::atomic<bool> *cancel)
{
    Result result;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        result.error
            = QCoreApplication::translate("ImportedDocument", "needs %1 (install the package %2)")
                  .arg(program, package);
        return result;
    }
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // A group of its own: LibreOffice's starter runs the real program as a child, and a kill
    // must reach it too.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    if (!process.waitForStarted(milliseconds)) {
        result.error = QCoreApplication::translate("ImportedDocument", "%1 could not be started")
                           .arg(program);
        qCWarning(lcImport) << program << "did not start:" << process.errorString();
        return result;
    }
    const qint64 group = process.processId();
    const QDeadlineTimer deadline(milliseconds);
    bool cancelled = false;
    while (!process.waitForFinished(50)) {
        cancelled = cancel && cancel->load();
        if (cancelled || deadline.hasExpired() || process.state() == QProcess::NotRunning)
            break;
    }
    if (process.state() != QProcess::NotRunning) {
        if (group > 0)
            ::kill(pid_t(-group), SIGKILL);
        process.kill();
        process.waitForFinished(1000);
        result.error = cancelled
            ? QCoreApplication::translate("ImportedDocument", "%1 was stopped (reading cancelled)")
                  .arg(program)
            : QCoreApplication::translate(
                "ImportedDocument", "%1 took longer than %2 seconds (stopped)")
                  .arg(program)
                  .arg(milliseconds / 1000);
        qCWarning(lcImport) << program
                            << (cancelled ? "stopped: cancelled" : "killed at its time limit");
        return result;
    }
    result.output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        result.error = said.isEmpty()
            ? QCoreApplication::translate("ImportedDocument", "%1 could not read the file")
                  .arg(program)
            : QCoreApplication::translate("ImportedDocument", "%1 could not read the file: %2")
                  .arg(program, said.left(200));
        return result;
    }
    if (result.output.size() > ImportLimits::FileBytes * 2) {
        result.output.clear();
        result.error
            = QCoreApplication::translate("ImportedDocument", "the document's text is too long");
    }
    return result;
}

} // namespace ConverterRun
