#include "clsPreacher.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsPreacher::clsPreacher()
    : TableRecord(EngineErrors::Trapped, QStringLiteral("tblPreachers"),
        { { QStringLiteral("lngPreacherID"), &m_preacherID },
            { QStringLiteral("strFirstName"), &m_firstName },
            { QStringLiteral("strMiddleInitial"), &m_middleInitial },
            { QStringLiteral("strLastName"), &m_lastName }, { QStringLiteral("strCity"), &m_city },
            { QStringLiteral("lngStateID"), &m_stateID },
            { QStringLiteral("strCountry"), &m_country },
            { QStringLiteral("strOrganization"), &m_organization },
            { QStringLiteral("strPosition"), &m_position },
            { QStringLiteral("strSeminary"), &m_seminary },
            { QStringLiteral("strNotes"), &m_notes } },
        Checks::OnReplace, QStringLiteral(" Order by strLastName"))
{
}

clsPreacher::~clsPreacher() = default;

bool clsPreacher::Check()
{
    if (TrimBlanks(m_lastName).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsPreacher", "Last Name Must Be Filled In."),
            QStringLiteral("strLastName"));
        return false;
    }
    return true;
}
