# Precompiled headers: most of a clean build's time went into parsing the same Qt headers in
# every source file. Each header set below is compiled once, in a small target of its own, and
# every library, program and test reuses it (REUSE_FROM). A precompiled header only serves a
# compile whose Qt module macros (QT_GUI_LIB, QT_TESTLIB_LIB, ...) are those it was made with,
# hence four sets, by the Qt modules a target sees:
#   core         QtCore: src/settings, src/db, src/library, src/records, the command-line programs and workers
#   widgets      core + QtGui/QtWidgets: src/shell, src/screens, the program
#   test-core    core + QtTest: the data, records and safety suites
#   test-widgets widgets + QtTest: the shell and screen suites
# A compile that cannot use its set gets GCC's -Winvalid-pch, an error under -Werror, so a
# set that silently stops serving fails CI. QtSql is in no set: only src/db includes it.
# Every source still includes what it uses, so -DLECTORUM_PCH=OFF builds the same program.
option(LECTORUM_PCH "Precompile the Qt and standard headers most sources include" ON)

set(LECTORUM_PCH_CORE
    <algorithm> <functional> <memory> <optional> <vector>
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList>
    <QObject> <QPointer> <QRegularExpression> <QSet> <QString> <QStringList> <QTimer>
    <QVariant>)
set(LECTORUM_PCH_WIDGETS ${LECTORUM_PCH_CORE}
    <QAction> <QApplication> <QComboBox> <QDialog> <QEvent> <QFormLayout> <QFrame>
    <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMdiArea>
    <QMdiSubWindow> <QPlainTextEdit> <QPushButton> <QToolButton> <QVBoxLayout> <QWidget>)
set(LECTORUM_PCH_TEST <QTest> <QTemporaryDir> <QProcess> <QSignalSpy>)

# The set's owner: one empty source, compiled after the header, with the set's Qt modules.
function(lectorum_pch_owner set)
    set(owner lectorum_pch_${set})
    set(source ${CMAKE_BINARY_DIR}/pch/${set}.cpp)
    if(NOT EXISTS ${source})
        file(WRITE ${source} "// Compiles the precompiled header ${set} for the targets that reuse it.\n")
    endif()
    add_library(${owner} OBJECT ${source})
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${owner} PRIVATE ${ARGN})
    lectorum_pch_test_macros(${owner} ${set})
endfunction()

# Qt's test module defines the folder of each test target (QT_TESTCASE_SOURCEDIR, for
# QFINDTESTDATA, which no suite uses); different values in every test folder would each need
# a precompiled header of their own, so the test sets leave them undefined.
function(lectorum_pch_test_macros target set)
    if(set MATCHES "^test")
        target_compile_options(${target} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
    endif()
endfunction()

if(LECTORUM_PCH)
    lectorum_pch_owner(core Qt6::Core)
    target_precompile_headers(lectorum_pch_core PRIVATE ${LECTORUM_PCH_CORE})
    lectorum_pch_owner(widgets Qt6::Widgets)
    target_precompile_headers(lectorum_pch_widgets PRIVATE ${LECTORUM_PCH_WIDGETS})
    lectorum_pch_owner(test-core Qt6::Test)
    target_precompile_headers(lectorum_pch_test-core PRIVATE ${LECTORUM_PCH_CORE} ${LECTORUM_PCH_TEST})
    lectorum_pch_owner(test-widgets Qt6::Widgets Qt6::Test)
    target_precompile_headers(lectorum_pch_test-widgets PRIVATE ${LECTORUM_PCH_WIDGETS} ${LECTORUM_PCH_TEST})
endif()

# lectorum_use_pch(target set): the target's sources start from the set's precompiled header.
function(lectorum_use_pch target set)
    if(NOT LECTORUM_PCH)
        return()
    endif()
    target_precompile_headers(${target} REUSE_FROM lectorum_pch_${set})
    lectorum_pch_test_macros(${target} ${set})
    # No program here has a class of its own in a header, so AUTOMOC's file of a program is
    # empty (a suite includes its moc output in its source), and loading a header set costs an
    # empty file up to a second (a program that gets such a class compiles that file without).
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        get_target_property(binary_dir ${target} BINARY_DIR)
        set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
