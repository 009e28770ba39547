#include "frmFindText.h"

#include "HourglassGuard.h"
#include "SelectionState.h"
#include "SermonListFilter.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Blank = QStringLiteral(" ");

QGroupBox *searchFrame(
    const char *name, const QString &caption, QLineEdit *&box, const char *boxName, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->hide();
    box = new QLineEdit(Blank, frame);
    box->setObjectName(QLatin1String(boxName));
    box->setAccessibleName(caption);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 40);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return frame;
}

// A box counts as filled once its text is anything but the one blank it started with.
bool filled(const QLineEdit *box)
{
    return box->text() != Blank;
}

} // namespace

frmFindText::frmFindText(QWidget *parent)
    : SelectionDialog(parent)
{
    setObjectName(QStringLiteral("frmFindText"));
    setWindowTitle(QStringLiteral("Find Text Screen"));

    fraLogic = new QGroupBox(QStringLiteral("Type of Logic:"), this);
    fraLogic->setObjectName(QStringLiteral("fraLogic"));
    optOR = new QRadioButton(QStringLiteral("OR"), fraLogic);
    optOR->setObjectName(QStringLiteral("optOR"));
    optAnd = new QRadioButton(QStringLiteral("AND"), fraLogic);
    optAnd->setObjectName(QStringLiteral("optAnd"));
    optAnd->setChecked(true);
    auto *logic = new QHBoxLayout(fraLogic);
    logic->addWidget(optOR);
    logic->addWidget(optAnd);

    fraTitle
        = searchFrame("fraTitle", QStringLiteral("Search SermonTitle"), txtTitle, "txtTitle", this);
    fraBigIdea = searchFrame(
        "fraBigIdea", QStringLiteral("Search Sermon Big Idea"), txtBigIdea, "txtBigIdea", this);
    fraOutline = searchFrame(
        "fraOutline", QStringLiteral("Search Sermon Outline"), txtOutline, "txtOutline", this);

    QHBoxLayout *buttons = selectCancelRow(cmdSelect, cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraLogic);
    layout->addWidget(fraOutline);
    layout->addWidget(fraBigIdea);
    layout->addWidget(fraTitle);
    layout->addLayout(buttons);

    connect(cmdSelect, &QPushButton::clicked, this, &frmFindText::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFindText::cmdCancel_Click);

    // Load.
    HourglassGuard busy;
    rememberStatus();
    SelectionState &selection = ProgramSelection();
    selection.gstrSearchOutline.clear();
    selection.gstrSearchBigIdea.clear();
    selection.gstrSearchTitle.clear();
    fraOutline->setVisible(selection.gboolSearchOutline == 1);
    fraBigIdea->setVisible(selection.gboolSearchBigIdea == 1);
    fraTitle->setVisible(selection.gboolSearchTitle == 1);
}

frmFindText *frmFindText::open(Field field)
{
    auto *screen = new frmFindText(frmMain::instance());
    screen->QDialog::open();
    screen->showField(field);
    return screen;
}

void frmFindText::showField(Field field)
{
    fraLogic->setVisible(field == Field::All);
    switch (field) {
    case Field::BigIdea:
        txtBigIdea->setFocus();
        break;
    case Field::Title:
        txtTitle->setFocus();
        break;
    case Field::Outline:
    case Field::All:
        txtOutline->setFocus();
        break;
    }
    adjustSize();
}

void frmFindText::cmdSelect_Click()
{
    SelectionState &selection = ProgramSelection();
    selection.gstrSearchOutline = selection.gboolSearchOutline == 1 && filled(txtOutline)
        ? txtOutline->text()
        : SearchSentinel;
    selection.gstrSearchBigIdea = selection.gboolSearchBigIdea == 1 && filled(txtBigIdea)
        ? txtBigIdea->text()
        : SearchSentinel;
    selection.gstrSearchTitle
        = selection.gboolSearchTitle == 1 && filled(txtTitle) ? txtTitle->text() : SearchSentinel;
    selection.gboolAndLogic = optAnd->isChecked() ? 1 : 0;
    // AND over fewer than two filled boxes is OR over the one there is (the boxes count
    // whatever fields the command searches).
    const int filledBoxes
        = int(filled(txtOutline)) + int(filled(txtBigIdea)) + int(filled(txtTitle));
    if (filledBoxes <= 1) {
        selection.gboolAndLogic = 0;
    }
    showSelectedSermons();
}

void frmFindText::cmdCancel_Click()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolSearchOutline = 0;
    selection.gboolSearchBigIdea = 0;
    selection.gboolSearchTitle = 0;
    selection.gboolTextSearch = 0;
    leaveWithoutSelection();
}
