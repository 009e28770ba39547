#include "NotesScriptureSplit.h"

#include "clsConfig.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QSplitter>

namespace {

const QString Section = QStringLiteral("Notes");

int readShare()
{
    clsConfig config;
    bool ok = false;
    const int share = config
                          .GetConfig(Section, QStringLiteral("ScriptureShare"),
                              QString::number(NotesScriptureSplit::DefaultShare))
                          .toInt(&ok);
    return ok && share >= 10 && share <= NotesScriptureSplit::LargestShare
        ? share
        : NotesScriptureSplit::DefaultShare;
}

// Out-of-range or missing values give the default: shown.
bool readShown()
{
    clsConfig config;
    return config.GetConfig(Section, QStringLiteral("ShowScripture"), QStringLiteral("1")).trimmed()
        != QLatin1String("0");
}

} // namespace

NotesScriptureSplit::NotesScriptureSplit(
    QWidget *outline, QWidget *scripture, QWidget *scriptureChoices, QWidget *window)
    : QObject(window)
    , m_scripture(scripture)
    , m_choices(scriptureChoices)
    , m_share(readShare())
{
    m_splitter = new QSplitter(Qt::Horizontal, window);
    m_splitter->setObjectName(QStringLiteral("splScripture"));
    m_splitter->setChildrenCollapsible(false);
    if (QLayout *layout = outline->parentWidget() ? outline->parentWidget()->layout() : nullptr)
        delete layout->replaceWidget(outline, m_splitter);
    m_splitter->addWidget(outline);
    m_splitter->addWidget(scripture);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    // The pane may be narrower than its controls would like (a splitter otherwise keeps every
    // side at least as wide as its layout asks): the outline comes first.
    scripture->setMinimumWidth(1);
    m_splitter->installEventFilter(this);
    connect(m_splitter, &QSplitter::splitterMoved, this, &NotesScriptureSplit::dividerMoved);

    m_show = new QCheckBox(
        QCoreApplication::translate("NotesScriptureSplit", "Show &Scripture"), window);
    m_show->setObjectName(QStringLiteral("chkShowScripture"));
    m_show->setChecked(readShown());
    scripture->setVisible(m_show->isChecked());
    m_choices->setVisible(m_show->isChecked());
    auto *row = new QHBoxLayout;
    row->addWidget(m_show, 0, Qt::AlignTop);
    row->addWidget(m_choices, 0, Qt::AlignTop);
    row->addStretch(1);
    m_choiceRow = row;
    connect(m_show, &QCheckBox::toggled, this, &NotesScriptureSplit::showToggled);
}

bool NotesScriptureSplit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_splitter && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        applyShare();
    return QObject::eventFilter(watched, event);
}

void NotesScriptureSplit::applyShare()
{
    const int width = m_splitter->width() - m_splitter->handleWidth();
    if (width <= 0 || m_scripture->isHidden())
        return;
    const int pane = width * m_share / 100;
    m_placing = true;
    m_splitter->setSizes({ width - pane, pane });
    m_placing = false;
}

void NotesScriptureSplit::dividerMoved()
{
    if (m_placing)
        return;
    const QList<int> sizes = m_splitter->sizes();
    const int width = sizes.value(0) + sizes.value(1);
    if (width <= 0)
        return;
    const int share = qBound(0, sizes.value(1) * 100 / width, LargestShare);
    const bool clamped = share * width / 100 < sizes.value(1) - 1;
    if (share != m_share) {
        m_share = qMax(10, share);
        clsConfig config;
        config.SaveConfig(Section, QStringLiteral("ScriptureShare"), QString::number(m_share));
    }
    if (clamped)
        applyShare();
}

void NotesScriptureSplit::showToggled(bool shown)
{
    m_scripture->setVisible(shown);
    m_choices->setVisible(shown);
    if (shown)
        applyShare();
    clsConfig config;
    config.SaveConfig(Section, QStringLiteral("ShowScripture"),
        shown ? QStringLiteral("1") : QStringLiteral("0"));
}
