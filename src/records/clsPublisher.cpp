#include "clsPublisher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsPublisher::clsPublisher()
    : TableRecord(EngineErrors::Trapped, QStringLiteral("tblPublishers"),
        { { QStringLiteral("lngPublisherID"), &m_publisherID },
            { QStringLiteral("strPublisher"), &m_publisher },
            { QStringLiteral("strCity"), &m_city }, { QStringLiteral("lngStateID"), &m_stateID } },
        Checks::None, QStringLiteral(" Order by strPublisher"))
{
}

clsPublisher::~clsPublisher() = default;

bool clsPublisher::Check()
{
    if (TrimBlanks(m_publisher).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsPublisher", "Name Must Be Filled In."),
            QStringLiteral("strPublisher"));
        return false;
    }
    return true;
}
