// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's button in the window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/range_spin_box.h"
#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::test_support::WindowFixture;

class GeneratorCommandTest : public QObject {
    Q_OBJECT

private slots:
    void theStartUpChoiceGivesSevenLettersAndDigits() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        const QString password = window.Edit1->text();
        QCOMPARE(password.size(), 7);
        QCOMPARE(window.Edit2->text(), password);
        for (const QChar c : password)
            QVERIFY(c.isDigit() || (c.toLatin1() >= 'A' && c.toLatin1() <= 'z' && c.isLetter()));
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        QCOMPARE(window.Edit1->text().size(), 7);
    }

    void nothingChosenShowsTheMessageAndKeepsTheBoxes() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        window.Edit1->setText(QStringLiteral("keep"));
        for (QComboBox* box : {window.ComboBox1, window.ComboBox2, window.ComboBox3}) box->setCurrentIndex(0);
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        // A box without a selected item adds nothing: an item's text in other letter case selects none.
        window.ComboBox3->setEditText(QStringLiteral("цифры"));
        QCOMPARE(window.ComboBox3->currentIndex(), -1);
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        QCOMPARE(fixture.dialogs().informations,
                 QStringList(2, QStringLiteral("Выбранные параметры не позволяют создать пароль")));
        QCOMPARE(window.Edit1->text(), QStringLiteral("keep"));
    }

    void theLengthComesFromTheSpinBoxBroughtIntoRange() {
        WindowFixture fixture;
        TForm1& window = fixture.Start();
        window.ComboBox1->setCurrentIndex(2);  // English capitals
        window.ComboBox2->setCurrentIndex(3);  // Russian small letters
        window.ComboBox3->setCurrentIndex(0);
        window.SpinEdit1->setFocus();
        window.SpinEdit1->selectAll();
        QTest::keyClicks(window.SpinEdit1, QStringLiteral("300"));
        window.Button4->setFocus();  // the focus moves to the button before it is clicked
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        QCOMPARE(window.SpinEdit1->value(), 255);
        const QString password = window.Edit1->text();
        QCOMPARE(password.size(), 255);
        for (const QChar c : password)
            QVERIFY((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QChar(0x0430) && c <= QChar(0x044f)) ||
                    c == QChar(0x0451));
        window.SpinEdit1->setValue(1);
        QTest::mouseClick(window.Button4, Qt::LeftButton);
        QCOMPARE(window.Edit1->text().size(), 1);
    }
};

QTEST_MAIN(GeneratorCommandTest)
#include "generator_command_test.moc"
