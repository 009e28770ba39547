#pragma once

#include "BackupRotation.h"

class clsConfig;

// The settings of the section "Library": how often a local library is backed up when it is
// opened and how many backups are kept. Read with defaults, so a settings file without the
// section keeps working; the program never writes them.
//
//   [Library]
//   BackupIntervalDays=1   days between automatic backups; 0 turns them off
//   KeepDaily=7            the newest backup of each of the last 7 days
//   KeepWeekly=4           ... of each of the last 4 weeks
//   KeepMonthly=12         ... of each of the last 12 months
//   ReusePeriodYears=3     the reuse warning's and report's period
struct LibrarySettings
{
    int backupIntervalDays = 1;
    BackupRotation::Policy keep;

    // A missing, non-numeric or negative value keeps its default.
    static LibrarySettings read(clsConfig &config);
    // ReusePeriodYears: how many years either side of a new occasion an earlier hearing of the
    // sermon or its illustrations at the same place counts as a reuse (default 3; a value that
    // is not a number keeps the default). Read by the tracker's warning and the usage report.
    static int reusePeriodYears(clsConfig &config);
};
