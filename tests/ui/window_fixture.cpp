// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QtTest>

#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"

#include "ui/qt_text.h"

namespace sorvane::test_support {

WindowFixture::WindowFixture() {
    QFile::copy(QStringLiteral(SORVANE_PASS_FONT), ProgramPath(QStringLiteral("pass.ttf")));
}

WindowFixture::~WindowFixture() {
    window_.reset();
    QDir::setCurrent(saved_working_directory_);
}

TForm1& WindowFixture::Start() {
    Close();
    window_ = std::make_unique<TForm1>(dialogs_, ToU16(ProgramPath()));
    window_->show();
    return *window_;
}

void WindowFixture::Close() {
    if (!window_) return;
    window_->close();
    window_.reset();
}

void WindowFixture::WriteSettings(const QByteArray& content) const {
    WriteFile(ProgramPath(QStringLiteral("sorvane.ini")), content);
}

QByteArray WindowFixture::ReadSettings() const { return ReadFile(ProgramPath(QStringLiteral("sorvane.ini"))); }

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QStringList FileNames(TForm1& window) {
    QStringList names;
    auto& model = window.FileListBox1->Names();
    for (int row = 0; row < model.rowCount(); ++row) names << ToQString(model.EntryAt(row).shown);
    return names;
}

void SelectFile(TForm1& window, const QString& name) {
    const int row = static_cast<int>(FileNames(window).indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    const QRect place = window.FileListBox1->visualRect(window.FileListBox1->model()->index(row, 0));
    QTest::mouseClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, place.center());
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TForm1& StartInKeysFolder(WindowFixture& fixture, const QByteArray& content) {
    QDir().mkpath(fixture.DataPath(QStringLiteral("keys")));
    WriteFile(fixture.DataPath(QStringLiteral("keys/a.key")), content);
    TForm1& window = fixture.Start();
    window.DirectoryListBox1->SetDirectory(ToU16(fixture.DataPath(QStringLiteral("keys"))));
    return window;
}

}  // namespace sorvane::test_support
