#include "frmCoverage.h"

#include "ReportChoices.h"
#include "ReportHandOver.h"
#include "ReportQueries.h"
#include "SermonChoiceLists.h"
#include "UserInterface.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>
#include <set>

namespace {

// The parts of the Bible the rows are grouped in, by the key of each part's last book.
QString partOf(qint32 bookID)
{
    static const struct
    {
        qint32 last;
        const char *name;
    } parts[] = { { 5, QT_TRANSLATE_NOOP("frmCoverage", "Law") },
        { 17, QT_TRANSLATE_NOOP("frmCoverage", "History") },
        { 22, QT_TRANSLATE_NOOP("frmCoverage", "Wisdom") },
        { 39, QT_TRANSLATE_NOOP("frmCoverage", "Prophets") },
        { 43, QT_TRANSLATE_NOOP("frmCoverage", "Gospels") },
        { 44, QT_TRANSLATE_NOOP("frmCoverage", "Acts") },
        { 65, QT_TRANSLATE_NOOP("frmCoverage", "Letters") },
        { 66, QT_TRANSLATE_NOOP("frmCoverage", "Revelation") } };
    for (const auto &part : parts) {
        if (bookID <= part.last) {
            return frmCoverage::tr(part.name);
        }
    }
    return {};
}

constexpr int MostTitles = 12;

} // namespace

frmCoverage::frmCoverage(QWidget *parent)
    : ReportScreen(QStringLiteral("frmCoverage"), tr("Scripture Coverage"), parent)
{
    cboBook = new QComboBox(this);
    cboBook->setObjectName(QStringLiteral("cboBook"));
    cboBook->setAccessibleName(tr("Show"));
    SermonChoiceLists::fillBibleBooks(cboBook);
    cboBook->insertItem(0, tr("All books"), 0);
    cboBook->setCurrentIndex(0);
    auto *caption = new QLabel(tr("&Show:"), this);
    caption->setObjectName(QStringLiteral("lblBook"));
    caption->setBuddy(cboBook);
    ownRow()->addWidget(caption);
    ownRow()->addWidget(cboBook);
    ownRow()->addStretch();

    m_map = new CoverageHeatMap(this);
    m_map->setToolTipText([this](int row, int year) { return cellText(row, year); });
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrHeatMap"));
    m_scroll->setWidget(m_map);
    m_scroll->setBackgroundRole(QPalette::Base);
    setView(m_scroll);
    connect(cboBook, &QComboBox::currentIndexChanged, this, &ReportScreen::refresh);
    connect(m_map, &CoverageHeatMap::cellClicked, this,
        [this](int row, int year) { ListSermonsInSermonScreen(cellSermonIDs(row, year)); });
    refresh();
}

qint32 frmCoverage::chosenBook() const
{
    return cboBook->currentIndex() > 0 ? cboBook->currentData().toInt() : 0;
}

void frmCoverage::showBook(qint32 bookID)
{
    const int index = bookID > 0 ? cboBook->findData(bookID) : 0;
    cboBook->setCurrentIndex(index < 0 ? 0 : index);
}

QList<CoverageHeatMap::Row> frmCoverage::bookRows() const
{
    QList<CoverageHeatMap::Row> rows;
    for (int i = 1; i < cboBook->count(); ++i) {
        const qint32 key = cboBook->itemData(i).toInt();
        if (key >= 1 && key <= 66) {
            rows.append({ key, cboBook->itemText(i), partOf(key) });
        }
    }
    // Bible order, whatever order the list shows the names in.
    std::sort(rows.begin(), rows.end(),
        [](const CoverageHeatMap::Row &a, const CoverageHeatMap::Row &b) { return a.key < b.key; });
    return rows;
}

bool frmCoverage::load(bool &any, DbError &error)
{
    const qint32 book = chosenBook();
    QList<ReportQueries::Cell> cells;
    const bool ok = book > 0 ? ReportQueries::chapters(choices()->filter(), book, cells, error)
                             : ReportQueries::coverage(choices()->filter(), cells, error);
    std::set<int> years;
    QHash<quint64, int> counts;
    int lastChapter = ReportQueries::chapterCount(book);
    for (const ReportQueries::Cell &cell : cells) {
        years.insert(cell.year);
        counts.insert(CoverageHeatMap::cellKey(cell.row, cell.year), cell.count);
        lastChapter = qMax(lastChapter, cell.row);
    }
    QList<CoverageHeatMap::Row> rows;
    if (book > 0) {
        rows.append({ 0, tr("Whole book"), cboBook->currentText() });
        for (int chapter = 1; chapter <= lastChapter; ++chapter) {
            rows.append({ chapter, tr("Chapter %1").arg(chapter), cboBook->currentText() });
        }
    } else {
        rows = bookRows();
    }
    m_map->setData(rows, QList<int>(years.begin(), years.end()), counts);
    any = ok && !cells.isEmpty();
    return ok;
}

QList<qint32> frmCoverage::cellSermonIDs(int row, int year) const
{
    const qint32 book = chosenBook();
    QList<ReportQueries::Sermon> sermons;
    DbError error;
    if (!ReportQueries::cellSermons(choices()->filter(), book > 0 ? book : row, book > 0 ? row : -1,
            year, sermons, error)) {
        ShowSystemError(error);
    }
    QList<qint32> keys;
    for (const ReportQueries::Sermon &sermon : sermons) {
        keys.append(sermon.sermonID);
    }
    return keys;
}

QString frmCoverage::cellText(int row, int year) const
{
    const int count = m_map->count(row, year);
    if (count == 0) {
        return tr("Not preached in %1").arg(year);
    }
    QList<ReportQueries::Sermon> sermons;
    DbError error;
    const qint32 book = chosenBook();
    ReportQueries::cellSermons(
        choices()->filter(), book > 0 ? book : row, book > 0 ? row : -1, year, sermons, error);
    // English says "Preached once in 1998", "Preached 3 times in 1998".
    QStringList lines { tr("Preached %n time(s) in %1", nullptr, count).arg(year) };
    for (qsizetype i = 0; i < sermons.size() && i < MostTitles; ++i) {
        lines.append(sermons.at(i).title.isEmpty() ? tr("(no title)") : sermons.at(i).title);
    }
    if (sermons.size() > MostTitles) {
        lines.append(tr("and %1 more").arg(sermons.size() - MostTitles));
    }
    return lines.join(QLatin1Char('\n'));
}

QList<QStringList> frmCoverage::table() const
{
    QStringList headings { chosenBook() > 0 ? tr("Chapter") : tr("Book") };
    for (const int year : m_map->years()) {
        headings.append(QString::number(year));
    }
    QList<QStringList> rows { headings };
    for (const CoverageHeatMap::Row &row : m_map->rows()) {
        QStringList cells { row.label };
        for (const int year : m_map->years()) {
            cells.append(QString::number(m_map->count(row.key, year)));
        }
        rows.append(cells);
    }
    return rows;
}

void frmCoverage::paintPicture(QPainter &painter, const QRect &target) const
{
    m_map->paint(painter, target);
}
