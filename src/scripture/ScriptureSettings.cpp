#include "ScriptureSettings.h"

#include "clsConfig.h"

namespace {

const QString Section = QStringLiteral("Scripture");

bool readFlag(clsConfig &config, const QString &key)
{
    return config.GetConfig(Section, key, QStringLiteral("0")).trimmed() == QLatin1String("1");
}

void save(const QString &key, const QString &value)
{
    clsConfig config;
    config.SaveConfig(Section, key, value);
}

} // namespace

ScriptureSettings ScriptureSettings::read(clsConfig &config)
{
    ScriptureSettings settings;
    settings.version = config.GetConfig(Section, QStringLiteral("Version"), QString()).trimmed();
    settings.versePerLine = readFlag(config, QStringLiteral("VersePerLine"));
    settings.printPassage = readFlag(config, QStringLiteral("PrintPassage"));
    return settings;
}

ScriptureSettings ScriptureSettings::read()
{
    clsConfig config;
    return read(config);
}

void ScriptureSettings::saveVersion(const QString &version)
{
    save(QStringLiteral("Version"), version);
}

void ScriptureSettings::saveVersePerLine(bool on)
{
    save(QStringLiteral("VersePerLine"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

void ScriptureSettings::savePrintPassage(bool on)
{
    save(QStringLiteral("PrintPassage"), on ? QStringLiteral("1") : QStringLiteral("0"));
}
