#include "WebText.h"

#include <QCryptographicHash>
#include <QUrl>

namespace {

// Characters XML 1.0 refuses even as references: a feed holding one is not well-formed and
// podcast apps drop it whole.
bool xmlForbidden(char32_t c)
{
    if (c < 0x20)
        return c != 0x9 && c != 0xA && c != 0xD;
    return (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

QString WebText::escape(const QString &text)
{
    // Most text needs nothing escaped: it is copied in runs between the characters that do.
    QString out;
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype upTo) {
        if (upTo > runStart)
            out.append(QStringView(text).mid(runStart, upTo - runStart));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 && c < 0xD800 && c != u'&' && c != u'<' && c != u'>' && c != u'"'
            && c != u'\'')
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c > 0xDFFF && !xmlForbidden(c))
            continue;
        if (out.isEmpty())
            out.reserve(text.size() + text.size() / 8);
        flush(i);
        runStart = i + 1;
        switch (c) {
        case u'&':
            out.append(u"&amp;");
            break;
        case u'<':
            out.append(u"&lt;");
            break;
        case u'>':
            out.append(u"&gt;");
            break;
        case u'"':
            out.append(u"&quot;");
            break;
        case u'\'':
            out.append(u"&#39;");
            break;
        default:
            // Tab and line ends as references: an attribute keeps them (a reader turns a
            // literal one into a space there). Every other control is refused by XML.
            if (c == u'\t' || c == u'\n' || c == u'\r')
                out.append(QStringLiteral("&#%1;").arg(int(c)));
        }
    }
    if (runStart == 0)
        return text; // shared, not copied
    flush(text.size());
    return out;
}

QString WebText::json(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out.append(u'"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'"':
            out.append(u"\\\"");
            break;
        case u'\\':
            out.append(u"\\\\");
            break;
        case u'\n':
            out.append(u"\\n");
            break;
        case u'\r':
            out.append(u"\\r");
            break;
        case u'\t':
            out.append(u"\\t");
            break;
        case u'<':
        case u'>':
        case u'&':
            out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029
                || (c.isSurrogate()
                    && !(c.isHighSurrogate() && i + 1 < text.size()
                        && text.at(i + 1).isLowSurrogate())
                    && !(c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())))
                out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            else
                out.append(c);
        }
    }
    out.append(u'"');
    return out;
}

QString WebText::urlPath(const QString &relativePath)
{
    QStringList parts = relativePath.split(QLatin1Char('/'));
    for (QString &part : parts)
        part = QString::fromLatin1(QUrl::toPercentEncoding(part));
    return parts.join(QLatin1Char('/'));
}

QString WebText::absoluteUrl(const QString &base, const QString &relativePath)
{
    if (base.isEmpty())
        return urlPath(relativePath);
    return (base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/'))
        + urlPath(relativePath);
}

bool WebText::isWebAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

QString WebText::safeFileName(const QString &name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')
            || (c >= u'0' && c <= u'9') || c == u'.' || c == u'_' || c == u'-';
        if (plain)
            out.append(c);
        else if (!out.endsWith(QLatin1Char('-')))
            out.append(u'-');
    }
    // No leading dot (a hidden file, "." or ".."), no dashes at the ends.
    while (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('-')))
        out.remove(0, 1);
    while (out.endsWith(QLatin1Char('-')) || out.endsWith(QLatin1Char('.')))
        out.chop(1);
    if (out.size() > 80)
        out = out.right(80);
    while (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('-')))
        out.remove(0, 1);
    return out.isEmpty() ? QStringLiteral("file") : out;
}

QString WebText::slug(const QString &text)
{
    QString base = safeFileName(text).toLower();
    base.replace(QLatin1Char('.'), QLatin1Char('-'));
    if (base.size() > 48)
        base.truncate(48);
    while (base.endsWith(QLatin1Char('-')))
        base.chop(1);
    const QByteArray digest
        = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(6);
    return base + QLatin1Char('-') + QString::fromLatin1(digest);
}

QString WebText::rfc822(const QDateTime &when)
{
    static const char *const days[] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
    static const char *const months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    // The library keeps the day as it was written, without a zone: it is published as that
    // day and time in UTC, so the feed says the same on every machine that publishes it.
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 +0000")
        .arg(QLatin1String(days[d.dayOfWeek() - 1]))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[d.month() - 1]))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString WebText::duration(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 500) / 1000;
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds / 60) % 60;
    const qint64 s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString WebText::size(qint64 bytes)
{
    if (bytes < qint64(1024) * 1024)
        return QStringLiteral("%1 KB").arg(qMax<qint64>(1, (bytes + 1023) / 1024));
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}
