// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, its two layouts, the list-width trade and the masking faces.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWheelEvent>
#include <QtTest>

#include <utility>

#include "ui/fonts.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"
#include "ui/range_spin_box.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::test_support::WindowFixture;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private:
    static QRect Geometry(TForm1& window, const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
    }

private slots:
    void controlsHaveTheirNamesTextsAndPlaces() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Sorvane 2.2"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
                 QStringLiteral("Скопировать ключ из файла в буфер обмена"));
        QCOMPARE(Geometry(window, "Button1"), QRect(2, 95, 249, 30));
        QCOMPARE(Geometry(window, "Edit4"), QRect(16, 15, 209, 21));  // inside GroupBox1
        QCOMPARE(window.Edit4->parentWidget(), window.GroupBox1);
        QCOMPARE(window.Edit1->text(), window.Edit2->text());
        QCOMPARE(window.Edit1->text().size(), 3);
        QCOMPARE(window.Button11->toolTip(), QStringLiteral("Используйте \"Сжать окно для востановления\""));
        QCOMPARE(window.ComboBox1->currentText(), QStringLiteral("Английские"));
        QCOMPARE(window.ComboBox2->currentIndex(), 0);
        QCOMPARE(window.ComboBox3->currentText(), QStringLiteral("Цифры"));
        QCOMPARE(window.ComboBox4->currentText(), QStringLiteral("Файл"));
        QVERIFY(window.ComboBox5->isEditable());
        QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(window.font().pixelSize(), 11);
        // A fixed frame: the user cannot drag another size.
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    void layouts_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("drive");
        QTest::addColumn<QRect>("button3");
        QTest::addColumn<QPoint>("label3");
        QTest::addColumn<QRect>("folders");
        QTest::addColumn<QRect>("files");
        QTest::newRow("collapsed") << QStringLiteral("Сжать окно") << QSize(260, 490) << QRect(1, 298, 120, 19)
                                   << QRect(119, 298, 130, 19) << QPoint(2, 316) << QRect(2, 330, 120, 60)
                                   << QRect(128, 330, 120, 60);
        QTest::newRow("expanded") << QStringLiteral("Развернуть окно") << QSize(512, 490) << QRect(255, 2, 120, 19)
                                  << QRect(374, 2, 130, 19) << QPoint(255, 20) << QRect(255, 34, 247, 174)
                                  << QRect(255, 214, 247, 243);
    }

    void layouts() {
        QFETCH(QString, mode);
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        // Start from the other layout, then type the text in, as the user would.
        window.ComboBox5->setEditText(mode == QStringLiteral("Сжать окно") ? QStringLiteral("Развернуть окно")
                                                                           : QStringLiteral("Сжать окно"));
        window.ComboBox5->lineEdit()->clear();
        sorvane::test_support::TypeText(window.ComboBox5->lineEdit(), mode);
        QTEST(QSize(window.OuterWidth(), window.OuterHeight()), "outer");
        QTEST(Geometry(window, "DriveComboBox1"), "drive");
        QTEST(Geometry(window, "Button3"), "button3");
        QTEST(Geometry(window, "Label3").topLeft(), "label3");
        QTEST(Geometry(window, "DirectoryListBox1"), "folders");
        QTEST(Geometry(window, "FileListBox1"), "files");
    }

    void otherTextsChangeNothing() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        const QSize before(window.OuterWidth(), window.OuterHeight());
        for (const QString& text : {QStringLiteral("сжать окно"), QStringLiteral("Сжать окно "), QStringLiteral("x")}) {
            window.ComboBox5->setEditText(text);
            QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), before);
            QCOMPARE(Geometry(window, "FileListBox1"), QRect(255, 214, 247, 243));
        }
    }

    void comboBox5SwitchesOnlyOnAWholeTypedItemAndKeepsATrailingBlank() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* edit = window.ComboBox5->lineEdit();
        edit->setFocus();
        edit->clear();
        // One letter is not completed into an item, and switches nothing.
        sorvane::test_support::TypeText(edit, QStringLiteral("С"));
        QCOMPARE(edit->text(), QStringLiteral("С"));
        QCOMPARE(window.OuterWidth(), 512);
        sorvane::test_support::TypeText(edit, QStringLiteral("жать окно"));
        QCOMPARE(window.OuterWidth(), 260);
        // A trailing blank is typed at the end, and the layout stays.
        sorvane::test_support::TypeText(edit, QStringLiteral(" "));
        QCOMPARE(edit->text(), QStringLiteral("Сжать окно "));
        QCOMPARE(window.ComboBox5->currentIndex(), -1);
        QCOMPARE(window.OuterWidth(), 260);
    }

    void pickingTheItemShownAppliesItsLayoutAgain() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        window.ComboBox5->setCurrentIndex(0);  // "Сжать окно"
        QTest::mouseClick(window.Button11, Qt::LeftButton);
        QCOMPARE(Geometry(window, "DirectoryListBox1").width(), 220);
        // Picked from the list by keyboard, as Button11's hint tells the user to.
        window.ComboBox5->setFocus();
        window.ComboBox5->showPopup();
        QAbstractItemView* list = window.ComboBox5->view();
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Geometry(window, "DirectoryListBox1"), QRect(2, 330, 120, 60));
        QCOMPARE(Geometry(window, "FileListBox1"), QRect(128, 330, 120, 60));
    }

    void theSelectedItemFollowsTheText() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        for (QComboBox* box :
             {window.ComboBox1, window.ComboBox2, window.ComboBox3, window.ComboBox4, window.ComboBox5}) {
            const QString last = box->itemText(box->count() - 1);
            box->lineEdit()->clear();
            sorvane::test_support::TypeText(box->lineEdit(), last);
            QCOMPARE(box->currentIndex(), box->count() - 1);
            sorvane::test_support::TypeText(box->lineEdit(), QStringLiteral("x"));
            QCOMPARE(box->currentIndex(), -1);
            QCOMPARE(box->currentText(), last + QStringLiteral("x"));
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
            QCOMPARE(box->currentIndex(), box->count() - 1);
            box->setEditText(box->itemText(0).toUpper());  // letter case counts
            QCOMPARE(box->currentIndex(), -1);
        }
    }

    void aWheelOverAnUnfocusedBoxChangesNothing() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        const auto turn = [](QWidget* widget) {
            // As the platform's wheel delivers it: a box that takes the focus by wheel gets it first.
            for (QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
                if ((w->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) {
                    w->setFocus(Qt::MouseFocusReason);
                    break;
                }
            }
            QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(widget, &wheel);
        };
        window.Button1->setFocus();
        const QString folder = sorvane::ShownPath(window.DirectoryListBox1->Directory());
        for (QComboBox* box : window.findChildren<QComboBox*>()) {
            const int index = box->currentIndex();
            turn(box);
            turn(box->isEditable() ? static_cast<QWidget*>(box->lineEdit()) : box);
            QCOMPARE(box->currentIndex(), index);
        }
        QCOMPARE(sorvane::ShownPath(window.DirectoryListBox1->Directory()), folder);  // the drive list too
        turn(window.SpinEdit1);
        QCOMPARE(window.SpinEdit1->value(), 7);
        QCOMPARE(window.ComboBox4->currentText(), QStringLiteral("Файл"));
    }

    void aPlaceOffEveryScreenComesBackOntoThePrimaryOne_data() {
        QTest::addColumn<QByteArray>("place");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("on the screen") << QByteArray("left=100\ntop=50") << QPoint(100, 50);
        QTest::newRow("partly on the screen") << QByteArray("left=-400\ntop=100") << QPoint(-400, 100);
        QTest::newRow("far right and below") << QByteArray("left=5000\ntop=5000") << QPoint(0, 0);
        QTest::newRow("left of the screen") << QByteArray("left=-500\ntop=0") << QPoint(0, 0);
        QTest::newRow("above the screen") << QByteArray("left=0\ntop=-100") << QPoint(0, 0);
        QTest::newRow("int limits") << QByteArray("left=2147483647\ntop=-2147483648") << QPoint(0, 0);
        QTest::newRow("int limits, other corner") << QByteArray("left=-2147483648\ntop=2147483647") << QPoint(0, 0);
    }

    void aPlaceOffEveryScreenComesBackOntoThePrimaryOne() {
        QFETCH(QByteArray, place);
        WindowFixture fixture;
        fixture.WriteSettings("[FORM1]\n" + place + "\n");
        TForm1& window = fixture.Start();
        const QPoint primary = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        QFETCH(QPoint, expected);
        QCOMPARE(window.pos(), expected + primary);
        QCOMPARE(QSize(window.OuterWidth(), window.OuterHeight()), QSize(512, 490));
    }

    void sizesAtTheLimitsOfIntDoNotOverflow() {
        WindowFixture fixture;
        fixture.WriteSettings("[FORM1]\nwidth=-2147483648\nheight=-2147483648\nWindowState=other\n");
        TForm1& window = fixture.Start();
        QCOMPARE(window.size(), QSize(0, 0));
        QCOMPARE(window.pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    }

    void button11TradesWidthInTheCollapsedLayoutOnly() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        window.ComboBox5->setEditText(QStringLiteral("Сжать окно"));
        QTest::mouseClick(window.Button11, Qt::LeftButton);
        QCOMPARE(Geometry(window, "DirectoryListBox1"), QRect(2, 330, 220, 60));
        QCOMPARE(Geometry(window, "FileListBox1"), QRect(128, 330, 20, 60));
        QTest::mouseClick(window.Button11, Qt::LeftButton);
        QCOMPARE(Geometry(window, "DirectoryListBox1"), QRect(2, 330, 20, 60));
        QCOMPARE(Geometry(window, "FileListBox1"), QRect(20, 330, 230, 60));
        QTest::mouseClick(window.Button11, Qt::LeftButton);
        QCOMPARE(Geometry(window, "DirectoryListBox1"), QRect(2, 330, 220, 60));
        window.ComboBox5->setEditText(QStringLiteral("Развернуть окно"));
        QTest::mouseClick(window.Button11, Qt::LeftButton);
        QCOMPARE(Geometry(window, "DirectoryListBox1"), QRect(255, 34, 247, 174));
        QCOMPARE(Geometry(window, "FileListBox1"), QRect(255, 214, 247, 243));
    }

    void maskingFacesFollowRadioButtonsAndCheckBox1MouseUp() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        QCOMPARE(window.Edit1->font().family(), sorvane::kMaskFace);
        QCOMPARE(window.Edit2->font().family(), sorvane::kMaskFace);
        QCOMPARE(window.Edit4->font().family(), sorvane::kPlainFace);
        const QString text = window.Edit1->text();
        QTest::mouseClick(window.RadioButton2, Qt::LeftButton);
        QCOMPARE(window.Edit1->font().family(), sorvane::kPlainFace);
        QCOMPARE(window.Edit2->font().family(), sorvane::kPlainFace);
        QCOMPARE(window.Edit1->text(), text);
        QTest::mouseClick(window.RadioButton1, Qt::LeftButton);
        QCOMPARE(window.Edit1->font().family(), sorvane::kMaskFace);

        // The keyboard toggles the mark but not the face; a mouse release applies it.
        window.CheckBox1->setFocus();
        QTest::keyClick(window.CheckBox1, Qt::Key_Space);
        QVERIFY(window.CheckBox1->isChecked());
        QCOMPARE(window.Edit4->font().family(), sorvane::kPlainFace);
        QTest::mouseClick(window.CheckBox1, Qt::RightButton);
        QCOMPARE(window.Edit4->font().family(), sorvane::kMaskFace);
        QTest::mouseClick(window.CheckBox1, Qt::LeftButton);
        QVERIFY(!window.CheckBox1->isChecked());
        QCOMPARE(window.Edit4->font().family(), sorvane::kPlainFace);
    }

    void theMaskingFaceReallyHides() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        const auto picture = [&](const QString& text) {
            window.Edit1->setText(text);
            window.Edit1->setCursorPosition(0);
            window.Edit1->deselect();
            return window.Edit1->grab().toImage();
        };
        const QString first = QStringLiteral("Ab3 Жё€漢'\"~ \U0001F600");
        const QString second = QStringLiteral("zZ9 юЯ$字!a? \U0001F511");
        QCOMPARE(first.size(), second.size());
        QCOMPARE(picture(first), picture(second));
        QTest::mouseClick(window.RadioButton2, Qt::LeftButton);
        QVERIFY(picture(first) != picture(second));
    }

    // No character falls back to another font: in and out of the face's map, in every plane.
    void everyCharacterShowsTheMask_data() {
        QTest::addColumn<char32_t>("code");
        const std::pair<const char*, char32_t> samples[] = {
            {"Latin", U'A'},
            {"Cyrillic", U'Ж'},
            {"CJK", U'漢'},
            {"Hangul", U'한'},
            {"Arabic", U'ب'},
            {"Hebrew", U'א'},
            {"Thai", U'ก'},
            {"Devanagari", U'क'},
            {"private use", U'\uE000'},
            {"replacement", U'\uFFFD'},
            {"emoji", U'\U0001F600'},
            {"musical", U'\U0001D11E'},
            {"CJK extension B", U'\U00020000'},
            {"plane 15 private use", U'\U000F0000'},
            {"last private use", U'\U0010FFFD'},
        };
        for (const auto& [name, code] : samples) QTest::newRow(name) << code;
    }

    void everyCharacterShowsTheMask() {
        QFETCH(char32_t, code);
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        const auto picture = [&](const QString& text) {
            window.Edit1->setText(text);
            window.Edit1->setCursorPosition(0);
            window.Edit1->deselect();
            return window.Edit1->grab().toImage();
        };
        const QString text = QStringLiteral("x") + QString::fromUcs4(&code, 1);
        QCOMPARE(picture(text), picture(QStringLiteral("xx")));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
