#include "OutlineFindBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QCheckBox *option(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

OutlineFindBar::OutlineFindBar(QPlainTextEdit *box, QWidget *parent)
    : QFrame(parent)
    , m_box(box)
{
    setObjectName(QStringLiteral("fraFind"));
    setAccessibleName(tr("Find and Replace"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    txtFind = makeField("txtFind", tr("Fi&nd:"), 0);
    txtReplace = makeField("txtReplace", tr("Replace &with:"), 1);

    auto *findRow = new QHBoxLayout;
    QPushButton *next = button(this, "cmdFindNext", tr("Ne&xt"));
    QPushButton *previous = button(this, "cmdFindPrevious", tr("Pre&vious"));
    chkMatchCase = option(this, "chkMatchCase", tr("Match &case"));
    chkWholeWord = option(this, "chkWholeWord", tr("Whole w&ord"));
    chkWrap = option(this, "chkWrap", tr("Wrap aro&und"));
    chkWrap->setChecked(true);
    lblMatches = new QLabel(this);
    lblMatches->setObjectName(QStringLiteral("lblMatches"));
    QPushButton *close = button(this, "cmdCloseFind", tr("Close"));
    for (QWidget *w : std::initializer_list<QWidget *> { next, previous, lblMatches }) {
        findRow->addWidget(w);
    }
    findRow->addStretch(1);
    findRow->addWidget(close);
    grid->addLayout(findRow, 0, 2);
    // The choices have a row of their own, under the boxes: beside the buttons they were cut
    // off in a notes window standing beside the sermon screen.
    auto *optionRow = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *> { chkMatchCase, chkWholeWord, chkWrap }) {
        optionRow->addWidget(w);
    }
    optionRow->addStretch(1);
    grid->addLayout(optionRow, 2, 0, 1, 3);

    m_replaceRow = new QWidget(this);
    m_replaceRow->setObjectName(QStringLiteral("fraReplaceRow"));
    auto *replaceRow = new QHBoxLayout(m_replaceRow);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    cmdReplace = button(m_replaceRow, "cmdReplace", tr("&Replace"));
    cmdReplaceAll = button(m_replaceRow, "cmdReplaceAll", tr("Replace &All"));
    replaceRow->addWidget(cmdReplace);
    replaceRow->addWidget(cmdReplaceAll);
    replaceRow->addStretch(1);
    grid->addWidget(m_replaceRow, 1, 2);

    m_recount = new QTimer(this);
    m_recount->setSingleShot(true);
    m_recount->setInterval(250);
    connect(m_recount, &QTimer::timeout, this, &OutlineFindBar::recount);
    const auto later = [this] {
        if (isVisible()) {
            m_recount->start();
        }
    };
    connect(txtFind, &QLineEdit::textChanged, this, &OutlineFindBar::recount);
    connect(box->document(), &QTextDocument::contentsChanged, this, later);
    for (QCheckBox *c : { chkMatchCase, chkWholeWord }) {
        connect(c, &QCheckBox::toggled, this, &OutlineFindBar::recount);
    }
    connect(txtFind, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(txtReplace, &QLineEdit::returnPressed, this, &OutlineFindBar::replace);
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(cmdReplace, &QPushButton::clicked, this, &OutlineFindBar::replace);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &OutlineFindBar::replaceAll);
    connect(close, &QPushButton::clicked, this, &OutlineFindBar::leave);
    hide();
}

QLineEdit *OutlineFindBar::makeField(const char *name, const QString &caption, int row)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    auto *label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
    label->setBuddy(field);
    // The box shows no caption of its own; a screen reader names it by its label's words.
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    field->installEventFilter(this);
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (row == 1) {
        label->setVisible(false);
        field->setVisible(false);
    }
    return field;
}

void OutlineFindBar::installShortcuts(QWidget *window)
{
    const auto key = [this, window](const QKeySequence &sequence, auto action) {
        auto *shortcut = new QShortcut(sequence, window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { showFind(false); });
    key(QKeySequence(Qt::CTRL | Qt::Key_H), [this] { showFind(true); });
    key(QKeySequence(Qt::Key_F3), [this] { findNext(false); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findNext(true); });
}

void OutlineFindBar::showFind(bool withReplace)
{
    const QTextCursor cursor = m_box->textCursor();
    // A selection on one line is what the user wants to find.
    if (cursor.hasSelection() && !cursor.selectedText().contains(QChar::ParagraphSeparator)) {
        txtFind->setText(cursor.selectedText());
    }
    m_replaceRow->setVisible(withReplace);
    txtReplace->setVisible(withReplace);
    if (QWidget *label = findChild<QLabel *>(QStringLiteral("txtReplaceLabel"))) {
        label->setVisible(withReplace);
    }
    show();
    recount();
    txtFind->setFocus();
    txtFind->selectAll();
}

OutlineSearch::Options OutlineFindBar::options() const
{
    return { chkMatchCase->isChecked(), chkWholeWord->isChecked(), chkWrap->isChecked() };
}

bool OutlineFindBar::findNext(bool backward)
{
    if (txtFind->text().isEmpty()) {
        showFind(m_replaceRow->isVisible());
        return false;
    }
    bool wrapped = false;
    const bool found
        = OutlineSearch::findNext(m_box, txtFind->text(), options(), backward, &wrapped);
    recount();
    if (!found) {
        lblMatches->setText(lblMatches->text() + tr(" \u2013 no more"));
    } else if (wrapped) {
        lblMatches->setText(lblMatches->text() + tr(" \u2013 wrapped"));
    }
    return found;
}

void OutlineFindBar::replace()
{
    if (OutlineSearch::replaceOne(m_box, txtFind->text(), txtReplace->text(), options())) {
        Q_EMIT edited();
    }
    recount();
}

int OutlineFindBar::replaceAll()
{
    const int done
        = OutlineSearch::replaceAll(m_box, txtFind->text(), txtReplace->text(), options());
    recount();
    lblMatches->setText(lblMatches->text() + tr(" \u2013 %1 replaced").arg(done));
    if (done > 0) {
        Q_EMIT edited();
    }
    return done;
}

void OutlineFindBar::recount()
{
    m_recount->stop();
    const QString term = txtFind->text();
    if (term.isEmpty()) {
        lblMatches->clear();
        return;
    }
    const qsizetype n = OutlineSearch::matches(m_box->toPlainText(), term, options()).size();
    lblMatches->setText(n == 0 ? tr("No matches")
            : n == 1           ? tr("1 match")
                               : tr("%1 matches").arg(n));
}

QString OutlineFindBar::matchText() const
{
    return lblMatches->text();
}

void OutlineFindBar::leave()
{
    hide();
    m_box->setFocus();
}

bool OutlineFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        leave();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
