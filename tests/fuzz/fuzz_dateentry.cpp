// The date field's rule: whatever is typed, DateEntry::parse gives no date or a valid one,
// and the text a valid date is rewritten to (mm/dd/yyyy) is taken again as the same date,
// both by the rule itself (the field is checked again each time it loses the focus) and by
// DateFromValue, which reads the dates records store.

#include "DateEntry.h"
#include "FuzzInput.h"
#include "SqlLiterals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = fuzzText(data, size);
    const QDate date = DateEntry::parse(typed);
    if (!date.isValid())
        return 0;
    const QString rewritten = date.toString(QStringLiteral("MM/dd/yyyy"));
    FUZZ_ASSERT(rewritten.size() == 10, "the rewritten date is mm/dd/yyyy", rewritten);
    FUZZ_ASSERT(DateEntry::parse(rewritten) == date,
        "the rewritten text is the same date to the rule", rewritten);
    FUZZ_ASSERT(DateFromValue(QVariant(rewritten)) == QDateTime(date, QTime(0, 0)),
        "the rewritten text is the same date to the records", rewritten);
    return 0;
}
