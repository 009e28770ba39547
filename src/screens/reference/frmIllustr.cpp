#include "frmIllustr.h"

#include "ChangedUnderneath.h"
#include "ReferenceScreenSupport.h"
#include "ScreenEvents.h"
#include "SqlLiterals.h"
#include "frmMain.h"

#include <QAction>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void offerPrinting(bool offered)
{
    frmMain *main = frmMain::instance();
    if (!main) {
        return;
    }
    QAction *print = main->action(QStringLiteral("mnuPrint"));
    if (QAction *item = main->action(QStringLiteral("mnuPIllustration"))) {
        item->setEnabled(offered);
    }
    if (!print) {
        return;
    }
    if (offered) {
        print->setVisible(true);
        return;
    }
    // A Print menu with nothing left to print goes away again, as at start.
    const QMenu *menu = print->menu();
    const bool printable = menu && std::ranges::any_of(menu->actions(), [](const QAction *item) {
        return !item->isSeparator() && item->isEnabled();
    });
    if (!printable) {
        print->setVisible(false);
    }
}

} // namespace

frmIllustr::frmIllustr(QWidget *parent)
    : IllustrationEditScreen(parent)
{
    lstIllustrations = createRecordList(QStringLiteral("frmIllustr"), tr("Illustration Screen"),
        QStringLiteral("lstIllustrations"), tr("Illustrations"));

    auto *fields = new QFormLayout;
    txtName = AddTextRow(
        fields, QStringLiteral("txtName"), QStringLiteral("Label1"), tr("Description"));
    lblIllustrationID = AddKeyRow(fields, QStringLiteral("lblIllustrationID"),
        QStringLiteral("Label2"), tr("Illustration ID"));
    txtIllustration = new QPlainTextEdit(this);
    txtIllustration->setObjectName(QStringLiteral("txtIllustration"));
    txtIllustration->setAccessibleName(tr("Illustration"));
    txtIllustration->setTabChangesFocus(true);
    for (QWidget *box :
        { static_cast<QWidget *>(txtName), static_cast<QWidget *>(txtIllustration) }) {
        SelectTextOnEntry(box);
    }
    connect(txtName, &QLineEdit::textEdited, this, &DataScreen::dataHasChanged);
    connect(txtIllustration, &QPlainTextEdit::textChanged, this, &DataScreen::dataHasChanged);

    QFrame *buttons = createButtonPanel(tr("&Save"));
    cmdTopics = new QPushButton(tr("Topics"), buttons);
    cmdTopics->setObjectName(QStringLiteral("cmdTopics"));
    buttons->layout()->addWidget(cmdTopics);
    connect(cmdTopics, &QPushButton::clicked, this, &frmIllustr::cmdTopics_Click);

    auto *detail = new QVBoxLayout;
    detail->addLayout(fields);
    detail->addWidget(txtIllustration, 1);
    detail->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lstIllustrations, 1);
    layout->addLayout(detail, 2);
    resize(720, 440);

    setListControls(lstIllustrations, lblIllustrationID);
    loadRecords({ QStringLiteral("mnuEIllustr") });
    offerPrinting(true);
}

frmIllustr::~frmIllustr() = default;

void frmIllustr::cmdTopics_Click()
{
    // The illustration-topics screen takes the shown key and name from this screen's
    // lblIllustrationID and txtName. A new illustration has no key to link topics to yet.
    if (!ShowsKey(lblIllustrationID)) {
        return;
    }
    if (frmMain *main = frmMain::instance()) {
        main->runCommand(QStringLiteral("frmIllustrTopic"));
    }
}

QString frmIllustr::recordText() const
{
    return TrimBlanks(m_record.Name());
}

void frmIllustr::showFields()
{
    txtName->setText(m_record.Name());
    txtIllustration->setPlainText(m_record.Illustration());
}

void frmIllustr::clearFields()
{
    txtName->clear();
    txtIllustration->clear();
}

QWidget *frmIllustr::firstField() const
{
    return txtName;
}

bool frmIllustr::checkFields()
{
    m_record.setName(txtName->text());
    m_record.setIllustration(txtIllustration->toPlainText());
    if (!m_record.Check()) {
        const bool aboutText = m_record.InfoField() == u"strIllustration";
        reportInvalid(m_record.InfoMsg(), aboutText ? txtIllustration : nullptr, false);
        return false;
    }
    return true;
}

ChangedUnderneath::TheirVersion frmIllustr::theirVersion(const clsIllustr &theirs) const
{
    ChangedUnderneath::TheirVersion version;
    version.fields = { { tr("Name:"), theirs.Name() } };
    version.longLabel = tr("Illustration:");
    version.longText = theirs.Illustration();
    return version;
}

void frmIllustr::announceChange(bool deleted)
{
    Q_UNUSED(deleted);
    Q_EMIT ScreenEvents::instance().illustrationsChanged();
}

void frmIllustr::closingExtras()
{
    offerPrinting(false);
}
