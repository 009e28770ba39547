#pragma once

#include "ListEditScreen.h"
#include "clsTopic.h"

class QLabel;
class QLineEdit;
class QListWidget;

// "Topic Screen": the topic list and the shown topic's text. Topics are kept in capitals:
// the text is raised to capitals whenever it loses the focus and again when it is saved.
class frmTopic : public ListEditScreen
{
    Q_OBJECT
public:
    explicit frmTopic(QWidget *parent = nullptr);
    ~frmTopic() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    bool firstRecord() override { return m_topic.OpenRecordset(); }
    bool nextRecord() override { return m_topic.MoveNext(); }
    qint32 recordKey() const override { return m_topic.TopicID(); }
    QString recordText() const override;
    bool findRecord(qint32 key) override;
    void showFields() override;
    void clearFields() override;
    QWidget *firstField() const override;
    bool checkFields() override;
    bool insertRecord() override { return m_topic.AddNew(); }
    bool replaceRecord(qint32 key) override;
    bool deleteRecord(qint32 key) override;
    RowChange replaceConflict() const override;
    void overwriteTheirs() override;
    void showTheirVersion(qint32 key) override;
    QString recordInfoMsg() const override { return m_topic.InfoMsg(); }
    void announceChange(bool deleted) override;

private:
    void raiseToCapitals();

    clsTopic m_topic;
    QListWidget *lstTopics = nullptr;
    QLineEdit *txtDescription = nullptr;
    QLabel *lblTopicID = nullptr;
};
