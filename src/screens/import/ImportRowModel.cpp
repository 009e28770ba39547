#include "ImportRowModel.h"

#include "DateEntry.h"
#include "ImportFacts.h"
#include "RecordValues.h"

#include <QRegularExpression>

namespace {

QString shownDate(const QDate &date)
{
    return DayText(date);
}

// A date typed into the table: as the lists show it (M/d/yyyy, d/M/yyyy with the Spanish
// interface) or any form an outline file names it in; empty for none.
bool readDate(const QString &text, QDate &date)
{
    if (text.trimmed().isEmpty()) {
        date = QDate();
        return true;
    }
    // With the day first the date fields' rule reads the text (Spanish month names too). The
    // outline files' rules read a day and a month in numbers month first, so with the day
    // first they are left only what has no such pair (20190505, "May 5, 2019").
    static const QRegularExpression dayAndMonth(
        QStringLiteral("(?<!\\d)\\d{1,2}\\D\\d{1,2}(?!\\d)"));
    const bool dayFirst = DateEntry::dayFirst();
    QDate typed = dayFirst ? DateEntry::parse(text) : QDate();
    if (!typed.isValid() && !(dayFirst && dayAndMonth.match(text).hasMatch()))
        typed = ImportFacts::findDate(text);
    if (!typed.isValid())
        return false;
    date = typed;
    return true;
}

} // namespace

ImportRowModel::ImportRowModel(
    const ImportReview &review, const ImportNames &names, QObject *parent)
    : QAbstractTableModel(parent)
    , m_review(review)
    , m_names(names)
{
}

int ImportRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportRowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportRowModel::statusText(const ImportRow &row)
{
    const QString state = stateText(row);
    return row.route.isEmpty() ? state : state + ImportRowModel::tr(" (read by %1)").arg(row.route);
}

QString ImportRowModel::stateText(const ImportRow &row)
{
    switch (row.status) {
    case ImportRow::Status::Ready:
        return row.dateGuessed ? ImportRowModel::tr("ready (date from the file's time)")
                               : ImportRowModel::tr("ready");
    case ImportRow::Status::NeedsPassage:
        return ImportRowModel::tr("needs a passage");
    case ImportRow::Status::Duplicate:
        return ImportRowModel::tr("duplicate: ") + row.reason;
    case ImportRow::Status::Unreadable:
        return ImportRowModel::tr("unreadable: ") + row.reason;
    }
    return QString();
}

QVariant ImportRowModel::cell(const ImportRow &row, int column) const
{
    switch (column) {
    case File:
        return row.source.displayName;
    case Title:
        return row.title;
    case Passage:
        return row.passage;
    case Date:
        return QString(shownDate(row.date) + (row.dateGuessed ? QStringLiteral("?") : QString()));
    case Preacher:
        return row.preacher;
    case Type:
        return row.type;
    case Series:
        return row.series;
    case Location:
        return row.location;
    case Status:
        return statusText(row);
    default:
        return QVariant();
    }
}

QVariant ImportRowModel::sortKey(const ImportRow &row, int column) const
{
    if (column == Tick)
        return row.ticked ? 1 : 0;
    if (column == Date)
        return row.date.isValid() ? row.date.toJulianDay() : qint64(0);
    if (column == Status)
        return int(row.status);
    return cell(row, column).toString().toCaseFolded();
}

QVariant ImportRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const ImportRow &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, index.column());
    case Qt::EditRole:
        return index.column() == Date ? shownDate(row.date) : cell(row, index.column());
    case Qt::CheckStateRole:
        if (index.column() == Tick)
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case SortRole:
        return sortKey(row, index.column());
    case Qt::ToolTipRole:
        return index.column() == Status || index.column() == File ? cell(row, index.column())
                                                                  : QVariant();
    default:
        return QVariant();
    }
}

QVariant ImportRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const headings[ColumnCount] = { QT_TR_NOOP("Import"), QT_TR_NOOP("File"),
        QT_TR_NOOP("Title"), QT_TR_NOOP("Passage"), QT_TR_NOOP("Date"), QT_TR_NOOP("Preacher"),
        QT_TR_NOOP("Type"), QT_TR_NOOP("Series"), QT_TR_NOOP("Location"), QT_TR_NOOP("Status") };
    return section >= 0 && section < ColumnCount ? tr(headings[section]) : QVariant();
}

Qt::ItemFlags ImportRowModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool readable = m_rows.at(index.row()).status != ImportRow::Status::Unreadable;
    if (index.column() == Tick && readable)
        f |= Qt::ItemIsUserCheckable;
    else if (index.column() != File && index.column() != Status && index.column() != Tick)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ImportRowModel::setName(ImportRow &row, int column, const QString &text)
{
    const auto kind = column == Preacher ? ImportNames::Kind::Preacher
        : column == Type                 ? ImportNames::Kind::Type
                                         : ImportNames::Kind::Series;
    const QString name = text.simplified();
    // Only names the library has: a new preacher or series is made on its own screen.
    if (!name.isEmpty() && !m_names.has(kind, name))
        return false;
    const qint32 key = m_names.find(kind, name);
    if (column == Preacher) {
        row.preacher = name;
        row.preacherID = key;
    } else if (column == Type) {
        row.type = name;
        row.typeID = key;
    } else {
        row.series = name;
        row.seriesID = key;
    }
    return true;
}

bool ImportRowModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    ImportRow &row = m_rows[index.row()];
    const QString text = value.toString();
    const bool tick = role == Qt::CheckStateRole && index.column() == Tick;
    if (!tick && role != Qt::EditRole)
        return false;
    if (tick) {
        row.ticked = value.toInt() == Qt::Checked;
    } else if (index.column() == Title) {
        row.title = text;
    } else if (index.column() == Passage) {
        m_review.setPassage(row, text);
    } else if (index.column() == Date) {
        if (!readDate(text, row.date))
            return false;
        row.dateGuessed = false;
    } else if (index.column() == Location) {
        row.location = text;
    } else if (!setName(row, index.column(), text)) {
        return false;
    }
    Q_EMIT dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    // Title, passage, date and ticks decide duplicates, in any row.
    refresh();
    return true;
}

void ImportRowModel::refresh()
{
    m_review.refreshStatuses(m_rows);
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, Status), index(int(m_rows.size()) - 1, Status));
}

void ImportRowModel::setRows(const QList<ImportRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    m_review.refreshStatuses(m_rows);
    endResetModel();
}

void ImportRowModel::appendRows(const QList<ImportRow> &rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows.append(rows);
    m_review.refreshStatuses(m_rows);
    for (int i = first; i < m_rows.size(); ++i) {
        if (m_rows.at(i).status == ImportRow::Status::Duplicate)
            m_rows[i].ticked = false;
    }
    m_review.refreshStatuses(m_rows);
    endInsertRows();
    if (first > 0)
        Q_EMIT dataChanged(index(0, 0), index(first - 1, ColumnCount - 1));
}

void ImportRowModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ImportRowModel::setPreacher(const QList<int> &rows, const QString &name)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (rows.isEmpty() || rows.contains(i))
            setName(m_rows[i], Preacher, name);
    }
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, Preacher), index(int(m_rows.size()) - 1, Preacher));
}

void ImportRowModel::setSeriesFromFolder(bool on)
{
    for (ImportRow &row : m_rows) {
        const QString folder = on ? row.source.folderName : QString();
        if (!setName(
                row, Series, m_names.has(ImportNames::Kind::Series, folder) ? folder : QString()))
            setName(row, Series, QString());
    }
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, Series), index(int(m_rows.size()) - 1, Series));
}

int ImportRowModel::tickedCount() const
{
    return int(std::count_if(
        m_rows.cbegin(), m_rows.cend(), [](const ImportRow &r) { return r.writable(); }));
}
