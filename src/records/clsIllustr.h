#pragma once

#include "TableRecord.h"

#include <QString>

// One row of tblIllustr, an illustration (story or quotation) sermons can use. The list
// comes sorted by name. Engine failures are trapped: shown through ShowSystemError, the
// operation returns false.
class clsIllustr : public TableRecord
{
public:
    clsIllustr();
    ~clsIllustr() override;

    qint32 IllustrationID() const { return m_illustrationID; }
    void setIllustrationID(qint32 value) { m_illustrationID = value; }
    QString Name() const { return m_name; }
    void setName(const QString &value) { m_name = value; }
    QString Illustration() const { return m_illustration; }
    void setIllustration(const QString &value) { m_illustration = value; }

    // Text and name are required; the text is tested first, so when both are missing the
    // name's message is the one left in InfoMsg.
    // Neither AddNew nor Replace runs it: the screen validates first.
    bool Check() override;

private:
    qint32 m_illustrationID = 0;
    QString m_name;
    QString m_illustration;
};
