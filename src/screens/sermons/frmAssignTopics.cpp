#include "frmAssignTopics.h"

#include "HourglassGuard.h"
#include "LinkOperations.h"
#include "ListOperations.h"
#include "ScreenEvents.h"
#include "ScreenOperations.h"
#include "ScreenPlacement.h"
#include "SqlLiterals.h"
#include "TrackingWorkArea.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What sets the three screens apart.
struct AssignmentTable
{
    QString formName;
    QString caption;
    QString unassignedList;
    QString unassignedLabel;
    QString assignedList;
    QString assignedLabel;
    QString ownerLabel;
    QString bookCaption;
    QString closeCaption;
    // The list query: "SELECT key, text " + "FROM items " + "WHERE key [NOT] IN " +
    // "(SELECT key " + "FROM links " + "WHERE owner=" + owner key + ")".
    QString itemSelect;
    QString itemFrom;
    QString itemKey;
    QString linkTable;
    QString ownerColumn;
    QString unassignedLoading;
    QString assignedLoading;
    LinkResult (*assign)(qint32 ownerKey, qint32 itemKey);
    LinkResult (*unassign)(qint32 ownerKey, qint32 itemKey);
    // The screen that opened this one, maximised again when this one closes.
    QString openerName;
    bool listsIllustrations;
};

const AssignmentTable &table(frmAssignTopics::Kind kind)
{
    static const AssignmentTable sermonTopics {
        QStringLiteral("frmSermonTopics"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Topics For:"),
        QStringLiteral("lstTopics"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Unassigned Topics"),
        QStringLiteral("lstSermonTopics"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Assigned Topics"),
        QStringLiteral("lblSermonID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Sermon"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Close"),
        QStringLiteral("SELECT lngTopicID, strTopic "),
        QStringLiteral("FROM tblTopics "),
        QStringLiteral("lngTopicID"),
        QStringLiteral("tblSermonTopics"),
        QStringLiteral("lngSermonID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Topics List"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Sermon Topics List"),
        &AddSermonTopic,
        &RemoveSermonTopic,
        QStringLiteral("frmSermon"),
        false,
    };
    static const AssignmentTable sermonIllustrations {
        QStringLiteral("frmSermIllu"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Illustrations For:"),
        QStringLiteral("lstIllustrations"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Unassigned Illustrations:"),
        QStringLiteral("lstSermonIllustrations"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Assigned Illustrations:"),
        QStringLiteral("lblSermonID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Sermon"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "&Close"),
        QStringLiteral("SELECT lngIllustrID, strName "),
        QStringLiteral("FROM tblIllustr "),
        QStringLiteral("lngIllustrID"),
        QStringLiteral("tblSermonIllustr"),
        QStringLiteral("lngSermonID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Illustrations List"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Sermon Illustrations List"),
        &AddSermonIllustr,
        &RemoveSermonIllustr,
        QStringLiteral("frmSermon"),
        true,
    };
    static const AssignmentTable illustrationTopics {
        QStringLiteral("frmIllustrTopic"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Topics For:"),
        QStringLiteral("lstTopics"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Unassigned Topics"),
        QStringLiteral("lstIllustrTopics"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Assigned Topics"),
        QStringLiteral("lblIllustrID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Illustration"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "&Close"),
        QStringLiteral("SELECT lngTopicID, strTopic "),
        QStringLiteral("FROM tblTopics "),
        QStringLiteral("lngTopicID"),
        QStringLiteral("tblIllustrTopics"),
        QStringLiteral("lngIllustrID"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Topics List"),
        QT_TRANSLATE_NOOP("frmAssignTopics", "Illustr Topics List"),
        &AddIllustrTopic,
        &RemoveIllustrTopic,
        QStringLiteral("frmIllustr"),
        false,
    };
    switch (kind) {
    case frmAssignTopics::Kind::SermonIllustrations:
        return sermonIllustrations;
    case frmAssignTopics::Kind::IllustrationTopics:
        return illustrationTopics;
    case frmAssignTopics::Kind::SermonTopics:
        break;
    }
    return sermonTopics;
}

QString listSql(frmAssignTopics::Kind kind, qint32 ownerKey, const QString &membership)
{
    const AssignmentTable &t = table(kind);
    return t.itemSelect + t.itemFrom + QStringLiteral("WHERE ") + t.itemKey + membership
        + QStringLiteral("(SELECT ") + t.itemKey + QLatin1Char(' ') + QStringLiteral("FROM ")
        + t.linkTable + QLatin1Char(' ') + QStringLiteral("WHERE ") + t.ownerColumn
        + QLatin1Char('=') + SQLLong(ownerKey) + QLatin1Char(')');
}

QLabel *panel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // A name or title is shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

bool isReturnKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The table's captions are kept in English and shown in the interface's language.
QString shown(const QString &caption)
{
    return QCoreApplication::translate("frmAssignTopics", caption.toUtf8().constData());
}

} // namespace

QString frmAssignTopics::unassignedSql(Kind kind, qint32 ownerKey)
{
    return listSql(kind, ownerKey, QStringLiteral(" NOT IN "));
}

QString frmAssignTopics::assignedSql(Kind kind, qint32 ownerKey)
{
    return listSql(kind, ownerKey, QStringLiteral(" IN "));
}

frmAssignTopics::frmAssignTopics(Kind kind, qint32 ownerKey, const QString &title, QWidget *parent)
    : DataScreen(parent)
    , m_kind(kind)
{
    const AssignmentTable &t = table(kind);
    setObjectName(t.formName);
    setWindowTitle(shown(t.caption));
    buildControls();
    openFor(ownerKey, title);

    // The lists were read for the items as they were; a topic or illustration added, renamed
    // or deleted on its own screen meanwhile is picked up by reading them again.
    auto reload = [this] { loadLists(); };
    if (t.listsIllustrations) {
        connect(&ScreenEvents::instance(), &ScreenEvents::illustrationsChanged, this, reload);
    } else {
        connect(&ScreenEvents::instance(), &ScreenEvents::topicsChanged, this, reload);
    }
}

void frmAssignTopics::buildControls()
{
    const AssignmentTable &t = table(m_kind);

    auto *lblBook = new QLabel(shown(t.bookCaption), this);
    lblBook->setObjectName(QStringLiteral("lblBook"));
    auto *pnlBook = new QFrame(this);
    pnlBook->setObjectName(QStringLiteral("pnlBook"));
    pnlBook->setAccessibleName(shown(t.bookCaption));
    pnlBook->setFrameShape(QFrame::Panel);
    pnlBook->setFrameShadow(QFrame::Raised);
    pnlTitle = panel(QStringLiteral("pnlTitle"), pnlBook);
    pnlTitle->setAccessibleDescription(shown(t.bookCaption));
    lblOwnerID = panel(t.ownerLabel, pnlBook);
    lblOwnerID->setAccessibleDescription(tr("%1 ID").arg(shown(t.bookCaption)));
    lblOwnerID->setMinimumWidth(TwipsToPixels(700));
    auto *bookLayout = new QHBoxLayout(pnlBook);
    bookLayout->addWidget(pnlTitle, 1);
    bookLayout->addWidget(lblOwnerID);

    auto *Label1 = new QLabel(shown(t.unassignedLabel), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *Label2 = new QLabel(shown(t.assignedLabel), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    m_unassigned = new QListWidget(this);
    m_unassigned->setObjectName(t.unassignedList);
    m_unassigned->setAccessibleName(shown(t.unassignedLabel));
    m_assigned = new QListWidget(this);
    m_assigned->setObjectName(t.assignedList);
    m_assigned->setAccessibleName(shown(t.assignedLabel));
    Label1->setBuddy(m_unassigned);
    Label2->setBuddy(m_assigned);
    for (QListWidget *list : { m_unassigned, m_assigned }) {
        list->setMinimumSize(TwipsToPixels(3600), TwipsToPixels(3600));
    }

    auto *pnlButtons = new QFrame(this);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setAccessibleName(shown(t.closeCaption));
    pnlButtons->setFrameShape(QFrame::Panel);
    pnlButtons->setFrameShadow(QFrame::Raised);
    cmdClose = new QPushButton(shown(t.closeCaption), pnlButtons);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto *buttonLayout = new QHBoxLayout(pnlButtons);
    buttonLayout->addStretch();
    buttonLayout->addWidget(cmdClose);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblBook, 0, 0);
    grid->addWidget(pnlBook, 0, 1, 1, 2);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(Label2, 1, 2);
    grid->addWidget(m_unassigned, 2, 1);
    grid->addWidget(m_assigned, 2, 2);
    grid->addWidget(pnlButtons, 3, 0, 1, 3);
    grid->setRowStretch(2, 1);

    connect(m_unassigned, &QListWidget::itemDoubleClicked, this, &frmAssignTopics::assignSelected);
    connect(m_assigned, &QListWidget::itemDoubleClicked, this, &frmAssignTopics::unassignSelected);
    connect(cmdClose, &QPushButton::clicked, this, &DataScreen::closeScreen);
}

void frmAssignTopics::openFor(qint32 ownerKey, const QString &title)
{
    m_ownerKey = ownerKey;
    pnlTitle->setText(title);
    lblOwnerID->setText(SQLLong(ownerKey));
    loadLists();
}

void frmAssignTopics::loadLists()
{
    const AssignmentTable &t = table(m_kind);
    LoadingGuard loading(this);
    HourglassGuard busy;
    LoadListFromSql(m_assigned, assignedSql(m_kind, m_ownerKey), shown(t.assignedLoading), false);
    LoadListFromSql(
        m_unassigned, unassignedSql(m_kind, m_ownerKey), shown(t.unassignedLoading), false);
}

void frmAssignTopics::placeWindow()
{
    QWidget *window = subWindow() ? static_cast<QWidget *>(subWindow()) : this;
    window->move(TwipsToPixels(360), TwipsToPixels(360));
    window->resize(window->sizeHint());
    KeepInWorkArea(subWindow());
}

void frmAssignTopics::assignSelected()
{
    moveSelected(m_unassigned, m_assigned, true);
}

void frmAssignTopics::unassignSelected()
{
    moveSelected(m_assigned, m_unassigned, false);
}

void frmAssignTopics::moveSelected(QListWidget *from, QListWidget *to, bool assigning)
{
    const int index = from->currentRow();
    if (index < 0) {
        return;
    }
    const AssignmentTable &t = table(m_kind);
    const qint32 itemKey = ItemData(from, index);
    const LinkResult linked
        = assigning ? t.assign(m_ownerKey, itemKey) : t.unassign(m_ownerKey, itemKey);
    if (!linked) {
        if (linked.error.isSet()) {
            ShowSystemError(linked.error);
        } else {
            MsgBox(linked.message);
        }
        return;
    }
    QListWidgetItem *moved = from->takeItem(index);
    const QString text = moved ? moved->text() : QString();
    delete moved;
    SelectAfterDelete(from, index);
    AddItemWithData(to, text, itemKey);
}

void frmAssignTopics::screenClosing()
{
    if (QMdiSubWindow *opener = FindOpenScreenFrame(table(m_kind).openerName)) {
        opener->showMaximized();
    }
}

bool frmAssignTopics::eventFilter(QObject *watched, QEvent *event)
{
    // Return on a list does what a double-click does, for those who work by keyboard. (The
    // base watches the whole application, so the lists' keys arrive here already.)
    if ((watched == m_unassigned || watched == m_assigned) && isReturnKey(event)) {
        if (watched == m_unassigned) {
            assignSelected();
        } else {
            unassignSelected();
        }
        return true;
    }
    return DataScreen::eventFilter(watched, event);
}

frmAssignTopics *frmSermonTopics(qint32 sermonID, const QString &title, QWidget *parent)
{
    return new frmAssignTopics(frmAssignTopics::Kind::SermonTopics, sermonID, title, parent);
}

frmAssignTopics *frmSermIllu(qint32 sermonID, const QString &title, QWidget *parent)
{
    return new frmAssignTopics(frmAssignTopics::Kind::SermonIllustrations, sermonID, title, parent);
}

frmAssignTopics *frmIllustrTopic(
    qint32 illustrationID, const QString &illustrationName, QWidget *parent)
{
    return new frmAssignTopics(
        frmAssignTopics::Kind::IllustrationTopics, illustrationID, illustrationName, parent);
}
