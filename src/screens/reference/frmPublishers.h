#pragma once

#include "AddressListScreen.h"
#include "RecordEditScreen.h"
#include "clsPublisher.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

using PublisherEditScreen = RecordEditScreen<clsPublisher, &clsPublisher::PublisherID,
    &clsPublisher::setPublisherID, AddressListScreen>;

// "Publishers Screen": the publishers in name order and the shown publisher's city and
// state. Deleting a publisher deletes its series and their sermons (the database's
// cascades); the default publisher with key 0 cannot be deleted.
class frmPublishers : public PublisherEditScreen
{
    Q_OBJECT
public:
    explicit frmPublishers(QWidget *parent = nullptr);
    ~frmPublishers() override;

protected:
    QString recordText() const override;
    void showFields() override;
    bool checkFields() override;
    ChangedUnderneath::TheirVersion theirVersion(const clsPublisher &theirs) const override;
    void announceChange(bool deleted) override;
    QString deleteWarning() const override;

private:
    QListWidget *lstPublishers = nullptr;
    QLabel *lblPublisherID = nullptr;
    QLineEdit *txtPublisher = nullptr;
    QLineEdit *txtCity = nullptr;
    QComboBox *cboState = nullptr;
};
