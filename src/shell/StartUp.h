#pragma once

#include <QString>
#include <functional>

class clsConfig;
class clsConnect;
class frmMain;

// The program's entry sequence: splash, main window created hidden, settings, engine and
// database, the splash kept up for its minimum time, then the main window. With a server
// database the sign-in screen follows the splash: signing in is what opens the database, and
// the main window appears only for a signed-in user.
class StartUp
{
public:
    // Shows the configuration screen to the user; true when new settings were saved.
    using ConfigurationOffer = std::function<bool()>;
    // Signs a user in (and so opens a server database); true when a user signed in.
    using SignIn = std::function<bool()>;

    static constexpr int SplashMilliseconds = 7000;

    StartUp(clsConnect &connection, clsConfig &config);
    void setMinimumSplashMilliseconds(int milliseconds) { m_minimumSplash = milliseconds; }
    void setConfigurationOffer(ConfigurationOffer offer)
    {
        m_offerConfiguration = std::move(offer);
    }
    // The sign-in step of a server database; by default the Login screen, shown modally.
    void setSignIn(SignIn signIn) { m_signIn = std::move(signIn); }

    // Returns the shown main window, or null when the program must end (the user has been
    // told why). The caller owns the window.
    frmMain *run();

private:
    bool openConfiguredDatabase();
    bool offerConfiguration(const QString &reason);
    bool signInToServer();

    clsConnect &m_connection;
    clsConfig &m_config;
    int m_minimumSplash = SplashMilliseconds;
    ConfigurationOffer m_offerConfiguration;
    SignIn m_signIn;
    bool m_engineMissing = false;
};
