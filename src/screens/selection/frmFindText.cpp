#include "frmFindText.h"

#include "HourglassGuard.h"
#include "SermonListFilter.h"
#include "SharedOutline.h"
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

frmFindText::frmFindText(Field field, QWidget *parent)
    : SelectionDialog(parent)
    , m_field(field)
{
    setObjectName(QStringLiteral("frmFindText"));
    setWindowTitle(tr("Find Text Screen"));

    fraLogic = new QGroupBox(tr("Type of Logic:"), this);
    fraLogic->setObjectName(QStringLiteral("fraLogic"));
    optOR = new QRadioButton(tr("OR"), fraLogic);
    optOR->setObjectName(QStringLiteral("optOR"));
    optAnd = new QRadioButton(tr("AND"), fraLogic);
    optAnd->setObjectName(QStringLiteral("optAnd"));
    optAnd->setChecked(true);
    auto *logic = new QHBoxLayout(fraLogic);
    logic->addWidget(optOR);
    logic->addWidget(optAnd);

    fraTitle = searchFrame("fraTitle", tr("Search SermonTitle"), txtTitle, "txtTitle", this);
    fraBigIdea
        = searchFrame("fraBigIdea", tr("Search Sermon Big Idea"), txtBigIdea, "txtBigIdea", this);
    fraOutline
        = searchFrame("fraOutline", tr("Search Sermon Outline"), txtOutline, "txtOutline", this);

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
    // A new search forgets the words the notes window selected for the last one.
    SharedOutline().searchedWords.clear();
    fraOutline->setVisible(searches(Field::Outline));
    fraBigIdea->setVisible(searches(Field::BigIdea));
    fraTitle->setVisible(searches(Field::Title));
}

bool frmFindText::searches(Field field) const
{
    return m_field == field || m_field == Field::All;
}

frmFindText *frmFindText::open(Field field)
{
    auto *screen = new frmFindText(field, frmMain::instance());
    screen->QDialog::open();
    screen->showField();
    return screen;
}

void frmFindText::showField()
{
    fraLogic->setVisible(m_field == Field::All);
    switch (m_field) {
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

SermonQuery frmFindText::query() const
{
    // A box of a field in use that was left unfilled hands on the sentinel.
    const auto field = [this](Field which, const QLineEdit *box) {
        const bool inUse = searches(which);
        return SermonQuery::TextField { inUse,
            inUse && filled(box) ? box->text() : SearchSentinel };
    };
    SermonQuery query;
    query.kind = SermonQuery::Kind::TextSearch;
    query.combination = m_field == Field::All;
    query.outline = field(Field::Outline, txtOutline);
    query.bigIdea = field(Field::BigIdea, txtBigIdea);
    query.title = field(Field::Title, txtTitle);
    // AND over fewer than two filled boxes is OR over the one there is (the boxes count
    // whatever fields the command searches).
    const int filledBoxes
        = int(filled(txtOutline)) + int(filled(txtBigIdea)) + int(filled(txtTitle));
    query.allFieldsMatch = optAnd->isChecked() && filledBoxes > 1;
    return query;
}

void frmFindText::cmdSelect_Click()
{
    showSelectedSermons(query());
}

void frmFindText::cmdCancel_Click()
{
    leaveWithoutSelection();
}
