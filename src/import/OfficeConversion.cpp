#include "OfficeConversion.h"

#include "ConverterRun.h"
#include "ImportLimits.h"
#include "ImportLogging.h"
#include "OutlineFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool isDoc(const ImportSource &source)
{
    return source.entry.isEmpty() && QFileInfo(source.path).suffix().toLower() == u"doc";
}

} // namespace

bool OfficeConversion::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

void OfficeConversion::convert(const QList<ImportSource> &sources, const std::atomic<bool> &cancel)
{
    QStringList inputs;
    QHash<QString, QString> wanted;
    for (const ImportSource &source : sources) {
        if (!isDoc(source) || wanted.contains(source.path))
            continue;
        if (!m_dir) {
            m_dir = std::make_unique<QTemporaryDir>();
            if (!m_dir->isValid() || !QDir(m_dir->path()).mkpath(QStringLiteral("in")))
                return;
        }
        // Links with numbered names: files of the same name in two folders do not collide,
        // and no name of the user's can be read as an option.
        const QString link = m_dir->filePath(QStringLiteral("in/%1.doc").arg(inputs.size()));
        if (!QFile::link(QFileInfo(source.path).absoluteFilePath(), link))
            continue;
        wanted.insert(
            source.path, QStringLiteral("%1/out/%2.odt").arg(m_dir->path()).arg(inputs.size()));
        inputs.append(link);
    }
    if (inputs.isEmpty())
        return;
    const QString profile
        = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("profile"))).toString();
    QStringList arguments { QStringLiteral("-env:UserInstallation=") + profile,
        QStringLiteral("--headless"), QStringLiteral("--norestore"),
        QStringLiteral("--nolockcheck"), QStringLiteral("--convert-to"), QStringLiteral("odt"),
        QStringLiteral("--outdir"), m_dir->filePath(QStringLiteral("out")) };
    arguments.append(inputs);
    const qint64 limit = qMin<qint64>(qint64(ImportLimits::ConverterMilliseconds) * inputs.size(),
        std::numeric_limits<int>::max());
    const ConverterRun::Result run = ConverterRun::run(QStringLiteral("soffice"), arguments,
        QStringLiteral("libreoffice-writer-nogui"), int(limit), &cancel);
    if (!run.error.isEmpty())
        qCWarning(lcImport) << "LibreOffice did not convert:" << run.error;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (QFileInfo::exists(it.value()))
            m_converted.insert(it.key(), it.value());
    }
}

ImportedDocument OfficeConversion::read(
    const ImportSource &source, const std::atomic<bool> *cancel) const
{
    const auto it = m_converted.constFind(source.path);
    if (it == m_converted.cend())
        return ImportSources::read(source, cancel);
    ImportedDocument doc = OutlineFileReader::readFile(it.value(), cancel);
    doc.route = QStringLiteral("LibreOffice");
    return doc;
}
