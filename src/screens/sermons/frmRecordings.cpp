#include "frmRecordings.h"

#include "MediaProbe.h"
#include "ProgramGlobals.h"
#include "PublishSource.h"
#include "RecordingFiles.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsRecording.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString length(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 500) / 1000;
    return seconds >= 3600
        ? QStringLiteral("%1:%2:%3")
              .arg(seconds / 3600)
              .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
              .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString line(const clsRecording &r)
{
    const QString name = r.IsWebAddress() ? r.Source() : QFileInfo(r.Source()).fileName();
    if (r.FileMissing())
        return frmRecordings::tr("%1 (missing: %2)")
            .arg(name, QDir::toNativeSeparators(r.Source()));
    QStringList facts;
    if (!r.MimeType().isEmpty())
        facts << r.MimeType();
    if (r.Milliseconds() > 0)
        facts << length(r.Milliseconds());
    if (r.Kilobytes() > 0)
        facts << QLocale().formattedDataSize(qint64(r.Kilobytes()) * 1024);
    return facts.isEmpty() ? name
                           : name + QStringLiteral(" (") + facts.join(QStringLiteral(", ")) + u')';
}

} // namespace

frmRecordings::frmRecordings(qint32 sermonID, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_sermonID(sermonID)
{
    setObjectName(QStringLiteral("frmRecordings"));
    setWindowTitle(tr("Recordings"));
    lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setTextFormat(Qt::PlainText);
    lstRecordings = new QListWidget(this);
    lstRecordings->setObjectName(QStringLiteral("lstRecordings"));
    lstRecordings->setAccessibleName(tr("Recordings"));
    txtAddress = new QLineEdit(this);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtAddress->setPlaceholderText(QStringLiteral("https://"));
    auto *addressLabel = new QLabel(tr("&Web address:"), this);
    addressLabel->setBuddy(txtAddress);
    cmdAdd = new QPushButton(tr("&Add Files..."), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAddAddress = new QPushButton(tr("Add A&ddress"), this);
    cmdAddAddress->setObjectName(QStringLiteral("cmdAddAddress"));
    cmdRemove = new QPushButton(tr("&Remove"), this);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    chkPublishOutline = new QCheckBox(tr("Publish this sermon's &outline on the website"), this);
    chkPublishOutline->setObjectName(QStringLiteral("chkPublishOutline"));
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *address = new QHBoxLayout;
    address->addWidget(addressLabel);
    address->addWidget(txtAddress, 1);
    address->addWidget(cmdAddAddress);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lstRecordings, 1);
    layout->addLayout(address);
    layout->addWidget(chkPublishOutline);
    layout->addLayout(buttons);
    resize(560, 320);

    connect(cmdAdd, &QPushButton::clicked, this, &frmRecordings::cmdAdd_Click);
    connect(cmdAddAddress, &QPushButton::clicked, this, &frmRecordings::cmdAddAddress_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmRecordings::cmdRemove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    fill();
    loadOutlineChoice();
    connect(
        chkPublishOutline, &QCheckBox::toggled, this, &frmRecordings::chkPublishOutline_Toggled);
}

frmRecordings::~frmRecordings() = default;

QStringList frmRecordings::listedLines() const
{
    QStringList lines;
    for (int i = 0; i < lstRecordings->count(); ++i)
        lines << lstRecordings->item(i)->text();
    return lines;
}

void frmRecordings::fill()
{
    lstRecordings->clear();
    const bool available = clsRecording::Available();
    for (QWidget *w : { static_cast<QWidget *>(cmdAdd), static_cast<QWidget *>(cmdAddAddress),
             static_cast<QWidget *>(cmdRemove), static_cast<QWidget *>(txtAddress) })
        w->setEnabled(available);
    if (!available) {
        lstRecordings->addItem(tr("This library was made before recordings could be kept. Copy "
                                  "it into a new library (lectorum-mkdb --copy) to add them."));
        return;
    }
    clsRecording r;
    r.setSermonID(m_sermonID);
    for (bool more = r.OpenSermonRecordings(); more; more = r.MoveNext()) {
        auto *item = new QListWidgetItem(line(r), lstRecordings);
        item->setData(Qt::UserRole, r.RecordingID());
    }
    if (r.LastError().isSet())
        ShowSystemError(r.LastError());
}

bool frmRecordings::store(
    const QString &source, const QString &mimeType, qint64 milliseconds, qint64 bytes)
{
    clsRecording r;
    r.setSermonID(m_sermonID);
    r.setSource(source);
    r.setMimeType(mimeType);
    r.setMilliseconds(qint32(qMin<qint64>(milliseconds, std::numeric_limits<qint32>::max())));
    r.setKilobytes(qint32(qMin<qint64>((bytes + 1023) / 1024, std::numeric_limits<qint32>::max())));
    if (r.AddNew())
        return true;
    if (r.LastError().isSet())
        ShowSystemError(r.LastError());
    else
        MsgBox(r.InfoMsg(), MsgBoxStyle::OkExclamation);
    return false;
}

void frmRecordings::cmdAdd_Click()
{
    const QStringList files = RecordingFiles::choose(this);
    for (const QString &file : files) {
        // Kept as a clean absolute path: publishing refuses any other.
        const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
        const MediaFacts facts = MediaProbe::read(path);
        if (!facts.readable) {
            MsgBox(facts.problem, MsgBoxStyle::OkExclamation);
            continue;
        }
        if (!store(path, facts.mimeType, facts.milliseconds, facts.bytes))
            break;
    }
    fill();
}

void frmRecordings::cmdAddAddress_Click()
{
    const QString text = txtAddress->text().trimmed();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        MsgBox(tr("Type a web address that starts with http:// or https://."),
            MsgBoxStyle::OkExclamation);
        return;
    }
    // Nothing can be read from an address without fetching it: its length and size stay
    // unknown, and podcast apps learn them when they play it.
    if (store(text, QString(), 0, 0))
        txtAddress->clear();
    fill();
}

void frmRecordings::cmdRemove_Click()
{
    QListWidgetItem *item = lstRecordings->currentItem();
    if (!item)
        return;
    if (MsgBox(tr("Remove the recording %1 from this sermon? The file itself is kept.")
                   .arg(item->text()),
            MsgBoxStyle::YesNoQuestion)
        != MsgBoxAnswer::Yes)
        return;
    clsRecording r;
    r.setRecordingID(item->data(Qt::UserRole).toInt());
    if (!r.Delete()) {
        if (r.LastError().isSet())
            ShowSystemError(r.LastError());
        else
            MsgBox(r.InfoMsg(), MsgBoxStyle::OkExclamation);
    }
    fill();
}

void frmRecordings::loadOutlineChoice()
{
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    PublishChoices choices;
    if (!db || !PublishSource::keepsChoices(*db)
        || !PublishSource::readChoices(*db, choices, error)) {
        chkPublishOutline->setEnabled(false);
        return;
    }
    chkPublishOutline->setChecked(!choices.outlineWithheld.contains(m_sermonID));
}

void frmRecordings::chkPublishOutline_Toggled(bool publish)
{
    // Read again just before writing: the window may have been open while the library's
    // choices were saved elsewhere.
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    PublishChoices choices;
    if (!db || !PublishSource::readChoices(*db, choices, error)) {
        ShowSystemError(error);
        return;
    }
    choices.outlineWithheld.removeAll(m_sermonID);
    if (!publish)
        choices.outlineWithheld.append(m_sermonID);
    if (PublishSource::writeChoices(*db, choices, error))
        return;
    if (error.isSet())
        ShowSystemError(error);
    else
        MsgBox(tr("This library was made before it could keep publishing choices; copy it into a "
                  "new library (lectorum-mkdb --copy) to keep them."),
            MsgBoxStyle::OkExclamation);
    const QSignalBlocker quiet(chkPublishOutline);
    chkPublishOutline->setChecked(!publish);
}
