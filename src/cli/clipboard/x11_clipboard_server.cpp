// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli-x11-clipboard: holds one key on the X11 clipboard for sorvane-cli (see
// cli/clipboard_protocol.h), with libxcb alone: Qt Gui's start-up was most of copy's time.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/clipboard/server_side.h"
#include "cli/clipboard_protocol.h"
#include "cli/exit_codes.h"
#include "hardening/process_hardening.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

[[noreturn]] void Exit(ExitCode code) { std::_Exit(static_cast<int>(code)); }

std::string ConnectionProblem(int error) {
    const char* display = std::getenv("DISPLAY");
    const std::string named = std::string("\"") + (display != nullptr ? display : "") + "\"";
    switch (error) {
        case XCB_CONN_CLOSED_PARSE_ERR:
            return "неверное имя дисплея " + named;
        case XCB_CONN_CLOSED_INVALID_SCREEN:
            return "на дисплее " + named + " нет такого экрана";
        case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
            return "не хватает памяти";
        default:
            return "X-сервер " + named + " недоступен или отказал в соединении";
    }
}

// The key in Latin-1, for the old text targets; nullopt when a character has no place there.
std::optional<std::string> Latin1(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return std::nullopt;
    std::string latin1;
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        if (unit > 0xFF) return std::nullopt;
        latin1.push_back(static_cast<char>(unit));
    }
    return latin1;
}

enum Atom : std::size_t {
    kClipboard,
    kTargets,
    kTimestamp,
    kUtf8String,
    kTextPlainUtf8,
    kText,
    kTextPlain,
    kPasswordManagerHint,
    kOwnTimestamp,
    kAtomCount
};
constexpr std::array<std::string_view, kAtomCount> kAtomNames = {"CLIPBOARD",
                                                                 "TARGETS",
                                                                 "TIMESTAMP",
                                                                 "UTF8_STRING",
                                                                 "text/plain;charset=utf-8",
                                                                 "TEXT",
                                                                 "text/plain",
                                                                 "x-kde-passwordManagerHint",
                                                                 "_SORVANE_TIMESTAMP"};

class ClipboardOwner {
public:
    explicit ClipboardOwner(std::string key) : key_(std::move(key)), latin1_(Latin1(key_)) {
        int screen_number = 0;
        connection_ = xcb_connect(nullptr, &screen_number);
        if (const int error = xcb_connection_has_error(connection_))
            FailClipboardServer("Не удалось подключиться к дисплею, буфер обмена недоступен: " +
                                ConnectionProblem(error));
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screen_number && screens.rem > 0; ++i) xcb_screen_next(&screens);
        if (screens.rem == 0)
            FailClipboardServer("Не удалось подключиться к дисплею, буфер обмена недоступен: " +
                                ConnectionProblem(XCB_CONN_CLOSED_INVALID_SCREEN));
        // Room for one property in a single request; larger keys are refused rather than sent in parts.
        max_property_bytes_ = std::size_t{4} * xcb_get_maximum_request_length(connection_) - 64;
        window_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, 0, window_, screens.data->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        InternAtoms();
    }
    ~ClipboardOwner() { xcb_disconnect(connection_); }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    void Take() {
        // ICCCM: a real server time, not CurrentTime, so that later requests can be told from earlier ones.
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, atoms_[kOwnTimestamp], XCB_ATOM_STRING, 8, 0,
                            nullptr);
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
            const bool stamped = (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                                 reinterpret_cast<xcb_property_notify_event_t*>(event)->window == window_;
            if (stamped) time_ = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
            std::free(event);
            if (stamped) break;
        }
        if (xcb_connection_has_error(connection_)) FailClipboardServer("Соединение с дисплеем прервано");
        xcb_set_selection_owner(connection_, window_, atoms_[kClipboard], time_);
        if (!Owned()) FailClipboardServer("Не удалось занять буфер обмена");
    }

    // Serves the clipboard until another program takes it, the connection ends, or the deadline passes.
    [[noreturn]] void Serve(std::optional<int> clear_seconds) {
        using Clock = std::chrono::steady_clock;
        // An optional time point trips GCC 12's -Wmaybe-uninitialized; a flag beside it does not.
        const bool clears = clear_seconds.has_value();
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(clear_seconds.value_or(0));
        pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                Handle(*event);
                std::free(event);
            }
            if (xcb_connection_has_error(connection_)) Exit(ExitCode::kIo);
            xcb_flush(connection_);
            int timeout = -1;
            if (clears) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
                if (left <= 0) {
                    if (Owned()) xcb_set_selection_owner(connection_, XCB_NONE, atoms_[kClipboard], time_);
                    xcb_flush(connection_);
                    Exit(ExitCode::kOk);
                }
                timeout = static_cast<int>(left);
            }
            ::poll(&socket, 1, timeout);
        }
    }

private:
    void InternAtoms() {
        std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies;
        for (std::size_t i = 0; i < kAtomCount; ++i)
            cookies[i] =
                xcb_intern_atom(connection_, 0, static_cast<uint16_t>(kAtomNames[i].size()), kAtomNames[i].data());
        for (std::size_t i = 0; i < kAtomCount; ++i) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookies[i], nullptr);
            if (reply == nullptr) FailClipboardServer("Соединение с дисплеем прервано");
            atoms_[i] = reply->atom;
            std::free(reply);
        }
    }

    bool Owned() {
        xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, atoms_[kClipboard]), nullptr);
        const bool owned = reply != nullptr && reply->owner == window_;
        std::free(reply);
        return owned;
    }

    void Handle(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7F) {
            case XCB_SELECTION_REQUEST:
                Answer(reinterpret_cast<const xcb_selection_request_event_t&>(event));
                break;
            case XCB_SELECTION_CLEAR:
                // Another program has taken the clipboard: nothing left to serve.
                if (reinterpret_cast<const xcb_selection_clear_event_t&>(event).selection == atoms_[kClipboard])
                    Exit(ExitCode::kOk);
                break;
            default:
                break;  // errors for requestors gone meanwhile, our own property changes
        }
    }

    void Answer(const xcb_selection_request_event_t& request) {
        // An old client may leave the property out: the target names it then.
        const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
        const bool in_time = request.time == XCB_CURRENT_TIME || request.time >= time_;
        const bool done =
            request.selection == atoms_[kClipboard] && in_time && Convert(request.requestor, request.target, property);
        // A 32-byte buffer: xcb_send_event always sends that many.
        std::array<char, 32> buffer{};
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = done ? property : XCB_NONE;
        std::memcpy(buffer.data(), &notify, sizeof notify);
        xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, buffer.data());
        xcb_flush(connection_);
    }

    bool Convert(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property) {
        if (target == atoms_[kTargets]) {
            std::vector<xcb_atom_t> targets{atoms_[kTargets], atoms_[kTimestamp], atoms_[kUtf8String],
                                            atoms_[kTextPlainUtf8], atoms_[kPasswordManagerHint]};
            if (latin1_) targets.insert(targets.end(), {XCB_ATOM_STRING, atoms_[kText], atoms_[kTextPlain]});
            return Put(requestor, property, XCB_ATOM_ATOM, 32, targets.data(), targets.size());
        }
        if (target == atoms_[kTimestamp]) return Put(requestor, property, XCB_ATOM_INTEGER, 32, &time_, 1);
        if (target == atoms_[kUtf8String] || target == atoms_[kTextPlainUtf8])
            return Put(requestor, property, target, 8, key_.data(), key_.size());
        if (target == atoms_[kPasswordManagerHint]) return Put(requestor, property, target, 8, "secret", 6);
        const bool latin1_target = target == XCB_ATOM_STRING || target == atoms_[kText] || target == atoms_[kTextPlain];
        if (latin1_target && latin1_) {
            const xcb_atom_t type = target == atoms_[kTextPlain] ? target : xcb_atom_t{XCB_ATOM_STRING};
            return Put(requestor, property, type, 8, latin1_->data(), latin1_->size());
        }
        return false;  // MULTIPLE and all else: refused
    }

    bool Put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type, uint8_t format, const void* data,
             std::size_t count) {
        if (count * (format / 8) > max_property_bytes_) return false;
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, format,
                            static_cast<uint32_t>(count), data);
        return true;
    }

    std::string key_;
    std::optional<std::string> latin1_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_timestamp_t time_ = XCB_CURRENT_TIME;
    std::size_t max_property_bytes_ = 0;
    std::array<xcb_atom_t, kAtomCount> atoms_{};
};

}  // namespace
}  // namespace sorvane

int main(int argc, char* argv[]) {
    using namespace sorvane;
    HardenProcessOrWarn("sorvane-cli-x11-clipboard");
    const std::optional<int> clear_seconds = ClearSeconds(argc, argv);
    ClipboardOwner owner(ReadKeyOrFail());
    owner.Take();
    ReportReady();
    owner.Serve(clear_seconds);
}
