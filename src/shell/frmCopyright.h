#pragma once

#include <QWidget>

// The splash window shown while the program starts: no caption, no border, no buttons,
// centred on the screen, deaf to input.
class frmCopyright : public QWidget
{
    Q_OBJECT
public:
    explicit frmCopyright(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
