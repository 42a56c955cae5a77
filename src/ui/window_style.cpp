// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_style.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace sorvane {
namespace {

// The title starts right of the check box column at the group's left edge.
constexpr int kTitleLeft = 18;
constexpr int kTitlePadding = 2;
constexpr int kComboArrowWidth = 14;
constexpr int kComboFrameWidth = 2;

class WindowStyle final : public QProxyStyle {
public:
    WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control == CC_GroupBox) {
            if (const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                return GroupBoxRect(*group, part);
            }
        }
        if (control == CC_ComboBox && (part == SC_ComboBoxArrow || part == SC_ComboBoxEditField)) {
            return ComboBoxRect(option->rect, part);
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    // The folder list's icons are Qt's own: looking them up in the icon theme costs about 5 ms of
    // every start.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon == SP_DirClosedIcon || icon == SP_DirOpenIcon) {
            static const QIcon closed = BuiltInIcon("dirclosed");
            static const QIcon open = BuiltInIcon("diropen");
            return icon == SP_DirOpenIcon ? open : closed;
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !group) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect frame = GroupBoxRect(*group, SC_GroupBoxFrame);
        const QRect title = GroupBoxRect(*group, SC_GroupBoxLabel);
        painter->save();
        // An etched line, broken where the title sits on it.
        painter->setClipRegion(QRegion(group->rect).subtracted(title.adjusted(-kTitlePadding, 0, kTitlePadding, 0)));
        painter->setPen(group->palette.color(QPalette::Dark));
        painter->drawRect(frame.adjusted(0, 0, -2, -2));
        painter->setPen(group->palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, -1, -1));
        painter->restore();
        drawItemText(painter, title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, group->palette,
                     group->state & State_Enabled, group->text, QPalette::WindowText);
    }

private:
    // Read by Qt's built-in PNG reader alone: a reader left to guess, or to ask the image plugins
    // whether they read PNG, loads every plugin (and libjpeg with them), a few milliseconds of
    // every start.
    static QIcon BuiltInIcon(const char* name) {
        QIcon icon;
        for (const char* size : {"16", "32"}) {
            QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                    .arg(QLatin1String(name), QLatin1String(size)),
                                "png");
            reader.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return icon;
    }

    static QRect GroupBoxRect(const QStyleOptionGroupBox& group, SubControl part) {
        const int title_height = group.fontMetrics.height();
        switch (part) {
            case SC_GroupBoxLabel:
                return {group.rect.left() + kTitleLeft, group.rect.top(),
                        group.fontMetrics.horizontalAdvance(group.text), title_height};
            case SC_GroupBoxContents:
                return group.rect.adjusted(2, title_height, -2, -2);
            case SC_GroupBoxFrame:
                return group.rect.adjusted(0, title_height / 2, 0, 0);
            default:
                return {};
        }
    }

    static QRect ComboBoxRect(const QRect& box, SubControl part) {
        if (part == SC_ComboBoxArrow) {
            return {box.right() - kComboArrowWidth + 1, box.top(), kComboArrowWidth, box.height()};
        }
        return box.adjusted(kComboFrameWidth, kComboFrameWidth, -kComboArrowWidth - kComboFrameWidth,
                            -kComboFrameWidth);
    }
};

}  // namespace

QStyle* NewWindowStyle() { return new WindowStyle; }

}  // namespace sorvane
