#include "ReportChoices.h"

#include "DateEntry.h"
#include "SermonChoiceLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {

// The earliest date stands for "no limit" and shows as "(any)".
const QDate NoLimit(1753, 1, 1);

// A checklist-style list with "(any)" first, key 0.
QComboBox *keyList(QWidget *parent, const char *name, const QString &accessible,
    const std::function<void(QComboBox *)> &fill)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessible);
    fill(list);
    list->insertItem(0, ReportChoices::tr("(any)"), 0);
    list->setCurrentIndex(0);
    return list;
}

QDateEdit *dateBox(QWidget *parent, const char *name, const QString &accessible)
{
    auto *box = new QDateEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessible);
    // Day first with the Spanish interface, as the date fields write it.
    box->setDisplayFormat(
        DateEntry::dayFirst() ? QStringLiteral("d/M/yyyy") : QStringLiteral("M/d/yyyy"));
    box->setMinimumDate(NoLimit);
    box->setSpecialValueText(ReportChoices::tr("(any)"));
    box->setCalendarPopup(true);
    box->setDate(NoLimit);
    return box;
}

qint32 chosenKey(const QComboBox *list)
{
    return list->currentIndex() > 0 ? list->currentData().toInt() : 0;
}

void chooseKey(QComboBox *list, qint32 key)
{
    const int index = key > 0 ? list->findData(key) : 0;
    list->setCurrentIndex(index < 0 ? 0 : index);
}

} // namespace

ReportChoices::ReportChoices(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportChoices"));
    cboPreacher = keyList(this, "cboPreacher", tr("Preacher"), [](QComboBox *list) {
        SermonChoiceLists::fillPreachers(list, SermonChoiceLists::PreacherText::LastAndFirstName);
    });
    cboType = keyList(this, "cboType", tr("Type"), &SermonChoiceLists::fillTypes);
    cboSeries = keyList(this, "cboSeries", tr("Series"), &SermonChoiceLists::fillSeries);
    txtLocation = new QLineEdit(this);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setAccessibleName(tr("Place"));
    txtLocation->setPlaceholderText(tr("(any)"));
    dtpFrom = dateBox(this, "dtpFrom", tr("From"));
    dtpTo = dateBox(this, "dtpTo", tr("To"));
    chkOnce = new QCheckBox(tr("Count each sermon &once"), this);
    chkOnce->setObjectName(QStringLiteral("chkOnce"));

    // Two rows of three choices: in one row they would make every report wider than the
    // smallest main window's work area.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    int placed = 0;
    auto labelled = [this, layout, &placed](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("lbl") + field->objectName().mid(3));
        label->setBuddy(field);
        const int row = placed / 3;
        const int column = 2 * (placed % 3);
        layout->addWidget(label, row, column);
        layout->addWidget(field, row, column + 1);
        ++placed;
    };
    labelled(tr("&Preacher:"), cboPreacher);
    labelled(tr("T&ype:"), cboType);
    labelled(tr("Se&ries:"), cboSeries);
    labelled(tr("Pl&ace:"), txtLocation);
    labelled(tr("&From:"), dtpFrom);
    labelled(tr("&To:"), dtpTo);
    layout->addWidget(chkOnce, 0, 6);
    layout->setColumnStretch(7, 1);

    auto announce = [this] {
        if (!m_loading) {
            Q_EMIT changed();
        }
    };
    for (QComboBox *list : { cboPreacher, cboType, cboSeries }) {
        connect(list, &QComboBox::currentIndexChanged, this, announce);
    }
    connect(txtLocation, &QLineEdit::editingFinished, this, announce);
    connect(dtpFrom, &QDateEdit::dateChanged, this, announce);
    connect(dtpTo, &QDateEdit::dateChanged, this, announce);
    connect(chkOnce, &QCheckBox::toggled, this, announce);
}

ReportFilter ReportChoices::filter() const
{
    ReportFilter filter;
    filter.preacherID = chosenKey(cboPreacher);
    filter.typeID = chosenKey(cboType);
    filter.seriesID = chosenKey(cboSeries);
    filter.location = txtLocation->text().trimmed();
    filter.from = dtpFrom->date() > NoLimit ? dtpFrom->date() : QDate();
    filter.to = dtpTo->date() > NoLimit ? dtpTo->date() : QDate();
    filter.countSermonsOnce = chkOnce->isChecked();
    return filter;
}

void ReportChoices::setFilter(const ReportFilter &filter)
{
    m_loading = true;
    chooseKey(cboPreacher, filter.preacherID);
    chooseKey(cboType, filter.typeID);
    chooseKey(cboSeries, filter.seriesID);
    txtLocation->setText(filter.location);
    dtpFrom->setDate(filter.from.isValid() ? filter.from : NoLimit);
    dtpTo->setDate(filter.to.isValid() ? filter.to : NoLimit);
    chkOnce->setChecked(filter.countSermonsOnce);
    m_loading = false;
    Q_EMIT changed();
}
