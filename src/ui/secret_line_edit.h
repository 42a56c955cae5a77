// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace sorvane {

// An edit box for a key or the master key. Its text never becomes the X11 primary selection, which
// every program on the display can read, and whatever is copied or cut out of it goes on the
// clipboard marked as a secret. Otherwise it is an ordinary edit box: the masking is its font's.
class SecretLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CopySelection();
    void CutSelection();
};

}  // namespace sorvane
