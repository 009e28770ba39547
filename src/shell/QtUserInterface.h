#pragma once

#include "UserInterface.h"

#include <QPointer>

class QLabel;

// The real presenter of prompts, status text and hourglass: message boxes over QMessageBox,
// the status text in the main window's pnlStatusBox, the pointer as an override cursor.
class QtUserInterface : public UserInterface
{
public:
    MsgBoxAnswer showMessage(const QString &text, MsgBoxStyle style, const QString &caption,
        const QString &detail) override;
    QString statusText() const override;
    void setStatusText(const QString &text) override;
    void setHourglass(bool on) override;
    bool hourglassShown() const override { return m_hourglass; }

    // The main window hands over its status box when it is created.
    void setStatusBox(QLabel *statusBox);
    // Writes the text as it stands, without the blanks SetStatusText adds.
    void setStatusTextRaw(const QString &text);

    static QtUserInterface &instance();

private:
    QPointer<QLabel> m_statusBox;
    QString m_status; // kept while no main window exists
    bool m_hourglass = false;
};
