#include "frmPassage.h"

#include "HourglassGuard.h"
#include "SelectionState.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPassage::frmPassage(QWidget *parent)
    : SelectionDialog(parent)
    , m_parser({})
{
    setObjectName(QStringLiteral("frmPassage"));
    setWindowTitle(QStringLiteral("Find by Passage"));

    auto *caption = new QLabel(QStringLiteral("&Reference:"), this);
    txtPassage = new QLineEdit(this);
    txtPassage->setObjectName(QStringLiteral("txtPassage"));
    txtPassage->setAccessibleName(QStringLiteral("Reference"));
    txtPassage->setPlaceholderText(QStringLiteral("John 3:16-21; Rom 5"));
    txtPassage->setMinimumWidth(txtPassage->fontMetrics().averageCharWidth() * 40);
    caption->setBuddy(txtPassage);
    lblReading = new QLabel(this);
    lblReading->setObjectName(QStringLiteral("lblReading"));
    // Read out as it shows (the parsed reading or why it cannot be read); described, not named.
    lblReading->setAccessibleDescription(QStringLiteral("Passage as read"));
    lblReading->setTextFormat(Qt::PlainText);
    lblReading->setWordWrap(true);
    lblReading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblReading->setMinimumHeight(lblReading->fontMetrics().height() * 2);

    QHBoxLayout *buttons = selectCancelRow(cmdSelect, cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(txtPassage);
    layout->addWidget(lblReading);
    layout->addLayout(buttons);

    connect(txtPassage, &QLineEdit::textChanged, this, &frmPassage::showReading);
    connect(cmdSelect, &QPushButton::clicked, this, &frmPassage::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassage::cmdCancel_Click);

    // Load.
    HourglassGuard busy;
    rememberStatus();
    m_parser = PassageParser(PassageParser::libraryBooks());
    txtPassage->setText(ProgramSelection().gstrPassage);
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
    if (txtPassage->text().trimmed().isEmpty()) {
        lblReading->clear();
        return;
    }
    const PassageParser::Result result = m_parser.parse(txtPassage->text());
    lblReading->setText(result.ok() ? BiblePassage::reading(result.passages) : result.message);
}

void frmPassage::cmdSelect_Click()
{
    const PassageParser::Result result = m_parser.parse(txtPassage->text());
    if (!result.ok()) {
        MsgBox(result.message, MsgBoxStyle::OkExclamation, windowTitle());
        txtPassage->setFocus();
        return;
    }
    SelectionState &selection = ProgramSelection();
    selection.gboolByPassage = 1;
    selection.gstrPassage = txtPassage->text().trimmed();
    selection.glngPassageSermonID = 0;
    showSelectedSermons();
}

void frmPassage::cmdCancel_Click()
{
    ProgramSelection().gboolByPassage = 0;
    leaveWithoutSelection();
}
