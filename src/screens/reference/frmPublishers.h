#pragma once

#include "AddressListScreen.h"
#include "clsPublisher.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// "Publishers Screen": the publishers in name order and the shown publisher's city and
// state. Deleting a publisher deletes its series and their sermons (the database's
// cascades); the default publisher with key 0 cannot be deleted.
class frmPublishers : public AddressListScreen
{
    Q_OBJECT
public:
    explicit frmPublishers(QWidget *parent = nullptr);
    ~frmPublishers() override;

protected:
    bool firstRecord() override { return m_publisher.OpenRecordset(); }
    bool nextRecord() override { return m_publisher.MoveNext(); }
    qint32 recordKey() const override { return m_publisher.PublisherID(); }
    QString recordText() const override;
    bool findRecord(qint32 key) override;
    void showFields() override;
    bool checkFields() override;
    bool insertRecord() override { return m_publisher.AddNew(); }
    bool replaceRecord(qint32 key) override;
    bool deleteRecord(qint32 key) override;
    RowChange replaceConflict() const override;
    void overwriteTheirs() override;
    void showTheirVersion(qint32 key) override;
    QString recordInfoMsg() const override { return m_publisher.InfoMsg(); }
    void announceChange(bool deleted) override;
    QString deleteWarning() const override;

private:
    QWidget *fieldForMessage(const QString &message) const;

    clsPublisher m_publisher;
    QListWidget *lstPublishers = nullptr;
    QLabel *lblPublisherID = nullptr;
    QLineEdit *txtPublisher = nullptr;
    QLineEdit *txtCity = nullptr;
    QComboBox *cboState = nullptr;
};
