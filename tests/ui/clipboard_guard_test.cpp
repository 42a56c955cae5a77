// SPDX-License-Identifier: GPL-3.0-or-later
// Opt-in clipboard clearing: only a key this program put there, only while it is still there.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <climits>

#include "ui/clipboard.h"
#include "ui/clipboard_guard.h"
#include "ui/panel/directory_list_box.h"
#include "ui/qt_text.h"
#include "ui/window_fixture.h"

using sorvane::ClipboardGuard;
using sorvane::SetClipboardSecret;
using sorvane::TForm1;
using sorvane::ToU16;
using sorvane::test_support::SelectFile;
using sorvane::test_support::WindowFixture;
using sorvane::test_support::WriteFile;

namespace {

QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

// A window whose settings hold the given "ClearClipboard" line (none when empty), standing in a
// folder with "a.key" selected and both key boxes holding "ключ".
TForm1& StartWith(WindowFixture& fixture, const QByteArray& clear_line) {
    fixture.WriteSettings("[FORM1]\n" + clear_line + (clear_line.isEmpty() ? "" : "\n"));
    QDir().mkpath(fixture.DataPath(QStringLiteral("keys")));
    WriteFile(fixture.DataPath(QStringLiteral("keys/a.key")), "\xEA\xEB\xFE\xF7\r\n");  // Windows-1251
    TForm1& window = fixture.Start();
    window.DirectoryListBox1->SetDirectory(ToU16(fixture.DataPath(QStringLiteral("keys"))));
    SelectFile(window, QStringLiteral("a.key"));
    window.Edit1->setText(QStringLiteral("ключ"));
    window.Edit2->setText(QStringLiteral("ключ"));
    return window;
}

ClipboardGuard& GuardOf(TForm1& window) { return *window.findChild<ClipboardGuard*>(); }

}  // namespace

class ClipboardGuardTest : public QObject {
    Q_OBJECT

private slots:
    void clearsOnlyWhileTheClipboardHoldsOurKey() {
        ClipboardGuard guard;
        guard.SetDelay(30);
        SetClipboardSecret(QStringLiteral("ключ"));
        QVERIFY(guard.Pending());
        guard.ClearIfStillOurs();
        QVERIFY(Clipboard()->text().isEmpty());
        QVERIFY(!guard.Pending());

        // Replaced, even by the same text or by this program's own name copy: kept.
        for (const auto& replace : {+[] { Clipboard()->setText(QStringLiteral("ключ")); },
                                    +[] { sorvane::SetClipboardText(QStringLiteral("a")); }}) {
            SetClipboardSecret(QStringLiteral("ключ"));
            replace();
            const QString now = Clipboard()->text();
            QVERIFY(!guard.Pending());
            guard.ClearIfStillOurs();
            QCOMPARE(Clipboard()->text(), now);
        }
    }

    void theDelayDecidesWhetherItIsOn_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("on");
        QTest::newRow("never set") << INT_MIN << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("negative") << -5 << false;
        QTest::newRow("one second") << 1 << true;
        QTest::newRow("more than a timer counts") << INT_MAX << true;
    }
    void theDelayDecidesWhetherItIsOn() {
        QFETCH(int, seconds);
        QFETCH(bool, on);
        ClipboardGuard guard;
        if (seconds != INT_MIN) guard.SetDelay(seconds);
        SetClipboardSecret(QStringLiteral("ключ"));
        QCOMPARE(guard.Pending(), on);
        guard.ClearIfStillOurs();
        QCOMPARE(Clipboard()->text().isEmpty(), on);
    }

    void theSettingArmsItOnEveryKeyThatGoesOut_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("copy") << 1;
        QTest::newRow("write") << 2;
        QTest::newRow("create") << 6;
        QTest::newRow("Ctrl+C in the key box") << 0;
    }
    void theSettingArmsItOnEveryKeyThatGoesOut() {
        QFETCH(int, command);
        WindowFixture fixture;
        TForm1& window = StartWith(fixture, "ClearClipboard=30");
        Clipboard()->clear();
        switch (command) {
            case 1:
                QTest::mouseClick(window.Button1, Qt::LeftButton);
                break;
            case 2:
                QTest::mouseClick(window.Button2, Qt::LeftButton);
                break;
            case 6:
                QTest::mouseClick(window.Button6, Qt::LeftButton);
                break;
            default:
                window.Edit1->selectAll();
                QTest::keyClick(window.Edit1, Qt::Key_C, Qt::ControlModifier);
        }
        QCOMPARE(Clipboard()->text(), QStringLiteral("ключ"));
        QVERIFY(GuardOf(window).Pending());
    }

    void closeClearsOnlyWhenAskedAndStillOurs_data() {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("after_close");
        QTest::newRow("no setting") << QByteArray() << false << QStringLiteral("ключ");
        QTest::newRow("zero") << QByteArray("ClearClipboard=0") << false << QStringLiteral("ключ");
        QTest::newRow("unreadable") << QByteArray("ClearClipboard=soon") << false << QStringLiteral("ключ");
        QTest::newRow("set") << QByteArray("ClearClipboard=30") << false << QString();
        QTest::newRow("set, letter case aside") << QByteArray("clearclipboard=$1E") << false << QString();
        QTest::newRow("set, replaced since") << QByteArray("ClearClipboard=30") << true << QStringLiteral("mine");
    }
    void closeClearsOnlyWhenAskedAndStillOurs() {
        QFETCH(QByteArray, setting);
        QFETCH(bool, replaced);
        QFETCH(QString, after_close);
        WindowFixture fixture;
        TForm1& window = StartWith(fixture, setting);
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        if (replaced) Clipboard()->setText(QStringLiteral("mine"));
        fixture.Close();
        QCOMPARE(Clipboard()->text(), after_close);
        // The setting is the user's: the file keeps it as written, and gains none.
        const QByteArray settings = fixture.ReadSettings();
        QCOMPARE(settings.contains(setting), true);
        QCOMPARE(settings.toLower().count("clearclipboard"), setting.isEmpty() ? 0 : 1);
    }

    void theTimeRunsOutOnItsOwn() {
        WindowFixture fixture;
        TForm1& window = StartWith(fixture, "ClearClipboard=1");
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(Clipboard()->text(), QStringLiteral("ключ"));
        QTRY_VERIFY_WITH_TIMEOUT(Clipboard()->text().isEmpty(), 10000);
    }

    void aStoredFolderThatHasGoneKeepsTheSetting() {
        WindowFixture fixture;
        const QByteArray gone = fixture.DataPath(QStringLiteral("gone")).toUtf8();
        fixture.WriteSettings("[FORM1]\nClearClipboard=30\nDir=" + gone + "\n");
        TForm1& window = fixture.Start();
        QVERIFY(fixture.dialogs().errors.isEmpty());  // the panel falls back silently
        window.Edit1->selectAll();
        QTest::keyClick(window.Edit1, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(GuardOf(window).Pending());
    }
};

QTEST_MAIN(ClipboardGuardTest)
#include "clipboard_guard_test.moc"
