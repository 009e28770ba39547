#pragma once

#include "ListEditScreen.h"
#include "RecordEditScreen.h"
#include "clsTopic.h"

class QLabel;
class QLineEdit;
class QListWidget;

using TopicEditScreen
    = RecordEditScreen<clsTopic, &clsTopic::TopicID, &clsTopic::setTopicID, ListEditScreen>;

// "Topic Screen": the topic list and the shown topic's text. Topics are kept in capitals:
// the text is raised to capitals whenever it loses the focus and again when it is saved.
class frmTopic : public TopicEditScreen
{
    Q_OBJECT
public:
    explicit frmTopic(QWidget *parent = nullptr);
    ~frmTopic() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString recordText() const override;
    void showFields() override;
    void clearFields() override;
    QWidget *firstField() const override;
    bool checkFields() override;
    ChangedUnderneath::TheirVersion theirVersion(const clsTopic &theirs) const override;
    void announceChange(bool deleted) override;

private:
    void raiseToCapitals();

    QListWidget *lstTopics = nullptr;
    QLineEdit *txtDescription = nullptr;
    QLabel *lblTopicID = nullptr;
};
