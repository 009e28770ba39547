#include "SermonScreenLayout.h"

#include "DataGrid.h"
#include "ElidingLabel.h"
#include "SermonScreenWidgets.h"

#include <QComboBox>
#include <QCoreApplication>
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

namespace {

// The list, the choices and the fields of one sermon.
void createFields(QWidget *screen, SermonScreenWidgets &w)
{
    w.grdSermons = new DataGrid(screen);
    w.grdSermons->setObjectName(QStringLiteral("grdSermons"));
    w.grdSermons->setAccessibleName(SermonScreenLayout::tr("Sermon list"));
    w.grdSermons->setCols(4);

    w.cboPreacher = dropDown("cboPreacher", SermonScreenLayout::tr("Preacher"), screen);
    w.cboType = dropDown("cboType", SermonScreenLayout::tr("Type"), screen);
    w.cboSeries = dropDown("cboSeries", SermonScreenLayout::tr("Series ID"), screen);
    w.cboSeries->setMinimumContentsLength(6);

    w.fraReference = new QGroupBox(SermonScreenLayout::tr("Reference"), screen);
    w.fraReference->setObjectName(QStringLiteral("fraReference"));
    w.cboBibleBook = dropDown("cboBibleBook", SermonScreenLayout::tr("Bible book"), w.fraReference);
    w.txtBegC = textBox("txtBegC", SermonScreenLayout::tr("Beginning chapter"), w.fraReference);
    w.txtBegV = textBox("txtBegV", SermonScreenLayout::tr("Beginning verse"), w.fraReference);
    w.txtEndC = textBox("txtEndC", SermonScreenLayout::tr("Ending chapter"), w.fraReference);
    w.txtEndV = textBox("txtEndV", SermonScreenLayout::tr("Ending verse"), w.fraReference);
    for (QLineEdit *box : { w.txtBegC, w.txtBegV, w.txtEndC, w.txtEndV }) {
        narrow(box);
    }
    w.txtReference = textBox("txtReference", SermonScreenLayout::tr("Reference"), w.fraReference);

    w.txtTitle = textBox("txtTitle", SermonScreenLayout::tr("Title"), screen);
    w.txtBigIdea = textBox("txtBigIdea", SermonScreenLayout::tr("Big Idea"), screen);
    w.txtLocation = textBox("txtLocation", SermonScreenLayout::tr("Location"), screen);
    w.txtDatePreached = textBox("txtDatePreached", SermonScreenLayout::tr("Date"), screen);
    w.txtDatePreached->setMaximumWidth(w.txtDatePreached->fontMetrics().averageCharWidth() * 16);
    w.lblSermonID = new QLabel(screen);
    w.lblSermonID->setObjectName(QStringLiteral("lblSermonID"));
    w.lblSermonID->setAccessibleDescription(SermonScreenLayout::tr("ID"));
    w.lblSermonID->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w.lblSermonID->setMinimumWidth(w.lblSermonID->fontMetrics().averageCharWidth() * 8);
    w.lblSermonID->setTextFormat(Qt::PlainText);
}

// The buttons and the preaching-history line.
void createButtons(QWidget *screen, SermonScreenWidgets &w)
{
    w.cmdSave = button("cmdSave", SermonScreenLayout::tr("&Save"), screen);
    w.cmdNew = button("cmdNew", SermonScreenLayout::tr("&New"), screen);
    w.cmdDelete = button("cmdDelete", SermonScreenLayout::tr("&Delete"), screen);
    w.cmdClose = button("cmdClose", SermonScreenLayout::tr("&Close"), screen);
    w.cmdTopics = button("cmdTopics", SermonScreenLayout::tr("&Topics"), screen);
    w.cmdIllustr = button("cmdIllustr", SermonScreenLayout::tr("&Illustrations"), screen);
    w.cmdTrack = button("cmdTrack", SermonScreenLayout::tr("Track"), screen);
    w.cmdOutline = button("cmdOutline", SermonScreenLayout::tr("&Outline"), screen);
    w.cmdRecordings = button("cmdRecordings", SermonScreenLayout::tr("Recordings..."), screen);
    w.cmdSamePassage
        = button("cmdSamePassage", SermonScreenLayout::tr("Sermons on This &Passage"), screen);
    // A long place name must not widen the screen: the line takes the width it is given and
    // ends with "…" where it does not fit.
    w.lblHistory = new ElidingLabel(screen);
    w.lblHistory->setObjectName(QStringLiteral("lblHistory"));
    // A screen reader reads the line itself ("Last preached ..."); the description says what
    // it is.
    w.lblHistory->setAccessibleDescription(SermonScreenLayout::tr("Preaching history"));
}

void layOutReference(SermonScreenWidgets &w)
{
    // The reference frame: the book, the chapter/verse pairs under their headings, the text.
    auto *reference = new QGridLayout(w.fraReference);
    reference->addWidget(w.cboBibleBook, 1, 0);
    reference->addWidget(new QLabel(SermonScreenLayout::tr("Chap:"), w.fraReference), 0, 2);
    reference->addWidget(new QLabel(SermonScreenLayout::tr("Verse:"), w.fraReference), 0, 3);
    reference->addWidget(label(SermonScreenLayout::tr("Beg:"), w.txtBegC, w.fraReference), 1, 1);
    reference->addWidget(w.txtBegC, 1, 2);
    reference->addWidget(w.txtBegV, 1, 3);
    reference->addWidget(label(SermonScreenLayout::tr("End:"), w.txtEndC, w.fraReference), 2, 1);
    reference->addWidget(w.txtEndC, 2, 2);
    reference->addWidget(w.txtEndV, 2, 3);
    reference->addWidget(w.txtReference, 1, 4, 1, 1);
    reference->setColumnStretch(4, 1);
}

QGridLayout *layOutFields(QWidget *screen, SermonScreenWidgets &w)
{
    w.lblPreacher
        = label(SermonScreenLayout::tr("Preacher:"), w.cboPreacher, screen, "lblPreacher");
    w.lblSeries = label(SermonScreenLayout::tr("Series ID:"), w.cboSeries, screen, "lblSeries");
    for (QLabel *clickable : { w.lblPreacher, w.lblSeries }) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->setToolTip(SermonScreenLayout::tr("Click to clear the choice"));
    }

    auto *fields = new QGridLayout;
    fields->addWidget(w.lblPreacher, 0, 0);
    fields->addWidget(w.cboPreacher, 0, 1);
    fields->addWidget(label(SermonScreenLayout::tr("Type:"), w.cboType, screen), 0, 2);
    fields->addWidget(w.cboType, 0, 3);
    fields->addWidget(w.lblSeries, 0, 4);
    fields->addWidget(w.cboSeries, 0, 5);
    fields->addWidget(w.fraReference, 1, 0, 1, 6);
    fields->addWidget(label(SermonScreenLayout::tr("Title:"), w.txtTitle, screen), 2, 0);
    fields->addWidget(w.txtTitle, 2, 1, 1, 5);
    fields->addWidget(label(SermonScreenLayout::tr("Big Idea:"), w.txtBigIdea, screen), 3, 0);
    fields->addWidget(w.txtBigIdea, 3, 1, 1, 5);
    fields->addWidget(label(SermonScreenLayout::tr("Location:"), w.txtLocation, screen), 4, 0);
    fields->addWidget(w.txtLocation, 4, 1);
    fields->addWidget(label(SermonScreenLayout::tr("Date:"), w.txtDatePreached, screen), 4, 2);
    fields->addWidget(w.txtDatePreached, 4, 3);
    fields->addWidget(label(SermonScreenLayout::tr("ID:"), w.lblSermonID, screen), 4, 4);
    fields->addWidget(w.lblSermonID, 4, 5);
    // The passage command sits on the history line, which speaks of the same sermon, so the
    // button row stays as narrow as the screen's first design.
    auto *history = new QHBoxLayout;
    history->addWidget(w.lblHistory, 1);
    history->addWidget(w.cmdSamePassage);
    fields->addLayout(history, 5, 1, 1, 5);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    return fields;
}

QHBoxLayout *buttonRow(SermonScreenWidgets &w)
{
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b :
        { w.cmdTrack, w.cmdIllustr, w.cmdTopics, w.cmdOutline, w.cmdRecordings }) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    for (QPushButton *b : { w.cmdNew, w.cmdSave, w.cmdDelete, w.cmdClose }) {
        buttons->addWidget(b);
    }

    return buttons;
}

void setTabOrder(const SermonScreenWidgets &w)
{
    const QList<QWidget *> order = { w.grdSermons, w.cboPreacher, w.cboType, w.cboSeries,
        w.cboBibleBook, w.txtBegC, w.txtBegV, w.txtEndC, w.txtEndV, w.txtReference, w.txtTitle,
        w.txtBigIdea, w.txtLocation, w.txtDatePreached, w.cmdSave, w.cmdNew, w.cmdDelete,
        w.cmdClose, w.cmdTopics, w.cmdIllustr, w.cmdTrack, w.cmdOutline, w.cmdSamePassage,
        w.cmdRecordings };
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace

void SermonScreenLayout::build(QWidget *screen, SermonScreenWidgets &w)
{
    createFields(screen, w);
    createButtons(screen, w);
    layOutReference(w);
    auto *layout = new QVBoxLayout(screen);
    layout->addWidget(w.grdSermons, 1);
    layout->addLayout(layOutFields(screen, w));
    layout->addLayout(buttonRow(w));

    setTabOrder(w);
}
