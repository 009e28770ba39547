#include "SermonScreenCase.h"

#include "RecordingFiles.h"
#include "frmRecordings.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtEndian>

using namespace SermonScreenFixture;

// The sermon screen's "Recordings..." window: files chosen are read for their type and length,
// a file that is no recording is refused with a message, web addresses are checked, a removal
// asks first, and a file moved away is listed as missing.
class tst_RecordingsScreen : public QObject, private SermonScreenCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();
    void addListRemove();

private:
    frmRecordings *openRecordings();
};

namespace {

// One second of 8-bit mono silence at 8 kHz.
bool writeWav(const QString &path)
{
    QByteArray wav("RIFF\0\0\0\0WAVEfmt ", 16);
    auto put = [&wav](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char((value >> (8 * i)) & 0xFF));
    };
    qToLittleEndian<quint32>(36 + 8000, wav.data() + 4);
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(8000, 4);
    put(8000, 4);
    put(1, 2);
    put(8, 2);
    wav.append("data");
    put(8000, 4);
    wav.append(QByteArray(8000, char(0x80)));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

} // namespace

void tst_RecordingsScreen::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_RecordingsScreen::init()
{
    setUp();
    RecordingFiles::clearAnswers();
}

void tst_RecordingsScreen::cleanup()
{
    tearDown();
}

frmRecordings *tst_RecordingsScreen::openRecordings()
{
    frmSermon *screen = sermonScreen();
    QPushButton *button = widget<QPushButton>(screen, "cmdRecordings");
    if (!button->isEnabled())
        return nullptr;
    QTest::mouseClick(button, Qt::LeftButton);
    return screen->findChild<frmRecordings *>(QStringLiteral("frmRecordings"));
}

void tst_RecordingsScreen::addListRemove()
{
    frmSermon *screen = openAll();
    QCOMPARE(widget<QPushButton>(screen, "cmdRecordings")->text(), QStringLiteral("Recordings..."));
    chooseRow(1); // sermon 11, "In the Beginning"
    frmRecordings *dialog = openRecordings();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());

    const QString wav = m_db->folder() + QStringLiteral("/Génesis 1 – 9 a.m.wav");
    QVERIFY(writeWav(wav));
    const QString notes = m_db->folder() + QStringLiteral("/notes.mp3");
    QFile text(notes);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("I. Not a recording\n");
    text.close();
    MsgBoxScript::clear();
    RecordingFiles::queueAnswer({ notes, wav });
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdAdd"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(
        MsgBoxScript::shown().first().contains(QStringLiteral("is not an audio or video file")));
    QCOMPARE(dialog->listedLines().size(), 1);
    QVERIFY2(dialog->listedLines().first().startsWith(
                 QStringLiteral("Génesis 1 – 9 a.m.wav (audio/wav, 0:01, ")),
        qPrintable(dialog->listedLines().first()));

    // Only http and https addresses are taken.
    QLineEdit *address = widget<QLineEdit>(dialog, "txtAddress");
    QTest::keyClicks(address, QStringLiteral("javascript:alert(1)"));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdAddAddress"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown().size(), 2);
    address->clear();
    QTest::keyClicks(address, QStringLiteral("https://church.example/genesis.mp3"));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdAddAddress"), Qt::LeftButton);
    QCOMPARE(dialog->listedLines().size(), 2);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Count(*) FROM tblRecordings WHERE "
                                         "lngSermonID = 11"))
                 .toInt(),
        2);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT lngMilliseconds FROM tblRecordings WHERE "
                                         "strMimeType = 'audio/wav'"))
                 .toInt(),
        1000);

    // The file moved away: listed as missing, not dropped.
    QVERIFY(QFile::rename(wav, wav + QStringLiteral(".old")));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    QApplication::processEvents();
    dialog = openRecordings();
    QVERIFY(dialog);
    QVERIFY2(dialog->listedLines().first().startsWith(
                 QStringLiteral("Génesis 1 – 9 a.m.wav (missing: ")),
        qPrintable(dialog->listedLines().first()));

    // Removing asks; No keeps it, Yes removes the row (the file is the user's).
    QListWidget *list = widget<QListWidget>(dialog, "lstRecordings");
    list->setCurrentRow(0);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdRemove"), Qt::LeftButton);
    QCOMPARE(dialog->listedLines().size(), 2);
    list->setCurrentRow(0);
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdRemove"), Qt::LeftButton);
    QCOMPARE(dialog->listedLines(),
        QStringList { QStringLiteral("https://church.example/genesis.mp3") });

    // The sermon's outline goes on the website unless it is kept off here.
    QCheckBox *outline = widget<QCheckBox>(dialog, "chkPublishOutline");
    QVERIFY(outline->isChecked());
    QTest::mouseClick(outline, Qt::LeftButton);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT strValue FROM tblPublishSettings WHERE "
                                         "strSetting = 'OutlineWithheld'"))
                 .toString(),
        QStringLiteral("11"));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    QApplication::processEvents();
    dialog = openRecordings();
    QVERIFY(!widget<QCheckBox>(dialog, "chkPublishOutline")->isChecked());
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    QApplication::processEvents();
}

QTEST_MAIN(tst_RecordingsScreen)
#include "tst_recordingsscreen.moc"
