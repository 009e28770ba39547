#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>

class QLineEdit;

// The rule for a typed date field: when the field loses the focus with text in it, a date is
// rewritten as mm/dd/yyyy; anything else is refused with "Enter a valid date: mm/dd/yyyy"
// and the focus goes back into the field, so an invalid date never reaches the record. An
// empty field is accepted as "no date".
//
// With the Spanish interface the day comes first, as Spanish speakers write it: typed and
// shown as dd/mm/yyyy (15/06/1998), the month's Spanish name read too ("15 de junio de 1998").
// The date stored is the same either way.
class DateEntry : public QObject
{
    Q_OBJECT
public:
    // Watches `field` for the rest of its life (the watcher is a child of the field).
    static DateEntry *attach(QLineEdit *field);

    // Applies the rule once, now; false when the text was refused.
    static bool check(QLineEdit *field);

    // What a user may type as a date: month/day/year (day/month/year when dayFirst) with "/", "-",
    // "." or blanks between (a two-digit year 00-29 is 2000-2029, 30-99 is 1930-1999; without a
    // year, this year), year-month-day with a four-digit year, or a month name ("Jan 2, 1998", "2
    // January 1998"). Invalid for anything else, 31/31/98 included.
    static QDate parse(const QString &text);

    // The day before the month (the Spanish interface).
    static bool dayFirst();
    // A date as the fields show it: "06/15/1998", or "15/06/1998" when the day comes first.
    static QString shown(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DateEntry(QLineEdit *field);
    void checkAfterFocusMoved();

    QPointer<QLineEdit> m_field;
};
