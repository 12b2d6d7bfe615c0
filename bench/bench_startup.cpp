// Baseline for the start-up figure of scripts/bench.sh: an empty Qt main window, shown, then
// the event loop ends at once, as quilbex-control does with QUILBEX_EXIT_AFTER_SHOW=1.
// Timed from outside (process start to exit). Run with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
