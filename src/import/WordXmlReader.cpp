#include "WordXmlReader.h"

#include "ImportLimits.h"
#include "OutlineTextBuilder.h"
#include "ZipEntryStream.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The walk over one part: what the paragraph being read has said about itself so far.
class WordWalk
{
public:
    WordWalk(OutlineTextBuilder &out, bool footnotes)
        : m_out(out)
        , m_footnotes(footnotes)
    {
    }

    void token(QXmlStreamReader &xml)
    {
        if (xml.isStartElement())
            start(xml);
        else if (xml.isEndElement())
            end(xml.name());
        else if (xml.isCharacters() && m_inText && m_skip == 0)
            m_pending += xml.text();
    }

private:
    void start(const QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (m_skip > 0 || name == u"del" || name == u"instrText") {
            ++m_skip; // deleted revisions and field codes are no part of the text
        } else if (name == u"p") {
            m_pending.clear();
            m_level = -1;
            m_heading = false;
            m_inParagraph = true;
        } else if (name == u"pStyle") {
            static const QRegularExpression heading(
                QStringLiteral("^(?:heading|Heading)\\s*(\\d)$"));
            const QString style = ZipEntryStream::attribute(xml, QLatin1StringView("val"));
            if (const auto m = heading.match(style); m.hasMatch()) {
                m_heading = true;
                m_level = m.captured(1).toInt() - 1;
            } else if (style.compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0) {
                m_heading = true;
                m_level = 0;
            }
        } else if (name == u"ilvl" && !m_heading) {
            m_level = ZipEntryStream::attribute(xml, QLatin1StringView("val")).toInt();
        } else if (name == u"t") {
            m_inText = true;
        } else if (name == u"tab" && m_inRun) {
            m_pending += QLatin1Char('\t');
        } else if ((name == u"br" || name == u"cr") && m_inRun) {
            m_pending += QLatin1Char('\n');
        } else if (name == u"r") {
            m_inRun = true;
        } else if (name == u"tr") {
            m_out.beginRow();
        } else if (name == u"footnoteReference") {
            m_pending += QLatin1Char('[') + ZipEntryStream::attribute(xml, QLatin1StringView("id"))
                + QLatin1Char(']');
        } else if (name == u"footnote" && m_footnotes) {
            const QString type = ZipEntryStream::attribute(xml, QLatin1StringView("type"));
            if (!type.isEmpty() && type != QLatin1String("normal"))
                ++m_skip; // the separator lines Word keeps among the footnotes
            else
                m_out.beginFootnote(ZipEntryStream::attribute(xml, QLatin1StringView("id")));
        }
    }

    void end(QStringView name)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (name == u"t") {
            m_inText = false;
        } else if (name == u"r") {
            m_inRun = false;
        } else if (name == u"p" && m_inParagraph) {
            m_inParagraph = false;
            m_out.beginParagraph(qMax(0, m_level), m_heading);
            m_out.addText(m_pending);
            m_out.endParagraph();
            m_pending.clear();
        } else if (name == u"tc") {
            m_out.endCell();
        } else if (name == u"tr") {
            m_out.endRow();
        } else if (name == u"footnote" && m_footnotes) {
            m_out.endFootnote();
        }
    }

    OutlineTextBuilder &m_out;
    QString m_pending;
    bool m_footnotes;
    int m_level = -1;
    int m_skip = 0;
    bool m_heading = false;
    bool m_inParagraph = false;
    bool m_inText = false;
    bool m_inRun = false;
};

} // namespace

namespace WordXmlReader {

ImportedDocument read(ZipEntryStream &zip)
{
    OutlineTextBuilder out;
    ImportedDocument doc;
    WordWalk body(out, false);
    if (!zip.readXml(
            QStringLiteral("word/document.xml"), ImportLimits::XmlBytes,
            [&body](QXmlStreamReader &xml) { body.token(xml); }, doc.error))
        return doc;
    const QString notes = QStringLiteral("word/footnotes.xml");
    if (zip.hasEntry(notes)) {
        WordWalk footnotes(out, true);
        if (!zip.readXml(
                notes, ImportLimits::XmlBytes,
                [&footnotes](QXmlStreamReader &xml) { footnotes.token(xml); }, doc.error))
            return doc;
    }
    if (out.tooLong())
        return ImportedDocument::failure(QStringLiteral("the document's text is too long"));
    doc.text = out.text();
    doc.firstHeading = out.firstHeading();
    doc.titleProperty = zip.elementText(QStringLiteral("docProps/core.xml"), u"title");
    return doc;
}

} // namespace WordXmlReader
