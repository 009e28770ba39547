#pragma once

#include <QCoreApplication>

class QWidget;
struct SermonScreenWidgets;

// Creates the controls of the sermon identification screen with their names, captions,
// labels and accessible names, lays them out and sets the keyboard order (the location
// field comes right before the date field, which the date rule relies on).
class SermonScreenLayout
{
    Q_DECLARE_TR_FUNCTIONS(SermonScreenLayout)

public:
    // The controls become children of `screen`, laid out on it; `widgets` names them.
    static void build(QWidget *screen, SermonScreenWidgets &widgets);
};
