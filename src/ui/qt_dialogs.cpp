// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileDialog>
#include <QMessageBox>

#include "ui/dialogs.h"

namespace sorvane {
namespace {

const QString kTitle = QStringLiteral("Sorvane");

// A modal box with one OK button; its text is shown as typed (a file name "<b>x.key" is no markup),
// in the window's font, which a dialog window does not inherit by itself.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (parent != nullptr) box.setFont(parent->window()->font());
    box.exec();
}

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

void QtDialogs::Information(QWidget* parent, const QString& text) {
    ShowMessage(parent, QMessageBox::Information, text);
}

void QtDialogs::Error(QWidget* parent, const QString& text) { ShowMessage(parent, QMessageBox::Critical, text); }

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent) { return Chosen(QFileDialog::getOpenFileName(parent)); }

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent) {
    // No confirmation from the dialog either: the command replaces the chosen file as it is.
    return Chosen(QFileDialog::getSaveFileName(parent, QString(), QString(), QString(), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

}  // namespace sorvane
