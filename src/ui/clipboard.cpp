#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace sorvane {
namespace {

void SetClipboard(const QString& text, bool secret) {
    auto* data = new QMimeData;
    data->setText(text);
    if (secret) data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

void SetClipboardText(const QString& text) { SetClipboard(text, false); }

void SetClipboardSecret(const QString& text) { SetClipboard(text, true); }

}  // namespace sorvane
