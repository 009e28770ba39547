#include "WordXmlReader.h"

#include "ImportLimits.h"
#include "OutlineTextBuilder.h"
#include "WordNumbering.h"
#include "ZipEntryStream.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

bool isOn(const QXmlStreamReader &xml)
{
    const QString v = ZipEntryStream::attribute(xml, QLatin1StringView("val"));
    return v.isEmpty() || (v != u"0" && v != u"false" && v != u"off");
}

// The walk over one part. A paragraph is handed to the builder once its properties are read
// (its style and numbering decide its level, mark and kind); what Word keeps but does not
// print is passed over: deleted and moved-away revisions, field codes, hidden runs, and the
// fallback copy of a drawing that newer readers see in its choice.
class WordWalk
{
public:
    WordWalk(OutlineTextBuilder &out, WordNumbering &numbering, QHash<QString, int> &notes,
        bool footnotes)
        : m_out(out)
        , m_numbering(numbering)
        , m_notes(notes)
        , m_footnotes(footnotes)
    {
    }

    void token(QXmlStreamReader &xml)
    {
        if (xml.isStartElement())
            start(xml);
        else if (xml.isEndElement())
            end(xml.name());
        else if (xml.isCharacters() && m_inText && m_skip == 0 && !m_hidden)
            add(xml.text().toString());
        else if (xml.isCharacters() && !xml.isWhitespace() && !m_paragraphs.isEmpty()) {
            begin();
            m_out.markHidden(); // deleted, hidden, a field code: not printed
        }
    }

private:
    struct Paragraph
    {
        QString styleId;
        QString numId;
        int ilvl = -1;
        int outline = -1; // w:outlineLvl set on the paragraph itself
        bool begun = false;
        bool inProperties = false;
    };

    void add(const QString &text)
    {
        begin();
        m_out.addText(text);
    }

    // The paragraph's properties are all read: it starts in the builder.
    void begin()
    {
        if (m_paragraphs.isEmpty() || m_paragraphs.last().begun)
            return;
        Paragraph &p = m_paragraphs.last();
        p.begun = true;
        const WordNumbering::Style style = m_numbering.style(p.styleId);
        const QString numId = p.numId.isNull() ? style.numId : p.numId;
        const int ilvl = p.ilvl >= 0 ? p.ilvl : qMax(0, style.ilvl);
        const QString mark = m_numbering.next(numId, ilvl);
        const bool heading = style.heading || (p.outline >= 0 && p.outline < 9);
        const auto kind = style.title ? OutlineTextBuilder::Kind::Title
            : heading                 ? OutlineTextBuilder::Kind::Heading
                                      : OutlineTextBuilder::Kind::Body;
        const bool listed = !numId.isEmpty() && numId != u"0";
        m_out.beginParagraph(listed ? ilvl : 0, kind, mark);
    }

    void start(const QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (m_skip > 0 || name == u"del" || name == u"moveFrom" || name == u"instrText"
            || name == u"delInstrText" || name == u"Fallback") {
            ++m_skip;
            return;
        }
        if (name == u"p") {
            if (!m_paragraphs.isEmpty()) {
                begin();
                m_out.beginNested();
            }
            m_paragraphs.append(Paragraph());
            return;
        }
        if (m_paragraphs.isEmpty()) {
            if (name == u"tr")
                m_out.beginRow();
            else if (name == u"footnote" || name == u"endnote")
                footnote(xml);
            return;
        }
        Paragraph &p = m_paragraphs.last();
        if (name == u"pPr" && !p.begun) {
            p.inProperties = true;
        } else if (p.inProperties) {
            if (name == u"pStyle")
                p.styleId = ZipEntryStream::attribute(xml, QLatin1StringView("val"));
            else if (name == u"ilvl")
                p.ilvl = qBound(
                    0, ZipEntryStream::attribute(xml, QLatin1StringView("val")).toInt(), 8);
            else if (name == u"numId")
                p.numId = ZipEntryStream::attribute(xml, QLatin1StringView("val"));
            else if (name == u"outlineLvl")
                p.outline = ZipEntryStream::attribute(xml, QLatin1StringView("val")).toInt();
        } else if (name == u"r") {
            begin();
            m_hidden = false;
        } else if (name == u"vanish") {
            m_hidden = isOn(xml);
        } else if (name == u"t") {
            m_inText = true;
        } else if (name == u"tab") {
            add(QStringLiteral("\t"));
        } else if (name == u"br" || name == u"cr") {
            add(QStringLiteral("\n"));
        } else if (name == u"noBreakHyphen") {
            add(QStringLiteral("-"));
        } else if (name == u"footnoteReference" || name == u"endnoteReference") {
            // Footnotes and endnotes number their ids apart.
            const QString id
                = name.left(1).toString() + ZipEntryStream::attribute(xml, QLatin1StringView("id"));
            if (!m_notes.contains(id))
                m_notes.insert(id, int(m_notes.size()) + 1);
            if (!m_hidden)
                add(QStringLiteral("[%1]").arg(m_notes.value(id)));
        } else if (name == u"tr") {
            m_out.beginRow();
        }
    }

    void footnote(const QXmlStreamReader &xml)
    {
        if (!m_footnotes)
            return;
        const QString type = ZipEntryStream::attribute(xml, QLatin1StringView("type"));
        const QString id = xml.name().left(1).toString()
            + ZipEntryStream::attribute(xml, QLatin1StringView("id"));
        // The separator lines Word keeps among the notes, and notes nothing refers to.
        if ((!type.isEmpty() && type != u"normal") || !m_notes.contains(id)) {
            ++m_skip;
            return;
        }
        m_out.beginFootnote(QString::number(m_notes.value(id)));
    }

    void end(QStringView name)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (name == u"p" && !m_paragraphs.isEmpty()) {
            begin();
            m_out.endParagraph();
            m_paragraphs.removeLast();
            if (!m_paragraphs.isEmpty())
                m_out.endNested();
            return;
        }
        if (name == u"pPr" && !m_paragraphs.isEmpty())
            m_paragraphs.last().inProperties = false;
        else if (name == u"t")
            m_inText = false;
        else if (name == u"r")
            m_hidden = false;
        else if (name == u"tc")
            m_out.endCell();
        else if (name == u"tr")
            m_out.endRow();
        else if ((name == u"footnote" || name == u"endnote") && m_footnotes)
            m_out.endFootnote();
    }

    OutlineTextBuilder &m_out;
    WordNumbering &m_numbering;
    QHash<QString, int> &m_notes; // a note's id → its number, in the order the body cites them
    QList<Paragraph> m_paragraphs; // more than one inside a text box
    bool m_footnotes;
    int m_skip = 0;
    bool m_inText = false;
    bool m_hidden = false;
};

} // namespace

namespace WordXmlReader {

ImportedDocument read(ZipEntryStream &zip)
{
    OutlineTextBuilder out;
    ImportedDocument doc;
    WordNumbering numbering;
    for (const auto &[part, feed] :
        { std::pair { QStringLiteral("word/numbering.xml"), &WordNumbering::numberingToken },
            std::pair { QStringLiteral("word/styles.xml"), &WordNumbering::stylesToken } }) {
        if (zip.hasEntry(part)
            && !zip.readXml(
                part, ImportLimits::XmlBytes,
                [&numbering, token = feed](QXmlStreamReader &xml) { (numbering.*token)(xml); },
                doc.error))
            return doc;
    }
    QHash<QString, int> notes;
    WordWalk body(out, numbering, notes, false);
    if (!zip.readXml(
            QStringLiteral("word/document.xml"), ImportLimits::XmlBytes,
            [&body](QXmlStreamReader &xml) { body.token(xml); }, doc.error))
        return doc;
    for (const QString &part :
        { QStringLiteral("word/footnotes.xml"), QStringLiteral("word/endnotes.xml") }) {
        if (notes.isEmpty() || !zip.hasEntry(part))
            continue;
        WordWalk footnotes(out, numbering, notes, true);
        if (!zip.readXml(
                part, ImportLimits::XmlBytes,
                [&footnotes](QXmlStreamReader &xml) { footnotes.token(xml); }, doc.error))
            return doc;
    }
    if (out.tooLong())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the document's text is too long"));
    doc.text = out.text();
    doc.firstHeading = out.firstHeading();
    doc.titleProperty = zip.elementText(QStringLiteral("docProps/core.xml"), u"title");
    return doc;
}

} // namespace WordXmlReader
