#pragma once

// What the sermon identification screen changes in the main window while it is open: the
// Print menu with its sermon items, the Search-Text and Checklist menus, Edit > Sermon, and
// the toolbar's search, checklist, globe, "Add New Sermon" and "Sermon Notes" buttons.
// Without a main window (some tests) nothing happens.
class SermonMenuState
{
public:
    static void screenOpened();
    static void screenClosed();
    static void setToolButtonVisible(const char *name, bool visible);
    // The toolbar button exists and was hidden by code.
    static bool toolButtonHidden(const char *name);
};
