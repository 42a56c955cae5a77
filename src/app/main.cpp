// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, the main window, the message loop.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "font_preload/font_config_preload.h"
#include "hardening/process_hardening.h"
#include "hardening/session_bus.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
    sorvane::HardenProcessOrWarn("sorvane");
    sorvane::KeepSessionBusFromAutolaunching();
    sorvane::FontConfigPreload fonts;
    QApplication application(argc, argv);
    // Ties the window to its desktop entry (its icon and name in the task bar, on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sorvane.Sorvane"));
    QApplication::setStyle(sorvane::NewWindowStyle());
    // The window speaks Russian, and so do Qt's own dialogs and buttons (Debian: qt6-translations-l10n).
    QTranslator qt_texts;
    if (qt_texts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_texts);
    }
    fonts.Wait();
    sorvane::QtDialogs dialogs;
    sorvane::TForm1 window(dialogs);
    window.show();
    return QApplication::exec();
}
