#include "OdfXmlReader.h"

#include "ImportLimits.h"
#include "OdfStyles.h"
#include "OutlineTextBuilder.h"
#include "ZipEntryStream.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return ZipEntryStream::attribute(xml, QLatin1StringView(name));
}

// The counters of one list as Writer numbers it: one per level, a level's counter starting
// again under each item above it.
struct ListCounters
{
    int values[11] = { 0 };
    bool used[11] = { false };
};

// The walk over content.xml. The automatic styles come before the body, so the styles are
// complete when the first paragraph is met. What Writer does not print is passed over:
// tracked deletions, comments, hidden text and paragraphs, frames' descriptions.
class OdfWalk
{
public:
    explicit OdfWalk(OutlineTextBuilder &out, OdfStyles &styles)
        : m_out(out)
        , m_styles(styles)
    {
    }

    void token(QXmlStreamReader &xml)
    {
        if (xml.isStartElement())
            start(xml);
        else if (xml.isEndElement())
            end(xml.name());
        else if (xml.isCharacters())
            characters(xml.text().toString());
    }

private:
    struct List
    {
        QString style;
        int counters = 0; // index into m_counters
    };
    struct Item
    {
        int startValue = -1;
        bool header = false;
        bool marked = false;
    };
    // A note or a text box inside a paragraph: the body's state waits for its end.
    struct Held
    {
        QList<List> lists;
        QList<Item> items;
        int paragraphs = 0;
        bool note = false;
    };

    void characters(const QString &text)
    {
        if (m_citation || m_number)
            m_citationText += text;
        else if (m_skip == 0 && m_inBody && m_paragraphs > 0)
            m_out.addText(text);
        else if (m_inBody && m_paragraphs > 0)
            m_out.markHidden(); // hidden, or a comment: not printed
    }

    void start(const QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        // text:number is the number a producer wrote as it was displayed: it replaces ours.
        if (m_skip > 0 || name == u"tracked-changes" || name == u"annotation"
            || name == u"note-citation" || (name == u"number" && m_paragraphs > 0)
            || name == u"hidden-text" || name == u"title" || name == u"desc"
            || name == u"sequence-decls"
            || (name == u"hidden-paragraph" && attribute(xml, "is-hidden") != u"false")
            || ((name == u"span" || name == u"p" || name == u"h")
                && m_styles.hides(attribute(xml, "style-name")))) {
            if ((name == u"note-citation" || name == u"number") && m_skip == 0) {
                m_citation = name == u"note-citation";
                m_number = !m_citation;
                m_citationText.clear();
            }
            ++m_skip;
            return;
        }
        if (!m_inBody) {
            if (name == u"body")
                m_inBody = true;
            else
                m_styles.token(xml);
            return;
        }
        if (name == u"h") {
            paragraph(xml, true);
        } else if (name == u"p") {
            paragraph(xml, false);
        } else if (name == u"list") {
            list(xml);
        } else if (name == u"list-item" || name == u"list-header") {
            Item item;
            bool ok = false;
            const int start = attribute(xml, "start-value").toInt(&ok);
            item.startValue = ok ? start : -1;
            item.header = name == u"list-header";
            m_items.append(item);
        } else if (name == u"s") {
            const int count = qMax(1, attribute(xml, "c").toInt());
            characters(QString(qMin(count, 1000), QLatin1Char(' ')));
        } else if (name == u"tab") {
            characters(QStringLiteral("\t"));
        } else if (name == u"line-break") {
            characters(QStringLiteral("\n"));
        } else if (name == u"table-row") {
            m_out.beginRow();
        } else if (name == u"change" && m_paragraphs > 0) {
            m_out.markHidden(); // where tracked deleted text stood
        } else if (name == u"note-body") {
            // The note sits inside a paragraph of the body: that paragraph goes on after it.
            characters(QLatin1Char('[') + m_noteMark + QLatin1Char(']'));
            hold(true);
            m_out.beginFootnote(m_noteMark);
        } else if (name == u"text-box") {
            hold(false);
            m_out.beginNested();
        }
    }

    void end(QStringView name)
    {
        if (m_skip > 0) {
            --m_skip;
            if (m_skip == 0 && name == u"note-citation") {
                m_citation = false;
                m_noteMark = m_citationText.trimmed();
            } else if (m_skip == 0 && name == u"number") {
                m_number = false;
                m_out.setMark(m_citationText.trimmed());
            }
            return;
        }
        if (!m_inBody) {
            return;
        }
        if (name == u"h" || name == u"p") {
            if (m_paragraphs > 0 && --m_paragraphs == 0)
                m_out.endParagraph();
        } else if (name == u"list") {
            if (!m_lists.isEmpty()) {
                const List done = m_lists.takeLast();
                if (m_lists.isEmpty())
                    m_lastByStyle.insert(done.style, done.counters);
            }
        } else if (name == u"list-item" || name == u"list-header") {
            if (!m_items.isEmpty())
                m_items.removeLast();
        } else if (name == u"table-cell") {
            m_out.endCell();
        } else if (name == u"table-row") {
            m_out.endRow();
        } else if (name == u"note-body" && !m_held.isEmpty()) {
            m_out.endFootnote();
            release();
        } else if (name == u"text-box" && !m_held.isEmpty()) {
            m_out.endNested();
            release();
        }
    }

    void hold(bool note)
    {
        m_held.append({ m_lists, m_items, m_paragraphs, note });
        m_lists.clear();
        m_items.clear();
        m_paragraphs = 0;
    }

    void release()
    {
        const Held held = m_held.takeLast();
        m_lists = held.lists;
        m_items = held.items;
        m_paragraphs = held.paragraphs;
    }

    void list(const QXmlStreamReader &xml)
    {
        List l;
        l.style = attribute(xml, "style-name");
        if (!m_lists.isEmpty()) {
            // A nested list counts with its outer list; it may name a style of its own.
            if (l.style.isEmpty())
                l.style = m_lists.last().style;
            l.counters = m_lists.last().counters;
        } else {
            const QString continues = attribute(xml, "continue-list");
            if (!continues.isEmpty() && m_byId.contains(continues))
                l.counters = m_byId.value(continues);
            else if (attribute(xml, "continue-numbering") == u"true"
                && m_lastByStyle.contains(l.style))
                l.counters = m_lastByStyle.value(l.style);
            else {
                l.counters = int(m_counters.size());
                m_counters.append(ListCounters());
            }
        }
        const QString id = attribute(xml, "id");
        if (!id.isEmpty())
            m_byId.insert(id, l.counters);
        m_lists.append(l);
    }

    // The mark of the list item the paragraph opens, counting it; none for a later paragraph
    // of the same item or a list header.
    QString mark(const QString &paragraphStyle)
    {
        if (m_lists.isEmpty() || m_items.isEmpty() || m_items.last().marked)
            return QString();
        Item &item = m_items.last();
        item.marked = true;
        if (item.header)
            return QString();
        QString style = m_lists.last().style;
        if (style.isEmpty())
            style = m_styles.listStyleOf(paragraphStyle);
        return counted(
            style, m_counters[m_lists.last().counters], int(m_lists.size()), item.startValue);
    }

    // Counts an item at `depth` (1 the outermost) of a list of `style`, and gives its mark.
    QString counted(const QString &style, ListCounters &c, int depth, int startValue) const
    {
        depth = qBound(1, depth, 10);
        const OdfStyles::ListLevel level = m_styles.level(style, depth);
        if (startValue >= 0)
            c.values[depth] = startValue;
        else
            c.values[depth] = c.used[depth] ? c.values[depth] + 1 : level.start;
        c.used[depth] = true;
        for (int deeper = depth + 1; deeper < 11; ++deeper)
            c.used[deeper] = false;
        // Writer prints a bullet alone, whatever prefix or suffix its level names.
        if (level.format == ListMarks::Format::Bullet)
            return level.bullet;
        if (level.format == ListMarks::Format::None)
            return level.prefix + level.suffix;
        const auto shownNumber = [&](int l) {
            const OdfStyles::ListLevel shown = m_styles.level(style, l);
            return ListMarks::number(c.used[l] ? c.values[l] : shown.start, shown.format);
        };
        if (!level.listFormat.isEmpty()) {
            static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2})%"));
            QString printed;
            qsizetype from = 0;
            auto it = placeholder.globalMatch(level.listFormat);
            while (it.hasNext()) {
                const auto m = it.next();
                printed += level.listFormat.mid(from, m.capturedStart() - from)
                    + shownNumber(qBound(1, m.captured(1).toInt(), 10));
                from = m.capturedEnd();
            }
            return printed + level.listFormat.mid(from);
        }
        QStringList numbers;
        for (int l = qMax(1, depth - level.displayLevels + 1); l <= depth; ++l) {
            const OdfStyles::ListLevel shown = m_styles.level(style, l);
            numbers.append(ListMarks::number(c.used[l] ? c.values[l] : shown.start, shown.format));
        }
        return level.prefix + numbers.join(QLatin1Char('.')) + level.suffix;
    }

    void paragraph(const QXmlStreamReader &xml, bool heading)
    {
        if (m_paragraphs++ > 0)
            return;
        const QString style = attribute(xml, "style-name");
        QString printed = mark(style);
        // A heading outside any list is numbered by the document's outline numbering.
        if (heading && m_lists.isEmpty() && attribute(xml, "is-list-header") != u"true")
            printed = counted(OdfStyles::OutlineStyle, m_outline,
                qMax(1, attribute(xml, "outline-level").toInt()), -1);
        const auto kind = heading     ? OutlineTextBuilder::Kind::Heading
            : m_styles.isTitle(style) ? OutlineTextBuilder::Kind::Title
                                      : OutlineTextBuilder::Kind::Body;
        m_out.beginParagraph(qMax(0, int(m_lists.size()) - 1), kind, printed);
    }

    OutlineTextBuilder &m_out;
    OdfStyles &m_styles;
    QList<List> m_lists;
    QList<Item> m_items;
    QList<ListCounters> m_counters;
    ListCounters m_outline; // the headings' numbers
    QHash<QString, int> m_byId; // a list's xml:id → its counters, for text:continue-list
    QHash<QString, int> m_lastByStyle; // the last list of a style, for continue-numbering
    QList<Held> m_held;
    QString m_noteMark;
    QString m_citationText;
    int m_paragraphs = 0; // nesting of paragraphs being read (a note's paragraph inside one)
    int m_skip = 0;
    bool m_citation = false;
    bool m_number = false;
    bool m_inBody = false;
};

} // namespace

namespace OdfXmlReader {

ImportedDocument read(ZipEntryStream &zip)
{
    OutlineTextBuilder out;
    OdfStyles styles;
    ImportedDocument doc;
    const QString stylesPart = QStringLiteral("styles.xml");
    if (zip.hasEntry(stylesPart)
        && !zip.readXml(
            stylesPart, ImportLimits::XmlBytes,
            [&styles](QXmlStreamReader &xml) { styles.token(xml); }, doc.error))
        return doc;
    OdfWalk walk(out, styles);
    if (!zip.readXml(
            QStringLiteral("content.xml"), ImportLimits::XmlBytes,
            [&walk](QXmlStreamReader &xml) { walk.token(xml); }, doc.error))
        return doc;
    if (out.tooLong())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the document's text is too long"));
    doc.text = out.text();
    doc.firstHeading = out.firstHeading();
    doc.titleProperty = zip.elementText(QStringLiteral("meta.xml"), u"title");
    return doc;
}

} // namespace OdfXmlReader
