#include "ScreenshotTour.h"

#include "DataGrid.h"
#include "frmMain.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTimer>

namespace {

// Lets the event loop run for `ms` (repaints, queued passage reads, the welcome's refresh).
void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// A drawn window has text, lines and pictures: far more than a handful of colours.
bool looksDrawn(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            colours.insert(image.pixel(x, y));
            if (colours.size() > 24)
                return true;
        }
    }
    return false;
}

} // namespace

ScreenshotTour::ScreenshotTour(frmMain &main, const QDir &output)
    : m_main(main)
    , m_output(output)
{
}

void ScreenshotTour::add(const QString &file, std::function<void(frmMain &)> open, bool modal)
{
    m_shots.append({ file, std::move(open), modal });
}

QStringList ScreenshotTour::run()
{
    QStringList failed;
    for (const Shot &shot : std::as_const(m_shots)) {
        bool taken = false;
        if (shot.modal) {
            // Pictured from inside the dialog's own loop, then dismissed.
            QTimer::singleShot(1500, [&] {
                taken = take(shot.file);
                if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    dialog->reject();
            });
            shot.open(m_main);
            settle(300);
        } else {
            shot.open(m_main);
            settle(1500);
            taken = take(shot.file);
        }
        if (!taken)
            failed.append(shot.file);
        closeEverything();
    }
    return failed;
}

bool ScreenshotTour::take(const QString &file)
{
    const QImage picture = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (picture.isNull() || !looksDrawn(picture))
        return false;
    return picture.save(m_output.filePath(file), "PNG");
}

void ScreenshotTour::closeEverything()
{
    for (int round = 0; round < 3; ++round) {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        m_main.workArea()->closeAllSubWindows();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != &m_main && window->isVisible())
                window->close();
        }
        settle(200);
        // A closed screen is deleted later; until then it would be found in place of the
        // next step's screen of the same name.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
