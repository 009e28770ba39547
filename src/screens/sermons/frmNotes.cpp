#include "frmNotes.h"

#include "NotesEditorAids.h"
#include "NotesScriptureSplit.h"
#include "ScripturePane.h"
#include "SharedOutline.h"
#include "SpellingHighlighter.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "frmMain.h"
#include "frmSermon.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

bool frmNotes::gboolNotesOpen = false;

namespace {

QPointer<frmNotes> g_notes;

QToolButton *saveNotesButton()
{
    frmMain *main = frmMain::instance();
    return main ? main->toolButton(QStringLiteral("grpSaveNotes")) : nullptr;
}

void showSaveNotesButton(bool show)
{
    if (frmMain *main = frmMain::instance()) {
        if (QToolButton *button = main->toolButton(QStringLiteral("grpSaveNotes"))) {
            button->setVisible(show);
        }
    }
}

} // namespace

frmNotes::frmNotes(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmNotes"));
    setWindowTitle(tr("Sermon Outline & Notes"));
    txtOutline = new QPlainTextEdit(this);
    txtOutline->setObjectName(QStringLiteral("txtOutline"));
    txtOutline->setAccessibleName(tr("Sermon Outline & Notes"));
    txtOutline->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutline->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutline->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutline->setPlainText(QStringLiteral(" \n"));
    txtOutline->installEventFilter(this);
    txtOutline->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtOutline);
    addScripturePane(layout);
    m_aids = new NotesEditorAids(txtOutline, layout, this);

    // Load.
    m_rememberedStatus = GetStatusText();
    if (frmMain *main = frmMain::instance()) {
        applyOutlineFont(main->outlineFontName(), main->outlineFontSize());
    }
    setOutline(SharedOutline().text);
    gboolNotesOpen = true;
}

// The sermon's passage to the right of the outline, following the sermon screen's fields;
// Insert Passage Text types the passage into the outline.
void frmNotes::addScripturePane(QLayout *layout)
{
    m_scripture = new ScripturePane(this);
    auto *split = new NotesScriptureSplit(txtOutline, m_scripture, m_scripture->choices(), this);
    if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
        box->setStretchFactor(split->splitter(), 1);
        box->addLayout(split->choiceRow());
    }
    connect(m_scripture, &ScripturePane::insertRequested, this, [this](const QString &text) {
        txtOutline->insertPlainText(text);
        outlineReleased();
    });
    if (frmSermon *sermon = frmSermon::instance()) {
        connect(sermon, &frmSermon::passageChanged, this,
            [this, sermon] { m_scripture->setPassage(sermon->shownPassage()); });
        m_scripture->setPassage(sermon->shownPassage());
    }
}

frmNotes::~frmNotes()
{
    unload();
}

frmNotes *frmNotes::instance()
{
    return g_notes;
}

frmNotes *frmNotes::load()
{
    if (g_notes) {
        return g_notes;
    }
    auto *notes = new frmNotes;
    g_notes = notes;
    if (frmMain *main = frmMain::instance()) {
        QMdiSubWindow *frame = main->workArea()->addSubWindow(notes);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowIcon(main->windowIcon());
        frame->hide();
        notes->watchFrame(frame);
    } else {
        notes->setAttribute(Qt::WA_DeleteOnClose);
    }
    return notes;
}

void frmNotes::watchFrame(QMdiSubWindow *frame)
{
    m_frame = frame;
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
            if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive) && !m_unloaded) {
                SetStatusText(windowTitle());
            }
        });
}

void frmNotes::showWindow(bool maximized, bool activate)
{
    QWidget *window = m_frame ? static_cast<QWidget *>(m_frame) : this;
    QMdiArea *area = m_frame ? m_frame->mdiArea() : nullptr;
    QMdiSubWindow *previous = area ? area->activeSubWindow() : nullptr;
    const QToolButton *save = saveNotesButton();
    const bool saveShown = save && !save->isHidden();
    if (maximized) {
        window->showMaximized();
    } else if (window->isHidden()) {
        window->show();
        placeBesideSermonScreen();
    }
    if (area && activate) {
        area->setActiveSubWindow(m_frame);
    } else if (area && previous && previous != m_frame) {
        area->setActiveSubWindow(previous);
        // The box had the focus only in passing; the user has not gone there.
        showSaveNotesButton(saveShown);
    }
}

void frmNotes::placeBesideSermonScreen()
{
    // Shown with the sermon screen on a wide work area, the two stand side by side, so that
    // the outline and its passage are seen beside the sermon's fields; otherwise the window
    // opens where the work area puts it.
    constexpr int WideEnough = 1200;
    const frmSermon *sermon = frmSermon::instance();
    QMdiSubWindow *sermonFrame = sermon ? sermon->subWindow() : nullptr;
    QMdiArea *area = m_frame ? m_frame->mdiArea() : nullptr;
    if (!area || !sermonFrame || sermonFrame->isHidden() || sermonFrame->isMaximized())
        return;
    const QRect room = area->viewport()->rect();
    if (room.width() < WideEnough)
        return;
    const QRect left = sermonFrame->geometry();
    const int x = left.x() + left.width();
    if (room.width() - x < room.width() / 3)
        return;
    m_frame->setGeometry(x, room.top(), room.width() - x, room.height());
}

void frmNotes::closeWindow()
{
    if (m_frame) {
        m_frame->close();
    } else {
        close();
    }
}

void frmNotes::setOutline(const QString &text)
{
    // The sermon and its list show first; the new outline is underlined from the event loop.
    m_aids->highlighter()->replaceText([&] { txtOutline->setPlainText(text); });
    const QString searched = SharedOutline().searchedWords;
    if (searched.isNull()) {
        return;
    }
    // The hit of an outline search, found without regard to letter case; the selection is
    // as long as the search text was typed.
    const qsizetype hit = text.indexOf(TrimBlanks(searched), 0, Qt::CaseInsensitive);
    if (hit < 0) {
        return;
    }
    QTextCursor cursor(txtOutline->document());
    cursor.setPosition(int(hit));
    cursor.setPosition(int(qMin(text.size(), hit + searched.size())), QTextCursor::KeepAnchor);
    txtOutline->setTextCursor(cursor);
}

QString frmNotes::outline() const
{
    return txtOutline->toPlainText();
}

void frmNotes::applyOutlineFont(const QString &name, int pointSize)
{
    QFont font = txtOutline->font();
    if (!name.isEmpty()) {
        font.setFamily(name);
    }
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    txtOutline->setFont(font);
    // A sub-point is one tab further in than its point: a tab as wide as four blanks keeps the
    // levels plain without pushing the text half across the box.
    txtOutline->setTabStopDistance(4 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
}

void frmNotes::outlineFontCommand()
{
    // A closed window is not loaded just to take the font (and closed again): the sermon
    // screen applies the marked font whenever it shows an outline.
    if (g_notes) {
        if (frmMain *main = frmMain::instance()) {
            g_notes->applyOutlineFont(main->outlineFontName(), main->outlineFontSize());
        }
    }
}

void frmNotes::outlineReleased()
{
    if (frmSermon *sermon = frmSermon::instance()) {
        sermon->outlineEdited(txtOutline->toPlainText());
    }
}

bool frmNotes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtOutline) {
        if (event->type() == QEvent::FocusIn) {
            showSaveNotesButton(true);
        } else if (event->type() == QEvent::KeyRelease) {
            outlineReleased();
        }
    } else if (watched == txtOutline->viewport() && event->type() == QEvent::MouseButtonRelease) {
        outlineReleased();
    }
    return QWidget::eventFilter(watched, event);
}

void frmNotes::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void frmNotes::unload()
{
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    const QString text = txtOutline->toPlainText();
    SharedOutline().text = text;
    if (frmSermon *sermon = frmSermon::instance()) {
        sermon->notesClosing(text);
    }
    SetStatusText(m_rememberedStatus);
    if (g_notes == this) {
        g_notes = nullptr;
    }
    showSaveNotesButton(false);
    gboolNotesOpen = false;
}
