#pragma once

#include <QList>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QRect;
class QRectF;

// One print job of plain text lines, each printed in the font name and size in effect when it
// was printed. The commands print pieces of text and change the font between pieces; end()
// sends the job to the system's default printer, or, when the system has none, writes it to
// a PDF file in the user's documents folder and tells the user where.
//
// Every job starts in the standard font (the application's typeface) at 10 points. A line
// wider than the page continues on the next line, broken between words, so that nothing is
// cut off at the right edge; a page ends where the next line no longer fits.
class PrintJob
{
public:
    struct Line
    {
        QString text;
        QString fontName; // "" for the standard typeface
        qreal pointSize = 10;
    };

    static constexpr qreal StandardPointSize = 10;

    // The two characters that end a line in a piece of text (LF alone or CR alone also do).
    static QString lineBreak() { return QStringLiteral("\r\n"); }

    // The font for the lines printed from now on. An empty name keeps the typeface in use.
    void setFontName(const QString &name);
    QString fontName() const { return m_fontName; }
    void setFontSize(qreal points);
    qreal fontSize() const { return m_pointSize; }

    // Prints one piece of text: each line break in it ends a line; the piece's last line
    // ends with the piece (an empty remainder after a final line break prints nothing).
    void print(const QString &piece);

    const QList<Line> &lines() const { return m_lines; }

    // What every page carries besides the lines (the pulpit copy): margins on all sides, a
    // heading at the top of each page and "Page N" at its foot. A job without one fills the
    // printable area as it always has.
    struct PageFrame
    {
        qreal marginInches = 0;
        QString heading;
        bool pageNumbers = false;
    };
    void setPageFrame(const PageFrame &frame) { m_frame = frame; }
    const PageFrame &pageFrame() const { return m_frame; }

    // Sends the job; `title` names it in the printer queue and in the PDF file's name.
    // False when the printer or the file refused it (the user has been told).
    bool end(const QString &title);

    // Sends one drawing (a chart), scaled to fit one page, by the same way as end(): the
    // default printer, else a PDF file the user is told of. `paint` draws into the page
    // rectangle it is given.
    static bool printDrawing(const QString &title, bool landscape,
        const std::function<void(QPainter &, const QRect &)> &paint);

    // Lays the lines out on an already set-up printer (a PDF file in the tests). False when
    // the printer could not be started.
    bool render(QPrinter &printer) const;

    // The PDF file the last job without a printer was written to ("" when none was).
    static QString lastPdfFile();
    // Tests: behave as if the system had no printer, so every job becomes a PDF file.
    static void setIgnorePrinters(bool ignore);

private:
    static QString pdfFilePath(const QString &title);
    // Chooses the printer (or a PDF file), runs `render` and tells the user the outcome.
    static bool send(
        const QString &title, bool landscape, const std::function<bool(QPrinter &)> &renderPages);
    void drawPageFrame(QPainter &painter, const QRectF &page, int number, qreal dpi) const;

    QList<Line> m_lines;
    QString m_fontName;
    qreal m_pointSize = StandardPointSize;
    PageFrame m_frame;
};
