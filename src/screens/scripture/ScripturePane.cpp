#include "ScripturePane.h"

#include "PrintCommands.h"
#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "ScriptureText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The verses as HTML: numbers raised, paragraphs as the version marks them (or one verse a
// line), a new chapter's first verse numbered "4:1".
QString versesHtml(const ScripturePassage &passage, bool versePerLine)
{
    QString html;
    int chapter = passage.verses.isEmpty() ? 0 : passage.verses.first().chapter;
    bool open = false;
    for (const ScriptureVerse &verse : passage.verses) {
        const bool newChapter = verse.chapter != chapter;
        if (!open || versePerLine || verse.paragraph || newChapter) {
            html += open ? QStringLiteral("</p><p>") : QStringLiteral("<p>");
            open = true;
        } else {
            html += QLatin1Char(' ');
        }
        const QString number = newChapter
            ? QStringLiteral("%1:%2").arg(verse.chapter).arg(verse.verse)
            : QString::number(verse.verse);
        chapter = verse.chapter;
        html += QStringLiteral("<sup><b>") + number + QStringLiteral("</b></sup> ")
            + verse.text.toHtmlEscaped();
    }
    if (open) {
        html += QStringLiteral("</p>");
    }
    if (passage.moreVerses > 0) {
        html += QStringLiteral("<p><i>")
            + ScriptureText::moreLine(passage.moreVerses).toHtmlEscaped()
            + QStringLiteral("</i></p>");
    }
    return html;
}

} // namespace

ScripturePane::ScripturePane(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraScripture"));
    setAccessibleName(QStringLiteral("Passage text"));
    lblScriptureHeading = new QLabel(this);
    lblScriptureHeading->setObjectName(QStringLiteral("lblScriptureHeading"));
    lblScriptureHeading->setTextFormat(Qt::PlainText);
    lblScriptureHeading->setWordWrap(true);
    QFont bold = lblScriptureHeading->font();
    bold.setBold(true);
    lblScriptureHeading->setFont(bold);
    txtScripture = new QTextBrowser(this);
    txtScripture->setObjectName(QStringLiteral("txtScripture"));
    txtScripture->setAccessibleName(QStringLiteral("Passage text"));
    txtScripture->setOpenLinks(false);
    chkVersePerLine = new QCheckBox(QStringLiteral("&Verse per line"), this);
    chkVersePerLine->setObjectName(QStringLiteral("chkVersePerLine"));
    chkVersePerLine->setChecked(ScriptureSettings::read().versePerLine);
    chkPrintPassage = new QCheckBox(QStringLiteral("Passage in p&rint and export"), this);
    chkPrintPassage->setObjectName(QStringLiteral("chkPrintPassage"));
    chkPrintPassage->setChecked(ScriptureSettings::read().printPassage);
    cmdInsertPassage = new QPushButton(QStringLiteral("Insert &Passage Text"), this);
    cmdInsertPassage->setObjectName(QStringLiteral("cmdInsertPassage"));
    cmdInsertPassage->setToolTip(QStringLiteral("Insert Passage Text (Ctrl+Shift+P)"));
    cmdInsertPassage->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkVersePerLine);
    buttons->addWidget(chkPrintPassage);
    buttons->addStretch();
    buttons->addWidget(cmdInsertPassage);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(lblScriptureHeading);
    layout->addWidget(txtScripture, 1);
    layout->addLayout(buttons);

    // The shortcut works anywhere in the window that holds the pane (the outline above all).
    auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")),
        parent ? parent : this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    shortcut->setObjectName(QStringLiteral("keyInsertPassage"));
    connect(shortcut, &QShortcut::activated, this, &ScripturePane::insertPassage);
    connect(cmdInsertPassage, &QPushButton::clicked, this, &ScripturePane::insertPassage);
    connect(chkVersePerLine, &QCheckBox::toggled, this, [this](bool on) {
        ScriptureSettings::saveVersePerLine(on);
        showPassage();
    });
    connect(chkPrintPassage, &QCheckBox::toggled, this,
        [](bool on) { ScriptureSettings::savePrintPassage(on); });
    SetOutlinePassageSource(
        [this] { return chkPrintPassage->isChecked() ? passageText() : QString(); });
    ScriptureService &service = ScriptureService::instance();
    connect(&service, &ScriptureService::passageRead, this, &ScripturePane::passageRead);
    connect(&service, &ScriptureService::settingsChanged, this, &ScripturePane::requestPassage);
}

ScripturePane::~ScripturePane()
{
    SetOutlinePassageSource({});
}

void ScripturePane::setPassage(const BiblePassage &passage)
{
    if (passage.bookID == m_passage.bookID && passage.from == m_passage.from
        && passage.to == m_passage.to && passage.bookName == m_passage.bookName
        && (m_ticket != 0 || !m_shown.reading.isEmpty() || !passage.isValid())) {
        return;
    }
    m_passage = passage;
    requestPassage();
}

void ScripturePane::requestPassage()
{
    if (!m_passage.isValid()) {
        m_ticket = 0;
        m_shown = ScripturePassage();
        showPassage();
        Q_EMIT passageShown();
        return;
    }
    m_ticket = ScriptureService::instance().request(ScriptureSettings::read().version, m_passage);
}

void ScripturePane::passageRead(quint64 ticket, const ScripturePassage &passage)
{
    if (ticket != m_ticket) {
        return; // an older passage; a newer one is on its way
    }
    m_ticket = 0;
    m_shown = passage;
    showPassage();
    Q_EMIT passageShown();
}

void ScripturePane::showPassage()
{
    cmdInsertPassage->setEnabled(m_shown.ok());
    if (m_shown.reading.isEmpty()) {
        lblScriptureHeading->clear();
        txtScripture->clear();
        return;
    }
    lblScriptureHeading->setText(m_shown.shortName.isEmpty()
            ? m_shown.reading
            : m_shown.reading + QStringLiteral(" — ") + m_shown.shortName);
    if (!m_shown.ok()) {
        txtScripture->setPlainText(m_shown.message);
        return;
    }
    txtScripture->setHtml(versesHtml(m_shown, chkVersePerLine->isChecked()));
}

QString ScripturePane::passageText()
{
    if (!m_passage.isValid()) {
        return {};
    }
    if (m_ticket != 0 || m_shown.reading.isEmpty()) {
        // The user asked for the text now: wait for the worker rather than insert nothing.
        passageRead(m_ticket,
            ScriptureService::instance().readNow(ScriptureSettings::read().version, m_passage));
    }
    return m_shown.ok() ? ScriptureText::plain(m_shown, chkVersePerLine->isChecked()) : QString();
}

void ScripturePane::insertPassage()
{
    const QString text = passageText();
    if (!text.isEmpty()) {
        Q_EMIT insertRequested(text + QLatin1Char('\n'));
    }
}
