// The program entry: the application, the main window, the message loop.
#include <QApplication>
#include <QStyleFactory>

#include "ui/dialogs.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the window to its desktop entry (its icon and name in the task bar, on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sorvane.Sorvane"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    sorvane::QtDialogs dialogs;
    sorvane::TForm1 window(dialogs);
    window.show();
    return QApplication::exec();
}
