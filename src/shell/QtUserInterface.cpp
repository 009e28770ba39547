#include "QtUserInterface.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

QtUserInterface &QtUserInterface::instance()
{
    static QtUserInterface ui;
    return ui;
}

MsgBoxAnswer QtUserInterface::showMessage(
    const QString &text, MsgBoxStyle style, const QString &caption, const QString &detail)
{
    // A splash window stays on top and takes no clicks: a box shown while it is up (start-up
    // reporting a database it cannot open) could sit under it where the user cannot answer
    // it. The splash goes first.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::SplashScreen && window->isVisible())
            window->hide();
    }
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(owner && owner->isVisible() ? owner : nullptr);
    box.setWindowTitle(caption);
    box.setText(text);
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    switch (style) {
    case MsgBoxStyle::YesNoCancelQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgBoxStyle::YesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgBoxStyle::OkExclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgBoxStyle::OkOnly:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    // A prompt must be answerable even while a long step has the hourglass up.
    const bool hadHourglass = m_hourglass;
    if (hadHourglass)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    if (hadHourglass)
        QApplication::restoreOverrideCursor();
    switch (pressed) {
    case QMessageBox::Yes:
        return MsgBoxAnswer::Yes;
    case QMessageBox::No:
        return MsgBoxAnswer::No;
    case QMessageBox::Cancel:
        return MsgBoxAnswer::Cancel;
    default:
        // Escape on a Yes/No box closes it as No would.
        return style == MsgBoxStyle::YesNoQuestion      ? MsgBoxAnswer::No
            : style == MsgBoxStyle::YesNoCancelQuestion ? MsgBoxAnswer::Cancel
                                                        : MsgBoxAnswer::Ok;
    }
}

QString QtUserInterface::statusText() const
{
    return m_statusBox ? m_statusBox->text() : m_status;
}

void QtUserInterface::setStatusText(const QString &text)
{
    setStatusTextRaw(text);
}

void QtUserInterface::setStatusTextRaw(const QString &text)
{
    m_status = text;
    if (m_statusBox)
        m_statusBox->setText(text);
}

void QtUserInterface::setStatusBox(QLabel *statusBox)
{
    m_statusBox = statusBox;
    if (m_statusBox)
        m_statusBox->setText(m_status);
}

void QtUserInterface::setHourglass(bool on)
{
    if (on == m_hourglass)
        return;
    m_hourglass = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
