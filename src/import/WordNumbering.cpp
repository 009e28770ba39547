#include "WordNumbering.h"

#include "ListMarks.h"
#include "ZipEntryStream.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QString value(const QXmlStreamReader &xml)
{
    return ZipEntryStream::attribute(xml, QLatin1StringView("val"));
}

int levelIndex(const QXmlStreamReader &xml)
{
    bool ok = false;
    const int i = ZipEntryStream::attribute(xml, QLatin1StringView("ilvl")).toInt(&ok);
    return ok && i >= 0 && i < 9 ? i : -1;
}

} // namespace

void WordNumbering::numberingToken(const QXmlStreamReader &xml)
{
    if (xml.isEndElement()) {
        const QStringView name = xml.name();
        if (name == u"abstractNum")
            m_abstract.clear();
        else if (name == u"num")
            m_num.clear();
        else if (name == u"lvlOverride")
            m_inOverride = false;
        else if (name == u"lvl")
            m_level = -1;
        return;
    }
    if (!xml.isStartElement())
        return;
    const QStringView name = xml.name();
    if (name == u"abstractNum") {
        m_abstract = ZipEntryStream::attribute(xml, QLatin1StringView("abstractNumId"));
        m_abstracts.insert(m_abstract, Abstract());
        return;
    }
    if (name == u"num") {
        m_num = ZipEntryStream::attribute(xml, QLatin1StringView("numId"));
        m_nums.insert(m_num, Num());
        return;
    }
    if (name == u"numStyleLink" && !m_abstract.isEmpty()) {
        m_abstracts[m_abstract].styleLink = value(xml);
        return;
    }
    if (!m_num.isEmpty()) {
        Num &num = m_nums[m_num];
        if (name == u"abstractNumId") {
            num.abstractId = value(xml);
        } else if (name == u"lvlOverride") {
            m_inOverride = true;
            m_overrideLevel = levelIndex(xml);
        } else if (name == u"startOverride" && m_inOverride && m_overrideLevel >= 0) {
            num.startOverride[m_overrideLevel] = value(xml).toInt();
            num.restarts = true;
        } else if (name == u"lvl" && m_inOverride && m_overrideLevel >= 0) {
            m_level = m_overrideLevel;
            num.overrides[m_level].defined = true;
            num.restarts = true;
        }
    }
    Level *level = nullptr;
    if (m_level >= 0 && !m_abstract.isEmpty() && !m_inOverride)
        level = &m_abstracts[m_abstract].levels[m_level];
    else if (m_level >= 0 && !m_num.isEmpty() && m_inOverride
        && m_nums[m_num].overrides[m_level].defined)
        level = &m_nums[m_num].overrides[m_level];
    if (name == u"lvl" && !m_abstract.isEmpty()) {
        m_level = levelIndex(xml);
        if (m_level >= 0)
            m_abstracts[m_abstract].levels[m_level].defined = true;
    } else if (level == nullptr) {
        return;
    } else if (name == u"start") {
        level->start = value(xml).toInt();
    } else if (name == u"numFmt") {
        level->format = value(xml);
    } else if (name == u"lvlText") {
        level->text = value(xml);
    } else if (name == u"isLgl") {
        level->legal = value(xml) != QLatin1String("0") && value(xml) != QLatin1String("false");
    } else if (name == u"lvlRestart") {
        level->restartAfter = qMax(0, value(xml).toInt());
    }
}

void WordNumbering::stylesToken(const QXmlStreamReader &xml)
{
    if (xml.isEndElement() && xml.name() == u"style") {
        m_style.clear();
        return;
    }
    if (!xml.isStartElement())
        return;
    const QStringView name = xml.name();
    if (name == u"style") {
        // Paragraph styles by their id; list (numbering) styles apart, as a list's definition
        // may be only a link to one.
        const QString type = ZipEntryStream::attribute(xml, QLatin1StringView("type"));
        const QString id = ZipEntryStream::attribute(xml, QLatin1StringView("styleId"));
        m_style = type == u"paragraph" ? id
            : type == u"numbering"     ? QStringLiteral("numbering:") + id
                                       : QString();
        if (!m_style.isEmpty())
            m_styles.insert(m_style, RawStyle());
        return;
    }
    if (m_style.isEmpty())
        return;
    RawStyle &style = m_styles[m_style];
    if (name == u"basedOn")
        style.basedOn = value(xml);
    else if (name == u"name")
        style.name = value(xml);
    else if (name == u"numId")
        style.numId = value(xml);
    else if (name == u"ilvl")
        style.ilvl = value(xml).toInt();
    else if (name == u"outlineLvl")
        style.outlineLevel = value(xml).toInt();
}

WordNumbering::Style WordNumbering::style(const QString &styleId) const
{
    static const QRegularExpression heading(
        QStringLiteral("^heading\\s*[1-9]$"), QRegularExpression::CaseInsensitiveOption);
    Style out;
    QString id = styleId;
    bool numbered = false;
    // The chain is followed a few steps only: a loop of based-on styles ends here too.
    for (int step = 0; step < 10 && !id.isEmpty(); ++step) {
        const bool known = m_styles.contains(id);
        const RawStyle raw = m_styles.value(id);
        const QString name = known ? raw.name : id;
        if (!out.heading && !out.title) {
            if (name.compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0
                || id.compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0)
                out.title = true;
            else if (heading.match(name).hasMatch() || heading.match(id).hasMatch()
                || (raw.outlineLevel >= 0 && raw.outlineLevel < 9))
                out.heading = true;
        }
        if (!numbered && !raw.numId.isEmpty()) {
            out.numId = raw.numId;
            numbered = true;
        }
        if (out.ilvl < 0 && raw.ilvl >= 0)
            out.ilvl = raw.ilvl;
        if (!known)
            break;
        id = raw.basedOn;
    }
    return out;
}

WordNumbering::Level WordNumbering::level(const Num &num, const Abstract &abstract, int ilvl) const
{
    Level l = num.overrides[ilvl].defined ? num.overrides[ilvl] : abstract.levels[ilvl];
    if (num.startOverride[ilvl] >= 0)
        l.start = num.startOverride[ilvl];
    return l;
}

QString WordNumbering::next(const QString &numId, int ilvl)
{
    if (numId.isEmpty() || numId == QLatin1String("0") || !m_nums.contains(numId))
        return QString();
    ilvl = qBound(0, ilvl, 8);
    Num &num = m_nums[numId];
    // A definition that only links to a list style takes the style's list: its levels, and its
    // counters, which every list of that style shares.
    QString abstractId = num.abstractId;
    for (int step = 0; step < 3 && !m_abstracts.value(abstractId).styleLink.isEmpty(); ++step) {
        const QString linked
            = m_styles.value(QStringLiteral("numbering:") + m_abstracts.value(abstractId).styleLink)
                  .numId;
        if (!m_nums.contains(linked))
            break;
        abstractId = m_nums.value(linked).abstractId;
    }
    const Abstract abstract = m_abstracts.value(abstractId);
    const QString key = num.restarts ? QStringLiteral("num:") + numId : abstractId;
    Counters &counters = m_counters[key];
    if (num.restarts && !num.started) {
        num.started = true;
        counters = Counters();
    }
    const Level current = level(num, abstract, ilvl);
    counters.values[ilvl] = counters.used[ilvl] ? counters.values[ilvl] + 1 : current.start;
    counters.used[ilvl] = true;
    // A level's counter starts again below an item above it, as Word restarts it (unless the
    // level says otherwise).
    for (int deeper = ilvl + 1; deeper < 9; ++deeper) {
        const int after = level(num, abstract, deeper).restartAfter;
        if (after < 0 || (after > 0 && ilvl + 1 <= after))
            counters.used[deeper] = false;
    }

    const ListMarks::Format format = ListMarks::fromWord(current.format);
    if (format == ListMarks::Format::None)
        return current.text.contains(QLatin1Char('%')) ? QString() : current.text;
    if (format == ListMarks::Format::Bullet)
        return ListMarks::bullet(current.text);
    QString mark;
    const QString &text = current.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) >= QLatin1Char('1')
            && text.at(i + 1) <= QLatin1Char('9')) {
            const int n = text.at(++i).unicode() - '1';
            const Level shown = level(num, abstract, n);
            const int count = counters.used[n] ? counters.values[n] : shown.start;
            const ListMarks::Format f = current.legal && n != ilvl
                ? ListMarks::Format::Decimal
                : ListMarks::fromWord(shown.format);
            mark += ListMarks::number(count, f);
        } else {
            mark += c;
        }
    }
    return mark;
}
