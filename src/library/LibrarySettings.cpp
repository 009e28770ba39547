#include "LibrarySettings.h"

#include "clsConfig.h"

namespace {

int readCount(clsConfig &config, const char *key, int fallback)
{
    bool numeric = false;
    const int value = config
                          .GetConfig(QStringLiteral("Library"), QString::fromLatin1(key),
                              QString::number(fallback))
                          .trimmed()
                          .toInt(&numeric);
    return numeric && value >= 0 ? value : fallback;
}

} // namespace

LibrarySettings LibrarySettings::read(clsConfig &config)
{
    LibrarySettings settings;
    settings.backupIntervalDays
        = readCount(config, "BackupIntervalDays", settings.backupIntervalDays);
    settings.keep.daily = readCount(config, "KeepDaily", settings.keep.daily);
    settings.keep.weekly = readCount(config, "KeepWeekly", settings.keep.weekly);
    settings.keep.monthly = readCount(config, "KeepMonthly", settings.keep.monthly);
    return settings;
}

int LibrarySettings::reusePeriodYears(clsConfig &config)
{
    constexpr int DefaultYears = 3;
    bool isNumber = false;
    const int years = config
                          .GetConfig(QStringLiteral("Library"), QStringLiteral("ReusePeriodYears"),
                              QString::number(DefaultYears))
                          .trimmed()
                          .toInt(&isNumber);
    return isNumber ? years : DefaultYears;
}
