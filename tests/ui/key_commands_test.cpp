// SPDX-License-Identifier: GPL-3.0-or-later
// The key commands end to end, with real files in temporary folders.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

#include <cerrno>

#include "cipher/builtin_chain.h"
#include "fileio/syscalls.h"
#include "keystore/key_file.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::ToQString;
using sorvane::ToU16;
using sorvane::test_support::FileNames;
using sorvane::test_support::ReadFile;
using sorvane::test_support::SelectFile;
using sorvane::test_support::StartInKeysFolder;
using sorvane::test_support::WindowFixture;
using sorvane::test_support::WriteFile;

namespace {

const QString kNoFile = QStringLiteral("Файл не выбран");
const QString kKeysDiffer = QStringLiteral("Пароль введен не верно - введите и подтвердите пароль");
const QString kEmptyMaster = QStringLiteral("Мастер-ключ пуст");

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

int FailingFsync(int) {
    errno = EIO;
    return -1;
}

}  // namespace

class KeyCommandsTest : public QObject {
    Q_OBJECT

private:
    static void SetKeys(TForm1& window, const QString& key, const QString& confirmation) {
        window.Edit1->setText(key);
        window.Edit2->setText(confirmation);
    }

private slots:
    void copyAndWriteRefuseWithoutASelectionFirst() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        SetKeys(window, QStringLiteral("one"), QStringLiteral("two"));
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, (QStringList{kNoFile, kNoFile}));
        QCOMPARE(window.Edit1->text(), QStringLiteral("one"));
        QCOMPARE(Clipboard(), QStringLiteral("before"));
    }

    void writeRefusesKeysThatDifferEvenByCaseOrABlank() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        SelectFile(window, QStringLiteral("a.key"));
        for (const QString& confirmation : {QStringLiteral("Secret"), QStringLiteral("secret ")}) {
            SetKeys(window, QStringLiteral("secret"), confirmation);
            QTest::mouseClick(window.Button2, Qt::LeftButton);
        }
        QCOMPARE(fixture.dialogs().informations, (QStringList{kKeysDiffer, kKeysDiffer}));
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
    }

    void writeThenCopyUnderATypedMasterKey() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        window.Edit4->setText(QStringLiteral("мастер"));
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("Ключ \"7\" ~"), QStringLiteral("Ключ \"7\" ~"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations,
                 QStringList{QStringLiteral("Пароль записан в файл a.key и скопирован в буфер обмена")});
        QCOMPARE(Clipboard(), QStringLiteral("Ключ \"7\" ~"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("x-kde-passwordManagerHint")),
                 QByteArray("secret"));
        const QByteArray stored = ReadFile(fixture.DataPath(QStringLiteral("keys/a.key")));
        QVERIFY(stored.endsWith("\r\n"));
        QVERIFY(!stored.contains("7\" ~"));
        QVERIFY(!FileNames(window).isEmpty() && !window.FileListBox1->FileName().empty());  // not re-read

        SetKeys(window, QString(), QString());
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("Ключ \"7\" ~"));
        QCOMPARE(window.Edit2->text(), window.Edit1->text());
        QCOMPARE(Clipboard(), window.Edit1->text());
        QVERIFY(window.Edit4->toolTip().isEmpty());  // a typed master key sets no hint

        // With the master field emptied, the copy gives the stored line itself.
        window.Edit4->clear();
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(),
                 ToQString(sorvane::ReadKeyLine(ToU16(fixture.DataPath(QStringLiteral("keys/a.key"))))));
    }

    void plainKeysAreStoredAsTyped() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("Пароль №1 €"), QStringLiteral("Пароль №1 €"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("\xCF\xE0\xF0\xEE\xEB\xFC \xB9"
                                                                                      "1 \x88\r\n"));
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("Пароль №1 €"));
    }

    // A key that would not come back as typed is refused by write and create, after their own checks,
    // and nothing is written or copied.
    void keysThatWouldNotComeBackUnchangedAreRefused_data() {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        const QString plain = QStringLiteral(" нельзя сохранить без изменений в файле без мастер-ключа");
        const QString encoded = QStringLiteral(" нельзя сохранить без изменений под мастер-ключом");
        QTest::newRow("plain, no Windows-1251 byte")
            << QString() << QStringLiteral("ключ 漢字 😀 漢")
            << QStringLiteral("Пароль не записан: символы «漢», «字», «😀»") + plain;
        QTest::newRow("plain, a line break")
            << QString() << QStringLiteral("one\ntwo") << QStringLiteral("Пароль не записан: символ U+000A") + plain;
        QTest::newRow("encoded, outside the table") << QStringLiteral("мастер") << QStringLiteral("it's €")
                                                    << QStringLiteral("Пароль не записан: символы «'», «€»") + encoded;
        QTest::newRow("encoded, the end-of-file byte") << QStringLiteral("мастер") << QStringLiteral("a\x1a")
                                                       << QStringLiteral("Пароль не записан: символ U+001A") + encoded;
    }
    void keysThatWouldNotComeBackUnchangedAreRefused() {
        QFETCH(QString, master);
        QFETCH(QString, key);
        QFETCH(QString, message);
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        window.Edit4->setText(master);
        SelectFile(window, QStringLiteral("a.key"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        SetKeys(window, key, key + QLatin1Char('x'));
        QTest::mouseClick(window.Button2, Qt::LeftButton);  // the confirmation is tested first
        SetKeys(window, key, key);
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        window.Edit3->setText(QStringLiteral("new.key"));
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, (QStringList{kKeysDiffer, message, message}));
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
        QVERIFY(!QFile::exists(fixture.DataPath(QStringLiteral("keys/new.key"))));
        QCOMPARE(Clipboard(), QStringLiteral("before"));
    }

    void theMasterKeyFileFlow() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString master_file = fixture.DataPath(QStringLiteral("master.key"));
        window.Edit4->setText(QStringLiteral("из файла"));
        fixture.dialogs().next_save = master_file;
        QTest::mouseClick(window.Button10, Qt::LeftButton);
        QCOMPARE(sorvane::Depassway(sorvane::ReadKeyLine(ToU16(master_file))), u"из файла");
        QVERIFY(fixture.dialogs().informations.isEmpty());

        fixture.dialogs().next_open = master_file;
        QTest::mouseClick(window.Button9, Qt::LeftButton);
        QCOMPARE(window.Edit4->text(), master_file);
        QVERIFY(window.Edit4->toolTip().isEmpty());  // nothing is read on choosing

        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("k1"), QStringLiteral("k1"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        SetKeys(window, QString(), QString());
        window.Edit4->setToolTip(QString());
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("k1"));
        QCOMPARE(window.Edit4->toolTip(), QStringLiteral("из файла"));
        // Stored under the file's master key: the same key typed reads it back too.
        window.Edit4->setText(QStringLiteral("из файла"));
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QStringLiteral("k1"));

        // Cancelled dialogs change nothing.
        QTest::mouseClick(window.Button9, Qt::LeftButton);
        QTest::mouseClick(window.Button10, Qt::LeftButton);
        QCOMPARE(window.Edit4->text(), QStringLiteral("из файла"));
    }

    void anEmptyMasterKeyIsRefused() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString master_file = fixture.DataPath(QStringLiteral("empty-master.key"));
        sorvane::WriteKeyLine(ToU16(master_file), sorvane::Passway(u""));
        window.Edit4->setText(master_file);
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("k"), QStringLiteral("k"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        window.Edit3->setText(QStringLiteral("new.key"));
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, (QStringList{kEmptyMaster, kEmptyMaster, kEmptyMaster}));
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
        QVERIFY(!QFile::exists(fixture.DataPath(QStringLiteral("keys/new.key"))));
        QCOMPARE(window.Edit1->text(), QStringLiteral("k"));
        QCOMPARE(Clipboard(), QStringLiteral("before"));
    }

    void anUnreadableMasterKeyFileEndsTheCommandBeforeAnythingChanges() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString fifo = fixture.DataPath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(fifo.toUtf8().constData(), 0600), 0);
        window.Edit4->setText(fifo);
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("k"), QStringLiteral("k"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().errors.size(), 2);
        QVERIFY(fixture.dialogs().errors.front().contains(QStringLiteral("pipe")));
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
        QCOMPARE(window.Edit1->text(), QStringLiteral("k"));
    }

    void aFailedWriteShowsTheErrorAndChangesNothing() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("new"), QStringLiteral("new"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        {
            const sorvane::WriteSyscalls real = sorvane::CurrentWriteSyscalls();
            sorvane::ScopedWriteSyscalls failing({real.write, &FailingFsync, real.renameat});
            QTest::mouseClick(window.Button2, Qt::LeftButton);
            window.Edit3->setText(QStringLiteral("b.key"));
            QTest::mouseClick(window.Button6, Qt::LeftButton);
        }
        QCOMPARE(fixture.dialogs().errors.size(), 2);
        QVERIFY(fixture.dialogs().errors.front().contains(QStringLiteral("a.key")));
        QVERIFY(fixture.dialogs().informations.isEmpty());
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
        QCOMPARE(Clipboard(), QStringLiteral("before"));
        QVERIFY(!window.FileListBox1->FileName().empty());  // the list was not re-read
        QCOMPARE(FileNames(window), QStringList{QStringLiteral("a.key")});
    }

    void aFailedWriteStillSetsTheMasterFieldsHint() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString master_file = fixture.DataPath(QStringLiteral("master.key"));
        sorvane::WriteKeyLine(ToU16(master_file), sorvane::Passway(u"мастер"));
        window.Edit4->setText(master_file);
        SelectFile(window, QStringLiteral("a.key"));
        SetKeys(window, QStringLiteral("new"), QStringLiteral("new"));
        window.Edit3->setText(QStringLiteral("b.key"));
        const sorvane::WriteSyscalls real = sorvane::CurrentWriteSyscalls();
        sorvane::ScopedWriteSyscalls failing({real.write, &FailingFsync, real.renameat});
        for (QPushButton* button : {window.Button2, window.Button6}) {
            window.Edit4->setToolTip(QString());
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(window.Edit4->toolTip(), QStringLiteral("мастер"));
        }
        QCOMPARE(fixture.dialogs().errors.size(), 2);
        QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/a.key"))), QByteArray("old\r\n"));
    }

    void keysAndTheMasterFieldOfAnyLengthStayWhole() {
        WindowFixture fixture;
        const QByteArray long_key(40000, 'k');
        TForm1& window = StartInKeysFolder(fixture, long_key + "\r\n");
        SelectFile(window, QStringLiteral("a.key"));
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text().size(), long_key.size());
        QCOMPARE(window.Edit2->text().size(), long_key.size());
        QCOMPARE(Clipboard().size(), long_key.size());
        // Written back under a master key just as long, and read again.
        window.Edit4->setText(QString(40000, QLatin1Char('m')));
        QCOMPARE(window.Edit4->text().size(), 40000);
        SelectFile(window, QStringLiteral("a.key"));
        QTest::mouseClick(window.Button2, Qt::LeftButton);
        SetKeys(window, QString(), QString());
        QTest::mouseClick(window.Button1, Qt::LeftButton);
        QCOMPARE(window.Edit1->text(), QString::fromLatin1(long_key));
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void aModeTextThatIsNoItemMakesTheCommandsDoNothing() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        const QString keys = fixture.DataPath(QStringLiteral("keys"));
        QDir().mkpath(keys + QStringLiteral("/sub"));
        window.DirectoryListBox1->SetDirectory(ToU16(keys + QStringLiteral("/sub")));
        window.ComboBox4->setCurrentIndex(1);
        sorvane::test_support::TypeText(window.ComboBox4->lineEdit(), QStringLiteral("x"));  // "Директорияx"
        QCOMPARE(window.ComboBox4->currentIndex(), -1);
        window.Edit3->setText(QStringLiteral("made"));
        for (QPushButton* button : {window.Button6, window.Button7, window.Button8})
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(QFileInfo(keys + QStringLiteral("/sub")).isDir());
        QVERIFY(!QFileInfo::exists(keys + QStringLiteral("/sub/made")));
        QVERIFY(!QFileInfo::exists(keys + QStringLiteral("/made")));
        QVERIFY(fixture.dialogs().informations.isEmpty());
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void createAFileChecksTheNameFirstAndReplacesWithoutAsking() {
        WindowFixture fixture;
        TForm1& window = StartInKeysFolder(fixture);
        window.Edit3->clear();
        SetKeys(window, QStringLiteral("x"), QStringLiteral("y"));
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        window.Edit3->setText(QStringLiteral("new.key"));
        QTest::mouseClick(window.Button6, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations, (QStringList{QStringLiteral("Имя файла не задано"), kKeysDiffer}));

        fixture.dialogs().informations.clear();
        SetKeys(window, QStringLiteral("k"), QStringLiteral("k"));
        for (const QString& name : {QStringLiteral("new.key"), QStringLiteral("a.key"), QStringLiteral("plain")}) {
            window.Edit3->setText(name);
            QTest::mouseClick(window.Button6, Qt::LeftButton);
            QCOMPARE(ReadFile(fixture.DataPath(QStringLiteral("keys/") + name)), QByteArray("k\r\n"));
        }
        QCOMPARE(fixture.dialogs().informations.front(),
                 QStringLiteral("Пароль записан в новый файл new.key и скопирован в буфер обмена"));
        QCOMPARE(FileNames(window), (QStringList{QStringLiteral("a.key"), QStringLiteral("new.key")}));
        QVERIFY(window.FileListBox1->FileName().empty());
        QCOMPARE(QFileInfo(fixture.DataPath(QStringLiteral("keys/new.key"))).permissions() & 0x0077, 0);
    }
};

QTEST_MAIN(KeyCommandsTest)
#include "key_commands_test.moc"
