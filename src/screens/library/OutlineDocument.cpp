#include "OutlineDocument.h"

#include "ExportFile.h"
#include "RecordValues.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

struct Parts
{
    QString heading; // the title, or the reference when there is none
    QString subheading; // the reference under a title
    QStringList facts; // "Preacher: …", "Preached: …", "Big idea: …"
};

Parts partsOf(const SermonExportRow &sermon)
{
    Parts parts;
    parts.heading = sermon.title.isEmpty() ? sermon.reference : sermon.title;
    if (!sermon.title.isEmpty())
        parts.subheading = sermon.reference;
    if (!sermon.preacher.isEmpty())
        parts.facts.append(
            QCoreApplication::translate("OutlineDocument", "Preacher: %1").arg(sermon.preacher));
    QStringList when = { DateText(sermon.datePreached), sermon.location };
    when.removeAll(QString());
    if (!when.isEmpty())
        parts.facts.append(QCoreApplication::translate("OutlineDocument", "Preached: %1")
                               .arg(when.join(QStringLiteral(", "))));
    if (!sermon.bigIdea.isEmpty())
        parts.facts.append(
            QCoreApplication::translate("OutlineDocument", "Big idea: %1").arg(sermon.bigIdea));
    return parts;
}

// Backslash before every character Markdown could read as markup.
QString markdownEscaped(const QString &text)
{
    static const QRegularExpression markup(QStringLiteral("([\\\\`*_{}\\[\\]()#+\\-.!|<>~])"));
    QString escaped = text;
    escaped.replace(markup, QStringLiteral("\\\\1"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\\n"));
    return escaped;
}

QString normalizedLines(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

void buildDocument(QTextDocument &document, const SermonExportRow &sermon)
{
    const Parts parts = partsOf(sermon);
    QTextCursor cursor(&document);
    auto heading = [&cursor](const QString &text, int level, qreal points) {
        QTextBlockFormat block;
        block.setHeadingLevel(level);
        block.setBottomMargin(6);
        QTextCharFormat chars;
        chars.setFontWeight(QFont::Bold);
        chars.setFontPointSize(points);
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(chars);
        cursor.insertText(text, chars);
    };
    heading(parts.heading, 1, 16);
    QTextCharFormat plain;
    plain.setFontPointSize(11);
    auto paragraph = [&cursor, &plain](const QString &text) {
        cursor.insertBlock(QTextBlockFormat(), plain);
        cursor.insertText(text, plain);
    };
    if (!parts.subheading.isEmpty()) {
        cursor.insertBlock();
        heading(parts.subheading, 2, 13);
    }
    for (const QString &fact : parts.facts)
        paragraph(fact);
    paragraph(QString());
    // One paragraph per outline line keeps each line break as the preacher typed it.
    for (const QString &line : normalizedLines(sermon.outline).split(QLatin1Char('\n')))
        paragraph(line);
}

} // namespace

OutlineDocument::Format OutlineDocument::formatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("odt"))
        return Format::OpenDocument;
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown"))
        return Format::Markdown;
    return Format::PlainText;
}

QString OutlineDocument::suffixFor(Format format)
{
    switch (format) {
    case Format::OpenDocument:
        return QStringLiteral("odt");
    case Format::Markdown:
        return QStringLiteral("md");
    case Format::PlainText:
        break;
    }
    return QStringLiteral("txt");
}

QString OutlineDocument::plainText(const SermonExportRow &sermon)
{
    const Parts parts = partsOf(sermon);
    QStringList lines = { parts.heading };
    if (!parts.subheading.isEmpty())
        lines.append(parts.subheading);
    lines.append(QString());
    lines += parts.facts;
    if (!parts.facts.isEmpty())
        lines.append(QString());
    lines.append(normalizedLines(sermon.outline));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString OutlineDocument::markdown(const SermonExportRow &sermon)
{
    const Parts parts = partsOf(sermon);
    QString text = QStringLiteral("# ") + markdownEscaped(parts.heading) + QStringLiteral("\n\n");
    if (!parts.subheading.isEmpty())
        text += QStringLiteral("## ") + markdownEscaped(parts.subheading) + QStringLiteral("\n\n");
    for (const QString &fact : parts.facts)
        text += markdownEscaped(fact) + QStringLiteral("  \n");
    if (!parts.facts.isEmpty())
        text += QLatin1Char('\n');
    // A fence longer than any run of backticks in the outline cannot end early.
    const QString outline = normalizedLines(sermon.outline);
    qsizetype longest = 0;
    for (qsizetype i = 0, run = 0; i < outline.size(); ++i) {
        run = outline.at(i) == QLatin1Char('`') ? run + 1 : 0;
        longest = qMax(longest, run);
    }
    const QString fence(qMax<qsizetype>(3, longest + 1), QLatin1Char('`'));
    text += fence + QStringLiteral("text\n") + outline + QLatin1Char('\n') + fence
        + QLatin1Char('\n');
    return text;
}

bool OutlineDocument::write(const QString &path, const SermonExportRow &sermon, QString &failure)
{
    switch (formatFor(path)) {
    case Format::OpenDocument: {
        // The ODF writer closes its device when done, which a file written through a
        // temporary name must not be: the package is made in memory first.
        QTextDocument document;
        buildDocument(document, sermon);
        QBuffer package;
        QTextDocumentWriter writer(&package, "ODF");
        if (!writer.write(&document)) {
            failure
                = QCoreApplication::translate("OutlineDocument", "Cannot make the document for %1.")
                      .arg(QDir::toNativeSeparators(path));
            return false;
        }
        return ExportFile::write(path, package.data(), failure);
    }
    case Format::Markdown:
        return ExportFile::write(path, markdown(sermon).toUtf8(), failure);
    case Format::PlainText:
        break;
    }
    return ExportFile::write(path, plainText(sermon).toUtf8(), failure);
}
