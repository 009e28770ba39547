#include "ScriptureFolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString SystemFolder = QStringLiteral("/usr/share/sword");
} // namespace

ScriptureFolders::ScriptureFolders()
    : m_home(qgetenv("HOME"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("home"));
    qputenv("HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
}

ScriptureFolders::~ScriptureFolders()
{
    qputenv("HOME", m_home);
    qunsetenv("SWORD_PATH");
}

void ScriptureFolders::useSystem()
{
    qunsetenv("SWORD_PATH");
}

void ScriptureFolders::useEmpty()
{
    const QString empty = m_dir.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty + QStringLiteral("/mods.d"));
    qputenv("SWORD_PATH", QFile::encodeName(empty));
}

QString ScriptureFolders::useCopy(const QString &module)
{
    const QString root = m_dir.filePath(QStringLiteral("copy"));
    QDir().mkpath(root + QStringLiteral("/mods.d"));
    const QString conf = QStringLiteral("/mods.d/") + module + QStringLiteral(".conf");
    if (!QFile::copy(SystemFolder + conf, root + conf)) {
        qWarning("cannot copy %s", qPrintable(conf));
    }
    const QString data = QStringLiteral("/modules/texts/ztext/") + module;
    QDir().mkpath(root + data);
    const QDir source(SystemFolder + data);
    for (const QString &file : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(file), root + data + QLatin1Char('/') + file);
    }
    qputenv("SWORD_PATH", QFile::encodeName(root));
    return root + data;
}

void ScriptureFolders::setVersification(const QString &module, const QString &system)
{
    QFile conf(m_dir.filePath(QStringLiteral("copy/mods.d/") + module + QStringLiteral(".conf")));
    QVERIFY(conf.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(conf.readAll());
    conf.close();
    text.replace(QRegularExpression(QStringLiteral("(?m)^Versification=.*$")),
        QStringLiteral("Versification=") + system);
    QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
    conf.write(text.toUtf8());
}
