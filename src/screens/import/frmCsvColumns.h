#pragma once

#include "CsvColumns.h"

#include <QDialog>
#include <QList>

class QComboBox;

// The column-matching step of a sermon list from another program: one line per column of the
// file (its heading and first value) with the field it goes into, guessed from the heading.
class frmCsvColumns : public QDialog
{
    Q_OBJECT
public:
    frmCsvColumns(
        const QStringList &headings, const QStringList &firstRecord, QWidget *parent = nullptr);

    QList<CsvField> columns() const;
    // The combo of column `index` (cboColumn0, cboColumn1, ...).
    void setColumn(int index, CsvField field);

private:
    void checkChoice();

    QList<QComboBox *> m_choices;
};
