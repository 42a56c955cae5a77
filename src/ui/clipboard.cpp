// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

namespace sorvane {
namespace {

// The content last put there as a secret; the clipboard deletes it when anything replaces it.
QPointer<QMimeData> last_secret;

QMimeData* TextData(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

}  // namespace

void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setMimeData(TextData(text)); }

void SetClipboardSecret(const QString& text) {
    QMimeData* data = TextData(text);
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    last_secret = data;  // before it goes out: the clipboard tells its watchers at once
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ClipboardHoldsOurSecret() { return last_secret && QGuiApplication::clipboard()->mimeData() == last_secret.data(); }

}  // namespace sorvane
