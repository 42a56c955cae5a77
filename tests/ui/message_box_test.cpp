// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: plain text in the window's font.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ui/dialogs.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::test_support::WindowFixture;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void messagesShowTheirTextAsTypedInTheWindowsFont() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        sorvane::QtDialogs dialogs;
        const QString text = QStringLiteral("Пароль записан в файл <b>x.key</b> &amp; <i>");
        const QList<std::function<void()>> shows = {[&] { dialogs.Information(&window, text); },
                                                    [&] { dialogs.Error(&window, text); }};
        for (const auto& show : shows) {
            // Read while the box is up, then close it; compared once it is gone, so a failure cannot hang.
            QString shown;
            Qt::TextFormat format = Qt::AutoText;
            QFont font;
            QTimer::singleShot(0, [&] {
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(top);
                    if (box == nullptr || !box->isVisible()) continue;
                    if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                        shown = label->text();
                        format = label->textFormat();
                        font = label->font();
                    }
                    box->accept();
                }
            });
            show();
            QCOMPARE(shown, text);
            QCOMPARE(format, Qt::PlainText);
            QCOMPARE(font.family(), window.font().family());
            QCOMPARE(font.pixelSize(), window.font().pixelSize());
        }
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
