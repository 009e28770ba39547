#pragma once

#include <QLabel>

// A one-line label that ends with "…" where its text does not fit, rather than being cut off
// mid-word; the text itself (what the code and a screen reader read) stays whole, and the
// tooltip shows it when it is shortened. For a line of data that must not widen its window
// (a place name of any length).
class ElidingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The text as drawn at the present width.
    QString shownText() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
