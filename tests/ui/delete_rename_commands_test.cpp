// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting and renaming files and folders end to end, with real files in temporary folders.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::ToU16;
using sorvane::test_support::FileNames;
using sorvane::test_support::ReadFile;
using sorvane::test_support::SelectFile;
using sorvane::test_support::StartInKeysFolder;
using sorvane::test_support::WindowFixture;
using sorvane::test_support::WriteFile;

namespace {

const QString kNoFile = QStringLiteral("Файл не выбран");

}  // namespace

class DeleteRenameCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void createDeleteAndRenameFolders() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString keys = QFileInfo(fixture.DataPath(QStringLiteral("keys"))).canonicalFilePath();
        window.ComboBox4->setCurrentIndex(1);
        window.Edit3->clear();
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, QStringList{QStringLiteral("Имя директории не задано")});
        window.Edit3->setText(QStringLiteral("work"));
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QTest::mouseClick(window.Button6, Qt::LeftButton);  // exists already: nothing happens
        QVERIFY(QFileInfo(keys + QStringLiteral("/work")).isDir());
        QCOMPARE(fixture.dialogs().informations.size(), 1);

        // Rename the open folder: the panel stands in its parent, the folder under its new name.
        window.DirectoryListBox1->SetDirectory(ToU16(keys + QStringLiteral("/work")));
        window.Edit3->setText(QStringLiteral("home"));
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
        QVERIFY(QFileInfo(keys + QStringLiteral("/home")).isDir());
        QVERIFY(!QFileInfo::exists(keys + QStringLiteral("/work")));

        // Delete it with a link inside that points outside: the outside stays whole.
        const QString outside = fixture.DataPath(QStringLiteral("outside"));
        QDir().mkpath(outside);
        WriteFile(outside + QStringLiteral("/precious.key"), "keep\r\n");
        QDir().mkpath(keys + QStringLiteral("/home/deep/deeper"));
        WriteFile(keys + QStringLiteral("/home/deep/deeper/x.key"), "x\r\n");
        QFile::link(outside, keys + QStringLiteral("/home/deep/link"));
        window.DirectoryListBox1->SetDirectory(ToU16(keys + QStringLiteral("/home")));
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
        QVERIFY(!QFileInfo::exists(keys + QStringLiteral("/home")));
        QCOMPARE(ReadFile(outside + QStringLiteral("/precious.key")), QByteArray("keep\r\n"));
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void renameOntoAnExistingNameFailsAndKeepsBoth() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture, "A\r\n");
        WriteFile(fixture.DataPath(QStringLiteral("keys/b.key")), "B\r\n");
        window.FileListBox1->Update();
        SelectFile(window, QStringLiteral("a.key"));
        window.Edit3->setText(QStringLiteral("b.key"));
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().errors,
                 QStringList{QStringLiteral("Невозможно переименовать файл! (возможно файл не выбран)")});
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("A\r\n"));
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/b.key"))), QByteArray("B\r\n"));
        QVERIFY(!window.FileListBox1->FileName().empty());  // not refreshed

        window.Edit3->setText(QStringLiteral("c.key"));
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QCOMPARE(FileNames(window), (QStringList{QStringLiteral("b.key"), QStringLiteral("c.key")}));
        // Nothing selected: the rename error again.
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().errors.size(), 2);
    }

    void deleteAFileAndTheRefusals() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, QStringList{kNoFile});
        SelectFile(window, QStringLiteral("a.key"));
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QVERIFY(!QFile::exists(fixture.DataPath(QStringLiteral("keys/a.key"))));
        QVERIFY(FileNames(window).isEmpty());

        // No mode chosen: both do nothing.
        window.ComboBox4->setCurrentIndex(-1);
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations.size(), 1);
        QVERIFY(fixture.dialogs().errors.isEmpty());

        // The root is never renamed.
        window.ComboBox4->setCurrentIndex(1);
        window.DirectoryListBox1->SetDirectory(u"/");
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations.last(), QStringLiteral("Нельзя переименовать корневую директорию"));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), QStringLiteral("/"));
    }
};

QTEST_MAIN(DeleteRenameCommandsTest)
#include "delete_rename_commands_test.moc"
