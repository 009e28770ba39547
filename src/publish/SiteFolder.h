#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

// The chosen output folder, written so that publishing again changes only what changed (an
// upload by rsync then sends only that) and nothing lands outside it: every file is named by
// a path relative to the folder made of plain segments, a symbolic link met on the way is
// refused rather than followed, each file is written under a temporary name and renamed
// over the old one only when its content differs. The files a publishing wrote are listed in
// the folder; the next one removes those it no longer writes and nothing else.
class SiteFolder
{
public:
    explicit SiteFolder(const QString &root);

    // Makes the folder when missing. False with problems() saying why.
    bool open();
    // Writes `content` to `relativePath` unless the file holds exactly that already.
    bool put(const QString &relativePath, const QByteArray &content);
    // Copies `sourceFile` to `relativePath` unless the copy there has its size and time.
    bool copyIn(const QString &relativePath, const QString &sourceFile);
    // Removes what the previous publishing wrote and this one did not, then lists this one's.
    bool finish();

    // A path relative to the folder that stays inside it ("a/b.html"; no "..", no "." segment,
    // no empty or absolute path, no backslash).
    static bool isPlainPath(const QString &relativePath);

    QString root() const { return m_root; }
    int written() const { return m_written; }
    int unchanged() const { return m_unchanged; }
    int removed() const { return m_removed; }
    const QStringList &problems() const { return m_problems; }

private:
    // The absolute path for `relativePath` with its folders made, or empty (and a problem)
    // when the path is not plain or leads through a symbolic link.
    QString target(const QString &relativePath);
    void problem(const QString &text) { m_problems.append(text); }

    QString m_root;
    QSet<QString> m_checkedFolders;
    QSet<QString> m_produced;
    QStringList m_problems;
    int m_written = 0;
    int m_unchanged = 0;
    int m_removed = 0;
};
