// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli-clipboard: holds one key on the clipboard for sorvane-cli (see cli/clipboard_protocol.h).
#include <fcntl.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <charconv>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "cli/clipboard_protocol.h"
#include "cli/exit_codes.h"
#include "cli/standard_streams.h"
#include "hardening/process_hardening.h"
#include "ui/clipboard.h"

namespace sorvane {
namespace {

[[noreturn]] void Fail(const std::string& message) {
    WriteStandardError("sorvane-cli: " + message + "\n");
    std::_Exit(static_cast<int>(ExitCode::kIo));
}

// Qt ends the process when its platform cannot start (no X server behind DISPLAY, no compositor):
// say so in our words first. Its other chatter has no reader here.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        Fail("Не удалось подключиться к дисплею, буфер обмена недоступен: " + message.toStdString());
}

std::optional<int> ClearSeconds(int argc, char** argv) {
    if (argc != 3 || std::string_view(argv[1]) != "--clear") return std::nullopt;
    const std::string_view text = argv[2];
    int seconds = 0;
    std::from_chars(text.data(), text.data() + text.size(), seconds);
    return seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
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

// From now on nobody reads our streams: let them go, so that a shell waiting for their end
// (a command substitution, a pipe) goes on.
void ReportReady() {
    const char ready = kClipboardReady;
    if (::write(STDOUT_FILENO, &ready, 1) != 1) std::_Exit(static_cast<int>(ExitCode::kIo));
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::close(null);
}

}  // namespace
}  // namespace sorvane

int main(int argc, char* argv[]) {
    using namespace sorvane;
    HardenProcessOrWarn("sorvane-cli-clipboard");
    const std::optional<int> clear_seconds = ClearSeconds(argc, argv);
    QString key;
    try {
        key = QString::fromStdString(ReadStandardInput());
    } catch (const std::exception& error) {
        Fail(error.what());
    }
    qInstallMessageHandler(OnQtMessage);
    LeanPlatform();
    int qt_argc = 1;
    QGuiApplication application(qt_argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    SetClipboardSecret(key);
    // X11 and Wayland tell who owns the clipboard; a platform without a shared one (offscreen) never
    // claims it, and there the content itself tells.
    const bool ownership_known = clipboard->ownsClipboard();
    if (!ownership_known && clipboard->text() != key) Fail("Не удалось занять буфер обмена");
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
