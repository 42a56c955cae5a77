// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli-clipboard: holds one key on the clipboard for sorvane-cli (see cli/clipboard_protocol.h).
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <cstdlib>
#include <optional>
#include <string>

#include "cli/clipboard/server_side.h"
#include "hardening/process_hardening.h"
#include "ui/clipboard.h"

namespace sorvane {
namespace {

// Qt ends the process when its platform cannot start (no X server behind DISPLAY, no compositor):
// say so in our words first. Its other chatter has no reader here.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        FailClipboardServer("Не удалось подключиться к дисплею, буфер обмена недоступен: " + message.toStdString());
}

// A clipboard server needs no OpenGL, no desktop theme (GTK's would start GTK), no session
// management, no XInput and no D-Bus (without a session bus, libdbus would fork to autolaunch one):
// each costs start-up time before the clipboard is ours.
void LeanPlatform() {
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    qputenv("QT_QPA_PLATFORMTHEME", "generic");
    qputenv("QT_XCB_NO_XI2", "1");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qunsetenv("SESSION_MANAGER");
}

}  // namespace
}  // namespace sorvane

int main(int argc, char* argv[]) {
    using namespace sorvane;
    HardenProcessOrWarn("sorvane-cli-clipboard");
    const std::optional<int> clear_seconds = ClearSeconds(argc, argv);
    const QString key = QString::fromStdString(ReadKeyOrFail());
    qInstallMessageHandler(OnQtMessage);
    LeanPlatform();
    int qt_argc = 1;
    QGuiApplication application(qt_argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    SetClipboardSecret(key);
    // X11 and Wayland tell who owns the clipboard; a platform without a shared one (offscreen) never
    // claims it, and there the content itself tells.
    const bool ownership_known = clipboard->ownsClipboard();
    if (!ownership_known && clipboard->text() != key) FailClipboardServer("Не удалось занять буфер обмена");
    const auto holds_key = [&] { return ownership_known ? clipboard->ownsClipboard() : clipboard->text() == key; };
    ReportReady();
    // Another program has taken the clipboard: nothing left to serve.
    QObject::connect(clipboard, &QClipboard::dataChanged, &application, [&] {
        if (!holds_key()) QGuiApplication::quit();
    });
    if (clear_seconds) {
        QTimer::singleShot(*clear_seconds * 1000, &application, [&] {
            if (holds_key() && clipboard->text() == key) clipboard->clear();
            QGuiApplication::quit();
        });
    }
    return QGuiApplication::exec();
}
