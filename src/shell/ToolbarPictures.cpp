#include "ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Drawn on a 32 x 32 grid and scaled to the size asked for.
void drawPage(QPainter &p, const QRectF &r, const QColor &fill = Qt::white)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(fill);
    p.drawRect(r);
}

void drawLines(QPainter &p, const QRectF &r, int count)
{
    p.setPen(QPen(QColor(90, 90, 160), 1.2));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + 5 + i * 4;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

void drawCut(QPainter &p)
{
    p.setPen(QPen(QColor(70, 70, 70), 2.2));
    p.drawLine(QPointF(10, 4), QPointF(20, 20));
    p.drawLine(QPointF(22, 4), QPointF(12, 20));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(180, 30, 30), 2.5));
    p.drawEllipse(QPointF(10, 24), 4.5, 4.5);
    p.drawEllipse(QPointF(22, 24), 4.5, 4.5);
}

void drawCopy(QPainter &p)
{
    drawPage(p, QRectF(4, 3, 15, 19));
    drawLines(p, QRectF(4, 3, 15, 19), 3);
    drawPage(p, QRectF(13, 10, 15, 19));
    drawLines(p, QRectF(13, 10, 15, 19), 3);
}

void drawPaste(QPainter &p)
{
    p.setPen(QPen(QColor(90, 60, 20), 1.5));
    p.setBrush(QColor(190, 140, 70));
    p.drawRoundedRect(QRectF(4, 5, 18, 23), 2, 2);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(9, 2, 8, 5));
    drawPage(p, QRectF(14, 12, 14, 17));
    drawLines(p, QRectF(14, 12, 14, 17), 3);
}

void drawSearch(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 2.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.setPen(QPen(QColor(110, 70, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
}

void drawChecklist(QPainter &p)
{
    drawPage(p, QRectF(5, 3, 22, 26));
    for (int i = 0; i < 3; ++i) {
        const double y = 9 + i * 7;
        p.setPen(QPen(QColor(20, 130, 40), 2));
        p.drawLine(QPointF(8, y), QPointF(10, y + 2));
        p.drawLine(QPointF(10, y + 2), QPointF(14, y - 3));
        p.setPen(QPen(QColor(90, 90, 160), 1.2));
        p.drawLine(QPointF(16, y), QPointF(24, y));
    }
}

void drawNewSermon(QPainter &p)
{
    drawPage(p, QRectF(5, 3, 18, 25));
    drawLines(p, QRectF(5, 3, 18, 25), 4);
    p.setPen(QPen(QColor(20, 140, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 17), QPointF(24, 29));
    p.drawLine(QPointF(18, 23), QPointF(30, 23));
}

void drawGlobe(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 120), 1.8));
    p.setBrush(QColor(110, 170, 230));
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 5, 12);
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(6, 10), QPointF(26, 10));
    p.drawLine(QPointF(6, 22), QPointF(26, 22));
}

void drawNotes(QPainter &p)
{
    drawPage(p, QRectF(6, 5, 20, 24), QColor(255, 255, 200));
    drawLines(p, QRectF(6, 7, 20, 22), 5);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (int x = 9; x <= 23; x += 4) {
        p.drawEllipse(QPointF(x, 5), 1.5, 1.5);
    }
}

void drawSaveNotes(QPainter &p)
{
    p.setPen(QPen(QColor(30, 30, 60), 1.5));
    p.setBrush(QColor(60, 80, 160));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 4, 16, 10));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(10, 19, 12, 9));
}

void drawPreacher(QPainter &p)
{
    p.setPen(QPen(QColor(60, 40, 20), 1.5));
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QPointF(16, 8), 5, 5);
    p.setBrush(QColor(40, 40, 90));
    QPainterPath body;
    body.moveTo(7, 24);
    body.quadTo(16, 10, 25, 24);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(9, 20, 14, 10));
}

void drawSeries(QPainter &p)
{
    const QColor colours[] = { QColor(170, 40, 40), QColor(40, 110, 60), QColor(40, 70, 150) };
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(5 + i * 8, 5, 6, 23));
        p.setPen(QPen(QColor(230, 200, 90), 1));
        p.drawLine(QPointF(6 + i * 8, 9), QPointF(10 + i * 8, 9));
    }
}

void drawPublisher(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(Qt::white);
    QPainterPath left;
    left.moveTo(16, 9);
    left.quadTo(9, 5, 3, 8);
    left.lineTo(3, 26);
    left.quadTo(9, 23, 16, 27);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(16, 9);
    right.quadTo(23, 5, 29, 8);
    right.lineTo(29, 26);
    right.quadTo(23, 23, 16, 27);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    drawLines(p, QRectF(3, 8, 13, 16), 3);
    drawLines(p, QRectF(16, 8, 13, 16), 3);
}

void drawHelp(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 140), 1.5));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont font;
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

// A lectern with an open page on it.
void drawPreach(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(150, 100, 50));
    p.drawPolygon(QPolygonF({ QPointF(6, 12), QPointF(26, 12), QPointF(22, 18), QPointF(10, 18) }));
    p.drawRect(QRectF(14, 18, 4, 10));
    p.drawRect(QRectF(9, 27, 14, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 8));
    p.drawLine(QPointF(11, 7), QPointF(21, 7));
    p.drawLine(QPointF(11, 9.5), QPointF(19, 9.5));
}

const char *themeName(int number)
{
    static const char *const names[] = { "edit-cut", "edit-copy", "edit-paste", "edit-find",
        "view-list-details", "document-new", "applications-internet", "accessories-text-editor",
        "document-save", "user-identity", "x-office-address-book", "accessories-dictionary",
        "help-contents", "x-office-presentation" };
    return (number >= 1 && number <= 14) ? names[number - 1] : "";
}

} // namespace

QPixmap ToolbarPictures::drawing(int number, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (number) {
    case 1:
        drawCut(p);
        break;
    case 2:
        drawCopy(p);
        break;
    case 3:
        drawPaste(p);
        break;
    case 4:
        drawSearch(p);
        break;
    case 5:
        drawChecklist(p);
        break;
    case 6:
        drawNewSermon(p);
        break;
    case 7:
        drawGlobe(p);
        break;
    case 8:
        drawNotes(p);
        break;
    case 9:
        drawSaveNotes(p);
        break;
    case 10:
        drawPreacher(p);
        break;
    case 11:
        drawSeries(p);
        break;
    case 12:
        drawPublisher(p);
        break;
    case 13:
        drawHelp(p);
        break;
    case 14:
        drawPreach(p);
        break;
    default:
        break;
    }
    return pixmap;
}

QIcon ToolbarPictures::picture(int number)
{
    QIcon drawn;
    drawn.addPixmap(drawing(number, 16));
    drawn.addPixmap(drawing(number, 24));
    drawn.addPixmap(drawing(number, 32));
    return QIcon::fromTheme(QString::fromLatin1(themeName(number)), drawn);
}
