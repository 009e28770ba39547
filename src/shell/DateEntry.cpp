#include "DateEntry.h"

#include "ProgramTranslation.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace {

int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() <= 2) {
        return year < 30 ? 2000 + year : 1900 + year;
    }
    return year;
}

// 1..12 for an English month name or its first three (or more) letters, else 0; with the
// day first, Spanish names too ("jun", "junio", "sept").
int monthFromName(const QString &word)
{
    if (word.size() < 3) {
        return 0;
    }
    QList<QLocale> languages { QLocale(QLocale::English, QLocale::UnitedStates) };
    if (DateEntry::dayFirst()) {
        languages.prepend(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    for (const QLocale &language : languages) {
        for (int month = 1; month <= 12; ++month) {
            const QString name = language.standaloneMonthName(month, QLocale::LongFormat);
            if (name.startsWith(word, Qt::CaseInsensitive)) {
                return month;
            }
        }
    }
    return 0;
}

QDate numericDate(const QStringList &parts)
{
    if (parts.size() == 3 && parts[0].size() >= 3) {
        return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    }
    const int month = DateEntry::dayFirst() ? 1 : 0;
    const int day = 1 - month;
    if (parts.size() == 3) {
        return QDate(fullYear(parts[2]), parts[month].toInt(), parts[day].toInt());
    }
    if (parts.size() == 2 && parts[0].size() <= 2 && parts[1].size() <= 2) {
        return QDate(QDate::currentDate().year(), parts[month].toInt(), parts[day].toInt());
    }
    return {};
}

QDate namedMonthDate(const QStringList &parts)
{
    int month = 0;
    QStringList numbers;
    for (const QString &part : parts) {
        if (part.front().isDigit()) {
            numbers.append(part);
        } else if (month == 0) {
            month = monthFromName(part);
            if (month == 0) {
                return {};
            }
        } else {
            return {};
        }
    }
    if (month == 0 || numbers.isEmpty() || numbers.size() > 2 || numbers[0].size() > 2) {
        return {};
    }
    const int year = numbers.size() == 2 ? fullYear(numbers[1]) : QDate::currentDate().year();
    return QDate(year, month, numbers[0].toInt());
}

} // namespace

QDate DateEntry::parse(const QString &text)
{
    static const QRegularExpression numeric(
        QStringLiteral("^\\d{1,4}(?:\\s*[-/.\\s]\\s*\\d{1,4}){1,2}$"));
    static const QRegularExpression named(
        QStringLiteral("^[A-Za-z]{3,10}\\.?(?:[\\s,/-]+\\d{1,4}){1,2}$"
                       "|^\\d{1,2}[\\s,/-]+[A-Za-z]{3,10}\\.?(?:[\\s,/-]+\\d{1,4})?$"));
    static const QRegularExpression separators(QStringLiteral("[\\s,/.-]+"));
    QString typed = text.trimmed();
    if (dayFirst()) {
        // "15 de junio de 1998": the joining words carry nothing.
        static const QRegularExpression joining(
            QStringLiteral("\\s+(?:de|del)\\s+"), QRegularExpression::CaseInsensitiveOption);
        typed.replace(joining, QStringLiteral(" "));
    }
    if (typed.isEmpty()) {
        return {};
    }
    if (numeric.match(typed).hasMatch()) {
        return numericDate(typed.split(separators, Qt::SkipEmptyParts));
    }
    if (named.match(typed).hasMatch()) {
        return namedMonthDate(typed.split(separators, Qt::SkipEmptyParts));
    }
    return {};
}

bool DateEntry::dayFirst()
{
    return ProgramTranslation::isSpanish();
}

QString DateEntry::shown(const QDate &date)
{
    return date.isValid()
        ? date.toString(dayFirst() ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy"))
        : QString();
}

DateEntry::DateEntry(QLineEdit *field)
    : QObject(field)
    , m_field(field)
{
    field->installEventFilter(this);
}

DateEntry *DateEntry::attach(QLineEdit *field)
{
    return field ? new DateEntry(field) : nullptr;
}

bool DateEntry::check(QLineEdit *field)
{
    if (!field || field->text().isEmpty()) {
        return true;
    }
    const QDate date = parse(field->text());
    if (date.isValid()) {
        field->setText(shown(date));
        return true;
    }
    MsgBox(dayFirst() ? tr("Enter a valid date: dd/mm/yyyy") : tr("Enter a valid date: mm/dd/yyyy"),
        MsgBoxStyle::OkExclamation, tr("Invalid Date"));
    // Back into the field the way the keyboard would get there: the control before it in the
    // tab order, then one TAB.
    QWidget *previous = field->previousInFocusChain();
    while (previous && previous != field
        && (!(previous->focusPolicy() & Qt::TabFocus) || !previous->isEnabled()
            || !previous->isVisible())) {
        previous = previous->previousInFocusChain();
    }
    if (previous && previous != field) {
        previous->setFocus(Qt::BacktabFocusReason);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(previous, &tab);
    }
    if (!field->hasFocus()) {
        field->setFocus(Qt::TabFocusReason);
    }
    return false;
}

bool DateEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusOut) {
        // Switching to another program or opening a menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // The check moves the focus itself, so it waits until this focus change is over.
            QMetaObject::invokeMethod(this, &DateEntry::checkAfterFocusMoved, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void DateEntry::checkAfterFocusMoved()
{
    if (m_field) {
        check(m_field);
    }
}
