#pragma once

// What the work area's welcome says about the open library: how many sermons it holds, or -1
// when the library cannot be read just now (the failure is logged, not shown: the welcome is
// no place for an error box).
namespace LibrarySummary {
int sermonCount();
} // namespace LibrarySummary
