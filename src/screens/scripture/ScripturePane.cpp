#include "ScripturePane.h"

#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "ScriptureText.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Verses put into the view per pass of the event loop: a batch lays out in a few
// milliseconds, so typing in the outline beside it is never held up for long.
constexpr int FillBatch = 12;

QTextCharFormat numberFormat()
{
    QTextCharFormat format;
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    format.setFontWeight(QFont::Bold);
    return format;
}

} // namespace

ScripturePane::ScripturePane(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraScripture"));
    setAccessibleName(tr("Passage text"));
    lblScriptureHeading = new QLabel(this);
    lblScriptureHeading->setObjectName(QStringLiteral("lblScriptureHeading"));
    lblScriptureHeading->setTextFormat(Qt::PlainText);
    lblScriptureHeading->setWordWrap(true);
    QFont bold = lblScriptureHeading->font();
    bold.setBold(true);
    lblScriptureHeading->setFont(bold);
    txtScripture = new QPlainTextEdit(this);
    txtScripture->setObjectName(QStringLiteral("txtScripture"));
    txtScripture->setAccessibleName(tr("Passage text"));
    txtScripture->setReadOnly(true);
    txtScripture->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    chkVersePerLine = new QCheckBox(tr("Verse per &line"), this);
    chkVersePerLine->setObjectName(QStringLiteral("chkVersePerLine"));
    chkVersePerLine->setChecked(ScriptureSettings::read().versePerLine);
    chkPrintPassage = new QCheckBox(tr("Passage in print and &export"), this);
    chkPrintPassage->setObjectName(QStringLiteral("chkPrintPassage"));
    chkPrintPassage->setChecked(ScriptureSettings::read().printPassage);
    cmdInsertPassage = new QPushButton(tr("Insert &Passage Text"), this);
    cmdInsertPassage->setObjectName(QStringLiteral("cmdInsertPassage"));
    cmdInsertPassage->setToolTip(tr("Insert Passage Text (Ctrl+Shift+P)"));
    cmdInsertPassage->setEnabled(false);

    m_choices = new QWidget(this);
    m_choices->setObjectName(QStringLiteral("fraScriptureChoices"));
    auto *choiceColumn = new QVBoxLayout(m_choices);
    choiceColumn->setContentsMargins(0, 0, 0, 0);
    choiceColumn->addWidget(chkVersePerLine);
    choiceColumn->addWidget(chkPrintPassage);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(lblScriptureHeading);
    layout->addWidget(txtScripture, 1);
    layout->addWidget(cmdInsertPassage, 0, Qt::AlignLeft);

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
    ScriptureService &service = ScriptureService::instance();
    connect(&service, &ScriptureService::passageRead, this, &ScripturePane::passageRead);
    connect(&service, &ScriptureService::settingsChanged, this, &ScripturePane::requestPassage);
}

ScripturePane::~ScripturePane() = default;

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
}

void ScripturePane::showPassage()
{
    ++m_fillGeneration;
    m_filling = false;
    txtScripture->viewport()->setUpdatesEnabled(true);
    cmdInsertPassage->setEnabled(m_shown.ok());
    txtScripture->clear();
    if (m_shown.reading.isEmpty()) {
        lblScriptureHeading->clear();
    } else {
        lblScriptureHeading->setText(m_shown.shortName.isEmpty()
                ? m_shown.reading
                : m_shown.reading + QStringLiteral(" — ") + m_shown.shortName);
    }
    if (!m_shown.ok()) {
        txtScripture->setPlainText(m_shown.message);
        Q_EMIT passageShown();
        return;
    }
    m_filled = 0;
    m_filling = true;
    // Painted once, when complete: a paint per batch would cost more than the batch.
    txtScripture->viewport()->setUpdatesEnabled(false);
    appendVerses(m_fillGeneration);
}

// Paragraphs as the version marks them (or one verse a line), numbers raised, a new
// chapter's first verse numbered "4:1".
void ScripturePane::appendVerses(quint64 generation)
{
    if (generation != m_fillGeneration) {
        return; // another passage (or layout) came meanwhile
    }
    const bool versePerLine = chkVersePerLine->isChecked();
    const QList<ScriptureVerse> &verses = m_shown.verses;
    QTextCursor cursor(txtScripture->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QTextCharFormat plain;
    const QTextCharFormat number = numberFormat();
    const int end = qMin(int(verses.size()), m_filled + FillBatch);
    for (; m_filled < end; ++m_filled) {
        const ScriptureVerse &verse = verses.at(m_filled);
        const bool newChapter = m_filled > 0 && verses.at(m_filled - 1).chapter != verse.chapter;
        if (m_filled > 0) {
            if (versePerLine || verse.paragraph || newChapter) {
                cursor.insertBlock();
            } else {
                cursor.insertText(QStringLiteral(" "), plain);
            }
        }
        cursor.insertText(newChapter ? QStringLiteral("%1:%2").arg(verse.chapter).arg(verse.verse)
                                     : QString::number(verse.verse),
            number);
        cursor.insertText(QLatin1Char(' ') + verse.text, plain);
    }
    if (m_filled < verses.size()) {
        cursor.endEditBlock();
        QTimer::singleShot(0, this, [this, generation] { appendVerses(generation); });
        return;
    }
    if (m_shown.moreVerses > 0) {
        QTextCharFormat italic;
        italic.setFontItalic(true);
        cursor.insertBlock();
        cursor.insertText(ScriptureText::moreLine(m_shown.moreVerses), italic);
    }
    cursor.endEditBlock();
    txtScripture->moveCursor(QTextCursor::Start);
    m_filling = false;
    txtScripture->viewport()->setUpdatesEnabled(true);
    Q_EMIT passageShown();
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
