// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editable_combo_box.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

namespace sorvane {
namespace {

// Lent for a moment to every new box's line edit: QComboBox gives a line edit without a completer
// one of its own, over the items, which costs more than the box itself at every start.
QCompleter* LentCompleter() {
    static QPointer<QCompleter> lent;
    if (!lent) lent = new QCompleter(QCoreApplication::instance());
    return lent;
}

}  // namespace

EditableComboBox::EditableComboBox(QWidget* parent, const QString& text, const QStringList& items) : QComboBox(parent) {
    // Made editable through a line edit of our own: setEditable would build the drop-down list at
    // once rather than when it first drops. No completer stays: one typed letter must not become a
    // whole item.
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette());
    edit->setCompleter(LentCompleter());
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);  // typed texts are not added as items
    addItems(items);
    // The line edit's own signal, so that a text set while the box's signals are blocked counts too.
    connect(lineEdit(), &QLineEdit::textChanged, this, &EditableComboBox::SelectItemOfText);
    // A narrow box shows the start of a picked item, not its end; typing keeps the cursor where it is.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!following_text_) lineEdit()->home(false);
    });
    setEditText(text);
}

void EditableComboBox::SelectItemOfText() {
    if (following_text_) return;
    const QString text = lineEdit()->text();
    const int index = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index == currentIndex()) return;
    following_text_ = true;
    if (index >= 0) {
        setCurrentIndex(index);  // the text is the item's already: the line edit is left alone
    } else {
        // QComboBox empties the line edit when it loses its item: give the text and cursor back,
        // without telling anyone about the passing empty text.
        const QSignalBlocker quiet(this);
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(-1);
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    following_text_ = false;
}

}  // namespace sorvane
