#include "OutlineSearch.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.isMark();
}

void select(QPlainTextEdit *box, qsizetype start, qsizetype length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

} // namespace

bool OutlineSearch::isMatchAt(
    const QString &text, qsizetype at, const QString &term, const Options &options)
{
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (at < 0 || at + term.size() > text.size()
        || QStringView(text).mid(at, term.size()).compare(term, cs) != 0) {
        return false;
    }
    if (!options.wholeWord) {
        return true;
    }
    const qsizetype end = at + term.size();
    return (at == 0 || !isWordCharacter(text.at(at - 1)))
        && (end == text.size() || !isWordCharacter(text.at(end)));
}

QList<qsizetype> OutlineSearch::matches(
    const QString &text, const QString &term, const Options &options)
{
    QList<qsizetype> found;
    if (term.isEmpty()) {
        return found;
    }
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.indexOf(term, 0, cs); at >= 0; at = text.indexOf(term, at, cs)) {
        if (isMatchAt(text, at, term, options)) {
            found.append(at);
            at += term.size();
        } else {
            ++at;
        }
    }
    return found;
}

bool OutlineSearch::findNext(
    QPlainTextEdit *box, const QString &term, const Options &options, bool backward, bool *wrapped)
{
    if (wrapped) {
        *wrapped = false;
    }
    const QList<qsizetype> all = matches(box->toPlainText(), term, options);
    if (all.isEmpty()) {
        return false;
    }
    const QTextCursor cursor = box->textCursor();
    qsizetype chosen = -1;
    if (backward) {
        for (auto it = all.crbegin(); it != all.crend() && chosen < 0; ++it) {
            if (*it < cursor.selectionStart()) {
                chosen = *it;
            }
        }
    } else {
        for (qsizetype at : all) {
            if (at >= cursor.selectionEnd()) {
                chosen = at;
                break;
            }
        }
    }
    if (chosen < 0) {
        if (!options.wrap) {
            return false;
        }
        chosen = backward ? all.constLast() : all.constFirst();
        if (wrapped) {
            *wrapped = true;
        }
    }
    select(box, chosen, term.size());
    return true;
}

bool OutlineSearch::replaceOne(
    QPlainTextEdit *box, const QString &term, const QString &replacement, const Options &options)
{
    QTextCursor cursor = box->textCursor();
    const bool isMatch = cursor.hasSelection()
        && cursor.selectionEnd() - cursor.selectionStart() == term.size()
        && isMatchAt(box->toPlainText(), cursor.selectionStart(), term, options);
    if (isMatch) {
        cursor.insertText(replacement);
        box->setTextCursor(cursor);
    }
    findNext(box, term, options, false);
    return isMatch;
}

int OutlineSearch::replaceAll(
    QPlainTextEdit *box, const QString &term, const QString &replacement, const Options &options)
{
    const QList<qsizetype> all = matches(box->toPlainText(), term, options);
    if (all.isEmpty()) {
        return 0;
    }
    // One edit block: one step of undo, and the box lays out its text once at the end.
    // Replacing from the last match backwards keeps the earlier positions valid.
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        cursor.setPosition(int(*it));
        cursor.setPosition(int(*it + term.size()), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    return int(all.size());
}
