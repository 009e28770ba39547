#pragma once

#include "ImportSources.h"

#include <QHash>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

// Old Word files (.doc) read through LibreOffice Writer when it is installed: catdoc prints
// their text but not their list numbers. The files of one import are converted to
// OpenDocument in one run of `soffice --headless` (starting it costs more than converting a
// file), with a profile folder of its own so a copy the user has open is neither used nor
// disturbed, and the converter's time limit for each file. The converted files are read by
// the OpenDocument reader; a file it could not convert is read by catdoc instead.
class OfficeConversion
{
public:
    static bool available();

    // Converts the .doc files on disk among `sources`; stops when `cancel` becomes true.
    void convert(const QList<ImportSource> &sources, const std::atomic<bool> &cancel);
    // The source as read: through its converted file when there is one, else as usual.
    ImportedDocument read(const ImportSource &source, const std::atomic<bool> *cancel) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QHash<QString, QString> m_converted; // a source's path → its converted file
};
