#include "ConverterRun.h"

#include "ImportLimits.h"
#include "ImportLogging.h"

#include <QProcess>
#include <QStandardPaths>

namespace ConverterRun {

Result run(
    const QString &program, const QStringList &arguments, const QString &package, int milliseconds)
{
    Result result;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        result.error = QStringLiteral("needs %1 (install the package %2)").arg(program, package);
        return result;
    }
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start();
    if (!process.waitForStarted(milliseconds)) {
        result.error = QStringLiteral("%1 could not be started").arg(program);
        qCWarning(lcImport) << program << "did not start:" << process.errorString();
        return result;
    }
    if (!process.waitForFinished(milliseconds)) {
        process.kill();
        process.waitForFinished(1000);
        result.error = QStringLiteral("%1 took longer than %2 seconds (stopped)")
                           .arg(program)
                           .arg(milliseconds / 1000);
        qCWarning(lcImport) << program << "killed at its time limit";
        return result;
    }
    result.output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        result.error
            = QStringLiteral("%1 could not read the file%2")
                  .arg(program, said.isEmpty() ? QString() : QStringLiteral(": ") + said.left(200));
        return result;
    }
    if (result.output.size() > ImportLimits::FileBytes * 2) {
        result.output.clear();
        result.error = QStringLiteral("the document's text is too long");
    }
    return result;
}

} // namespace ConverterRun
