// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for start-up: a bare Qt window of the program's first-run size, nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(504, 462);  // the expanded layout's client area
    window.show();
    return QApplication::exec();
}
