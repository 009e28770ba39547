#include "frmImport.h"

#include "DbDatabase.h"
#include "HourglassGuard.h"
#include "ImportLogging.h"
#include "ImportPaths.h"
#include "ImportSources.h"
#include "ImportWriter.h"
#include "LibraryBackupRunner.h"
#include "ProgramGlobals.h"
#include "UserInterface.h"
#include "clsConnect.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

frmImport::frmImport(Mode mode, QWidget *parent)
    : QDialog(parent)
    , m_review(PassageParser::libraryBooks())
    , m_model(m_review, m_names, this)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(mode == Mode::Files ? tr("Import Outline Files") : tr("Import Sermon List"));
    buildControls(mode);
    resize(980, 560);
}

frmImport::~frmImport()
{
    stopReading();
}

void frmImport::buildControls(Mode mode)
{
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_addFiles = new QPushButton(tr("Add &Files..."), this);
    m_addFiles->setObjectName(QStringLiteral("cmdAddFiles"));
    m_addFolder = new QPushButton(tr("Add F&older..."), this);
    m_addFolder->setObjectName(QStringLiteral("cmdAddFolder"));
    m_addFiles->setVisible(mode == Mode::Files);
    m_addFolder->setVisible(mode == Mode::Files);
    auto *preacherLabel = new QLabel(tr("&Preacher:"), this);
    preacherLabel->setObjectName(QStringLiteral("lblPreacher"));
    m_preacher = new QComboBox(this);
    m_preacher->setObjectName(QStringLiteral("cboPreacher"));
    m_preacher->setAccessibleName(tr("Preacher"));
    preacherLabel->setBuddy(m_preacher);
    auto *allRows = new QPushButton(tr("Set for &All Rows"), this);
    allRows->setObjectName(QStringLiteral("cmdPreacherAll"));
    auto *someRows = new QPushButton(tr("Set for &Selected Rows"), this);
    someRows->setObjectName(QStringLiteral("cmdPreacherRows"));
    m_seriesFromFolder = new QCheckBox(tr("Series from the folder &name"), this);
    m_seriesFromFolder->setObjectName(QStringLiteral("chkSeriesFromFolder"));
    m_seriesFromFolder->setVisible(mode == Mode::Files);
    for (QWidget *w : { static_cast<QWidget *>(m_addFiles), static_cast<QWidget *>(m_addFolder),
             static_cast<QWidget *>(preacherLabel), static_cast<QWidget *>(m_preacher),
             static_cast<QWidget *>(allRows), static_cast<QWidget *>(someRows),
             static_cast<QWidget *>(m_seriesFromFolder) })
        top->addWidget(w);
    top->addStretch();
    layout->addLayout(top);

    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setObjectName(QStringLiteral("sortedRows"));
    m_sorted->setSourceModel(&m_model);
    m_sorted->setSortRole(ImportRowModel::SortRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("grdImport"));
    m_table->setAccessibleName(tr("Files to import"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder); // the order the files were read in
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    auto *bottom = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgRead"));
    m_progress->setAccessibleName(tr("Reading files"));
    m_progress->setVisible(false);
    m_cancelRead = new QPushButton(tr("&Cancel Reading"), this);
    m_cancelRead->setObjectName(QStringLiteral("cmdCancelRead"));
    m_cancelRead->setVisible(false);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_import = new QPushButton(tr("&Import"), this);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    bottom->addWidget(m_progress);
    bottom->addWidget(m_cancelRead);
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(m_import);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(m_addFiles, &QPushButton::clicked, this, &frmImport::cmdAddFiles_Click);
    connect(m_addFolder, &QPushButton::clicked, this, &frmImport::cmdAddFolder_Click);
    connect(m_cancelRead, &QPushButton::clicked, this, &frmImport::cmdCancelRead_Click);
    connect(allRows, &QPushButton::clicked, this, [this] { cmdPreacher_Click(true); });
    connect(someRows, &QPushButton::clicked, this, [this] { cmdPreacher_Click(false); });
    connect(
        m_seriesFromFolder, &QCheckBox::toggled, &m_model, &ImportRowModel::setSeriesFromFolder);
    connect(m_import, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(close, &QPushButton::clicked, this, &frmImport::reject);
    connect(&m_model, &QAbstractItemModel::dataChanged, this, &frmImport::updateSummary);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &frmImport::updateSummary);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, &frmImport::updateSummary);
}

bool frmImport::load()
{
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (!db || !m_review.loadLibrary(*db, error) || !m_names.load(*db, error)) {
        ShowSystemError(error);
        return false;
    }
    QHash<QString, qint32> series;
    for (const QString &name : m_names.names(ImportNames::Kind::Series))
        series.insert(name, m_names.find(ImportNames::Kind::Series, name));
    m_review.setSeries(series);
    m_preacher->clear();
    m_preacher->addItems(m_names.names(ImportNames::Kind::Preacher));
    // The library's default preacher (key 0) until the user picks one.
    for (int i = 0; i < m_preacher->count(); ++i) {
        if (m_names.find(ImportNames::Kind::Preacher, m_preacher->itemText(i)) == 0)
            m_preacher->setCurrentIndex(i);
    }
    updateSummary();
    return true;
}

ImportReview::Defaults frmImport::defaults() const
{
    ImportReview::Defaults d;
    d.preacher = m_preacher->currentText();
    d.preacherID = m_names.find(ImportNames::Kind::Preacher, d.preacher);
    d.seriesFromFolder = m_seriesFromFolder->isChecked();
    return d;
}

void frmImport::cmdAddFiles_Click()
{
    const QStringList files = ImportPaths::outlineFiles(this);
    if (!files.isEmpty())
        readPaths(files);
}

void frmImport::cmdAddFolder_Click()
{
    const QString folder = ImportPaths::folder(this);
    if (!folder.isEmpty())
        readPaths({ folder });
}

void frmImport::readPaths(const QStringList &paths)
{
    if (m_worker || paths.isEmpty())
        return;
    m_source = paths.size() == 1 ? paths.first()
                                 : tr("%1 and %2 more").arg(paths.first()).arg(paths.size() - 1);
    m_cancel = false;
    m_readRows.clear();
    m_progress->setRange(0, 0); // until the files are counted
    m_progress->setVisible(true);
    m_cancelRead->setVisible(true);
    m_cancelRead->setEnabled(true);
    for (QWidget *w : { static_cast<QWidget *>(m_addFiles), static_cast<QWidget *>(m_addFolder),
             static_cast<QWidget *>(m_import) })
        w->setEnabled(false);
    m_summary->setText(tr("Reading files..."));
    const ImportReview::Defaults d = defaults();
    // The worker touches only the files, its own rows and the review's read-only state; what
    // it reports reaches the window as queued calls, which are dropped if the window is gone.
    m_worker = QThread::create([this, paths, d] {
        const QList<ImportSource> sources = ImportSources::collect(paths);
        m_readRows = m_review.readAll(sources, d, m_cancel, [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
        });
    });
    connect(m_worker, &QThread::finished, this, &frmImport::readDone);
    m_worker->start();
}

void frmImport::showProgress(int done, int total)
{
    m_readTotal = total;
    if (m_progress->maximum() != total)
        m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void frmImport::cmdCancelRead_Click()
{
    m_cancel = true;
    m_cancelRead->setEnabled(false);
}

void frmImport::readDone()
{
    if (!m_worker)
        return;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    const QList<ImportRow> rows = std::exchange(m_readRows, {});
    m_model.appendRows(rows);
    m_progress->setVisible(false);
    m_cancelRead->setVisible(false);
    for (QWidget *w : { static_cast<QWidget *>(m_addFiles), static_cast<QWidget *>(m_addFolder),
             static_cast<QWidget *>(m_import) })
        w->setEnabled(true);
    updateSummary();
    if (m_cancel) {
        m_summary->setText(
            tr("Reading was cancelled after %1 of %n file(s). ", nullptr, m_readTotal)
                .arg(rows.size())
            + m_summary->text());
    }
    Q_EMIT readingFinished();
}

void frmImport::waitForReading()
{
    if (!m_worker)
        return;
    QEventLoop wait;
    connect(this, &frmImport::readingFinished, &wait, &QEventLoop::quit);
    wait.exec();
}

void frmImport::stopReading()
{
    if (!m_worker)
        return;
    m_cancel = true;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void frmImport::setListRows(const QList<ImportRow> &rows, const QString &source)
{
    m_source = source;
    m_model.clear();
    m_model.appendRows(rows);
}

void frmImport::updateSummary()
{
    int unreadable = 0;
    int needPassage = 0;
    int duplicates = 0;
    for (const ImportRow &row : m_model.rows()) {
        unreadable += row.status == ImportRow::Status::Unreadable ? 1 : 0;
        needPassage += row.status == ImportRow::Status::NeedsPassage ? 1 : 0;
        duplicates += row.status == ImportRow::Status::Duplicate ? 1 : 0;
    }
    m_summary->setText(tr("%n row(s), ", nullptr, m_model.rowCount())
        + tr("%n ticked; ", nullptr, m_model.tickedCount())
        + tr("%n need(s) a passage, ", nullptr, needPassage)
        + tr("%n duplicate(s), ", nullptr, duplicates) + tr("%n unreadable.", nullptr, unreadable));
}

void frmImport::cmdPreacher_Click(bool allRows)
{
    QList<int> rows;
    if (!allRows) {
        for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
            rows.append(m_sorted->mapToSource(index).row());
        if (rows.isEmpty())
            return;
    }
    m_model.setPreacher(rows, m_preacher->currentText());
}

bool frmImport::backUpFirst()
{
    if (ProgramConnection().OnServer() || ActiveDatabase.isEmpty())
        return true;
    if (LibraryBackupRunner::current()) {
        MsgBox(tr("A backup of the library is being written. Try again when it is done."));
        return false;
    }
    LibraryBackupRunner *runner = LibraryBackupRunner::start(ActiveDatabase, false);
    if (!runner)
        return true;
    bool ok = false;
    QEventLoop wait;
    connect(runner, &LibraryBackupRunner::finished, &wait, [&wait, &ok](bool done) {
        ok = done;
        wait.quit();
    });
    setEnabled(false);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    setEnabled(true);
    return ok
        || MsgBox(
               tr("The library could not be backed up. Import anyway?"), MsgBoxStyle::YesNoQuestion)
        == MsgBoxAnswer::Yes;
}

void frmImport::cmdImport_Click()
{
    if (m_worker)
        return;
    if (m_model.tickedCount() == 0) {
        MsgBox(tr("No file is ticked for import."));
        return;
    }
    ImportNames::Missing create = m_names.missing(m_model.rows());
    if (!create.isEmpty()) {
        const MsgBoxAnswer answer = MsgBox(tr("These are not in the library yet:\n\n%1\n\n"
                                              "Create them? (No imports the sermons without them.)")
                                               .arg(create.describe()),
            MsgBoxStyle::YesNoCancelQuestion);
        if (answer == MsgBoxAnswer::Cancel)
            return;
        if (answer == MsgBoxAnswer::No)
            create = ImportNames::Missing();
    }
    if (!backUpFirst())
        return;
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    if (!db) {
        ShowSystemError(error);
        return;
    }
    HourglassGuard hourglass;
    const QString previous = BeginBusy(tr("Importing sermons..."));
    const ImportOutcome outcome = ImportWriter::write(
        *db, m_model.rows(), m_source, ProgramConnection().UserName(), &m_names, create);
    EndBusy(previous);
    hourglass.release();
    if (!outcome.ok) {
        // Names made inside the rolled-back transaction are gone again.
        m_names.load(*db, error);
        MsgBox(outcome.message, MsgBoxStyle::OkExclamation, AppTitle, outcome.error.driverText);
        return;
    }
    MsgBox(outcome.message);
    accept();
}

void frmImport::closeEvent(QCloseEvent *event)
{
    stopReading();
    QDialog::closeEvent(event);
}

void frmImport::reject()
{
    stopReading();
    QDialog::reject();
}
