#include "clsConfig.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString g_storeOverride;
clsConfig::ConfigurationScreen g_configurationScreen;

QString programBaseName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("lectorum") : name;
}
} // namespace

clsConfig::clsConfig()
    : m_configName(programBaseName())
{
}

QString clsConfig::storeFile() const
{
    if (!g_storeOverride.isEmpty())
        return g_storeOverride;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1Char('/') + m_configName + QLatin1Char('/') + m_configName
        + QStringLiteral(".ini");
}

void clsConfig::setStoreFileOverride(const QString &path)
{
    g_storeOverride = path;
}

void clsConfig::setConfigurationScreen(ConfigurationScreen screen)
{
    g_configurationScreen = std::move(screen);
}

QString clsConfig::groupKey(const QString &section, const QString &key) const
{
    QString group = section;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group + QLatin1Char('/') + key;
}

QString clsConfig::GetConfig(
    const QString &strSection, const QString &strKeyName, const QString &strDefault)
{
    m_section = strSection;
    m_keyName = strKeyName;
    m_defaultValue = strDefault;
    QSettings store(storeFile(), QSettings::IniFormat);
    m_keyValue = store.value(groupKey(strSection, strKeyName), strDefault).toString();
    m_valid = true;
    return m_keyValue;
}

bool clsConfig::SaveConfig(
    const QString &strSection, const QString &strKeyName, const QString &strKeyValue)
{
    m_section = strSection;
    m_keyName = strKeyName;
    m_keyValue = strKeyValue;
    QSettings store(storeFile(), QSettings::IniFormat);
    if (!store.isWritable()) {
        m_valid = false;
        return false;
    }
    store.setValue(groupKey(strSection, strKeyName), strKeyValue);
    store.sync();
    m_valid = store.status() == QSettings::NoError;
    return m_valid;
}

bool clsConfig::CheckConfig()
{
    QSettings store(storeFile(), QSettings::IniFormat);
    QString group = m_section;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    store.beginGroup(group);
    const bool holdsValues = !store.allKeys().isEmpty();
    store.endGroup();
    if (holdsValues) {
        m_valid = true;
    } else {
        m_valid = g_configurationScreen ? g_configurationScreen(*this) : false;
    }
    return m_valid;
}
