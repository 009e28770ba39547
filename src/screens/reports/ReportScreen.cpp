#include "ReportScreen.h"

#include "HourglassGuard.h"
#include "PrintJob.h"
#include "ReportChoices.h"
#include "ReportFiles.h"
#include "UserInterface.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

ReportScreen::ReportScreen(const QString &name, const QString &title, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    m_choices = new ReportChoices(this);
    m_ownRow = new QHBoxLayout;
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    lblNoMatch = new QLabel(noMatchText(), this);
    lblNoMatch->setObjectName(QStringLiteral("lblNoMatch"));
    lblNoMatch->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(lblNoMatch);

    auto button = [this](const QString &caption, const char *buttonName) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(buttonName));
        return b;
    };
    QPushButton *cmdPrint = button(tr("Pr&int"), "cmdPrint");
    QPushButton *cmdPng = button(tr("Save P&NG..."), "cmdPng");
    QPushButton *cmdSvg = button(tr("Save S&VG..."), "cmdSvg");
    QPushButton *cmdCsv = button(tr("Save &CSV..."), "cmdCsv");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : { cmdPrint, cmdPng, cmdSvg, cmdCsv }) {
        buttons->addWidget(b);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addLayout(m_ownRow);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_choices, &ReportChoices::changed, this, &ReportScreen::refresh);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportScreen::print);
    connect(cmdPng, &QPushButton::clicked, this, [this] {
        chooseFile(tr("PNG picture (*.png)"), QStringLiteral("png"), &ReportScreen::exportPng);
    });
    connect(cmdSvg, &QPushButton::clicked, this, [this] {
        chooseFile(tr("SVG drawing (*.svg)"), QStringLiteral("svg"), &ReportScreen::exportSvg);
    });
    connect(cmdCsv, &QPushButton::clicked, this, [this] {
        chooseFile(
            tr("Comma-separated values (*.csv)"), QStringLiteral("csv"), &ReportScreen::exportCsv);
    });
}

void ReportScreen::setView(QWidget *view)
{
    m_pages->insertWidget(0, view);
}

void ReportScreen::refresh()
{
    HourglassGuard busy;
    bool any = false;
    DbError error;
    if (!load(any, error)) {
        busy.release();
        ShowSystemError(error);
        any = false;
    }
    m_empty = !any;
    m_pages->setCurrentIndex(m_empty ? 1 : 0);
}

QString ReportScreen::noMatchText()
{
    return tr("No sermons match these choices.");
}

bool ReportScreen::print()
{
    if (m_empty || !printsAsDrawing()) {
        PrintJob job;
        job.setFontSize(12);
        job.print(windowTitle() + PrintJob::lineBreak());
        job.setFontSize(PrintJob::StandardPointSize);
        if (m_empty) {
            job.print(noMatchText());
        } else {
            for (const QStringList &row : table()) {
                job.print(row.join(QStringLiteral("    ")) + PrintJob::lineBreak());
            }
        }
        return job.end(windowTitle());
    }
    return PrintJob::printDrawing(
        windowTitle(), printsLandscape(), [this](QPainter &painter, const QRect &page) {
            QFont heading = painter.font();
            heading.setPointSizeF(12);
            painter.setFont(heading);
            const int headingHeight = painter.fontMetrics().height() * 2;
            painter.drawText(
                page.left(), page.top() + painter.fontMetrics().ascent(), windowTitle());
            paintPicture(painter, page.adjusted(0, headingHeight, 0, 0));
        });
}

bool ReportScreen::exportCsv(const QString &path)
{
    return ReportFiles::save(
        ReportFiles::withSuffix(path, QStringLiteral("csv")), ReportFiles::csv(table()));
}

bool ReportScreen::exportPng(const QString &path)
{
    return ReportFiles::savePng(ReportFiles::withSuffix(path, QStringLiteral("png")), pictureSize(),
        [this](QPainter &painter, const QRect &target) { paintPicture(painter, target); });
}

bool ReportScreen::exportSvg(const QString &path)
{
    return ReportFiles::saveSvg(ReportFiles::withSuffix(path, QStringLiteral("svg")), windowTitle(),
        pictureSize(),
        [this](QPainter &painter, const QRect &target) { paintPicture(painter, target); });
}

void ReportScreen::chooseFile(
    const QString &filter, const QString &suffix, bool (ReportScreen::*save)(const QString &))
{
    const QString path = QFileDialog::getSaveFileName(this, windowTitle(), QString(), filter);
    if (path.isEmpty() || !mayReplace(path, ReportFiles::withSuffix(path, suffix))) {
        return;
    }
    (this->*save)(path);
}

bool ReportScreen::mayReplace(const QString &chosen, const QString &written)
{
    // The file dialog asked about replacing the name the user typed; the extension added to
    // it can name another file that is already there.
    if (written == chosen || !QFileInfo::exists(written)) {
        return true;
    }
    return MsgBox(tr("%1 already exists.\nDo you want to replace it?")
                      .arg(QDir::toNativeSeparators(written)),
               MsgBoxStyle::YesNoQuestion, windowTitle())
        == MsgBoxAnswer::Yes;
}
