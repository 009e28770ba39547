#include "AddressListScreen.h"

#include "ReferenceCombos.h"
#include "ReferenceScreenSupport.h"
#include "ScreenOperations.h"
#include "clsState.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

AddressListScreen::AddressListScreen(QWidget *parent)
    : ListEditScreen(parent)
{
}

AddressListScreen::~AddressListScreen() = default;

void AddressListScreen::setAddressControls(QComboBox *cboState, const QList<QWidget *> &textBoxes)
{
    m_state = cboState;
    m_textBoxes = textBoxes;
    LoadStateCombo(m_state);
    connect(m_state, &QComboBox::activated, this, &DataScreen::dataHasChanged);
    for (QWidget *box : m_textBoxes) {
        SelectTextOnEntry(box);
        if (auto *line = qobject_cast<QLineEdit *>(box)) {
            connect(line, &QLineEdit::textEdited, this, &DataScreen::dataHasChanged);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
            connect(plain, &QPlainTextEdit::textChanged, this, &DataScreen::dataHasChanged);
        }
    }
}

void AddressListScreen::clearFields()
{
    for (QWidget *box : m_textBoxes) {
        SetBoxText(box, QString());
    }
    m_state->setCurrentIndex(-1);
}

QWidget *AddressListScreen::firstField() const
{
    return m_textBoxes.value(0);
}

bool AddressListScreen::confirmDeletion()
{
    MsgBox(deleteWarning(), MsgBoxStyle::OkExclamation);
    if (!ConfirmDelete(
            QCoreApplication::translate("AddressListScreen", "Delete the Current Record"))) {
        return false;
    }
    if (keyLabel()->text() == QLatin1String("0")) {
        MsgBox(QCoreApplication::translate(
            "AddressListScreen", "You are not allowed to delete this default record"));
        return false;
    }
    return true;
}

void AddressListScreen::deletionDone()
{
    MsgBox(QCoreApplication::translate("AddressListScreen", "Delete was successful"),
        MsgBoxStyle::OkExclamation);
}

int AddressListScreen::placeEntry(const QString &text, qint32 key, bool added)
{
    return placeSorted(text, key, added);
}

void AddressListScreen::reportCheckFailure(const QString &message, QWidget *field)
{
    reportInvalid(message, field, true);
}

QString AddressListScreen::stateCode(qint32 key)
{
    clsState state;
    state.setStateID(key);
    return key != 0 && state.Find() ? state.StateCode() : QString();
}
