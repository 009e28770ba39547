#include "SermonScreenLayout.h"

#include "DataGrid.h"
#include "frmSermon.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QComboBox *dropDown(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setAccessibleName(accessibleName);
    c->setMinimumContentsLength(14);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QLineEdit *textBox(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *t = new QLineEdit(parent);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(accessibleName);
    return t;
}

QLabel *label(const QString &caption, QWidget *buddy, QWidget *parent, const char *name = nullptr)
{
    auto *l = new QLabel(caption, parent);
    if (name) {
        l->setObjectName(QLatin1String(name));
    }
    l->setBuddy(buddy);
    return l;
}

// Chapter and verse boxes hold a few digits.
void narrow(QLineEdit *box)
{
    box->setMaximumWidth(box->fontMetrics().averageCharWidth() * 7);
}

} // namespace

void SermonScreenLayout::build(frmSermon *s)
{
    s->grdSermons = new DataGrid(s);
    s->grdSermons->setObjectName(QStringLiteral("grdSermons"));
    s->grdSermons->setAccessibleName(QStringLiteral("Sermon list"));
    s->grdSermons->setCols(4);

    s->cboPreacher = dropDown("cboPreacher", QStringLiteral("Preacher"), s);
    s->cboType = dropDown("cboType", QStringLiteral("Type"), s);
    s->cboSeries = dropDown("cboSeries", QStringLiteral("Series ID"), s);
    s->cboSeries->setMinimumContentsLength(6);

    s->fraReference = new QGroupBox(QStringLiteral("Reference"), s);
    s->fraReference->setObjectName(QStringLiteral("fraReference"));
    s->cboBibleBook = dropDown("cboBibleBook", QStringLiteral("Bible book"), s->fraReference);
    s->txtBegC = textBox("txtBegC", QStringLiteral("Beginning chapter"), s->fraReference);
    s->txtBegV = textBox("txtBegV", QStringLiteral("Beginning verse"), s->fraReference);
    s->txtEndC = textBox("txtEndC", QStringLiteral("Ending chapter"), s->fraReference);
    s->txtEndV = textBox("txtEndV", QStringLiteral("Ending verse"), s->fraReference);
    for (QLineEdit *box : { s->txtBegC, s->txtBegV, s->txtEndC, s->txtEndV }) {
        narrow(box);
    }
    s->txtReference = textBox("txtReference", QStringLiteral("Reference"), s->fraReference);

    s->txtTitle = textBox("txtTitle", QStringLiteral("Title"), s);
    s->txtBigIdea = textBox("txtBigIdea", QStringLiteral("Big Idea"), s);
    s->txtLocation = textBox("txtLocation", QStringLiteral("Location"), s);
    s->txtDatePreached = textBox("txtDatePreached", QStringLiteral("Date"), s);
    s->txtDatePreached->setMaximumWidth(s->txtDatePreached->fontMetrics().averageCharWidth() * 16);
    s->lblSermonID = new QLabel(s);
    s->lblSermonID->setObjectName(QStringLiteral("lblSermonID"));
    s->lblSermonID->setAccessibleDescription(QStringLiteral("ID"));
    s->lblSermonID->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    s->lblSermonID->setMinimumWidth(s->lblSermonID->fontMetrics().averageCharWidth() * 8);
    s->lblSermonID->setTextFormat(Qt::PlainText);

    s->cmdSave = button("cmdSave", QStringLiteral("&Save"), s);
    s->cmdNew = button("cmdNew", QStringLiteral("&New"), s);
    s->cmdDelete = button("cmdDelete", QStringLiteral("&Delete"), s);
    s->cmdClose = button("cmdClose", QStringLiteral("&Close"), s);
    s->cmdTopics = button("cmdTopics", QStringLiteral("&Topics"), s);
    s->cmdIllustr = button("cmdIllustr", QStringLiteral("&Illustrations"), s);
    s->cmdTrack = button("cmdTrack", QStringLiteral("Track"), s);
    s->cmdOutline = button("cmdOutline", QStringLiteral("&Outline"), s);
    s->cmdSamePassage = button("cmdSamePassage", QStringLiteral("Sermons on This &Passage"), s);
    s->lblHistory = new QLabel(s);
    s->lblHistory->setObjectName(QStringLiteral("lblHistory"));
    s->lblHistory->setAccessibleName(QStringLiteral("Preaching history"));
    s->lblHistory->setTextFormat(Qt::PlainText);
    // A long place name must not widen the screen: the line takes the width it is given.
    s->lblHistory->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // The reference frame: the book, the chapter/verse pairs under their headings, the text.
    auto *reference = new QGridLayout(s->fraReference);
    reference->addWidget(s->cboBibleBook, 1, 0);
    reference->addWidget(new QLabel(QStringLiteral("Chap:"), s->fraReference), 0, 2);
    reference->addWidget(new QLabel(QStringLiteral("Verse:"), s->fraReference), 0, 3);
    reference->addWidget(label(QStringLiteral("Beg:"), s->txtBegC, s->fraReference), 1, 1);
    reference->addWidget(s->txtBegC, 1, 2);
    reference->addWidget(s->txtBegV, 1, 3);
    reference->addWidget(label(QStringLiteral("End:"), s->txtEndC, s->fraReference), 2, 1);
    reference->addWidget(s->txtEndC, 2, 2);
    reference->addWidget(s->txtEndV, 2, 3);
    reference->addWidget(s->txtReference, 1, 4, 1, 1);
    reference->setColumnStretch(4, 1);

    s->lblPreacher = label(QStringLiteral("Preacher:"), s->cboPreacher, s, "lblPreacher");
    s->lblSeries = label(QStringLiteral("Series ID:"), s->cboSeries, s, "lblSeries");
    for (QLabel *clickable : { s->lblPreacher, s->lblSeries }) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->setToolTip(QStringLiteral("Click to clear the choice"));
    }

    auto *fields = new QGridLayout;
    fields->addWidget(s->lblPreacher, 0, 0);
    fields->addWidget(s->cboPreacher, 0, 1);
    fields->addWidget(label(QStringLiteral("Type:"), s->cboType, s), 0, 2);
    fields->addWidget(s->cboType, 0, 3);
    fields->addWidget(s->lblSeries, 0, 4);
    fields->addWidget(s->cboSeries, 0, 5);
    fields->addWidget(s->fraReference, 1, 0, 1, 6);
    fields->addWidget(label(QStringLiteral("Title:"), s->txtTitle, s), 2, 0);
    fields->addWidget(s->txtTitle, 2, 1, 1, 5);
    fields->addWidget(label(QStringLiteral("Big Idea:"), s->txtBigIdea, s), 3, 0);
    fields->addWidget(s->txtBigIdea, 3, 1, 1, 5);
    fields->addWidget(label(QStringLiteral("Location:"), s->txtLocation, s), 4, 0);
    fields->addWidget(s->txtLocation, 4, 1);
    fields->addWidget(label(QStringLiteral("Date:"), s->txtDatePreached, s), 4, 2);
    fields->addWidget(s->txtDatePreached, 4, 3);
    fields->addWidget(label(QStringLiteral("ID:"), s->lblSermonID, s), 4, 4);
    fields->addWidget(s->lblSermonID, 4, 5);
    // The passage command sits on the history line, which speaks of the same sermon, so the
    // button row stays as narrow as the screen's first design.
    auto *history = new QHBoxLayout;
    history->addWidget(s->lblHistory, 1);
    history->addWidget(s->cmdSamePassage);
    fields->addLayout(history, 5, 1, 1, 5);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : { s->cmdTrack, s->cmdIllustr, s->cmdTopics, s->cmdOutline }) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    for (QPushButton *b : { s->cmdNew, s->cmdSave, s->cmdDelete, s->cmdClose }) {
        buttons->addWidget(b);
    }

    auto *layout = new QVBoxLayout(s);
    layout->addWidget(s->grdSermons, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    const QList<QWidget *> order = { s->grdSermons, s->cboPreacher, s->cboType, s->cboSeries,
        s->cboBibleBook, s->txtBegC, s->txtBegV, s->txtEndC, s->txtEndV, s->txtReference,
        s->txtTitle, s->txtBigIdea, s->txtLocation, s->txtDatePreached, s->cmdSave, s->cmdNew,
        s->cmdDelete, s->cmdClose, s->cmdTopics, s->cmdIllustr, s->cmdTrack, s->cmdOutline,
        s->cmdSamePassage };
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}
