// lectorum-mkdb: creates a Lectorum library from the delivered schema, or copies a whole
// library between a file and a server.
//
//   lectorum-mkdb [--force] [--demo] [--generate N] FILE
//   lectorum-mkdb --odbc "DSN=...;UID=...;PWD=...;DATABASE=..." [--demo] [--generate N]
//   lectorum-mkdb --copy [--force] FROM TO      (each side a file or an ODBC connect string)
//   lectorum-mkdb --import [--preacher NAME] [--dry-run] [--skip-unreadable] PATH... LIBRARY
//   lectorum-mkdb --publish [--base-url URL] FOLDER LIBRARY

#include "DbDatabase.h"
#include "ImportCommand.h"
#include "LibraryCopyCommand.h"
#include "LibraryGenerator.h"
#include "ProgramTranslation.h"
#include "PublishCommand.h"
#include "SchemaScript.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

// The program's words in the language the environment asks for (LANGUAGE, LANG, ...).
QString text(const char *source)
{
    return QCoreApplication::translate("LectorumMkdb", source);
}

void complain(const QString &message)
{
    std::fprintf(stderr, "lectorum-mkdb: %s\n", qPrintable(message));
}

int fail(const QString &what, const DbError &error)
{
    complain(text(QT_TRANSLATE_NOOP("LectorumMkdb", "%1: error %2: %3"))
                 .arg(what, QString::number(error.number), error.driverText));
    return 1;
}

// The program's description, options and arguments, as --help prints them.
void defineOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP("LectorumMkdb",
        "Creates a new Lectorum library (a SQLite file, or an empty server database through "
        "ODBC) from the delivered schema, copies a whole library between a file and a "
        "server, imports outline files into a library, or publishes its sermons as a website "
        "with podcast feeds.\n\n"
        "  lectorum-mkdb [--force] [--demo] [--generate N] FILE.mdb\n"
        "  lectorum-mkdb --odbc CONNECT [--demo] [--generate N]\n"
        "  lectorum-mkdb --copy [--force] FROM TO\n"
        "  lectorum-mkdb --import [--preacher NAME] [--dry-run] [--skip-unreadable] PATH... "
        "LIBRARY\n"
        "  lectorum-mkdb --publish [--base-url URL] FOLDER LIBRARY")));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("force"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "Replace an existing database file; with --copy, empty a destination "
            "that already holds sermons (inside the copy's transaction).")) });
    parser.addOption({ QStringLiteral("demo"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb", "Add the demonstration library.")) });
    parser.addOption({ QStringLiteral("generate"),
        text(QT_TRANSLATE_NOOP(
            "LectorumMkdb", "Add N generated sermons with outlines (for benchmarks).")),
        QStringLiteral("N") });
    parser.addOption({ QStringLiteral("odbc"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "Load the schema into the empty server database named by the ODBC "
            "connect string (DSN=...;UID=...;PWD=...;DATABASE=...).")),
        QStringLiteral("connect") });
    parser.addOption({ QStringLiteral("copy"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "Copy every table of the library FROM into TO, each a library file or "
            "an ODBC connect string (starting DSN=, DRIVER= or ODBC;), checked "
            "table by table before it commits.")) });
    parser.addOption({ QStringLiteral("import"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "Import outline files, folders and zips (PATH...) into LIBRARY (a file or "
            "an ODBC connect string), after printing what was read.")) });
    parser.addOption({ QStringLiteral("preacher"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "With --import: the preacher of every sermon (a name the library has).")),
        QStringLiteral("NAME") });
    parser.addOption({ QStringLiteral("dry-run"),
        text(QT_TRANSLATE_NOOP(
            "LectorumMkdb", "With --import: print what would be imported and write nothing.")) });
    parser.addOption({ QStringLiteral("skip-unreadable"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "With --import: import the files that could be read even when some could "
            "not (otherwise nothing is imported and the exit code is 1).")) });
    parser.addOption({ QStringLiteral("publish"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "Publish every sermon of LIBRARY (a file or an ODBC connect string) with "
            "a date as a website with podcast feeds into FOLDER, with the library's "
            "publishing choices; only changed files are rewritten.")) });
    parser.addOption({ QStringLiteral("base-url"),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "With --publish: the address the folder is served from (the feeds' links "
            "need it), instead of the library's choice.")),
        QStringLiteral("URL") });
    parser.addPositionalArgument(text(QT_TRANSLATE_NOOP("LectorumMkdb", "file")),
        text(QT_TRANSLATE_NOOP("LectorumMkdb",
            "The database file to create (FROM TO with --copy; PATH... LIBRARY with "
            "--import; FOLDER LIBRARY with --publish).")));
}

// --import: outline files, folders and zips into a library.
int runImport(QCommandLineParser &parser)
{
    ImportCommandOptions options;
    options.paths = parser.positionalArguments();
    if (options.paths.size() < 2)
        parser.showHelp(2);
    options.library = options.paths.takeLast();
    options.preacher = parser.value(QStringLiteral("preacher"));
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.skipUnreadable = parser.isSet(QStringLiteral("skip-unreadable"));
    return runImportCommand(options);
}

// --publish: the website and podcast feeds.
int runPublish(QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2)
        parser.showHelp(2);
    return runPublishCommand(
        { arguments.at(0), arguments.at(1), parser.value(QStringLiteral("base-url")) });
}

// --copy: a whole library between a file and a server.
int runCopy(QCommandLineParser &parser)
{
    const QStringList sides = parser.positionalArguments();
    if (sides.size() != 2)
        parser.showHelp(2);
    return runLibraryCopyCommand(sides.at(0), sides.at(1), parser.isSet(QStringLiteral("force")));
}

// The default mode: a new library from the schema, with the demonstration rows or generated
// sermons when asked for.
int runCreate(QCommandLineParser &parser)
{
    bool countOk = true;
    const int generate = parser.isSet(QStringLiteral("generate"))
        ? parser.value(QStringLiteral("generate")).toInt(&countOk)
        : 0;
    if (!countOk || generate < 0) {
        complain(text(QT_TRANSLATE_NOOP("LectorumMkdb", "--generate needs a number of sermons")));
        return 2;
    }

    DbError error;
    std::unique_ptr<DbDatabase> database;
    QString target;
    if (parser.isSet(QStringLiteral("odbc"))) {
        target = parser.value(QStringLiteral("odbc"));
        if (target.startsWith(QLatin1String("ODBC;"), Qt::CaseInsensitive))
            target = target.mid(5);
        database = DbDatabase::openOdbc(target, error);
        if (!database)
            return fail(
                text(QT_TRANSLATE_NOOP("LectorumMkdb", "cannot reach the data source")), error);
    } else {
        const QStringList files = parser.positionalArguments();
        if (files.size() != 1)
            parser.showHelp(2);
        target = files.first();
        if (QFileInfo::exists(target)) {
            if (!parser.isSet(QStringLiteral("force"))) {
                complain(
                    text(QT_TRANSLATE_NOOP("LectorumMkdb", "%1 exists; use --force to replace it"))
                        .arg(target));
                return 1;
            }
            if (!QFile::remove(target)) {
                complain(text(QT_TRANSLATE_NOOP("LectorumMkdb", "cannot remove %1")).arg(target));
                return 1;
            }
        }
        database = DbDatabase::createFile(target, error);
        if (!database)
            return fail(
                text(QT_TRANSLATE_NOOP("LectorumMkdb", "cannot create %1")).arg(target), error);
    }

    if (!SchemaScript::load(*database, parser.isSet(QStringLiteral("demo")), error))
        return fail(text(QT_TRANSLATE_NOOP("LectorumMkdb", "cannot load the schema")), error);
    if (generate > 0) {
        QElapsedTimer timer;
        timer.start();
        LibraryGenerator generator(*database);
        if (!generator.generate(generate, error))
            return fail(
                text(QT_TRANSLATE_NOOP("LectorumMkdb", "cannot generate the library")), error);
        std::printf("%s\n",
            qPrintable(QCoreApplication::translate(
                "LectorumMkdb", "generated %n sermon(s) in %1 s", nullptr, generate)
                           .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1)));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lectorum-mkdb"));
    // Before the options: --help speaks the language too ("1 file", "2 files" as well).
    ProgramTranslation::install();
    QCommandLineParser parser;
    defineOptions(parser);
    parser.process(app);

    if (parser.isSet(QStringLiteral("import")))
        return runImport(parser);
    if (parser.isSet(QStringLiteral("copy")))
        return runCopy(parser);
    if (parser.isSet(QStringLiteral("publish")))
        return runPublish(parser);
    return runCreate(parser);
}
