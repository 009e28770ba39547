#pragma once

#include <QList>
#include <QPair>
#include <QSet>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The program's help viewer: a window of its own beside the main window with the help file
// in a browser, the buttons Contents, Index, Back and Exit, and a keyword search box that
// lists the index entries beginning with what is typed. There is at most one at a time.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // The open help window, or null.
    static HelpWindow *current();
    // The open help window on `helpFile`, created (owned by `owner`) when there is none or
    // it shows another file. Null when the file cannot be read (the user has been told).
    static HelpWindow *open(QWidget *owner, const QString &helpFile);

    ~HelpWindow() override;

    QString helpFile() const { return m_helpFile; }
    // Scrolls to an anchor of the file ("ctx-25", "contents", ...) and brings the window up.
    void showTopic(const QString &anchor);
    // The anchor shown last.
    QString currentTopic() const;
    // Whether the file has the anchor.
    bool hasTopic(const QString &anchor) const { return m_anchors.contains(anchor); }

    // The keyword search: the box gets `partialKey` and the focus, the list the index
    // entries that begin with it (any case).
    void showSearch(const QString &partialKey = QString());
    // The index entries (keyword and anchor) in file order.
    QList<QPair<QString, QString>> indexEntries() const { return m_index; }
    // The keywords that begin with `partialKey`, any case.
    QStringList matchingKeywords(const QString &partialKey) const;

private:
    HelpWindow(QWidget *owner, const QString &helpFile, const QString &html);
    void fillKeywordList(const QString &partialKey);
    void goToFirstKeyword();
    void goToKeyword(int row);
    void readIndex(const QString &html);

    QString m_helpFile;
    QTextBrowser *m_browser = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_keywords = nullptr;
    QList<QPair<QString, QString>> m_index;
    QSet<QString> m_anchors;
};
