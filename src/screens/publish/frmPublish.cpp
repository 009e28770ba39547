#include "frmPublish.h"

#include "HourglassGuard.h"
#include "ProgramGlobals.h"
#include "PublishPassages.h"
#include "PublishPaths.h"
#include "ScriptureService.h"
#include "SitePublisher.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsSeries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QHBoxLayout *withButton(QWidget *field, QPushButton *button)
{
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

} // namespace

frmPublish::frmPublish(const QList<qint32> &currentList, QWidget *parent)
    : QDialog(parent)
    , m_currentList(currentList)
{
    setObjectName(QStringLiteral("frmPublish"));
    setWindowTitle(tr("Sermon Website and Podcast"));
    buildControls();
    loadChoices();
}

frmPublish::~frmPublish()
{
    if (m_worker) {
        *m_cancel = true;
        m_worker->wait();
        delete m_worker;
    }
}

void frmPublish::buildControls()
{
    auto *which = new QGroupBox(tr("Sermons"), this);
    optAllDated = named(new QRadioButton(tr("&All sermons with a date"), which), "optAllDated");
    optCurrentList = named(new QRadioButton(tr("The sermon &list's current sermons (%n)", nullptr,
                                                int(m_currentList.size())),
                               which),
        "optCurrentList");
    optCurrentList->setEnabled(!m_currentList.isEmpty());
    optSeries = named(new QRadioButton(tr("A &series:"), which), "optSeries");
    cboSeries = named(new QComboBox(which), "cboSeries");
    cboSeries->setAccessibleName(tr("Series"));
    clsSeries series;
    for (bool more = series.OpenRecordset(); more; more = series.MoveNext()) {
        if (series.SeriesID() != 0)
            cboSeries->addItem(series.Name(), series.SeriesID());
    }
    auto *seriesRow = new QHBoxLayout;
    seriesRow->addWidget(optSeries);
    seriesRow->addWidget(cboSeries, 1);
    auto *whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(optAllDated);
    whichLayout->addWidget(optCurrentList);
    whichLayout->addLayout(seriesRow);

    chkOutlines = named(new QCheckBox(tr("Show the &outlines"), this), "chkOutlines");
    chkPassageText
        = named(new QCheckBox(tr("Show the passage's te&xt from"), this), "chkPassageText");
    cboBible = named(new QComboBox(this), "cboBible");
    cboBible->setAccessibleName(tr("Bible version"));
    // Only versions whose licence allows publishing are offered.
    for (const BibleVersion &v : ScriptureService::instance().versionsNow()) {
        if (v.mayPublish())
            cboBible->addItem(v.shortName + QStringLiteral(" – ") + v.description, v.name);
    }
    if (cboBible->count() == 0) {
        chkPassageText->setEnabled(false);
        cboBible->setEnabled(false);
        chkPassageText->setToolTip(
            tr("No installed Bible's licence allows publishing its text (the World English "
               "Bible, package sword-text-web, does)."));
    }
    auto *passageRow = new QHBoxLayout;
    passageRow->addWidget(chkPassageText);
    passageRow->addWidget(cboBible, 1);

    txtTitle = named(new QLineEdit(this), "txtTitle");
    txtDescription = named(new QPlainTextEdit(this), "txtDescription");
    txtDescription->setTabChangesFocus(true);
    txtDescription->setMaximumHeight(txtDescription->fontMetrics().lineSpacing() * 4);
    txtPicture = named(new QLineEdit(this), "txtPicture");
    cmdPicture = named(new QPushButton(tr("Brows&e..."), this), "cmdPicture");
    cmdPicture->setAccessibleName(tr("Choose the picture"));
    txtBaseUrl = named(new QLineEdit(this), "txtBaseUrl");
    txtBaseUrl->setPlaceholderText(QStringLiteral("https://"));
    txtFolder = named(new QLineEdit(this), "txtFolder");
    cmdFolder = named(new QPushButton(tr("Bro&wse..."), this), "cmdFolder");
    cmdFolder->setAccessibleName(tr("Choose the folder"));
    auto *form = new QFormLayout;
    form->addRow(tr("Site &title:"), txtTitle);
    form->addRow(tr("&Description:"), txtDescription);
    // A row of a box and its button: the label names the box itself, or its Alt letter
    // would lead nowhere (and show as a plain "&").
    auto boxRow = [this, form](const QString &caption, QLineEdit *box, QPushButton *button) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        form->addRow(label, withButton(box, button));
    };
    boxRow(tr("Pict&ure:"), txtPicture, cmdPicture);
    form->addRow(tr("Web add&ress:"), txtBaseUrl);
    boxRow(tr("Output &folder:"), txtFolder, cmdFolder);

    cmdPublish = named(new QPushButton(tr("&Publish"), this), "cmdPublish");
    cmdPublish->setDefault(true);
    cmdCancel = named(new QPushButton(tr("Cancel"), this), "cmdCancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPublish);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(which);
    layout->addWidget(chkOutlines);
    layout->addLayout(passageRow);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdFolder, &QPushButton::clicked, this, &frmPublish::cmdFolder_Click);
    connect(cmdPicture, &QPushButton::clicked, this, &frmPublish::cmdPicture_Click);
    connect(cmdPublish, &QPushButton::clicked, this, &frmPublish::cmdPublish_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPublish::loadChoices()
{
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (db && !PublishSource::readChoices(*db, m_kept, error))
        ShowSystemError(error);
    const bool listKept
        = m_kept.sermons == PublishChoices::Sermons::CurrentList && optCurrentList->isEnabled();
    const int seriesAt = cboSeries->findData(m_kept.seriesId);
    if (listKept)
        optCurrentList->setChecked(true);
    else if (m_kept.sermons == PublishChoices::Sermons::Series && seriesAt >= 0)
        optSeries->setChecked(true);
    else
        optAllDated->setChecked(true);
    cboSeries->setCurrentIndex(qMax(0, seriesAt));
    chkOutlines->setChecked(m_kept.outlines);
    const int bibleAt = cboBible->findData(m_kept.bibleVersion);
    if (bibleAt >= 0)
        cboBible->setCurrentIndex(bibleAt);
    chkPassageText->setChecked(m_kept.passageText && chkPassageText->isEnabled());
    txtTitle->setText(m_kept.site.title);
    txtDescription->setPlainText(m_kept.site.description);
    txtPicture->setText(m_kept.site.imagePath);
    txtBaseUrl->setText(m_kept.site.baseUrl);
    txtFolder->setText(m_kept.folder);
}

PublishChoices frmPublish::choicesShown() const
{
    PublishChoices c = m_kept;
    c.sermons = optCurrentList->isChecked() ? PublishChoices::Sermons::CurrentList
        : optSeries->isChecked()            ? PublishChoices::Sermons::Series
                                            : PublishChoices::Sermons::AllDated;
    c.seriesId = cboSeries->currentData().toInt();
    c.outlines = chkOutlines->isChecked();
    c.passageText = chkPassageText->isEnabled() && chkPassageText->isChecked();
    c.bibleVersion = cboBible->currentData().toString();
    c.site.title = txtTitle->text().trimmed();
    c.site.description = txtDescription->toPlainText().trimmed();
    c.site.imagePath = txtPicture->text().trimmed();
    c.site.baseUrl = txtBaseUrl->text().trimmed();
    c.folder = txtFolder->text().trimmed();
    return c;
}

void frmPublish::cmdFolder_Click()
{
    const QString chosen = PublishPaths::folder(this, txtFolder->text());
    if (!chosen.isEmpty())
        txtFolder->setText(QDir::toNativeSeparators(chosen));
}

void frmPublish::cmdPicture_Click()
{
    const QString chosen = PublishPaths::picture(this, txtPicture->text());
    if (!chosen.isEmpty())
        txtPicture->setText(QDir::toNativeSeparators(chosen));
}

void frmPublish::cmdPublish_Click()
{
    const PublishChoices c = choicesShown();
    if (c.site.title.isEmpty() || c.folder.isEmpty()) {
        MsgBox(tr("Type the site's title and choose the folder to publish into."),
            MsgBoxStyle::OkExclamation);
        return;
    }
    const QUrl base(c.site.baseUrl, QUrl::StrictMode);
    if (!c.site.baseUrl.isEmpty()
        && (!base.isValid() || base.host().isEmpty()
            || !(base.scheme() == QLatin1String("http")
                || base.scheme() == QLatin1String("https")))) {
        MsgBox(tr("The web address must start with http:// or https:// (or be left empty)."),
            MsgBoxStyle::OkExclamation);
        return;
    }
    HourglassGuard hourglass;
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    QList<PublishSermon> sermons;
    if (!db || !PublishSource::readSermons(*db, c, m_currentList, sermons, error)) {
        hourglass.release();
        ShowSystemError(error);
        return;
    }
    const bool kept = PublishSource::writeChoices(*db, c, error);
    if (!kept && error.isSet()) {
        hourglass.release();
        ShowSystemError(error);
        return;
    }
    if (c.passageText)
        PublishPassages::add(sermons, c.bibleVersion);
    hourglass.release();
    startWriting(c, std::move(sermons), kept);
}

void frmPublish::startWriting(const PublishChoices &c, QList<PublishSermon> sermons, bool kept)
{
    // The files are written on a thread of their own (they need no database), with a progress
    // window that can stop between two sermons; every file is whole either way.
    const int count = int(sermons.size());
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_progress = new QProgressDialog(tr("Writing the website..."), tr("Stop"), 0, count, this);
    m_progress->setObjectName(QStringLiteral("prgPublish"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(500);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, [cancel = m_cancel] { *cancel = true; });
    cmdPublish->setEnabled(false);
    cmdCancel->setEnabled(false);
    const QString folder = QDir::fromNativeSeparators(c.folder);
    m_worker = QThread::create(
        [this, site = c.site, folder, kept, cancel = m_cancel, sermons = std::move(sermons)] {
            const PublishOutcome outcome
                = SitePublisher::publish(site, sermons, folder, [this, cancel](int done, int) {
                      QMetaObject::invokeMethod(
                          this,
                          [this, done] {
                              if (m_progress)
                                  m_progress->setValue(done);
                          },
                          Qt::QueuedConnection);
                      return !cancel->load();
                  });
            QMetaObject::invokeMethod(
                this, [this, outcome, folder, kept] { written(outcome, folder, kept); },
                Qt::QueuedConnection);
        });
    m_worker->start();
}

void frmPublish::written(const PublishOutcome &outcome, const QString &folder, bool kept)
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_progress->deleteLater();
    m_progress = nullptr;
    cmdPublish->setEnabled(true);
    cmdCancel->setEnabled(true);
    m_outcome = outcome;
    QString text = outcome.cancelled
        ? tr("Publishing was stopped; the files written so far are whole. Publish again to "
             "finish the website in %1.")
              .arg(QDir::toNativeSeparators(folder))
        : tr("Published %n sermons to %1: ", nullptr, outcome.sermons)
                .arg(QDir::toNativeSeparators(folder))
            + tr("%n files written, ", nullptr, outcome.written)
            + tr("%n unchanged.", nullptr, outcome.unchanged);
    if (!kept)
        text += QLatin1Char(' ')
            + tr("This library was made before it could keep publishing choices; they were not "
                 "kept.");
    if (!outcome.problems.isEmpty())
        text += QLatin1Char(' ')
            + tr("%n problems: see the details.", nullptr, int(outcome.problems.size()));
    MsgBox(text, outcome.problems.isEmpty() ? MsgBoxStyle::OkOnly : MsgBoxStyle::OkExclamation,
        AppTitle, outcome.problems.join(QLatin1Char('\n')));
    if (outcome.ok && !outcome.cancelled)
        accept();
}

void frmPublish::reject()
{
    // While the files are written the window stays; Stop in the progress window ends it.
    if (!m_worker)
        QDialog::reject();
}
