// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace sorvane {

// Clears the clipboard a set time after this program put a key there, and at close, but only while
// the clipboard still holds that very key: whatever was copied since, here or elsewhere, stays.
// Off (never clears) until a delay is set.
class ClipboardGuard final : public QObject {
    Q_OBJECT
public:
    explicit ClipboardGuard(QObject* parent = nullptr);

    // Seconds from putting a key on the clipboard to clearing it; 0 or less never clears.
    void SetDelay(int seconds);
    // Whether our key is on the clipboard and due to be cleared.
    bool Pending() const { return timer_.isActive(); }
    // Clears the clipboard if the guard is on and the clipboard still holds our key; runs when the
    // time is up and at close.
    void ClearIfStillOurs();

private:
    void ClipboardChanged();

    QTimer timer_;
};

}  // namespace sorvane
