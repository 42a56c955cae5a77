// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include "folders/shipped_files.h"
#include "ui/qt_text.h"

namespace sorvane {

void SetFace(QWidget* widget, const QString& face) {
    QFont font = widget->font();
    font.setFamilies({face});
    const bool masking = face == kMaskFace;
    font.setHintingPreference(masking ? QFont::PreferNoHinting : QFont::PreferDefaultHinting);
    font.setStyleStrategy(masking ? QFont::NoFontMerging : QFont::PreferDefault);
    widget->setFont(font);
}

int RegisterFontFile(const QString& path) { return QFontDatabase::addApplicationFont(path); }

void ReleaseFontFile(int id) {
    if (id >= 0) QFontDatabase::removeApplicationFont(id);
}

void MapPlainFaceUnlessShipped(const QString& program_directory) {
    if (QFile::exists(ToQString(ShippedFilePath(ToU16(program_directory), u"tahoma.ttf")))) return;
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
