#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QVariantList>

// The row count and a SHA-256 checksum of a table's rows taken in key order, over the
// canonical values of LibraryRows. Each value goes in with its kind and its length, so no two
// different rows (a Null and an empty text, "a" + "bc" and "ab" + "c") feed the same bytes.
class TableDigest
{
public:
    TableDigest();
    void addRow(const QVariantList &row);

    qint64 rowCount() const { return m_rows; }
    // The checksum in hex; ends the digest (no rows may follow).
    QString checksum();

private:
    QCryptographicHash m_hash;
    qint64 m_rows = 0;
    QString m_result;
};
