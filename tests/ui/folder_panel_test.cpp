// SPDX-License-Identifier: GPL-3.0-or-later
// The folder panel's coupling and its commands.
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/panel/directory_list_box.h"
#include "ui/panel/drive_combo_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/panel/filter_combo_box.h"
#include "ui/panel/folder_label.h"
#include "ui/qt_text.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::ToQString;
using sorvane::ToU16;
using sorvane::test_support::FileNames;
using sorvane::test_support::SelectFile;
using sorvane::test_support::WindowFixture;
using sorvane::test_support::WriteFile;

class FolderPanelTest : public QObject {
    Q_OBJECT

private:
    // A folder with key files, a text file, a file without extension, a hidden file and a subfolder.
    static QString MakeKeysFolder(WindowFixture& fixture) {
        const QString folder = fixture.DataPath(QStringLiteral("keys"));
        QDir().mkpath(folder + QStringLiteral("/sub"));
        for (const char* name : {"b.key", "a.key", "notes.txt", "plain", ".hidden.key"})
            WriteFile(folder + QLatin1Char('/') + QString::fromLatin1(name), "x\r\n");
        return QFileInfo(folder).canonicalFilePath();
    }

    static void Enter(TForm1& window, const QString& name) {
        auto* list = window.DirectoryListBox1;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (list->model()->data(index).toString().trimmed() == name) {
                list->setCurrentIndex(index);
                QTest::keyClick(list, Qt::Key_Return);
                return;
            }
        }
        QFAIL("no such folder in the list");
    }

    // Writes a file whose name is the given bytes.
    static void WriteNamed(const std::filesystem::path& folder, const std::string& name, const std::string& content) {
        std::ofstream(folder / name, std::ios::binary) << content;
    }
    static std::string ReadNamed(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static void ClickRow(TForm1& window, int row) {
        const QRect place = window.FileListBox1->visualRect(window.FileListBox1->model()->index(row, 0));
        QTest::mouseClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, place.center());
    }

private slots:
    // Names from old Windows archives (Windows-1251 bytes) next to their U+FFFD and UTF-8 look-alikes:
    // each is listed once and every command acts on the entry picked.
    void namesThatAreNotUtf8AreListedOnceAndActedOnExactly() {
        WindowFixture fixture;
        const std::filesystem::path keys = ToU16(fixture.DataPath(QStringLiteral("keys")));
        std::filesystem::create_directory(keys);
        const std::string cp1251 = "\xEA\xEB\xFE\xF7.key";
        const std::string lookalike = "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.key";
        const std::string utf8 = "\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87.key";
        const std::vector<std::string> names{cp1251, lookalike, utf8};
        for (std::size_t i = 0; i < names.size(); ++i) WriteNamed(keys, names[i], "key" + std::to_string(i) + "\r\n");
        std::filesystem::create_directory(keys / "\xCF\xE0\xEF\xEA\xE0");  // "Папка" in Windows-1251
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(keys);
        const QStringList shown = FileNames(window);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.count(QStringLiteral("ключ.key")), 2);

        // Copy: each row gives its own file's key.
        QStringList copied;
        for (int row = 0; row < 3; ++row) {
            ClickRow(window, row);
            QTest::mouseClick(window.Button1, Qt::LeftButton);
            copied << window.Edit1->text();
        }
        copied.sort();
        QCOMPARE(copied, (QStringList{QStringLiteral("key0"), QStringLiteral("key1"), QStringLiteral("key2")}));

        // Write into the entry that holds key0 (the Windows-1251 name): that file alone changes.
        int archived_row = -1;
        for (int row = 0; row < 3; ++row)
            if (window.FileListBox1->Names().EntryAt(row).name == cp1251) archived_row = row;
        QVERIFY(archived_row >= 0);
        ClickRow(window, archived_row);
        window.Edit1->setText(QStringLiteral("new"));
        window.Edit2->setText(QStringLiteral("new"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QCOMPARE(ReadNamed(keys / cp1251), std::string("new\r\n"));
        QCOMPARE(ReadNamed(keys / lookalike), std::string("key1\r\n"));
        QCOMPARE(ReadNamed(keys / utf8), std::string("key2\r\n"));
        QCOMPARE(fixture.dialogs().informations.back(),
                 QStringLiteral("Пароль записан в файл ключ.key и скопирован в буфер обмена"));

        // Rename and delete the same entry: the look-alikes stay.
        ClickRow(window, archived_row);
        window.Edit3->setText(QStringLiteral("renamed.key"));
        QTest::mouseClick(window.Button8, Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(keys / cp1251));
        QCOMPARE(ReadNamed(keys / "renamed.key"), std::string("new\r\n"));
        const int renamed_row = static_cast<int>(FileNames(window).indexOf(QStringLiteral("renamed.key")));
        ClickRow(window, renamed_row);
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(keys / "renamed.key"));
        QVERIFY(std::filesystem::exists(keys / lookalike) && std::filesystem::exists(keys / utf8));

        // Such a folder can be entered, and comes back after a restart.
        Enter(window, QStringLiteral("Папка"));
        QCOMPARE(window.DirectoryListBox1->Directory(), keys / "\xCF\xE0\xEF\xEA\xE0");
        QVERIFY(fixture.dialogs().errors.isEmpty());
        fixture.Close();
        QCOMPARE(fixture.Start().DirectoryListBox1->Directory(), keys / "\xCF\xE0\xEF\xEA\xE0");
    }

    void enteringAFolderCouplesTheLists() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        QCOMPARE(QDir::currentPath(), keys);
        QCOMPARE(FileNames(window), (QStringList{QStringLiteral("a.key"), QStringLiteral("b.key")}));
        QCOMPARE(window.Label3->text(), keys);

        SelectFile(window, QStringLiteral("b.key"));
        QCOMPARE(sorvane::ShownPath(window.FileListBox1->FileName()), keys + QStringLiteral("/b.key"));
        // Entering the subfolder by keyboard clears the selection; so does coming back.
        Enter(window, QStringLiteral("sub"));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys + QStringLiteral("/sub"));
        QVERIFY(window.FileListBox1->FileName().empty());
        Enter(window, QStringLiteral("keys"));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
        QVERIFY(window.FileListBox1->FileName().empty());
    }

    void theFilterListChangesTheMask() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        QCOMPARE(window.FilterComboBox1->count(), 3);
        QCOMPARE(window.FilterComboBox1->itemText(0), QStringLiteral("Key files (*.key)"));
        window.FilterComboBox1->setCurrentIndex(2);
        emit window.FilterComboBox1->activated(2);
        QCOMPARE(FileNames(window), (QStringList{QStringLiteral("a.key"), QStringLiteral("b.key"),
                                                 QStringLiteral("notes.txt"), QStringLiteral("plain")}));
        SelectFile(window, QStringLiteral("plain"));
        QTest::mouseClick(window.Button5, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("plain"));
        emit window.FilterComboBox1->activated(1);
        QCOMPARE(FileNames(window), QStringList{QStringLiteral("notes.txt")});
    }

    void settingTheSameOrAnEmptyFolderDoesNothingAndAMissingOneIsAnError() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        SelectFile(window, QStringLiteral("a.key"));
        window.DirectoryListBox1->SetDirectory(u"");
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        QVERIFY(!window.FileListBox1->FileName().empty());
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 window.DirectoryListBox1->SetDirectory(ToU16(keys + QStringLiteral("/gone"))));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
    }

    void button3GoesToTheProgramFolderAndKeepsTheSelectionThere() {
        WindowFixture fixture;
        WriteFile(fixture.ProgramPath(QStringLiteral("m.key")), "x\r\n");
        TForm1& window = fixture.Start();
        QTest::mouseClick(window.Button3, Qt::LeftButton);
        const QString program = QFileInfo(fixture.ProgramPath()).canonicalFilePath();
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), program);
        SelectFile(window, QStringLiteral("m.key"));
        QTest::mouseClick(window.Button3, Qt::LeftButton);
        QCOMPARE(sorvane::ShownPath(window.FileListBox1->FileName()), program + QStringLiteral("/m.key"));
    }

    void button5CopiesTheNameWithoutExtension() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        window.Edit1->setText(QStringLiteral("typed"));
        QTest::mouseClick(window.Button5, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, QStringList{QStringLiteral("Файл не выбран")});
        QCOMPARE(window.Edit1->text(), QStringLiteral("typed"));
        SelectFile(window, QStringLiteral("b.key"));
        QTest::mouseClick(window.Button5, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("b"));
        QCOMPARE(window.Edit2->text(), QStringLiteral("b"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b"));
    }

    void label3CopiesTheFolderNameAndTheRootWhole() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        QTest::mouseClick(window.Label3, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("keys"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("keys"));
        window.DirectoryListBox1->SetDirectory(u"/");
        QTest::mouseClick(window.Label3, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("/"));
        QCOMPARE(window.Edit2->text(), QStringLiteral("/"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("/"));
    }

    void pickingTheDriveShownLeavesFolderAndSelection() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(keys));
        SelectFile(window, QStringLiteral("a.key"));
        auto* drives = window.DriveComboBox1;
        const int shown = drives->currentIndex();
        QVERIFY(shown >= 0);
        drives->setFocus();
        drives->showPopup();
        drives->view()->setCurrentIndex(drives->model()->index(shown, 0));
        QTest::keyClick(drives->view(), Qt::Key_Return);
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), keys);
        QCOMPARE(sorvane::ShownPath(window.FileListBox1->FileName()), keys + QStringLiteral("/a.key"));
        QCOMPARE(drives->currentIndex(), shown);
    }

    void aFolderEnteredThroughALinkKeepsItsPathAndOnlyTheLinkIsDeleted() {
        WindowFixture fixture;
        const QString keys = MakeKeysFolder(fixture);
        const QString link = QFileInfo(fixture.DataPath()).canonicalFilePath() + QStringLiteral("/link");
        QVERIFY(QFile::link(keys, link));
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(link));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), link);
        QCOMPARE(window.Label3->text(), link);
        QCOMPARE(FileNames(window), (QStringList{QStringLiteral("a.key"), QStringLiteral("b.key")}));
        Enter(window, QStringLiteral("sub"));
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), link + QStringLiteral("/sub"));
        Enter(window, QStringLiteral("link"));

        window.ComboBox4->setCurrentIndex(1);
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), QFileInfo(link).path());
        QVERIFY(!QFileInfo(link).isSymLink() && !QFileInfo::exists(link));
        QCOMPARE(QDir(keys).entryList(QDir::Files | QDir::Hidden).size(), 5);  // the tree it pointed to is whole
        QVERIFY(QFileInfo(keys + QStringLiteral("/sub")).isDir());
    }

    void theHomeFolderAndTheVolumeRootsAreNeverDeletedOrRenamed() {
        WindowFixture fixture;
        const QString home = QFileInfo(fixture.DataPath()).canonicalFilePath() + QStringLiteral("/home");
        const QString volume = QFileInfo(fixture.DataPath()).canonicalFilePath() + QStringLiteral("/volume");
        for (const QString& folder : {home, volume}) {
            QDir().mkpath(folder + QStringLiteral("/keys"));
            WriteFile(folder + QStringLiteral("/keys/a.key"), "x\r\n");
        }
        const QByteArray saved_home = qgetenv("HOME");
        qputenv("HOME", home.toUtf8());
        TForm1& window = fixture.Start();
        window.DriveComboBox1->addItem(volume);  // as the drive list offers a mounted volume
        window.ComboBox4->setCurrentIndex(1);
        window.Edit3->setText(QStringLiteral("renamed"));
        const QString link_to_home = QFileInfo(fixture.DataPath()).canonicalFilePath() + QStringLiteral("/to-home");
        QVERIFY(QFile::link(QFileInfo(home).path(), link_to_home));
        struct Case {
            QString folder;  // entered as typed
            QString refusal_to_delete, refusal_to_rename;
        };
        const QList<Case> cases = {
            {home, QStringLiteral("Нельзя удалить домашнюю директорию"),
             QStringLiteral("Нельзя переименовать домашнюю директорию")},
            {home + QStringLiteral("/"), QStringLiteral("Нельзя удалить домашнюю директорию"),
             QStringLiteral("Нельзя переименовать домашнюю директорию")},
            // The same folder by another path, through a link above it.
            {link_to_home + QStringLiteral("/home"), QStringLiteral("Нельзя удалить домашнюю директорию"),
             QStringLiteral("Нельзя переименовать домашнюю директорию")},
            {volume, QStringLiteral("Нельзя удалить точку монтирования"),
             QStringLiteral("Нельзя переименовать точку монтирования")},
            {QStringLiteral("/"), QStringLiteral("Нельзя удалить корневую директорию"),
             QStringLiteral("Нельзя переименовать корневую директорию")},
        };
        for (const Case& test : cases) {
            window.DirectoryListBox1->SetDirectory(ToU16(test.folder));
            const QString shown = sorvane::ShownPath(window.DirectoryListBox1->Directory());
            fixture.dialogs().informations.clear();
            QTest::mouseClick(window.Button7, Qt::LeftButton);
            QTest::mouseClick(window.Button8, Qt::LeftButton);
            QCOMPARE(fixture.dialogs().informations, (QStringList{test.refusal_to_delete, test.refusal_to_rename}));
            QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), shown);
        }
        qputenv("HOME", saved_home);
        for (const QString& folder : {home, volume}) QVERIFY(QFile::exists(folder + QStringLiteral("/keys/a.key")));
        QVERIFY(fixture.dialogs().errors.isEmpty());
        // A folder inside them may go.
        window.DirectoryListBox1->SetDirectory(ToU16(volume + QStringLiteral("/keys")));
        QTest::mouseClick(window.Button7, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(volume + QStringLiteral("/keys")));
    }

    void aWorkingFolderThatCannotBeListedStillOpensTheWindow() {
        if (::geteuid() == 0) QSKIP("root lists every folder");
        WindowFixture fixture;
        const QString locked = fixture.DataPath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QVERIFY(QDir::setCurrent(locked));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ExeOwner));  // can be entered, not listed
        TForm1& window = fixture.Start();
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), QDir::homePath());
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void theLabelShortensALongPath() {
        WindowFixture fixture;
        const QString deep = fixture.DataPath(QStringLiteral("a-rather-long-folder-name/another-long-folder/keys"));
        QDir().mkpath(deep);
        TForm1& window = fixture.Start();
        window.DirectoryListBox1->SetDirectory(ToU16(deep));
        QVERIFY(window.Label3->text().startsWith(QStringLiteral("/.../")) ||
                window.Label3->text().startsWith(QStringLiteral("...")));
        QVERIFY(window.Label3->text().endsWith(QStringLiteral("/keys")));
        QVERIFY(window.Label3->width() <= window.DirectoryListBox1->width() + 2);
    }
};

QTEST_MAIN(FolderPanelTest)
#include "folder_panel_test.moc"
