#pragma once

#include "DbError.h"

#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPainter;
class QPushButton;
class QStackedWidget;
class ReportChoices;

// What every report screen shares: the choices on top, a row for the report's own controls,
// the report itself or "No sermons match these choices." when nothing matches, and the
// buttons that print it and save it as a picture (PNG, SVG) or its numbers (CSV). Reports
// only read the library.
class ReportScreen : public QWidget
{
    Q_OBJECT
public:
    static QString noMatchText();

    ReportScreen(const QString &name, const QString &title, QWidget *parent = nullptr);

    ReportChoices *choices() const { return m_choices; }
    // Reads the numbers again for the choices as they stand.
    void refresh();
    bool isEmptyReport() const { return m_empty; }

    // The numbers as rows of cells, the headings first (the CSV file, the printed list).
    virtual QList<QStringList> table() const = 0;

    // Printing and exports; false after a failure the user has been told of. A name without
    // an extension gets the file type's own.
    bool print();
    bool exportCsv(const QString &path);
    bool exportPng(const QString &path);
    bool exportSvg(const QString &path);
    // Whether a save chosen as `chosen` may write `written` (the name with the extension
    // added): asks before replacing a file the file dialog did not ask about.
    bool mayReplace(const QString &chosen, const QString &written);

protected:
    // Fills the report; false after an engine failure. `any` tells whether anything matched.
    virtual bool load(bool &any, DbError &error) = 0;
    // The picture of the report (print, PNG, SVG) and its natural size.
    virtual void paintPicture(QPainter &painter, const QRect &target) const = 0;
    virtual QSize pictureSize() const = 0;
    // Charts print as a drawing (landscape when wide); lists print as lines of text.
    virtual bool printsAsDrawing() const { return true; }
    virtual bool printsLandscape() const { return false; }

    // Puts the report's view in place (once, from the constructor of the report).
    void setView(QWidget *view);
    // The row between the choices and the report, for the report's own controls.
    QHBoxLayout *ownRow() const { return m_ownRow; }

private:
    void chooseFile(
        const QString &filter, const QString &suffix, bool (ReportScreen::*save)(const QString &));

    ReportChoices *m_choices = nullptr;
    QHBoxLayout *m_ownRow = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *lblNoMatch = nullptr;
    bool m_empty = true;
};
