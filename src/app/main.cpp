// The program entry: the application, the main window, the message loop.
#include <QApplication>

#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(sorvane::NewWindowStyle());
    sorvane::QtDialogs dialogs;
    sorvane::TForm1 window(dialogs);
    window.show();
    return QApplication::exec();
}
