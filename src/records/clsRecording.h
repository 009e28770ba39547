#pragma once

#include "TableRecord.h"

#include <QString>

// One recording of a sermon: a row of tblRecordings, an optional table (a library made before
// it has none, and its sermons have no recordings). The source is an audio or video file's
// absolute path or a web address; type, length and size were read from the file when it was
// added and are kept as they were, so a file moved away still shows what it was and is named
// as missing rather than dropped.
//
// OpenRecordset walks every sermon's recordings; OpenSermonRecordings those of one sermon.
// Engine failures go to the caller, as with the occasions (LastError()).
class clsRecording : public TableRecord
{
public:
    clsRecording();
    ~clsRecording() override;

    // The library has the recordings table.
    static bool Available();

    // The recordings of the sermon in SermonID, oldest first: the first is in the properties
    // after a true result, MoveNext brings each further one.
    bool OpenSermonRecordings() { return openList(BuildSelectSql(true)); }
    using TableRecord::MoveNext;

    // The source must be filled in. AddNew runs it after taking the key.
    bool Check() override;
    qint32 RecordingID() const { return m_recordingID; }
    void setRecordingID(qint32 value) { m_recordingID = value; }
    qint32 SermonID() const { return m_sermonID; }
    void setSermonID(qint32 value) { m_sermonID = value; }
    QString Source() const { return m_source; }
    void setSource(const QString &value) { m_source = value; }
    QString MimeType() const { return m_mimeType; }
    void setMimeType(const QString &value) { m_mimeType = value; }
    qint32 Milliseconds() const { return m_milliseconds; }
    void setMilliseconds(qint32 value) { m_milliseconds = value; }
    // The size in whole kilobytes (rounded up): a 32-bit column holds recordings up to 2 TB.
    qint32 Kilobytes() const { return m_kilobytes; }
    void setKilobytes(qint32 value) { m_kilobytes = value; }

    // An http or https address rather than a file.
    bool IsWebAddress() const;
    // A file recording whose file is no longer there.
    bool FileMissing() const;

    const DbError &LastError() const { return lastError(); }

private:
    QString BuildSelectSql(bool withKey) const override;

    qint32 m_recordingID = 0;
    qint32 m_sermonID = 0;
    QString m_source;
    QString m_mimeType;
    qint32 m_milliseconds = 0;
    qint32 m_kilobytes = 0;
};
