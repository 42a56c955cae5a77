#include <QFileDialog>
#include <QMessageBox>

#include "ui/dialogs.h"

namespace sorvane {
namespace {

const QString kTitle = QStringLiteral("Sorvane");

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

void QtDialogs::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text, QMessageBox::Ok);
}

void QtDialogs::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kTitle, text, QMessageBox::Ok);
}

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent) {
    return Chosen(QFileDialog::getOpenFileName(parent));
}

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent) {
    // No confirmation from the dialog either: the command replaces the chosen file as it is.
    return Chosen(QFileDialog::getSaveFileName(parent, QString(), QString(), QString(), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

}  // namespace sorvane
