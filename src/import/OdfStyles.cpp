#include "OdfStyles.h"

#include "ZipEntryStream.h"

#include <QXmlStreamReader>

namespace {

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return ZipEntryStream::attribute(xml, QLatin1StringView(name));
}

} // namespace

const QString OdfStyles::OutlineStyle = QStringLiteral("\x01outline");

void OdfStyles::token(const QXmlStreamReader &xml)
{
    const QStringView name = xml.name();
    if (xml.isEndElement()) {
        if (name == u"style")
            m_style.clear();
        else if (name == u"list-style" || name == u"outline-style")
            m_list.clear();
        return;
    }
    if (!xml.isStartElement())
        return;
    if (name == u"style" && xml.namespaceUri().endsWith(u":style:1.0")) {
        m_style = attribute(xml, "name");
        Style &s = m_styles[m_style];
        s.parent = attribute(xml, "parent-style-name");
        s.listStyle = attribute(xml, "list-style-name");
    } else if (name == u"text-properties" && !m_style.isEmpty()) {
        if (attribute(xml, "display") == u"none")
            m_styles[m_style].hidden = true;
    } else if (name == u"list-style" || name == u"outline-style") {
        m_list = name == u"list-style" ? attribute(xml, "name") : OutlineStyle;
        m_lists[m_list].clear();
    } else if (!m_list.isEmpty()
        && (name == u"list-level-style-number" || name == u"list-level-style-bullet"
            || name == u"list-level-style-image" || name == u"outline-level-style")) {
        ListLevel l;
        l.defined = true;
        l.prefix = attribute(xml, "num-prefix");
        l.suffix = attribute(xml, "num-suffix");
        if (name == u"list-level-style-number" || name == u"outline-level-style") {
            l.format = ListMarks::fromOdf(attribute(xml, "num-format"));
            bool ok = false;
            const int start = attribute(xml, "start-value").toInt(&ok);
            l.start = ok ? start : 1;
            l.displayLevels = qBound(1, attribute(xml, "display-levels").toInt(), 10);
            l.listFormat = attribute(xml, "num-list-format");
        } else {
            l.format = ListMarks::Format::Bullet;
            l.bullet = ListMarks::bullet(attribute(xml, "bullet-char"));
        }
        m_lists[m_list].insert(attribute(xml, "level").toInt(), l);
    }
}

OdfStyles::ListLevel OdfStyles::level(const QString &listStyle, int level) const
{
    const ListLevel l = m_lists.value(listStyle).value(level);
    if (l.defined)
        return l;
    // A list without a style (or a level its style leaves out) is indented, not numbered.
    ListLevel none;
    none.format = ListMarks::Format::None;
    none.suffix.clear();
    return none;
}

bool OdfStyles::hides(const QString &style) const
{
    QString name = style;
    for (int step = 0; step < 10 && !name.isEmpty(); ++step) {
        const auto it = m_styles.constFind(name);
        if (it == m_styles.cend())
            return false;
        if (it->hidden)
            return true;
        name = it->parent;
    }
    return false;
}

bool OdfStyles::isTitle(const QString &paragraphStyle) const
{
    QString name = paragraphStyle;
    for (int step = 0; step < 10 && !name.isEmpty(); ++step) {
        if (name == u"Title")
            return true;
        name = m_styles.value(name).parent;
    }
    return false;
}

QString OdfStyles::listStyleOf(const QString &paragraphStyle) const
{
    QString name = paragraphStyle;
    for (int step = 0; step < 10 && !name.isEmpty(); ++step) {
        const Style s = m_styles.value(name);
        if (!s.listStyle.isEmpty())
            return s.listStyle;
        name = s.parent;
    }
    return QString();
}
