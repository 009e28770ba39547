#pragma once

#include "ReportScreen.h"

class QTableWidget;

// Reports > Topics and Illustrations: each topic and illustration with the number of sermons
// that use it, how often they were preached, the first and last time and where; an
// illustration heard twice at one place within the reuse period is flagged. Sortable by any
// column.
class frmUsage : public ReportScreen
{
    Q_OBJECT
public:
    explicit frmUsage(QWidget *parent = nullptr);

    QTableWidget *grid() const { return grdUsage; }
    QList<QStringList> table() const override;

protected:
    bool load(bool &any, DbError &error) override;
    void paintPicture(QPainter &painter, const QRect &target) const override;
    QSize pictureSize() const override;
    bool printsAsDrawing() const override { return false; }

private:
    QTableWidget *grdUsage = nullptr;
};
