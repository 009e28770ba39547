#pragma once

#include "BiblePassage.h"
#include "ScriptureTypes.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QPlainTextEdit;

// The sermon's passage in the chosen Bible version, beside the outline: the reference and
// the version's short name as heading, then the verses with their numbers, in paragraphs
// or one verse a line (remembered). The text is read on ScriptureService's worker, so
// the outline beside it stays responsive while a long passage is read; only the latest
// passage asked for is shown. "Insert Passage Text" hands the passage as plain text to
// whoever holds the outline (insertRequested). On request (remembered) the passage is also
// printed and exported before the outline.
class ScripturePane : public QWidget
{
    Q_OBJECT
public:
    explicit ScripturePane(QWidget *parent = nullptr);
    ~ScripturePane() override;

    // The passage to show; an invalid passage (no book) shows nothing.
    void setPassage(const BiblePassage &passage);
    // The passage shown, once read (reading, version, verses or message).
    const ScripturePassage &shown() const { return m_shown; }
    // True while an answer is awaited or the verses are still being put in.
    bool isReading() const { return m_ticket != 0 || m_filling; }
    // The passage as plain text for the outline, read now when the pane has not got it yet.
    QString passageText();
    // The pane's two choices (verse per line; the passage in print and export), one above the
    // other. Their holder lays them out where they have room: the pane is the narrow side of
    // the notes window, too narrow for their captions. Shown and hidden with the pane.
    QWidget *choices() const { return m_choices; }

Q_SIGNALS:
    void insertRequested(const QString &text);
    // The passage asked for has been shown (tests, the benchmark).
    void passageShown();

private:
    void requestPassage();
    void passageRead(quint64 ticket, const ScripturePassage &passage);
    void showPassage();
    void appendVerses(quint64 generation);
    void insertPassage();

    QLabel *lblScriptureHeading = nullptr;
    QPlainTextEdit *txtScripture = nullptr;
    QCheckBox *chkVersePerLine = nullptr;
    QCheckBox *chkPrintPassage = nullptr;
    QPushButton *cmdInsertPassage = nullptr;
    QWidget *m_choices = nullptr;

    BiblePassage m_passage;
    ScripturePassage m_shown;
    quint64 m_ticket = 0;
    // The verses go into the view a few at a time, one batch per pass of the event loop. The
    // view is a plain text box: it lays out only the lines it shows, so a long passage costs
    // no more to show than a short one.
    int m_filled = 0;
    quint64 m_fillGeneration = 0;
    bool m_filling = false;
};
