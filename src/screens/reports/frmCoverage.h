#pragma once

#include "CoverageHeatMap.h"
#include "ReportScreen.h"

class QComboBox;
class QScrollArea;

// Reports > Scripture Coverage: how often each book was preached in each year (a heat map of
// the 66 books in Bible order by the years that have sermons), or, for one chosen book, each
// of its chapters. Hovering a cell shows its count and titles; clicking lists its sermons in
// the sermon screen.
class frmCoverage : public ReportScreen
{
    Q_OBJECT
public:
    explicit frmCoverage(QWidget *parent = nullptr);

    CoverageHeatMap *heatMap() const { return m_map; }
    // 0 for every book, else the book whose chapters are shown.
    void showBook(qint32 bookID);
    // The sermons behind a cell, as the tooltip and the click see them.
    QList<qint32> cellSermonIDs(int row, int year) const;
    QString cellText(int row, int year) const;

    QList<QStringList> table() const override;

protected:
    bool load(bool &any, DbError &error) override;
    void paintPicture(QPainter &painter, const QRect &target) const override;
    QSize pictureSize() const override { return m_map->sizeHint(); }
    bool printsLandscape() const override { return true; }

private:
    qint32 chosenBook() const;
    QList<CoverageHeatMap::Row> bookRows() const;

    QComboBox *cboBook = nullptr;
    QScrollArea *m_scroll = nullptr;
    CoverageHeatMap *m_map = nullptr;
};
