// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for any window that shows text: the bare window with one label, so that Qt sets up its
// fonts (fontconfig's configuration and cache) before the window is mapped.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(504, 462);  // the expanded layout's client area
    QLabel label(QStringLiteral("Введите ключ для записи"), &window);
    window.show();
    return QApplication::exec();
}
