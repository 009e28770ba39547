#pragma once

#include "OutlineDocument.h"

#include <functional>

// Writes one document per sermon into a folder: each sermon read with its outline when its
// turn comes (memory stays flat with a long list), named by OutlineFileNames, written whole or
// not at all (ExportFile). Stops at the first failure or when `progress` answers false; the
// files written by then stay, each complete.
class OutlineFolderExport
{
public:
    using Progress = std::function<bool(int done, int total)>;

    OutlineFolderExport(const QString &folder, OutlineDocument::Format format);
    bool run(const QList<qint32> &sermonIds, const Progress &progress);

    int written() const { return m_written; }
    bool cancelled() const { return m_cancelled; }
    QString failure() const { return m_failure; }

private:
    QString m_folder;
    OutlineDocument::Format m_format;
    int m_written = 0;
    bool m_cancelled = false;
    QString m_failure;
};
