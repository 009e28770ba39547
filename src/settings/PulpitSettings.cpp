#include "PulpitSettings.h"

#include "clsConfig.h"

namespace {

const QString Section = QStringLiteral("Pulpit");

int readNumber(clsConfig &config, const char *key, int fallback, int low, int high)
{
    bool numeric = false;
    const int value = config.GetConfig(Section, QString::fromLatin1(key), QString::number(fallback))
                          .trimmed()
                          .toInt(&numeric);
    return numeric && value >= low && value <= high ? value : fallback;
}

} // namespace

PulpitSettings PulpitSettings::read(clsConfig &config)
{
    PulpitSettings s;
    s.fontPoints = readNumber(config, "FontPoints", s.fontPoints, MinFontPoints, MaxFontPoints);
    s.dark = readNumber(config, "Dark", 0, 0, 1) == 1;
    s.targetMinutes = readNumber(config, "TargetMinutes", s.targetMinutes, 1, 600);
    s.screen = config.GetConfig(Section, QStringLiteral("Screen"), QString()).trimmed();
    s.wordsPerMinute = readNumber(config, "WordsPerMinute", s.wordsPerMinute, 20, 400);
    s.spellingLanguage
        = config.GetConfig(Section, QStringLiteral("SpellingLanguage"), QString()).trimmed();
    s.printPoints = readNumber(config, "PrintPoints", s.printPoints, 8, 72);
    return s;
}

bool PulpitSettings::write(clsConfig &config, const char *key, const QString &value)
{
    return config.SaveConfig(Section, QString::fromLatin1(key), value);
}
