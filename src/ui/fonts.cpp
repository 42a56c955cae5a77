#include "ui/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace sorvane {

void SetFace(QWidget* widget, const QString& face) {
    QFont font = widget->font();
    font.setFamilies({face});
    const bool masking = face == kMaskFace;
    font.setHintingPreference(masking ? QFont::PreferNoHinting : QFont::PreferDefaultHinting);
    font.setStyleStrategy(masking ? QFont::NoFontMerging : QFont::PreferDefault);
    widget->setFont(font);
}

int RegisterFontFile(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id >= 0) {
        // A font resolved before its face was registered stays on the stand-in face (and an edit
        // box keeps its text laid out in it): each window takes its font afresh, and so its widgets.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->testAttribute(Qt::WA_SetFont)) continue;
            const QFont font = window->font();
            window->setFont(QFont());
            window->setFont(font);
        }
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent change(QEvent::FontChange);
            QApplication::sendEvent(widget, &change);
        }
    }
    return id;
}

void ReleaseFontFile(int id) {
    if (id >= 0) QFontDatabase::removeApplicationFont(id);
}

void MapPlainFaceUnlessShipped(const QString& program_directory) {
    if (QFile::exists(program_directory + QStringLiteral("tahoma.ttf"))) return;
    const QStringList installed = QFontDatabase::families();
    for (const QString& candidate : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                     QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")}) {
        if (installed.contains(candidate)) {
            QFont::insertSubstitution(kPlainFace, candidate);
            return;
        }
    }
}

}  // namespace sorvane
