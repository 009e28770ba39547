#include "frmPassage.h"

#include "HourglassGuard.h"
#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "ScriptureText.h"
#include "SermonQuery.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString frmPassage::s_lastReference;
namespace {
// The dialog shows the beginning of the passage, enough to recognise it.
constexpr int PassageTextVerses = 3;
} // namespace

frmPassage::frmPassage(QWidget *parent)
    : SelectionDialog(parent)
    , m_parser({})
{
    setObjectName(QStringLiteral("frmPassage"));
    setWindowTitle(tr("Find by Passage"));

    auto *caption = new QLabel(tr("&Reference:"), this);
    txtPassage = new QLineEdit(this);
    txtPassage->setObjectName(QStringLiteral("txtPassage"));
    txtPassage->setAccessibleName(tr("Reference"));
    txtPassage->setPlaceholderText(tr("John 3:16-21; Rom 5"));
    txtPassage->setMinimumWidth(txtPassage->fontMetrics().averageCharWidth() * 40);
    caption->setBuddy(txtPassage);
    lblReading = new QLabel(this);
    lblReading->setObjectName(QStringLiteral("lblReading"));
    // Read out as it shows (the parsed reading or why it cannot be read); described, not named.
    lblReading->setAccessibleDescription(tr("Passage as read"));
    lblReading->setTextFormat(Qt::PlainText);
    lblReading->setWordWrap(true);
    lblReading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblReading->setMinimumHeight(lblReading->fontMetrics().height() * 2);

    // The first verses as read; its text is what a screen reader reads.
    lblPassageText = new QLabel(this);
    lblPassageText->setObjectName(QStringLiteral("lblPassageText"));
    lblPassageText->setTextFormat(Qt::PlainText);
    lblPassageText->setWordWrap(true);
    lblPassageText->setMinimumHeight(lblPassageText->fontMetrics().height() * 4);
    lblPassageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QHBoxLayout *buttons = selectCancelRow(cmdSelect, cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(txtPassage);
    layout->addWidget(lblReading);
    layout->addWidget(lblPassageText);
    layout->addLayout(buttons);

    connect(txtPassage, &QLineEdit::textChanged, this, &frmPassage::showReading);
    connect(&ScriptureService::instance(), &ScriptureService::passageRead, this,
        &frmPassage::showPassageText);
    connect(cmdSelect, &QPushButton::clicked, this, &frmPassage::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassage::cmdCancel_Click);

    // Load.
    HourglassGuard busy;
    rememberStatus();
    m_parser = PassageParser::forLibrary();
    txtPassage->setText(s_lastReference);
    txtPassage->selectAll();
    showReading();
}

frmPassage *frmPassage::load()
{
    auto *screen = new frmPassage(frmMain::instance());
    screen->QDialog::open();
    screen->txtPassage->setFocus();
    return screen;
}

void frmPassage::showReading()
{
    m_textTicket = 0;
    if (txtPassage->text().trimmed().isEmpty()) {
        lblReading->clear();
        lblPassageText->clear();
        return;
    }
    const PassageParser::Result result = m_parser.parse(txtPassage->text());
    lblReading->setText(result.ok() ? BiblePassage::reading(result.passages) : result.message);
    if (!result.ok()) {
        lblPassageText->clear();
        return;
    }
    m_textTicket = ScriptureService::instance().request(
        ScriptureSettings::read().version, result.passages.first(), PassageTextVerses);
}

void frmPassage::showPassageText(quint64 ticket, const ScripturePassage &passage)
{
    if (ticket == 0 || ticket != m_textTicket) {
        return;
    }
    m_textTicket = 0;
    lblPassageText->setText(passage.ok() ? ScriptureText::verses(passage) + QStringLiteral(" (")
                + passage.shortName + QLatin1Char(')')
                                         : passage.message);
}

void frmPassage::cmdSelect_Click()
{
    const PassageParser::Result result = m_parser.parse(txtPassage->text());
    if (!result.ok()) {
        MsgBox(result.message, MsgBoxStyle::OkExclamation, windowTitle());
        txtPassage->setFocus();
        return;
    }
    s_lastReference = txtPassage->text().trimmed();
    showSelectedSermons(SermonQuery::byPassage(s_lastReference));
}

void frmPassage::cmdCancel_Click()
{
    leaveWithoutSelection();
}
