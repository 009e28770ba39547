#include "HelpWindow.h"

#include "Twips.h"
#include "UserInterface.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<HelpWindow> g_current;

QString plainText(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed();
}

QPushButton *helpButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}
} // namespace

HelpWindow *HelpWindow::current()
{
    return g_current;
}

HelpWindow *HelpWindow::open(QWidget *owner, const QString &helpFile)
{
    if (g_current && g_current->helpFile() == helpFile) {
        return g_current;
    }
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(tr("Cannot find or open the help file %1").arg(helpFile), MsgBoxStyle::OkExclamation,
            tr("Help"));
        return nullptr;
    }
    const QString html = QString::fromUtf8(file.readAll());
    if (g_current) {
        g_current->close();
    }
    g_current = new HelpWindow(owner, helpFile, html);
    return g_current;
}

HelpWindow::HelpWindow(QWidget *owner, const QString &helpFile, const QString &html)
    : QWidget(owner, Qt::Window)
    , m_helpFile(helpFile)
{
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QString caption = plainText(title.match(html).captured(1));
    setWindowTitle(caption.isEmpty() ? tr("Lectorum Help") : caption);
    readIndex(html);

    auto *contents = helpButton(QStringLiteral("cmdHelpContents"), tr("&Contents"), this);
    auto *index = helpButton(QStringLiteral("cmdHelpIndex"), tr("&Index"), this);
    auto *back = helpButton(QStringLiteral("cmdHelpBack"), tr("&Back"), this);
    auto *exit = helpButton(QStringLiteral("cmdHelpExit"), tr("E&xit"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : { contents, index, back, exit }) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    auto *searchPane = new QWidget(this);
    auto *searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    auto *searchLabel = new QLabel(tr("&Search for a keyword:"), searchPane);
    m_search = new QLineEdit(searchPane);
    m_search->setObjectName(QStringLiteral("txtHelpSearch"));
    m_search->setAccessibleName(tr("Search for a keyword"));
    searchLabel->setBuddy(m_search);
    m_keywords = new QListWidget(searchPane);
    m_keywords->setObjectName(QStringLiteral("lstHelpKeywords"));
    m_keywords->setAccessibleName(tr("Keywords"));
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_keywords, 1);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelpText"));
    m_browser->setAccessibleName(tr("Help text"));
    m_browser->setOpenExternalLinks(true);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(searchPane);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ TwipsToPixels(3000), TwipsToPixels(8000) });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(TwipsToPixels(11000), TwipsToPixels(8000));

    connect(
        contents, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("contents")); });
    connect(index, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("index")); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::fillKeywordList);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::goToFirstKeyword);
    connect(m_keywords, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { goToKeyword(m_keywords->row(item)); });
    connect(m_keywords, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { goToKeyword(m_keywords->row(item)); });

    fillKeywordList(QString());
    back->setEnabled(false);
    m_browser->setSource(QUrl::fromLocalFile(m_helpFile), QTextDocument::HtmlResource);
}

HelpWindow::~HelpWindow()
{
    if (g_current == this) {
        g_current = nullptr;
    }
}

void HelpWindow::readIndex(const QString &html)
{
    static const QRegularExpression anchor(
        QStringLiteral("<a\\s+name=\"([^\"]+)\""), QRegularExpression::CaseInsensitiveOption);
    for (auto it = anchor.globalMatch(html); it.hasNext();) {
        m_anchors.insert(it.next().captured(1));
    }
    const qsizetype start = html.indexOf(QStringLiteral("name=\"index\""));
    if (start < 0) {
        return;
    }
    const qsizetype end = html.indexOf(QStringLiteral("</ul>"), start);
    const QString list = html.mid(start, end < 0 ? -1 : end - start);
    static const QRegularExpression entry(QStringLiteral("<li>\\s*<a href=\"#([^\"]+)\">(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    for (auto it = entry.globalMatch(list); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        m_index.append({ plainText(match.captured(2)), match.captured(1) });
    }
}

void HelpWindow::showTopic(const QString &anchor)
{
    show();
    raise();
    activateWindow();
    QUrl target = QUrl::fromLocalFile(m_helpFile);
    target.setFragment(anchor);
    m_browser->setSource(target, QTextDocument::HtmlResource);
    // The browser scrolls only once laid out; repeat it for a window that has just appeared.
    m_browser->scrollToAnchor(anchor);
}

QString HelpWindow::currentTopic() const
{
    return m_browser->source().fragment();
}

QStringList HelpWindow::matchingKeywords(const QString &partialKey) const
{
    QStringList found;
    for (const auto &entry : m_index) {
        if (entry.first.startsWith(partialKey.trimmed(), Qt::CaseInsensitive)) {
            found.append(entry.first);
        }
    }
    return found;
}

void HelpWindow::showSearch(const QString &partialKey)
{
    show();
    raise();
    activateWindow();
    m_search->setText(partialKey);
    fillKeywordList(partialKey);
    m_search->setFocus(Qt::OtherFocusReason);
    m_search->selectAll();
}

void HelpWindow::fillKeywordList(const QString &partialKey)
{
    m_keywords->clear();
    for (const auto &entry : m_index) {
        if (entry.first.startsWith(partialKey.trimmed(), Qt::CaseInsensitive)) {
            auto *item = new QListWidgetItem(entry.first, m_keywords);
            item->setData(Qt::UserRole, entry.second);
        }
    }
    if (m_keywords->count() > 0) {
        m_keywords->setCurrentRow(0);
    }
}

void HelpWindow::goToFirstKeyword()
{
    if (m_keywords->count() > 0) {
        goToKeyword(m_keywords->currentRow() < 0 ? 0 : m_keywords->currentRow());
    }
}

void HelpWindow::goToKeyword(int row)
{
    if (const QListWidgetItem *item = m_keywords->item(row)) {
        showTopic(item->data(Qt::UserRole).toString());
    }
}
