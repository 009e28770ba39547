#include "ReportFiles.h"

#include "UserInterface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

Q_LOGGING_CATEGORY(lcReportFiles, "lectorum.reports")

namespace {

QString field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (special.contains(c)) {
            return QLatin1Char('"')
                + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
                + QLatin1Char('"');
        }
    }
    return text;
}

} // namespace

QByteArray ReportFiles::csv(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &cell : row) {
            fields.append(field(cell));
        }
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QString ReportFiles::withSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (!info.suffix().isEmpty() || info.fileName().isEmpty()) {
        return path;
    }
    if (path.endsWith(QLatin1Char('.'))) {
        return path + suffix;
    }
    return path + QLatin1Char('.') + suffix;
}

bool ReportFiles::save(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit()) {
        return true;
    }
    qCWarning(lcReportFiles) << "could not write" << path << file.errorString();
    MsgBox(QCoreApplication::translate(
               "ReportFiles", "The report could not be saved to the file:\n%1\n\n%2")
               .arg(path, file.errorString()),
        MsgBoxStyle::OkExclamation);
    return false;
}

bool ReportFiles::savePng(const QString &path, const QSize &size, const Painter &paint)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, QRect(QPoint(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        // Too large a picture for memory: nothing is written, and the user hears why.
        qCWarning(lcReportFiles) << "could not draw the picture for" << path << size;
        MsgBox(
            QCoreApplication::translate("ReportFiles",
                "The report could not be saved to the file:\n%1\n\nThe picture could not be drawn.")
                .arg(path),
            MsgBoxStyle::OkExclamation);
        return false;
    }
    return save(path, bytes);
}

bool ReportFiles::saveSvg(
    const QString &path, const QString &title, const QSize &size, const Painter &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        paint(painter, QRect(QPoint(0, 0), size));
    }
    return save(path, bytes);
}
