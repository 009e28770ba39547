#include "frmAbout32.h"

#include "ScreenOperations.h"
#include "ScreenPlacement.h"
#include "clsSystemInfo.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

QString frmAbout32::MemoryText(qint64 bytes)
{
    // Whole kilobytes, rounded as the picture "###,###" rounds; a comma every three digits.
    const qint64 kilobytes = std::llround(double(bytes) / 1024.0);
    QString digits = kilobytes == 0 ? QString() : QString::number(kilobytes);
    for (int at = int(digits.size()) - 3; at > 0 && digits.at(at - 1).isDigit(); at -= 3) {
        digits.insert(at, QLatin1Char(','));
    }
    return digits + QLatin1Char('K');
}

QString frmAbout32::AuthorText()
{
    return tr("Written for preachers and church offices");
}

frmAbout32::frmAbout32(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout32"));
    setWindowTitle(tr("About %1").arg(AppTitle));

    auto *layout = new QVBoxLayout(this);
    auto *name = namedLabel(QStringLiteral("lblApplicationName"),
        AppTitle + QStringLiteral(" - ") + AppVersionText(), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    layout->addWidget(namedLabel(QStringLiteral("lblAuthorName"), AuthorText(), this));
    layout->addWidget(namedLabel(QStringLiteral("lblCopyright"), AppLegalCopyright(), this));
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("linLine1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto *facts = new QFormLayout;
    const char *const rows[][2] = { { QT_TR_NOOP("Operating System"), "lblOS" },
        { QT_TR_NOOP("Windows Temp Directory:"), "lblTempDir" },
        { QT_TR_NOOP("Windows System Directory:"), "lblSystemDir" },
        { QT_TR_NOOP("Windows Directory:"), "lblWindowsDir" },
        { QT_TR_NOOP("Memory Load:"), "lblMemoryLoad" },
        { QT_TR_NOOP("Total Physical:"), "lblTotalPhysical" },
        { QT_TR_NOOP("Available Physical:"), "lblAvailablePhysical" },
        { QT_TR_NOOP("Total Virtual:"), "lblTotalVirtual" },
        { QT_TR_NOOP("Available Virtual:"), "lblAvailableVirtual" },
        { QT_TR_NOOP("CPU Type"), "lblCPUType" },
        { QT_TR_NOOP("Number CPU's:"), "lblNumberOfProcessors" } };
    for (const auto &row : rows) {
        QLabel *value = namedLabel(QString::fromLatin1(row[1]), QString(), this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleDescription(tr(row[0]));
        facts->addRow(tr(row[0]), value);
    }
    layout->addLayout(facts);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);

    clsSystemInfo info;
    valueLabel(QStringLiteral("lblMemoryLoad"))
        ->setText(QString::number(info.MemoryLoad()) + QLatin1Char('%'));
    valueLabel(QStringLiteral("lblTotalPhysical"))->setText(MemoryText(info.TotalPhysical()));
    valueLabel(QStringLiteral("lblAvailablePhysical"))->setText(MemoryText(info.AvailPhysical()));
    valueLabel(QStringLiteral("lblTotalVirtual"))->setText(MemoryText(info.TotalVirtual()));
    valueLabel(QStringLiteral("lblAvailableVirtual"))->setText(MemoryText(info.AvailVirtual()));
    valueLabel(QStringLiteral("lblNumberOfProcessors"))->setText(QString::number(info.NumCPU()));
    valueLabel(QStringLiteral("lblCPUType"))->setText(QString::number(info.CPUType()));
    valueLabel(QStringLiteral("lblWindowsDir"))->setText(info.WinDir());
    valueLabel(QStringLiteral("lblSystemDir"))->setText(info.WinSysDir());
    valueLabel(QStringLiteral("lblTempDir"))->setText(info.WinTempDir());
    valueLabel(QStringLiteral("lblOS"))->setText(info.OperatingSystem());

    adjustSize();
    CenterForm(this);
}

QLabel *frmAbout32::valueLabel(const QString &name)
{
    return findChild<QLabel *>(name);
}

bool frmAbout32::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        SetStatusText(windowTitle());
    }
    return QDialog::event(event);
}
