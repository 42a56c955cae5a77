// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <utility>

#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace sorvane::test_support {

// Records every message and answers the file dialogs with what a test set beforehand.
class FakeDialogs final : public Dialogs {
public:
    void Information(QWidget*, const QString& text) override { informations << text; }
    void Error(QWidget*, const QString& text) override { errors << text; }
    std::optional<QString> OpenFileName(QWidget*) override { return std::exchange(next_open, std::nullopt); }
    std::optional<QString> SaveFileName(QWidget*) override { return std::exchange(next_save, std::nullopt); }

    QStringList informations;
    QStringList errors;
    std::optional<QString> next_open;
    std::optional<QString> next_save;
};

// A temporary program folder (with the masking font in it) and a window started on it. The
// process's working directory is put back at the end, since the folder list moves it.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    // Starts a window on the program folder (closing any earlier one first, which saves settings).
    TForm1& Start();
    // Closes the window as the user would, which runs FormClose.
    void Close();

    TForm1& window() { return *window_; }
    FakeDialogs& dialogs() { return dialogs_; }
    // A path inside the program folder; the folder itself ends with a separator.
    QString ProgramPath(const QString& name = {}) const { return program_folder_.path() + QLatin1Char('/') + name; }
    // A path inside a second temporary folder, for key files and folders to browse.
    QString DataPath(const QString& name = {}) const { return data_folder_.path() + QLatin1Char('/') + name; }
    void WriteSettings(const QByteArray& content) const;
    QByteArray ReadSettings() const;

private:
    QString saved_working_directory_ = QDir::currentPath();
    QTemporaryDir program_folder_;
    QTemporaryDir data_folder_;
    FakeDialogs dialogs_;
    std::unique_ptr<TForm1> window_;
};

// Types the text into a widget one character at a time, as key events carrying the character
// (QTest's key clicks know ASCII only).
void TypeText(QWidget* widget, const QString& text);

// The names the file list shows, in order.
QStringList FileNames(TForm1& window);

// Clicks a name in the file list.
void SelectFile(TForm1& window, const QString& name);

// Makes a file with the given bytes.
void WriteFile(const QString& path, const QByteArray& content);

// A file's bytes, empty when it cannot be read.
QByteArray ReadFile(const QString& path);

// Starts the window standing in the data folder's "keys", which holds "a.key" with the given content.
TForm1& StartInKeysFolder(WindowFixture& fixture, const QByteArray& content = "old\r\n");

}  // namespace sorvane::test_support
