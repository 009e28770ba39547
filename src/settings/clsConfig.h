#pragma once

#include <QString>
#include <functional>

// Reads and writes the program's settings: texts addressed by section and key under the
// program's name, kept in a per-user configuration file
// (~/.config/<ConfigName>/<ConfigName>.ini). A section such as "Engines\Jet" is the group
// "Engines/Jet".
class clsConfig
{
public:
    clsConfig();

    QString ConfigName() const { return m_configName; }
    void setConfigName(const QString &name) { m_configName = name; }
    QString Section() const { return m_section; }
    void setSection(const QString &section) { m_section = section; }
    QString KeyName() const { return m_keyName; }
    void setKeyName(const QString &key) { m_keyName = key; }
    QString KeyValue() const { return m_keyValue; }
    void setKeyValue(const QString &value) { m_keyValue = value; }
    QString DefaultValue() const { return m_defaultValue; }
    void setDefaultValue(const QString &value) { m_defaultValue = value; }
    bool Valid() const { return m_valid; }

    QString GetConfig(
        const QString &strSection, const QString &strKeyName, const QString &strDefault);
    // Stores one value; false (and Valid false) when the store refused the write.
    bool SaveConfig(
        const QString &strSection, const QString &strKeyName, const QString &strKeyValue);
    // When Section holds no value at all, runs the first-run configuration (the screen the
    // shell installed with setConfigurationScreen) and takes its saved flag as Valid.
    bool CheckConfig();

    // The file the settings live in.
    QString storeFile() const;
    // Tests and the first-run path point the store elsewhere.
    static void setStoreFileOverride(const QString &path);

    // Opens the configuration screen, lets it write the defaults, and returns its saved flag.
    using ConfigurationScreen = std::function<bool(clsConfig &)>;
    static void setConfigurationScreen(ConfigurationScreen screen);

private:
    QString groupKey(const QString &section, const QString &key) const;

    QString m_configName;
    QString m_section;
    QString m_keyName;
    QString m_keyValue;
    QString m_defaultValue;
    bool m_valid = false;
};
