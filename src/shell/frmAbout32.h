#pragma once

#include <QDialog>

class QLabel;

// Help > About...: the program's name, version and legal notice, and the facts about this
// computer that clsSystemInfo gathers.
class frmAbout32 : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout32(QWidget *parent = nullptr);

    // A byte count as whole kilobytes with thousands separators and "K": 16777216 gives
    // "16,384K". Like the "###,###" picture it follows, zero kilobytes show no digits.
    static QString MemoryText(qint64 bytes);
    // The fixed author line under the program's name.
    static QString AuthorText();

protected:
    bool event(QEvent *event) override;

private:
    QLabel *valueLabel(const QString &name);
};
