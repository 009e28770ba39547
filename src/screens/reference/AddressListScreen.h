#pragma once

#include "ListEditScreen.h"

#include <QList>

class QComboBox;

// What the preachers and publishers screens share beyond the list-plus-detail editor: a
// state drop-down list of state codes, text boxes that select their text on entry, a list
// kept in alphabetical order (a renamed entry moves to its new place), a validation failure
// that beeps and moves the focus to the field concerned, and the guarded delete: a warning
// about the sermons (and series) the database deletes with the record, the confirmation,
// the refusal of the default record with key 0, and "Delete was successful".
class AddressListScreen : public ListEditScreen
{
    Q_OBJECT
public:
    explicit AddressListScreen(QWidget *parent = nullptr);
    ~AddressListScreen() override;

protected:
    // The state list (filled here, before the record list) and the text boxes in tab order.
    void setAddressControls(QComboBox *cboState, const QList<QWidget *> &textBoxes);

    // A state's code as the State list shows it; empty for none.
    static QString stateCode(qint32 key);

    // The warning shown before the confirmation.
    virtual QString deleteWarning() const = 0;

    void clearFields() override;
    QWidget *firstField() const override;
    bool confirmDeletion() override;
    void deletionDone() override;
    int placeEntry(const QString &text, qint32 key, bool added) override;

    // A refused Check: beep, focus to `field` (null: it stays), the message in a plain box.
    void reportCheckFailure(const QString &message, QWidget *field);

private:
    QComboBox *m_state = nullptr;
    QList<QWidget *> m_textBoxes;
};
