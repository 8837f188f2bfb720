#include "GameStyle.h"

#include "Art.h"

#include <QApplication>

#include <array>

namespace bmd::ui {

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    const bool horizontal = icon == SP_ToolBarHorizontalExtensionButton;
    if (!horizontal && icon != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(icon, option, widget);
    }
    const QString name = horizontal ? (QApplication::isRightToLeft() ? QStringLiteral("h-rtl") : QStringLiteral("h"))
                                    : QStringLiteral("v");
    QIcon arrows;
    const std::array<int, 3> sizes = horizontal ? std::array{8, 16, 32} : std::array{5, 10, 20};
    for (const int size : sizes) {
        arrows.addPixmap(art::ReadPng(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png").arg(name).arg(size)));
    }
    return arrows;
}

} // namespace bmd::ui
