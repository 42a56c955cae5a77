// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/secret_line_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <optional>

#include "ui/clipboard.h"

namespace sorvane {
namespace {

// Qt's edit box offers its selection as the primary selection at the end of every key press and
// left-button release, with no switch for it short of a password echo mode. Around one such event,
// this puts back what the primary selection held before, or clears it when another program held
// it. The event loop does not run in between, so no other program can ask for the text meanwhile.
class PrimarySelectionKept {
public:
    PrimarySelectionKept() {
        if (!clipboard_->supportsSelection()) return;
        if (clipboard_->ownsSelection()) before_ = clipboard_->text(QClipboard::Selection);
        watch_ = QObject::connect(clipboard_, &QClipboard::selectionChanged, [this] { changed_ = true; });
    }
    ~PrimarySelectionKept() {
        QObject::disconnect(watch_);
        if (!changed_) return;
        if (before_)
            clipboard_->setText(*before_, QClipboard::Selection);
        else
            clipboard_->clear(QClipboard::Selection);
    }
    PrimarySelectionKept(const PrimarySelectionKept&) = delete;
    PrimarySelectionKept& operator=(const PrimarySelectionKept&) = delete;

private:
    QClipboard* clipboard_ = QGuiApplication::clipboard();
    std::optional<QString> before_;
    QMetaObject::Connection watch_;
    bool changed_ = false;
};

}  // namespace

void SecretLineEdit::keyPressEvent(QKeyEvent* event) {
    // The key sequences with which Qt's edit box copies; all else goes to it unchanged.
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
    } else if (event->matches(QKeySequence::Cut)) {
        CutSelection();
    } else if (event->matches(QKeySequence::DeleteEndOfLine) || event->matches(QKeySequence::DeleteCompleteLine)) {
        // These cut the rest of the line or the whole line.
        if (!isReadOnly()) {
            if (event->matches(QKeySequence::DeleteEndOfLine))
                setSelection(cursorPosition(), static_cast<int>(text().size()) - cursorPosition());
            else
                selectAll();
            CutSelection();
        }
    } else {
        const PrimarySelectionKept kept;
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SecretLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    const PrimarySelectionKept kept;
    QLineEdit::mouseReleaseEvent(event);
}

void SecretLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's own copy and cut would go around the secret mark. Qt 6.4 names neither action;
    // their captions are Qt's own translated texts followed by the shortcut.
    const QString copy = QLineEdit::tr("&Copy");
    const QString cut = QLineEdit::tr("Cu&t");
    for (QAction* action : menu->actions()) {
        const QString caption = action->text().section(QLatin1Char('\t'), 0, 0);
        if (caption != copy && caption != cut) continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this,
                [this, cutting = caption == cut] { cutting ? CutSelection() : CopySelection(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void SecretLineEdit::CopySelection() {
    if (hasSelectedText()) SetClipboardSecret(selectedText());
}

void SecretLineEdit::CutSelection() {
    if (isReadOnly() || !hasSelectedText()) return;
    CopySelection();
    del();
}

}  // namespace sorvane
