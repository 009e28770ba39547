#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The control named `name` under `parent`, found the way a user-facing test should find it:
// by the objectName every control carries, not through the screen's members. A name that is
// missing or given twice, or a window that is not there, stops the run at once (the test log
// names the test function), so that no test goes on with a null pointer or the wrong control.
template <typename T> T *widget(const QObject *parent, const char *name)
{
    if (!parent) {
        qFatal("no window to look for the control \"%s\" in", name);
    }
    const QList<T *> found = parent->findChildren<T *>(QLatin1String(name));
    if (found.size() != 1) {
        qFatal("%lld controls of class %s named \"%s\" under %s, expected one",
            static_cast<long long>(found.size()), T::staticMetaObject.className(), name,
            qPrintable(parent->objectName()));
    }
    return found.first();
}
