#include "EnglishTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>

namespace {

// Words of the program's English captions that no Spanish caption uses. "Series", "Idea",
// "No", "General" and the like are the same in both languages and are not listed, nor is "New"
// (in typefaces' names: "Courier New").
const QSet<QString> &vocabulary()
{
    static const QSet<QString> words = [] {
        const char *const list[] = { "the", "and", "of", "to", "for", "with", "by", "from", "all",
            "save", "cancel", "close", "delete", "print", "help", "sermon", "sermons", "preacher",
            "preachers", "topic", "topics", "illustration", "illustrations", "date", "location",
            "title", "outline", "notes", "search", "find", "add", "edit", "exit", "book", "books",
            "passage", "preached", "year", "years", "publisher", "select", "choose", "open",
            "display", "list", "next", "previous", "first", "last", "clear", "apply", "done", "yes",
            "ok", "text", "big", "type", "name", "file", "files", "import", "export", "report",
            "reports", "scripture", "coverage", "never", "since", "show", "hide", "word", "words",
            "minutes", "database", "library", "backup", "restore", "check", "version", "bible",
            "copy", "cut", "paste", "insert", "track", "tracker", "primary", "reference", "verse",
            "verses", "chapter", "begin", "end", "ending", "beginning", "up", "down", "this",
            "that", "in", "on", "is", "are", "not", "none", "any", "every", "window", "screen",
            "language" };
        QSet<QString> set;
        for (const char *word : list) {
            set.insert(QString::fromLatin1(word));
        }
        return set;
    }();
    return words;
}

QStringList &libraryTexts()
{
    static QStringList texts;
    return texts;
}

void collect(const QString &text, QStringList &found)
{
    const QString plain = QString(text).remove(QLatin1Char('&')).simplified();
    if (!plain.isEmpty() && EnglishTexts::isEnglish(plain) && !found.contains(plain)) {
        found.append(plain);
    }
}

void collectMenu(const QList<QAction *> &actions, QStringList &found)
{
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        collect(action->text(), found);
        if (action->menu()) {
            collectMenu(action->menu()->actions(), found);
        }
    }
}

} // namespace

bool EnglishTexts::isEnglish(const QString &text)
{
    static const QRegularExpression wordPattern(QStringLiteral("[A-Za-z]+"));
    // The product's name is a name in every language, and the library's data is its writer's.
    QString withoutName = QString(text).remove(QStringLiteral("Lectorum Sermon Outlines"));
    for (const QString &data : std::as_const(libraryTexts()))
        withoutName.remove(data);
    for (auto it = wordPattern.globalMatch(withoutName); it.hasNext();) {
        if (vocabulary().contains(it.next().captured().toLower())) {
            return true;
        }
    }
    return false;
}

bool EnglishTexts::allowLibraryTexts(const QString &rowsFile)
{
    QFile file(rowsFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression quoted(QStringLiteral("'((?:[^']|'')*)'"));
    const QString rows = QString::fromUtf8(file.readAll());
    for (auto it = quoted.globalMatch(rows); it.hasNext();) {
        const QString value
            = it.next().captured(1).replace(QStringLiteral("''"), QStringLiteral("'"));
        // Longer values first, so that a place is taken out whole before a word of it.
        if (value.size() > 3 && !libraryTexts().contains(value))
            libraryTexts().append(value);
    }
    std::sort(libraryTexts().begin(), libraryTexts().end(),
        [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return !libraryTexts().isEmpty();
}

QStringList EnglishTexts::of(QWidget *window)
{
    QStringList found;
    collect(window->windowTitle(), found);
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window) && widget != window) {
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            // A framed label shows a value (data), not a caption.
            if (label->frameShape() == QFrame::NoFrame) {
                collect(label->text(), found);
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            collect(button->text(), found);
            collect(button->toolTip(), found);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            collect(group->title(), found);
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                collect(tabs->tabText(i), found);
            }
        } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            if (header->model()) {
                for (int i = 0; i < header->count(); ++i) {
                    collect(
                        header->model()->headerData(i, header->orientation()).toString(), found);
                }
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            collect(edit->placeholderText(), found);
        } else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            collectMenu(bar->actions(), found);
        }
    }
    return found;
}
