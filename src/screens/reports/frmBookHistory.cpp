#include "frmBookHistory.h"

#include "ReportChoices.h"
#include "ReportHandOver.h"
#include "ReportTableItem.h"
#include "ReportTableView.h"
#include "UserInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

frmBookHistory::frmBookHistory(Kind kind, QWidget *parent)
    : ReportScreen(kind == Kind::NeverPreached ? QStringLiteral("frmNeverPreached")
                                               : QStringLiteral("frmNotPreachedSince"),
        kind == Kind::NeverPreached ? tr("Books Never Preached") : tr("Not Preached Since"), parent)
{
    if (kind == Kind::NotSince) {
        spnSince = new QSpinBox(this);
        spnSince->setObjectName(QStringLiteral("spnSince"));
        spnSince->setAccessibleName(tr("Not preached since"));
        spnSince->setRange(1753, 9999);
        spnSince->setValue(QDate::currentDate().year() - 5);
        auto *caption = new QLabel(tr("Not preached since the start of y&ear:"), this);
        caption->setObjectName(QStringLiteral("lblSince"));
        caption->setBuddy(spnSince);
        ownRow()->addWidget(caption);
        ownRow()->addWidget(spnSince);
        connect(spnSince, &QSpinBox::valueChanged, this, &ReportScreen::refresh);
    }
    cmdList = new QPushButton(tr("&List Sermons"), this);
    cmdList->setObjectName(QStringLiteral("cmdList"));
    ownRow()->addStretch();
    ownRow()->addWidget(cmdList);
    grdBooks = ReportTableView::make(this, "grdBooks", windowTitle(),
        { tr("Book"), tr("Last Preached"), tr("Where"), tr("Sermons in Library") });
    setView(grdBooks);
    connect(grdBooks, &QTableWidget::cellDoubleClicked, this,
        [this](int row, int) { listSermons(row); });
    connect(cmdList, &QPushButton::clicked, this, [this] { listSermons(grdBooks->currentRow()); });
    refresh();
}

void frmBookHistory::setSinceYear(int year)
{
    if (spnSince) {
        spnSince->setValue(year);
    }
}

bool frmBookHistory::load(bool &any, DbError &error)
{
    const int since = spnSince ? spnSince->value() : 0;
    const bool ok = ReportQueries::booksNotPreached(choices()->filter(), since, m_books, error);
    grdBooks->setSortingEnabled(false);
    grdBooks->setRowCount(int(m_books.size()));
    // No sermon matches when none was preached and none is in the library.
    any = m_books.size() < 66;
    for (int r = 0; r < m_books.size(); ++r) {
        const ReportQueries::BookHistory &book = m_books.at(r);
        grdBooks->setItem(r, 0, new ReportTableItem(book.book, book.bookID));
        grdBooks->setItem(r, 1,
            book.last.isValid() ? ReportTableItem::date(book.last)
                                : new ReportTableItem(tr("never"), 0));
        grdBooks->setItem(r, 2, new QTableWidgetItem(book.lastPlace));
        grdBooks->setItem(r, 3, ReportTableItem::number(book.sermons));
        any = any || book.sermons > 0 || book.last.isValid();
    }
    grdBooks->setSortingEnabled(true);
    return ok;
}

void frmBookHistory::listSermons(int row)
{
    const QTableWidgetItem *item = grdBooks->item(row, 0);
    if (!item) {
        return;
    }
    QList<ReportQueries::Sermon> sermons;
    DbError error;
    if (!ReportQueries::bookSermons(
            choices()->filter(), item->data(Qt::UserRole).toInt(), sermons, error)) {
        ShowSystemError(error);
        return;
    }
    QList<qint32> keys;
    for (const ReportQueries::Sermon &sermon : sermons) {
        keys.append(sermon.sermonID);
    }
    ListSermonsInSermonScreen(keys);
}

QList<QStringList> frmBookHistory::table() const
{
    return ReportTableView::rows(grdBooks);
}

QSize frmBookHistory::pictureSize() const
{
    return ReportTableView::pictureSize(grdBooks);
}

void frmBookHistory::paintPicture(QPainter &painter, const QRect &target) const
{
    ReportTableView::paint(grdBooks, painter, target);
}
