#include "frmSelect.h"

#include "HourglassGuard.h"
#include "ListOperations.h"
#include "SermonChoiceLists.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox *frame(const char *name, const QString &caption, QComboBox *&list, const char *listName,
    QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    list = new QComboBox(box);
    list->setObjectName(QLatin1String(listName));
    list->setAccessibleName(caption);
    list->setMinimumContentsLength(24);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(list);
    return box;
}

} // namespace

frmSelect::frmSelect(Criterion criterion, QWidget *parent)
    : SelectionDialog(parent)
    , m_criterion(criterion)
{
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(tr("Sermon Selection Screen"));

    fraBibleBooks = frame("fraBibleBooks", tr("By Bible Book"), cboBibleBook, "cboBibleBook", this);
    fraPreachers = frame("fraPreachers", tr("By Preacher"), cboPreacher, "cboPreacher", this);
    fraSeries = frame("fraSeries", tr("By Series"), cboSeries, "cboSeries", this);
    fraTopics = frame("fraTopics", tr("By Topic"), cboTopic, "cboTopic", this);
    QHBoxLayout *buttons = selectCancelRow(cmdSelect, cmdCancel);
    auto *layout = new QVBoxLayout(this);
    for (QGroupBox *box : { fraBibleBooks, fraPreachers, fraSeries, fraTopics }) {
        layout->addWidget(box);
    }
    layout->addLayout(buttons);

    connect(cmdSelect, &QPushButton::clicked, this, &frmSelect::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSelect::cmdCancel_Click);

    // Load: only the lists of the criteria in use are read.
    HourglassGuard busy;
    rememberStatus();
    if (uses(Criterion::BibleBook)) {
        SermonChoiceLists::fillBibleBooks(cboBibleBook);
    }
    if (uses(Criterion::Preacher)) {
        SermonChoiceLists::fillPreachers(cboPreacher, SermonChoiceLists::PreacherText::LastName);
    }
    if (uses(Criterion::Topic)) {
        SermonChoiceLists::fillTopics(cboTopic);
    }
    if (uses(Criterion::Series)) {
        SermonChoiceLists::fillSeries(cboSeries);
    }
}

bool frmSelect::uses(Criterion criterion) const
{
    return m_criterion == criterion || m_criterion == Criterion::Combination;
}

frmSelect *frmSelect::open(Criterion criterion)
{
    auto *screen = new frmSelect(criterion, frmMain::instance());
    screen->QDialog::open();
    screen->showCriterion();
    return screen;
}

void frmSelect::showCriterion()
{
    fraBibleBooks->setVisible(uses(Criterion::BibleBook));
    fraPreachers->setVisible(uses(Criterion::Preacher));
    fraSeries->setVisible(uses(Criterion::Series));
    fraTopics->setVisible(uses(Criterion::Topic));
    switch (m_criterion) {
    case Criterion::Preacher:
        cboPreacher->setFocus();
        break;
    case Criterion::Series:
        cboSeries->setFocus();
        break;
    case Criterion::Topic:
        cboTopic->setFocus();
        break;
    case Criterion::BibleBook:
    case Criterion::Combination:
        cboBibleBook->setFocus();
        break;
    }
    adjustSize();
}

SermonQuery frmSelect::query() const
{
    // A criterion left without a choice gets "nothing chosen" (-1), so that it finds no
    // sermon on its own and is ignored in a combination.
    const auto criterion = [this](Criterion which, const QComboBox *list) {
        if (!uses(which)) {
            return SermonQuery::Criterion {};
        }
        return SermonQuery::Criterion { true,
            list->currentIndex() >= 0 ? ItemData(list, list->currentIndex()) : -1 };
    };
    SermonQuery query;
    query.kind = SermonQuery::Kind::Checklist;
    query.combination = m_criterion == Criterion::Combination;
    query.bibleBook = criterion(Criterion::BibleBook, cboBibleBook);
    query.preacher = criterion(Criterion::Preacher, cboPreacher);
    query.series = criterion(Criterion::Series, cboSeries);
    query.topic = criterion(Criterion::Topic, cboTopic);
    return query;
}

void frmSelect::cmdSelect_Click()
{
    showSelectedSermons(query());
}

void frmSelect::cmdCancel_Click()
{
    leaveWithoutSelection();
}
