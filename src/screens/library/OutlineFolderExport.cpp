#include "OutlineFolderExport.h"

#include "ExportFile.h"
#include "OutlineFileNames.h"

#include <QCoreApplication>

OutlineFolderExport::OutlineFolderExport(const QString &folder, OutlineDocument::Format format)
    : m_folder(folder)
    , m_format(format)
{
}

bool OutlineFolderExport::run(const QList<qint32> &sermonIds, const Progress &progress)
{
    m_written = 0;
    m_cancelled = false;
    m_failure.clear();
    if (!ExportFile::folderWritable(m_folder, m_failure))
        return false;
    OutlineFileNames names(m_folder);
    const QString suffix = OutlineDocument::suffixFor(m_format);
    const int total = int(sermonIds.size());
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) {
            m_cancelled = true;
            return false;
        }
        QList<SermonExportRow> rows;
        DbError error;
        if (!SermonExportRows::read({ sermonIds.at(i) }, true, rows, error)) {
            m_failure = QCoreApplication::translate(
                "OutlineFolderExport", "Cannot read sermon %1: error %2: %3")
                            .arg(sermonIds.at(i))
                            .arg(error.number)
                            .arg(error.driverText);
            return false;
        }
        if (rows.isEmpty())
            continue; // deleted since the list was shown
        if (!OutlineDocument::write(names.next(rows.first(), suffix), rows.first(), m_failure))
            return false;
        ++m_written;
    }
    if (progress)
        progress(total, total);
    return true;
}
