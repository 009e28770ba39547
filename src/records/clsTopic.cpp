#include "clsTopic.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsTopic::clsTopic()
    : TableRecord(EngineErrors::Trapped, QStringLiteral("tblTopics"),
        { { QStringLiteral("lngTopicID"), &m_topicID },
            { QStringLiteral("strTopic"), &m_description } },
        Checks::None, QStringLiteral(" ORDER BY strTopic"))
{
}

clsTopic::~clsTopic() = default;

bool clsTopic::Check()
{
    if (TrimBlanks(m_description).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsTopic", "Topic Must Be Filled In."));
        return false;
    }
    return true;
}
