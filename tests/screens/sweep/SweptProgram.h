#pragma once

#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenTestReset.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// The program as the sweeps walk it: settings and data in a folder of their own, the
// demonstration library open, and the main window with every screen's commands.
class SweptProgram
{
public:
    SweptProgram()
    {
        UserInterface::install(&QtUserInterface::instance());
        TestEnvironment::isolateSettings(m_home.filePath(QStringLiteral("settings")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    }

    // A fresh library and main window; false when the library could not be made.
    bool open()
    {
        ScreenTestReset::begin();
        m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite, true);
        if (!m_db->isReady())
            return false;
        m_main = std::make_unique<frmMain>();
        RegisterScreenCommands(*m_main);
        QtUserInterface::instance().setStatusTextRaw(ProductName);
        return true;
    }

    void close()
    {
        m_main.reset();
        m_db.reset();
        MsgBoxScript::clear();
    }

    frmMain &main() { return *m_main; }

private:
    QTemporaryDir m_home;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};
