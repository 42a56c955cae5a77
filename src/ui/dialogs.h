// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace sorvane {

// Every message box and file dialog of the window goes through here, so that tests can answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal information message with one OK button.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // A modal error message: what the application's default error handler shows.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // The standard open and save dialogs, no filter, no default extension; nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent) = 0;
};

// The real boxes and dialogs.
class QtDialogs final : public Dialogs {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QString> OpenFileName(QWidget* parent) override;
    std::optional<QString> SaveFileName(QWidget* parent) override;
};

}  // namespace sorvane
