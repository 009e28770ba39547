#include "clsIllustr.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>

clsIllustr::clsIllustr()
    : TableRecord(EngineErrors::Trapped, QStringLiteral("tblIllustr"),
        { { QStringLiteral("lngIllustrID"), &m_illustrationID },
            { QStringLiteral("strName"), &m_name },
            { QStringLiteral("strIllustration"), &m_illustration } },
        Checks::None, QStringLiteral(" ORDER BY strName"))
{
}

clsIllustr::~clsIllustr() = default;

bool clsIllustr::Check()
{
    bool valid = true;
    if (TrimBlanks(m_illustration).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsIllustr", "Illustration Must Be Filled In."),
            QStringLiteral("strIllustration"));
        valid = false;
    }
    if (TrimBlanks(m_name).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("clsIllustr", "Name Must Be Filled In."),
            QStringLiteral("strName"));
        valid = false;
    }
    return valid;
}
