#pragma once

#include "ReportQueries.h"
#include "ReportScreen.h"

class QPushButton;
class QSpinBox;
class QTableWidget;

// Reports > Books Never Preached and Reports > Not Preached Since...: the books, in Bible
// order, with no preaching at all, or none since 1 January of a chosen year, each with its
// last preaching and the number of its sermons in the library. Double-clicking a book (or
// List Sermons) lists its sermons in the sermon screen.
class frmBookHistory : public ReportScreen
{
    Q_OBJECT
public:
    enum class Kind { NeverPreached, NotSince };
    explicit frmBookHistory(Kind kind, QWidget *parent = nullptr);

    QTableWidget *grid() const { return grdBooks; }
    void setSinceYear(int year);
    // Lists the sermons of the book in the given row in the sermon screen.
    void listSermons(int row);
    const QList<ReportQueries::BookHistory> &books() const { return m_books; }

    QList<QStringList> table() const override;

protected:
    bool load(bool &any, DbError &error) override;
    void paintPicture(QPainter &painter, const QRect &target) const override;
    QSize pictureSize() const override;
    bool printsAsDrawing() const override { return false; }

private:
    QSpinBox *spnSince = nullptr;
    QTableWidget *grdBooks = nullptr;
    QPushButton *cmdList = nullptr;
    QList<ReportQueries::BookHistory> m_books;
};
