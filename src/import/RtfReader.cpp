#include "RtfReader.h"

#include "ImportLimits.h"
#include "OutlineTextBuilder.h"
#include "TextDecoding.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

enum class Destination {
    Body,
    Skip,
    ListText,
    Footnote,
    Info,
    Title,
    StyleSheet,
    StyleEntry,
    Shape, // a drawing (\shp): only its text box is read
    TextBox // \shptxt: paragraphs of their own, after the one the shape is anchored in
};

// What a group carries; RTF restores it at the group's end.
struct GroupState
{
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \ucN: the bytes that stand for a \uN character in older readers
    bool hidden = false;
    bool deleted = false;
    // The paragraph's properties.
    int ilvl = 0;
    int list = 0; // \lsN: 0 for none
    int outline = -1;
    int style = 0;
    int leftIndent = 0;
    int firstIndent = 0;
    bool inTable = false;
};

// A paragraph being read: its text and the mark its \listtext printed.
struct Paragraph
{
    QString text;
    QString mark;
    bool hidden = false; // hidden or deleted text was passed over
};

constexpr int MaxDepth = 2000; // groups open at once; deeper is no document

class RtfParser
{
public:
    explicit RtfParser(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    ImportedDocument parse()
    {
        ImportedDocument doc;
        m_groups.append(GroupState());
        const qsizetype size = m_bytes.size();
        for (m_pos = 0; m_pos < size && m_error.isEmpty(); ++m_pos) {
            const char c = m_bytes.at(m_pos);
            if (c == '{') {
                flushBytes();
                if (m_groups.size() >= MaxDepth)
                    return ImportedDocument::failure(QCoreApplication::translate(
                        "ImportedDocument", "the file's groups are nested too deep"));
                m_groups.append(m_groups.last());
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                flushBytes();
                closeGroup();
                continue;
            }
            if (c == '\\') {
                controlWord();
                continue;
            }
            m_groupStart = false;
            if (c == '\r' || c == '\n')
                continue;
            if (m_skipChars > 0) {
                --m_skipChars;
                continue;
            }
            m_pending.append(c);
        }
        flushBytes();
        finishParagraph();
        if (m_out.tooLong())
            return ImportedDocument::failure(
                QCoreApplication::translate("ImportedDocument", "the document's text is too long"));
        doc.text = m_out.text();
        doc.firstHeading = m_out.firstHeading();
        doc.titleProperty = m_title.simplified();
        return doc;
    }

private:
    GroupState &state() { return m_groups.last(); }

    void closeGroup()
    {
        if (m_groups.size() <= 1)
            return; // a stray brace: the text goes on
        const GroupState closed = m_groups.takeLast();
        const Destination outer = m_groups.last().destination;
        if (closed.destination == Destination::Footnote && outer != Destination::Footnote) {
            finishParagraph();
            m_out.endFootnote();
            m_paragraph = m_heldParagraph;
        } else if (closed.destination == Destination::TextBox && outer != Destination::TextBox) {
            finishParagraph();
            m_out.endNested();
            m_paragraph = m_boxParagraph;
        } else if (closed.destination == Destination::StyleEntry
            && outer == Destination::StyleSheet) {
            QString name = m_styleName.trimmed();
            if (name.endsWith(QLatin1Char(';')))
                name.chop(1);
            if (m_styleNumber >= 0)
                m_styleNames.insert(m_styleNumber, name.trimmed());
        }
    }

    // Reads the control word or symbol at m_pos and leaves m_pos on its last character.
    void controlWord()
    {
        const qsizetype size = m_bytes.size();
        if (m_pos + 1 >= size)
            return;
        const char next = m_bytes.at(m_pos + 1);
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            ++m_pos;
            controlSymbol(next);
            return;
        }
        qsizetype i = m_pos + 1;
        while (
            i < size && i - m_pos < 40 && std::isalpha(static_cast<unsigned char>(m_bytes.at(i))))
            ++i;
        const QByteArray word = m_bytes.mid(m_pos + 1, i - m_pos - 1);
        bool hasNumber = false;
        int number = 0;
        qsizetype digits = i;
        if (digits < size
            && (m_bytes.at(digits) == '-'
                || std::isdigit(static_cast<unsigned char>(m_bytes.at(digits))))) {
            const bool negative = m_bytes.at(digits) == '-';
            if (negative)
                ++digits;
            qint64 value = 0;
            while (digits < size && std::isdigit(static_cast<unsigned char>(m_bytes.at(digits)))) {
                value = qMin<qint64>(value * 10 + (m_bytes.at(digits) - '0'), 1 << 30);
                ++digits;
                hasNumber = true;
            }
            number = int(negative ? -value : value);
            i = digits;
        }
        // One blank after a control word is its end, not text.
        m_pos = (i < size && m_bytes.at(i) == ' ') ? i : i - 1;
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        apply(word, hasNumber ? number : -1, hasNumber, groupStart);
    }

    void controlSymbol(char c)
    {
        // "\*" comes before a destination's word: the group is still at its start.
        if (c != '*')
            m_groupStart = false;
        if (c == '\'') {
            if (m_pos + 2 < m_bytes.size()) {
                bool ok = false;
                const int byte = m_bytes.mid(m_pos + 1, 2).toInt(&ok, 16);
                m_pos += 2;
                if (!ok)
                    return;
                if (m_skipChars > 0) {
                    --m_skipChars;
                    return;
                }
                m_pending.append(char(byte));
            }
            return;
        }
        if (c == '*') {
            m_starred = true;
            return;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            m_pending.append(c);
            break;
        case '~':
            text(QString(QChar(0x00A0)));
            break;
        case '_':
            text(QStringLiteral("-"));
            break;
        default:
            break; // \- (an optional hyphen) and the rest print nothing
        }
    }

    void apply(const QByteArray &word, int number, bool hasNumber, bool groupStart)
    {
        GroupState &s = state();
        const bool starred = m_starred;
        m_starred = false;
        if (groupStart && startsDestination(word, starred))
            return;
        if (word == "u") {
            flushBytes();
            text(QString(QChar(char16_t(number < 0 ? number + 65536 : number))));
            m_skipChars = s.unicodeSkip;
            return;
        }
        if (word == "uc") {
            s.unicodeSkip = qBound(0, number, 10);
            return;
        }
        m_skipChars = 0;
        static const QHash<QByteArray, QString> symbols {
            { "tab", QStringLiteral("\t") },
            { "line", QStringLiteral("\n") },
            { "emdash", QStringLiteral("—") },
            { "endash", QStringLiteral("–") },
            { "lquote", QStringLiteral("‘") },
            { "rquote", QStringLiteral("’") },
            { "ldblquote", QStringLiteral("“") },
            { "rdblquote", QStringLiteral("”") },
            { "bullet", QStringLiteral("•") },
            { "emspace", QStringLiteral(" ") },
            { "enspace", QStringLiteral(" ") },
            { "qmspace", QStringLiteral(" ") },
        };
        if (const auto it = symbols.constFind(word); it != symbols.cend()) {
            text(*it);
        } else if (word == "par" || word == "sect") {
            flushBytes();
            finishParagraph();
        } else if (word == "cell" || word == "nestcell") {
            flushBytes();
            finishParagraph(true);
            m_out.endCell();
        } else if (word == "row" || word == "nestrow") {
            if (m_inRow) {
                m_out.endRow();
                m_inRow = false;
            }
        } else if (word == "pard") {
            const GroupState fresh;
            s.ilvl = fresh.ilvl;
            s.list = fresh.list;
            s.outline = fresh.outline;
            s.style = fresh.style;
            s.leftIndent = fresh.leftIndent;
            s.firstIndent = fresh.firstIndent;
            s.inTable = false;
        } else if (word == "plain") {
            s.hidden = s.deleted = false;
        } else if (word == "v") {
            s.hidden = !hasNumber || number != 0;
        } else if (word == "deleted") {
            s.deleted = !hasNumber || number != 0;
        } else if (word == "ansicpg") {
            setCodePage(number);
        } else if (word == "ilvl") {
            s.ilvl = qBound(0, number, 8);
        } else if (word == "ls") {
            s.list = number;
        } else if (word == "outlinelevel") {
            s.outline = number;
        } else if (word == "s") {
            if (s.destination == Destination::StyleEntry)
                m_styleNumber = number;
            else
                s.style = number;
        } else if (word == "cs" || word == "ds" || word == "ts") {
            if (s.destination == Destination::StyleEntry)
                m_styleNumber = -1;
        } else if (word == "li") {
            s.leftIndent = number;
        } else if (word == "fi") {
            s.firstIndent = number;
        } else if (word == "intbl") {
            s.inTable = true;
        }
    }

    // A group's first control word may open a destination: some are read, the rest skipped.
    bool startsDestination(const QByteArray &word, bool starred)
    {
        GroupState &s = state();
        static const QList<QByteArray> skipped { "fonttbl", "colortbl", "pict", "header", "headerl",
            "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "object", "listtable",
            "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "pn", "pntxta", "pntxtb",
            "annotation", "atnid", "atnauthor", "fldinst", "nonshppict", "revtbl", "filetbl",
            "userprops", "docvar", "datastore", "themedata", "latentstyles", "mmathPr", "bkmkstart",
            "bkmkend", "txe", "xe", "tc" };
        if (s.destination == Destination::Skip)
            return true;
        if (word == "shp" && !starred) {
            s.destination = Destination::Shape;
            return true;
        }
        if (s.destination == Destination::Shape) {
            // The shape's properties and the picture of its result are no text.
            if (word == "shptxt") {
                s.destination = Destination::TextBox;
                flushBytes();
                m_boxParagraph = m_paragraph;
                m_paragraph = Paragraph();
                m_out.beginNested();
            } else if (word != "shpinst") {
                s.destination = Destination::Skip;
            }
            return true;
        }
        if (word == "footnote") {
            if (s.destination == Destination::Footnote)
                return true;
            s.destination = Destination::Footnote;
            flushBytes();
            const QString mark = QString::number(++m_notes);
            m_paragraph.text += QLatin1Char('[') + mark + QLatin1Char(']');
            m_heldParagraph = m_paragraph;
            m_paragraph = Paragraph();
            m_out.beginFootnote(mark);
            return true;
        }
        if (word == "listtext" || word == "pntext") {
            s.destination = Destination::ListText;
            m_paragraph.mark.clear();
            return true;
        }
        if (word == "info") {
            s.destination = Destination::Info;
            return true;
        }
        if (word == "title" && s.destination == Destination::Info) {
            s.destination = Destination::Title;
            return true;
        }
        if (word == "stylesheet") {
            s.destination = Destination::StyleSheet;
            return true;
        }
        if (starred || skipped.contains(word) || s.destination == Destination::Info) {
            s.destination = Destination::Skip;
            return true;
        }
        if (s.destination == Destination::StyleSheet) {
            s.destination = Destination::StyleEntry;
            m_styleNumber = 0;
            m_styleName.clear();
        }
        return false;
    }

    void setCodePage(int page)
    {
        m_codePage = page;
        m_decoder = QStringDecoder();
        // Windows-1252 is decoded here; other code pages as far as Qt knows them.
        if (page != 1252 && page > 0)
            m_decoder = QStringDecoder(
                QByteArray(QByteArray("windows-") + QByteArray::number(page)).constData());
    }

    void flushBytes()
    {
        if (m_pending.isEmpty())
            return;
        // Cleared first: text() flushes what is pending before it adds its own.
        const QByteArray bytes = m_pending;
        m_pending.clear();
        text(m_decoder.isValid() ? m_decoder.decode(bytes) : TextDecoding::fromWindows1252(bytes));
    }

    void text(const QString &t)
    {
        flushBytes();
        const GroupState &s = state();
        if (s.hidden || s.deleted) {
            m_paragraph.hidden = true;
            return;
        }
        switch (s.destination) {
        case Destination::Body:
        case Destination::Footnote:
        case Destination::TextBox:
            if (m_paragraph.text.size() < ImportLimits::TextChars)
                m_paragraph.text += t;
            else
                m_out.addText(t); // past the limit: the builder says so
            break;
        case Destination::ListText:
            if (t != u"\t")
                m_paragraph.mark += t;
            break;
        case Destination::Title:
            m_title += t;
            break;
        case Destination::StyleEntry:
            m_styleName += t;
            break;
        default:
            break;
        }
    }

    void finishParagraph(bool cell = false)
    {
        const GroupState &s = state();
        const Destination d = s.destination;
        if (d != Destination::Body && d != Destination::Footnote && d != Destination::TextBox)
            return;
        if ((s.inTable || cell) && !m_inRow && d == Destination::Body) {
            m_out.beginRow();
            m_inRow = true;
        }
        QString body = m_paragraph.text;
        QString mark = m_paragraph.mark.trimmed();
        if (mark == u"·")
            mark = QStringLiteral("•"); // the Symbol font's bullet, read as its code page
        int level = s.list > 0 ? s.ilvl : 0;
        // A mark typed before a tab under a hanging indent, as pandoc writes list items.
        static const QRegularExpression typed(QStringLiteral("^\\s*(\\S{1,8})\\t"));
        if (mark.isEmpty() && s.firstIndent < 0 && s.list == 0) {
            if (const auto m = typed.match(body); m.hasMatch()) {
                mark = m.captured(1);
                body = body.mid(m.capturedEnd());
                level = qMax(0, (s.leftIndent + 180) / 360 - 1);
            }
        }
        const QString style = m_styleNames.value(s.style);
        static const QRegularExpression heading(
            QStringLiteral("^heading\\s*[1-9]$"), QRegularExpression::CaseInsensitiveOption);
        const auto kind = style.compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0
            ? OutlineTextBuilder::Kind::Title
            : (s.outline >= 0 && s.outline < 9) || heading.match(style).hasMatch()
            ? OutlineTextBuilder::Kind::Heading
            : OutlineTextBuilder::Kind::Body;
        m_out.beginParagraph(level, kind, mark);
        if (m_paragraph.hidden)
            m_out.markHidden();
        m_out.addText(body);
        m_out.endParagraph();
        m_paragraph = Paragraph();
    }

    const QByteArray &m_bytes;
    OutlineTextBuilder m_out;
    QList<GroupState> m_groups;
    QByteArray m_pending; // bytes of the code page not yet decoded
    QStringDecoder m_decoder;
    Paragraph m_paragraph;
    Paragraph m_heldParagraph; // the body's paragraph a footnote interrupted
    Paragraph m_boxParagraph; // the one a text box's shape is anchored in
    QHash<int, QString> m_styleNames;
    QString m_styleName;
    QString m_title;
    QString m_error;
    qsizetype m_pos = 0;
    int m_styleNumber = 0;
    int m_codePage = 1252;
    int m_skipChars = 0;
    int m_notes = 0;
    bool m_groupStart = false;
    bool m_starred = false;
    bool m_inRow = false;
};

} // namespace

namespace RtfReader {

ImportedDocument read(const QByteArray &bytes)
{
    if (!bytes.startsWith("{\\rtf"))
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "not an RTF file"));
    RtfParser parser(bytes);
    ImportedDocument doc = parser.parse();
    if (doc.ok() && doc.text.trimmed().isEmpty())
        return ImportedDocument::failure(
            QCoreApplication::translate("ImportedDocument", "the document holds no text"));
    return doc;
}

} // namespace RtfReader
