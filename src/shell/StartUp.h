#pragma once

#include <functional>

class clsConfig;
class clsConnect;
class frmMain;

// The program's entry sequence: splash, main window created hidden, settings, engine and
// database, the splash kept up for its minimum time, then the main window.
class StartUp
{
public:
    // Shows the configuration screen to the user; true when new settings were saved.
    using ConfigurationOffer = std::function<bool()>;

    static constexpr int SplashMilliseconds = 7000;

    StartUp(clsConnect &connection, clsConfig &config);
    void setMinimumSplashMilliseconds(int milliseconds) { m_minimumSplash = milliseconds; }
    void setConfigurationOffer(ConfigurationOffer offer) { m_offerConfiguration = std::move(offer); }

    // Returns the shown main window, or null when the program must end (the user has been
    // told why). The caller owns the window.
    frmMain *run();

private:
    bool openConfiguredDatabase();
    bool offerConfigurationAfterFailure();

    clsConnect &m_connection;
    clsConfig &m_config;
    int m_minimumSplash = SplashMilliseconds;
    ConfigurationOffer m_offerConfiguration;
    bool m_engineMissing = false;
};
