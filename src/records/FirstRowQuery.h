#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The few look-ups the series screen runs itself: the named columns of the first row of a
// query on the open database, in the order asked (Null as a null value), or an empty list
// when the query has no row. An engine failure is shown to the user (ShowSystemError) and
// also gives an empty list, so the screen carries on.
QVariantList FirstRowOf(const QString &sql, const QStringList &columns);

// A column's text as stored (not trimmed); empty for Null.
QString ColumnText(const QVariant &value);
