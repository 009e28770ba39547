#include "TableDigest.h"

TableDigest::TableDigest()
    : m_hash(QCryptographicHash::Sha256)
{
}

void TableDigest::addRow(const QVariantList &row)
{
    QByteArray bytes;
    for (const QVariant &value : row) {
        if (value.isNull()) {
            bytes += 'N';
        } else if (value.typeId() == QMetaType::LongLong) {
            bytes += 'I' + QByteArray::number(value.toLongLong()) + ';';
        } else {
            const QByteArray text = value.toString().toUtf8();
            bytes += 'T' + QByteArray::number(text.size()) + ':' + text;
        }
    }
    bytes += '\n';
    m_hash.addData(bytes);
    ++m_rows;
}

QString TableDigest::checksum()
{
    if (m_result.isEmpty())
        m_result = QString::fromLatin1(m_hash.result().toHex());
    return m_result;
}
