#include "frmCopyright.h"

#include "ScreenPlacement.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// A key and a closed Bible, drawn rather than loaded so the program carries no pictures.
QLabel *picture(const QString &name, bool key, QWidget *parent)
{
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (key) {
        p.setPen(QPen(QColor(150, 110, 20), 6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 30, 34, 34));
        p.drawLine(QPointF(44, 47), QPointF(88, 47));
        p.drawLine(QPointF(74, 47), QPointF(74, 62));
        p.drawLine(QPointF(84, 47), QPointF(84, 58));
    } else {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(60, 30, 20));
        p.drawRoundedRect(QRectF(18, 8, 60, 80), 4, 4);
        p.setPen(QPen(QColor(220, 190, 90), 5));
        p.drawLine(QPointF(48, 24), QPointF(48, 66));
        p.drawLine(QPointF(36, 36), QPointF(60, 36));
    }
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setAccessibleName(key ? QCoreApplication::translate("frmCopyright", "Key")
                                 : QCoreApplication::translate("frmCopyright", "Bible"));
    return label;
}

} // namespace

frmCopyright::frmCopyright(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmCopyright"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(TwipsToPixels(7260), TwipsToPixels(5640));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 240));
    pal.setColor(QPalette::WindowText, QColor(40, 30, 10));
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(picture(QStringLiteral("imgKey"), true, this), 0, Qt::AlignLeft);
    pictures->addStretch();
    pictures->addWidget(picture(QStringLiteral("imgBible"), false, this), 0, Qt::AlignRight);
    layout->addLayout(pictures);

    auto *label1 = new QLabel(QStringLiteral("LECTORUM"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(QFont(QStringLiteral("Times New Roman"), 48, QFont::Bold));
    label1->setAlignment(Qt::AlignCenter);
    auto *label2 = new QLabel(QStringLiteral("SERMON OUTLINES"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont second(QStringLiteral("Times New Roman"));
    second.setPointSizeF(27.75);
    second.setBold(true);
    label2->setFont(second);
    label2->setAlignment(Qt::AlignCenter);
    auto *copyright = new QLabel(QString(), this);
    copyright->setObjectName(QStringLiteral("lblCopyRightText"));
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPointSizeF(9.75);
    copyright->setFont(small);
    copyright->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addStretch();
    layout->addWidget(copyright);

    CenterForm(this);
}

void frmCopyright::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(QColor(120, 90, 40), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
