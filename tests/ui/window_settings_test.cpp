// SPDX-License-Identifier: GPL-3.0-or-later
// Settings through close and start, first run, damaged files, and start-up after an error.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <unistd.h>

#include "cipher/builtin_chain.h"
#include "text/unicode.h"
#include "ui/fonts.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/qt_text.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::ToQString;
using sorvane::ToU16;
using sorvane::test_support::WindowFixture;
using sorvane::test_support::WriteFile;

class WindowSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunShowsTheDesignStateAndCloseCreatesTheFile() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(window.ComboBox5->currentText(), QStringLiteral("Развернуть окно"));
        QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), QSize(512, 490));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), QDir::currentPath());
        QVERIFY(!window.CheckBox1->isChecked());
        QVERIFY(!window.CheckBox2->isChecked());
        QVERIFY(window.Edit4->text().isEmpty());
        QVERIFY(fixture.dialogs().errors.isEmpty());
        fixture.Close();
        const QString expected =
            QStringLiteral("[FORM1]\nleft=0\ntop=0\nwidth=512\nheight=490\nWindowState=Развернуть окно\nDir=") +
            QDir::currentPath() + QStringLiteral("\nHidePass1=0\nRemember=0\n");
        QCOMPARE(QString::fromUtf8(fixture.ReadSettings()), expected);
        QCOMPARE(QFileInfo(fixture.ProgramPath(QStringLiteral("sorvane.ini"))).permissions() & 0x0077, 0);
    }

    void settingsSurviveARestart() {
        WindowFixture fixture;
        QDir().mkpath(fixture.DataPath(QStringLiteral("keys")));
        const QString keys = QFileInfo(fixture.DataPath(QStringLiteral("keys"))).canonicalFilePath();
        const QString master = QStringLiteral("  \"пароль\" с пробелами ");
        {
            TForm1& window = fixture.Start();
            window.move(40, 30);
            window.ComboBox5->setEditText(QStringLiteral("Сжать окно"));
            window.DirectoryListBox1->SetDirectory(ToU16(keys));
            QTest::mouseClick(window.CheckBox1, Qt::LeftButton);
            window.CheckBox2->setChecked(true);
            window.Edit4->setText(master);
            fixture.Close();
        }
        QVERIFY(!fixture.ReadSettings().contains(master.toUtf8()));  // only its encoding is stored
        TForm1& window = fixture.Start();
        QCOMPARE(window.pos(), QPoint(40, 30));
        QCOMPARE(window.ComboBox5->currentText(), QStringLiteral("Сжать окно"));
        QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), QSize(260, 490));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
        QVERIFY(window.CheckBox1->isChecked());
        QCOMPARE(window.Edit4->font().family(), sorvane::kMaskFace);
        QCOMPARE(window.Edit4->text(), master);
        // Restored before the masking face was registered, the text still shows as masks only.
        const QImage restored = window.Edit4->grab().toImage();
        window.Edit4->setText(QString(master.size(), QLatin1Char('x')));
        QCOMPARE(window.Edit4->grab().toImage(), restored);
        window.Edit4->setText(master);
        // Remember cleared: the old value stays in the file but is not restored.
        window.CheckBox2->setChecked(false);
        fixture.Close();
        QVERIFY(fixture.ReadSettings().contains("Password="));
        QVERIFY(fixture.Start().Edit4->text().isEmpty());
    }

    void valuesAreReadByTheirKindRules() {
        WindowFixture fixture;
        fixture.WriteSettings(
            "[form1]\r\nLEFT=0x20\r\ntop=abc\r\nwidth=300\r\nheight=350\r\nWindowState=Другой\r\n"
            "Dir=\r\nHidePass1=2\r\nRemember=yes\r\n");
        TForm1& window = fixture.Start();
        QCOMPARE(window.pos(), QPoint(32, 0));
        QCOMPARE(window.ComboBox5->currentText(), QStringLiteral("Другой"));
        QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), QSize(300, 350));
        QVERIFY(window.CheckBox1->isChecked());
        QVERIFY(!window.CheckBox2->isChecked());
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void aRememberedPlainPathKeepsThePathAndShowsTheLineAsHint() {
        WindowFixture fixture;
        const QString master_file = fixture.DataPath(QStringLiteral("master.key"));
        WriteFile(master_file, "stored line\r\n");
        fixture.WriteSettings("[FORM1]\nRemember=1\nPassword=" + master_file.toUtf8() + "\n");
        TForm1& window = fixture.Start();
        QCOMPARE(window.Edit4->text(), master_file);
        QCOMPARE(window.Edit4->toolTip(), QStringLiteral("stored line"));
    }

    void aDamagedFileGivesTheDefaults() {
        WindowFixture fixture;
        QByteArray garbage;
        for (int i = 0; i < 3000; ++i) garbage.append(static_cast<char>((i * 37) % 256));
        fixture.WriteSettings(garbage);
        TForm1& window = fixture.Start();
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(window.ComboBox5->currentText(), QStringLiteral("Развернуть окно"));
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void aMissingOrUnreadableFolderFallsBackSilentlyAndStartUpGoesOn_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("removed") << QStringLiteral("gone") << false;
        QTest::newRow("a stick not plugged in") << QStringLiteral("media/stick/keys") << false;
        QTest::newRow("unreadable") << QStringLiteral("locked") << true;
    }

    void aMissingOrUnreadableFolderFallsBackSilentlyAndStartUpGoesOn() {
        QFETCH(QString, folder);
        QFETCH(bool, unreadable);
        if (unreadable && ::geteuid() == 0) QSKIP("root reads every folder");
        WindowFixture fixture;
        const QString path = fixture.DataPath(folder);
        if (unreadable) {
            QDir().mkpath(path);
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        }
        const QString master = QStringLiteral("мастер");
        fixture.WriteSettings("[FORM1]\nwidth=300\nheight=400\nWindowState=Сжать окно\nDir=" + path.toUtf8() +
                              "\nHidePass1=1\nRemember=1\nPassword=\"" +
                              ToQString(sorvane::Passway(ToU16(master))).toUtf8() + "\"\n");
        TForm1& window = fixture.Start();
        if (unreadable)
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(fixture.dialogs().errors.isEmpty());
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), QDir::currentPath());
        // The rest of start-up ran: layout, check boxes, master field, start items, masking.
        QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), QSize(260, 490));
        QVERIFY(window.CheckBox1->isChecked());
        QVERIFY(window.CheckBox2->isChecked());
        QCOMPARE(window.Edit4->text(), master);
        QCOMPARE(window.Edit4->font().family(), sorvane::kMaskFace);
        QCOMPARE(window.ComboBox1->currentIndex(), 1);
        QCOMPARE(window.ComboBox4->currentIndex(), 0);
        QCOMPARE(window.Edit1->font().family(), sorvane::kMaskFace);
        // And the remembered settings are kept at the next close.
        fixture.Close();
        QVERIFY(fixture.ReadSettings().contains("Remember=1\nPassword="));
    }

    void aFailedSaveIsShownAndTheWindowClosesAllTheSame() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        // A folder in the settings file's place: it cannot be written.
        QDir().mkpath(fixture.ProgramPath(QStringLiteral("sorvane.ini")));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QVERIFY(fixture.dialogs().errors.front().startsWith(QStringLiteral("Unable to write to ") +
                                                            fixture.ProgramPath(QStringLiteral("sorvane.ini"))));
    }

    void aRememberedEmptyFieldStaysEmpty() {
        WindowFixture fixture;
        fixture.Start().CheckBox2->setChecked(true);
        fixture.Close();
        QVERIFY(fixture.ReadSettings().endsWith("Remember=1\nPassword=\n"));
        QVERIFY(fixture.Start().Edit4->text().isEmpty());
    }

    // A path that Passway and Depassway would not give back would name no file after the next start.
    void aMasterFilePathThatWouldNotComeBackIsNotRemembered() {
        WindowFixture fixture;
        const QString master_file = fixture.DataPath(QStringLiteral("it's master.key"));
        WriteFile(master_file, "line\r\n");
        TForm1& first = fixture.Start();
        first.CheckBox2->setChecked(true);
        first.Edit4->setText(QStringLiteral("earlier"));
        fixture.Close();
        fixture.Start().Edit4->setText(master_file);
        fixture.Close();
        QCOMPARE(fixture.dialogs().informations.size(), 1);
        QVERIFY(fixture.dialogs().informations.front().contains(QStringLiteral("«'»")));
        QVERIFY(fixture.ReadSettings().contains("Remember=1\n"));
        // The earlier value stays; a typed master key with the same characters is remembered as before.
        TForm1& again = fixture.Start();
        QCOMPARE(again.Edit4->text(), QStringLiteral("earlier"));
        again.Edit4->setText(QStringLiteral("it's typed"));
        fixture.Close();
        QCOMPARE(fixture.dialogs().informations.size(), 1);
        QCOMPARE(fixture.Start().Edit4->text(), QStringLiteral("itяs typed"));
    }

    void aValueThatCannotBeWrittenIsSkippedAndTheOthersAreSaved() {
        WindowFixture fixture;
        QDir().mkpath(fixture.DataPath(QStringLiteral("line\nbreak")));
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(fixture.DataPath(QStringLiteral("line\nbreak"))));
        window.move(33, 44);
        fixture.Close();
        QCOMPARE(fixture.dialogs().informations,
                 QStringList{QStringLiteral("Параметр \"Dir\" не сохранен: его значение содержит перевод строки")});
        QVERIFY(fixture.dialogs().errors.isEmpty());
        const QByteArray saved = fixture.ReadSettings();
        QVERIFY(saved.contains("left=33\ntop=44\n"));
        QVERIFY(saved.contains("Remember=0\n"));
        QVERIFY(!saved.contains("Dir="));
    }

    // One Windows-1251 comment must not garble the UTF-8 values next to it, nor the master key.
    void aHandWrittenLineInAnotherEncodingKeepsTheOthers() {
        WindowFixture fixture;
        const QByteArray stored = QByteArray::fromStdString(sorvane::Utf16ToUtf8(sorvane::Passway(u"ключ")));
        fixture.WriteSettings("; \xEC\xEE\xE9\n[FORM1]\nWindowState=Сжать окно\nRemember=1\nPassword=\"" + stored +
                              "\"\n");
        TForm1& window = fixture.Start();
        QCOMPARE(window.ComboBox5->currentText(), QStringLiteral("Сжать окно"));
        QCOMPARE(window.Edit4->text(), QStringLiteral("ключ"));
    }

    void aSettingsFileTooLargeIsToldAndGivesTheDefaults() {
        WindowFixture fixture;
        fixture.WriteSettings("[FORM1]\nleft=50\n" + QByteArray(2 * 1024 * 1024, 'x'));
        TForm1& window = fixture.Start();
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(fixture.dialogs().informations.size(), 1);
        QVERIFY(fixture.dialogs().informations.front().contains(QStringLiteral("sorvane.ini")));
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "window_settings_test.moc"
