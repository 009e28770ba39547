#include "frmTheirVersion.h"

#include "frmMain.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTheirVersion *frmTheirVersion::open(
    QWidget *screen, const ChangedUnderneath::TheirVersion &version)
{
    const auto earlier = screen->findChildren<frmTheirVersion *>(Qt::FindDirectChildrenOnly);
    for (frmTheirVersion *window : earlier)
        window->deleteLater();
    auto *window = new frmTheirVersion(screen, version);
    window->show();
    window->raise();
    return window;
}

frmTheirVersion::frmTheirVersion(QWidget *screen, const ChangedUnderneath::TheirVersion &version)
    : QDialog(screen)
{
    setObjectName(QStringLiteral("frmTheirVersion"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Their Version - %1").arg(screen->windowTitle()));

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(
        tr("Saved by someone else since you opened the record. Your version stays on the screen."),
        this);
    heading->setObjectName(QStringLiteral("lblTheirVersion"));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto *form = new QFormLayout;
    int n = 0;
    for (const auto &[label, text] : version.fields) {
        auto *box = new QLineEdit(text, this);
        box->setObjectName(QStringLiteral("txtTheirs%1").arg(n++));
        box->setReadOnly(true);
        box->setCursorPosition(0);
        box->setAccessibleName(label);
        form->addRow(label, box);
    }
    layout->addLayout(form);

    if (!version.longLabel.isEmpty()) {
        auto *label = new QLabel(version.longLabel, this);
        auto *pane = new QPlainTextEdit(version.longText, this);
        pane->setObjectName(QStringLiteral("txtTheirText"));
        pane->setReadOnly(true);
        pane->setAccessibleName(version.longLabel);
        label->setBuddy(pane);
        if (version.longTextIsOutline) {
            if (const frmMain *main = frmMain::instance()) {
                QFont font = pane->font();
                if (!main->outlineFontName().isEmpty())
                    font.setFamily(main->outlineFontName());
                if (main->outlineFontSize() > 0)
                    font.setPointSize(main->outlineFontSize());
                pane->setFont(font);
            }
        }
        layout->addWidget(label);
        layout->addWidget(pane, 1);
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(version.longLabel.isEmpty() ? 420 : 560, version.longLabel.isEmpty() ? 0 : 460);
}
