// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clipboard_guard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>
#include <climits>

#include "ui/clipboard.h"

namespace sorvane {

ClipboardGuard::ClipboardGuard(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ClipboardGuard::ClearIfStillOurs);
    // Every key that goes out starts the count again, whichever command or box put it there.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardGuard::ClipboardChanged);
}

void ClipboardGuard::SetDelay(int seconds) {
    timer_.stop();
    // A timer counts milliseconds in an int: a longer delay waits as long as a timer can (24 days).
    timer_.setInterval(seconds > 0 ? std::min(seconds, INT_MAX / 1000) * 1000 : 0);
}

void ClipboardGuard::ClipboardChanged() {
    if (timer_.interval() > 0 && ClipboardHoldsOurSecret())
        timer_.start();
    else
        timer_.stop();  // replaced: nothing of ours left to clear
}

void ClipboardGuard::ClearIfStillOurs() {
    timer_.stop();
    if (timer_.interval() > 0 && ClipboardHoldsOurSecret()) QGuiApplication::clipboard()->clear();
}

}  // namespace sorvane
