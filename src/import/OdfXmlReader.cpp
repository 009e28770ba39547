#include "OdfXmlReader.h"

#include "ImportLimits.h"
#include "OutlineTextBuilder.h"
#include "ZipEntryStream.h"

#include <QXmlStreamReader>

namespace {

class OdfWalk
{
public:
    explicit OdfWalk(OutlineTextBuilder &out)
        : m_out(out)
    {
    }

    void token(QXmlStreamReader &xml)
    {
        if (xml.isStartElement())
            start(xml);
        else if (xml.isEndElement())
            end(xml.name());
        else if (xml.isCharacters() && m_skip == 0 && m_paragraphs > 0)
            m_out.addText(xml.text().toString());
    }

private:
    void start(const QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (m_skip > 0 || name == u"tracked-changes" || name == u"annotation"
            || name == u"note-citation") {
            if (name == u"note-citation" && m_skip == 0)
                m_citation = true;
            ++m_skip;
            return;
        }
        if (name == u"h") {
            const int level = qMax(
                1, ZipEntryStream::attribute(xml, QLatin1StringView("outline-level")).toInt());
            beginParagraph(level - 1, true);
        } else if (name == u"p") {
            beginParagraph(qMax(0, m_lists - 1), false);
        } else if (name == u"list") {
            ++m_lists;
        } else if (name == u"s") {
            const int count
                = qMax(1, ZipEntryStream::attribute(xml, QLatin1StringView("c")).toInt());
            m_out.addText(QString(qMin(count, 1000), QLatin1Char(' ')));
        } else if (name == u"tab") {
            m_out.addText(QStringLiteral("\t"));
        } else if (name == u"line-break") {
            m_out.addText(QStringLiteral("\n"));
        } else if (name == u"table-row") {
            m_out.beginRow();
        } else if (name == u"note-body") {
            // The note sits inside a paragraph of the body: that paragraph goes on after it.
            m_out.addText(QLatin1Char('[') + m_noteMark + QLatin1Char(']'));
            m_held.append(m_paragraphs);
            m_out.beginFootnote(m_noteMark);
            m_paragraphs = 0;
        }
    }

    void end(QStringView name)
    {
        if (m_skip > 0) {
            --m_skip;
            if (m_skip == 0 && name == u"note-citation") {
                m_citation = false;
                m_noteMark = m_citationText;
                m_citationText.clear();
            }
            return;
        }
        if (name == u"h" || name == u"p") {
            if (m_paragraphs > 0 && --m_paragraphs == 0)
                m_out.endParagraph();
        } else if (name == u"list") {
            --m_lists;
        } else if (name == u"table-cell") {
            m_out.endCell();
        } else if (name == u"table-row") {
            m_out.endRow();
        } else if (name == u"note-body" && !m_held.isEmpty()) {
            m_out.endFootnote();
            m_paragraphs = m_held.takeLast();
        }
    }

    void beginParagraph(int indent, bool heading)
    {
        if (m_paragraphs++ == 0)
            m_out.beginParagraph(indent, heading);
    }

public:
    void characters(const QString &text)
    {
        if (m_citation)
            m_citationText += text;
    }

private:
    OutlineTextBuilder &m_out;
    QList<int> m_held;
    QString m_noteMark;
    QString m_citationText;
    int m_paragraphs = 0; // nesting of paragraphs being read (a note's paragraph inside one)
    int m_lists = 0;
    int m_skip = 0;
    bool m_citation = false;
};

} // namespace

namespace OdfXmlReader {

ImportedDocument read(ZipEntryStream &zip)
{
    OutlineTextBuilder out;
    OdfWalk walk(out);
    ImportedDocument doc;
    if (!zip.readXml(
            QStringLiteral("content.xml"), ImportLimits::XmlBytes,
            [&walk](QXmlStreamReader &xml) {
                if (xml.isCharacters())
                    walk.characters(xml.text().toString());
                walk.token(xml);
            },
            doc.error))
        return doc;
    if (out.tooLong())
        return ImportedDocument::failure(QStringLiteral("the document's text is too long"));
    doc.text = out.text();
    doc.firstHeading = out.firstHeading();
    doc.titleProperty = zip.elementText(QStringLiteral("meta.xml"), u"title");
    return doc;
}

} // namespace OdfXmlReader
