// SPDX-License-Identifier: GPL-3.0-or-later
// The key boxes and the master field: copies and cuts go on the clipboard marked as secrets, the
// primary selection never gets their text, and the text and its drawing stay as they are.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include <memory>

#include "ui/window_fixture.h"

using sorvane::TForm1;
using sorvane::test_support::WindowFixture;

namespace {

const QString kKey = QStringLiteral("ключ 7");

QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

bool MarkedAsSecret() {
    const QMimeData* data = Clipboard()->mimeData();
    return data && data->data(QStringLiteral("x-kde-passwordManagerHint")) == QByteArray("secret");
}

// What a copying key does: the part of the text that goes out and what stays in the box.
enum class Copying { kSelection, kCutSelection, kRestOfLine, kWholeLine };

}  // namespace

class SecretLineEditTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture_;

    QLineEdit* Box(const QString& name) { return fixture_->window().findChild<QLineEdit*>(name); }

private slots:
    void initTestCase() {
        fixture_ = std::make_unique<WindowFixture>();
        fixture_->Start();
    }
    void cleanupTestCase() { fixture_.reset(); }

    void everyCopyingKeyMarksTheCopyAsASecret_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<Copying>("copying");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("left");
        // Every binding this platform gives the edit box's copying commands.
        const struct {
            QKeySequence::StandardKey command;
            Copying copying;
            QString copied;
            QString left;
        } commands[] = {
            {QKeySequence::Copy, Copying::kSelection, kKey, kKey},
            {QKeySequence::Cut, Copying::kCutSelection, kKey, QString()},
            {QKeySequence::DeleteEndOfLine, Copying::kRestOfLine, QStringLiteral("юч 7"), QStringLiteral("кл")},
            {QKeySequence::DeleteCompleteLine, Copying::kWholeLine, kKey, QString()},
        };
        for (const char* box : {"Edit1", "Edit2", "Edit4"})
            for (const auto& command : commands)
                for (const QKeySequence& binding : QKeySequence::keyBindings(command.command))
                    QTest::addRow("%s %s", box, qPrintable(binding.toString()))
                        << QString::fromLatin1(box) << binding[0] << command.copying << command.copied << command.left;
    }
    void everyCopyingKeyMarksTheCopyAsASecret() {
        QFETCH(QString, box);
        QFETCH(QKeyCombination, keys);
        QFETCH(Copying, copying);
        QFETCH(QString, copied);
        QFETCH(QString, left);
        QLineEdit* edit = Box(box);
        edit->setText(kKey);
        if (copying == Copying::kRestOfLine)
            edit->setCursorPosition(2);
        else if (copying != Copying::kWholeLine)
            edit->selectAll();
        Clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(edit, keys.key(), keys.keyboardModifiers());
        QCOMPARE(Clipboard()->text(), copied);
        QVERIFY(MarkedAsSecret());
        QCOMPARE(edit->text(), left);
        // The masking is the font's alone: the box shows its own text.
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->displayText(), left);
    }

    void noContextMenuEntryCopiesUnmarked() {
        QLineEdit* edit = Box(QStringLiteral("Edit1"));
        QStringList copied_by;
        for (int entry = 0;; ++entry) {
            edit->setText(kKey);
            edit->selectAll();
            Clipboard()->setText(QStringLiteral("before"));
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(edit, &event);
            std::unique_ptr<QMenu> menu(edit->findChild<QMenu*>(QStringLiteral("qt_edit_menu")));
            QVERIFY(menu);
            if (entry == menu->actions().size()) break;
            QAction* action = menu->actions().at(entry);
            if (action->isSeparator() || !action->isEnabled()) continue;
            action->trigger();
            if (Clipboard()->text() == QStringLiteral("before")) continue;
            QVERIFY2(MarkedAsSecret(), qPrintable(action->text()));
            QCOMPARE(Clipboard()->text(), kKey);
            copied_by << action->text().section(QLatin1Char('\t'), 0, 0);
        }
        QCOMPARE(copied_by, (QStringList{QStringLiteral("Cu&t"), QStringLiteral("&Copy")}));
    }

    // The primary selection exists on X11 only; this runs under a virtual X server (see CMakeLists).
    void selectingLeavesThePrimarySelectionAlone_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("secret");
        for (const char* box : {"Edit1", "Edit2", "Edit4"})
            QTest::addRow("%s", box) << QString::fromLatin1(box) << true;
        QTest::addRow("Edit3, an ordinary box") << QStringLiteral("Edit3") << false;
    }
    void selectingLeavesThePrimarySelectionAlone() {
        if (!Clipboard()->supportsSelection()) QSKIP("this platform has no primary selection");
        QFETCH(QString, box);
        QFETCH(bool, secret);
        QLineEdit* edit = Box(box);
        edit->setText(kKey);
        const auto selections = {
            +[](QLineEdit* e) {
                // QTest's double click ends on the press; a user's ends on the release.
                QTest::mouseDClick(e, Qt::LeftButton, {}, QPoint(8, e->height() / 2));
                QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(8, e->height() / 2));
            },
            +[](QLineEdit* e) {
                QTest::keyClick(e, Qt::Key_Home);
                QTest::keyClick(e, Qt::Key_End, Qt::ShiftModifier);
            },
            +[](QLineEdit* e) { QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier); },
            +[](QLineEdit* e) {
                e->selectAll();
                QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(8, e->height() / 2));
            },
        };
        for (const auto& select : selections) {
            edit->deselect();
            Clipboard()->setText(QStringLiteral("before"), QClipboard::Selection);
            select(edit);
            QVERIFY(edit->hasSelectedText());
            if (secret)
                QCOMPARE(Clipboard()->text(QClipboard::Selection), QStringLiteral("before"));
            else
                QCOMPARE(Clipboard()->text(QClipboard::Selection), edit->selectedText());  // the leak itself
        }
        // With nothing there before, the primary selection stays empty.
        Clipboard()->clear(QClipboard::Selection);
        edit->selectAll();
        QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(8, edit->height() / 2));
        QCOMPARE(Clipboard()->text(QClipboard::Selection).isEmpty(), secret);
    }
};

QTEST_MAIN(SecretLineEditTest)
#include "secret_line_edit_test.moc"
