#include "frmSelect.h"

#include "HourglassGuard.h"
#include "ListOperations.h"
#include "SelectionState.h"
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

frmSelect::frmSelect(QWidget *parent)
    : SelectionDialog(parent)
{
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(QStringLiteral("Sermon Selection Screen"));

    fraBibleBooks = frame(
        "fraBibleBooks", QStringLiteral("By Bible Book"), cboBibleBook, "cboBibleBook", this);
    fraPreachers
        = frame("fraPreachers", QStringLiteral("By Preacher"), cboPreacher, "cboPreacher", this);
    fraSeries = frame("fraSeries", QStringLiteral("By Series"), cboSeries, "cboSeries", this);
    fraTopics = frame("fraTopics", QStringLiteral("By Topic"), cboTopic, "cboTopic", this);
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
    const SelectionState &selection = ProgramSelection();
    if (selection.gboolByBibleBook == 1) {
        SermonChoiceLists::fillBibleBooks(cboBibleBook);
    }
    if (selection.gboolByPreacher == 1) {
        SermonChoiceLists::fillPreachers(cboPreacher, SermonChoiceLists::PreacherText::LastName);
    }
    if (selection.gboolByTopic == 1) {
        SermonChoiceLists::fillTopics(cboTopic);
    }
    if (selection.gboolBySeries == 1) {
        SermonChoiceLists::fillSeries(cboSeries);
    }
}

frmSelect *frmSelect::open(Criterion criterion)
{
    auto *screen = new frmSelect(frmMain::instance());
    screen->QDialog::open();
    screen->showCriterion(criterion);
    return screen;
}

void frmSelect::showCriterion(Criterion criterion)
{
    const bool all = criterion == Criterion::Combination;
    fraBibleBooks->setVisible(all || criterion == Criterion::BibleBook);
    fraPreachers->setVisible(all || criterion == Criterion::Preacher);
    fraSeries->setVisible(all || criterion == Criterion::Series);
    fraTopics->setVisible(all || criterion == Criterion::Topic);
    switch (criterion) {
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

void frmSelect::cmdSelect_Click()
{
    SelectionState &selection = ProgramSelection();
    // A criterion left without a choice gets "nothing chosen" (-1), whatever key an earlier
    // selection left behind, so that it finds no sermon on its own and is ignored in a
    // combination.
    const auto chosenKey = [](const QComboBox *list) {
        return list->currentIndex() >= 0 ? ItemData(list, list->currentIndex()) : -1;
    };
    if (selection.gboolByBibleBook == 1) {
        selection.glngBibleBookID = chosenKey(cboBibleBook);
    }
    if (selection.gboolByPreacher == 1) {
        selection.glngPreacherID = chosenKey(cboPreacher);
    }
    if (selection.gboolBySeries == 1) {
        selection.glngSeriesID = chosenKey(cboSeries);
    }
    if (selection.gboolByTopic == 1) {
        selection.glngTopicID = chosenKey(cboTopic);
    }
    showSelectedSermons();
}

void frmSelect::cmdCancel_Click()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolByBibleBook = 0;
    selection.gboolByPreacher = 0;
    selection.gboolBySeries = 0;
    selection.gboolByTopic = 0;
    leaveWithoutSelection();
}
