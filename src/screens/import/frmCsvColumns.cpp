#include "frmCsvColumns.h"

#include "UserInterface.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

frmCsvColumns::frmCsvColumns(
    const QStringList &headings, const QStringList &firstRecord, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCsvColumns"));
    setWindowTitle(tr("Match the Columns"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Choose what each column of the list holds. Columns left as "
                                "\"%1\" are passed over.")
                                 .arg(CsvColumns::name(CsvField::Ignore)),
        this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    const QList<CsvField> guessed = CsvColumns::guess(headings);
    for (int i = 0; i < headings.size(); ++i) {
        auto *choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("cboColumn%1").arg(i));
        for (const CsvField field : CsvColumns::fields())
            choice->addItem(CsvColumns::name(field), int(field));
        choice->setCurrentIndex(choice->findData(int(guessed.at(i))));
        const QString sample = firstRecord.value(i).left(40).simplified();
        auto *label
            = new QLabel(sample.isEmpty() ? headings.at(i)
                                          : QStringLiteral("%1 (%2)").arg(headings.at(i), sample),
                this);
        label->setObjectName(QStringLiteral("lblColumn%1").arg(i));
        label->setBuddy(choice);
        choice->setAccessibleName(headings.at(i));
        form->addRow(label, choice);
        m_choices.append(choice);
    }
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrColumns"));
    auto *inner = new QWidget(scroll);
    inner->setObjectName(QStringLiteral("pnlColumns"));
    inner->setLayout(form);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnsColumns"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmCsvColumns::checkChoice);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QList<CsvField> frmCsvColumns::columns() const
{
    QList<CsvField> out;
    for (const QComboBox *choice : m_choices)
        out.append(CsvField(choice->currentData().toInt()));
    return out;
}

void frmCsvColumns::setColumn(int index, CsvField field)
{
    if (index >= 0 && index < m_choices.size())
        m_choices.at(index)->setCurrentIndex(m_choices.at(index)->findData(int(field)));
}

void frmCsvColumns::checkChoice()
{
    const QList<CsvField> chosen = columns();
    for (const CsvField field : CsvColumns::fields()) {
        if (field != CsvField::Ignore && chosen.count(field) > 1) {
            MsgBox(QCoreApplication::translate(
                       "frmCsvColumns", "Two columns are matched to %1. Choose one.")
                       .arg(CsvColumns::name(field)),
                MsgBoxStyle::OkExclamation);
            return;
        }
    }
    if (!chosen.contains(CsvField::Title)) {
        MsgBox(tr("Choose the column that holds the titles."), MsgBoxStyle::OkExclamation);
        return;
    }
    accept();
}
