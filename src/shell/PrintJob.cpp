#include "PrintJob.h"

#include "UserInterface.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>

namespace {

bool g_ignorePrinters = false;
QString g_lastPdfFile;

QFont lineFont(const PrintJob::Line &line)
{
    QFont font = line.fontName.isEmpty() ? QGuiApplication::font() : QFont(line.fontName);
    font.setPointSizeF(line.pointSize);
    return font;
}

} // namespace

void PrintJob::setFontName(const QString &name)
{
    if (!name.isEmpty())
        m_fontName = name;
}

void PrintJob::setFontSize(qreal points)
{
    if (points > 0)
        m_pointSize = points;
}

void PrintJob::print(const QString &piece)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r|\u2029|\u2028"));
    QStringList parts = piece.split(breaks);
    // A piece that ends with a line break has ended its last line already.
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    if (parts.size() == 1 && parts.first().isEmpty())
        return;
    for (const QString &text : std::as_const(parts))
        m_lines.append(Line { text, m_fontName, m_pointSize });
}

void PrintJob::drawPageFrame(QPainter &painter, const QRectF &page, int number, qreal dpi) const
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(StandardPointSize);
    painter.setFont(QFont(font, painter.device()));
    const qreal gap = dpi / 4;
    if (!m_frame.heading.isEmpty()) {
        painter.drawText(QRectF(page.left(), page.top() - dpi / 2, page.width(), dpi / 2 - gap / 2),
            Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, m_frame.heading);
    }
    if (m_frame.pageNumbers) {
        painter.drawText(QRectF(page.left(), page.bottom() + gap / 2, page.width(), dpi / 2),
            Qt::AlignHCenter | Qt::AlignTop,
            QCoreApplication::translate("PrintJob", "Page %1").arg(number));
    }
}

bool PrintJob::render(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The printable area in device units; the painter's origin is its top left corner. A
    // page frame takes its margins off that area.
    const qreal dpi = printer.resolution();
    const qreal margin = m_frame.marginInches * dpi;
    const QRectF page(margin, margin, printer.width() - 2 * margin, printer.height() - 2 * margin);
    const qreal width = page.width();
    const qreal height = page.height();
    const bool framed = margin > 0 || !m_frame.heading.isEmpty() || m_frame.pageNumbers;
    int pageNumber = 1;
    if (framed)
        drawPageFrame(painter, page, pageNumber, dpi);
    painter.translate(page.topLeft());
    qreal y = 0;
    auto makeRoom = [&](qreal needed) {
        if (y > 0 && y + needed > height) {
            printer.newPage();
            y = 0;
            if (framed) {
                painter.translate(-page.topLeft());
                drawPageFrame(painter, page, ++pageNumber, dpi);
                painter.translate(page.topLeft());
            }
        }
    };
    for (const Line &line : m_lines) {
        const QFont font = lineFont(line);
        const QFontMetricsF metrics(font, &printer);
        if (line.text.isEmpty()) {
            makeRoom(metrics.height());
            y += metrics.height();
            continue;
        }
        QTextLayout layout(line.text, font, &printer);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTabStopDistance(8 * metrics.averageCharWidth());
        layout.setTextOption(option);
        layout.beginLayout();
        qreal top = 0;
        for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
            part.setLineWidth(width);
            part.setPosition(QPointF(0, top));
            top += part.height();
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine part = layout.lineAt(i);
            makeRoom(part.height());
            part.draw(&painter, QPointF(0, y - part.y()));
            y += part.height();
        }
    }
    return painter.end();
}

QString PrintJob::pdfFilePath(const QString &title)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    const QString stem = QStringLiteral("Lectorum ") + title + QLatin1Char(' ')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(copy));
    return path;
}

bool PrintJob::end(const QString &title)
{
    return send(title, false, [this](QPrinter &printer) { return render(printer); });
}

bool PrintJob::printDrawing(const QString &title, bool landscape,
    const std::function<void(QPainter &, const QRect &)> &paint)
{
    return send(title, landscape, [&paint](QPrinter &printer) {
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        paint(painter,
            printer.pageLayout()
                .paintRectPixels(printer.resolution())
                .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
        return painter.end();
    });
}

bool PrintJob::send(
    const QString &title, bool landscape, const std::function<bool(QPrinter &)> &renderPages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(title);
    const QPrinterInfo system = g_ignorePrinters ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
    QString pdfFile;
    if (system.isNull()) {
        // Without a printer QPrinter would silently become a PDF printer without a file.
        pdfFile = pdfFilePath(title);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    } else {
        printer.setPrinterName(system.printerName());
    }
    if (!renderPages(printer)) {
        const QString text = pdfFile.isEmpty()
            ? QCoreApplication::translate("PrintJob", "The printer %1 could not print %2.")
                  .arg(system.printerName(), title)
            : QCoreApplication::translate(
                "PrintJob", "The pages could not be written to the file:\n%1")
                  .arg(pdfFile);
        MsgBox(text, MsgBoxStyle::OkExclamation, AppTitle);
        return false;
    }
    if (!pdfFile.isEmpty()) {
        g_lastPdfFile = pdfFile;
        MsgBox(QCoreApplication::translate(
            "PrintJob", "No printer is set up, so the pages were saved as a PDF file:\n%1")
                   .arg(pdfFile));
    }
    return true;
}

QString PrintJob::lastPdfFile()
{
    return g_lastPdfFile;
}

void PrintJob::setIgnorePrinters(bool ignore)
{
    g_ignorePrinters = ignore;
}
