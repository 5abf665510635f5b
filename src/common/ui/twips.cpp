#include "common/ui/twips.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ui {

void placeTw(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twRect(left, top, width, height));
}

QColor bgr(std::uint32_t value)
{
    if (value & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (value & 0xFFu) {
        case 0x05:
            return pal.color(QPalette::Base);
        case 0x08:
            return pal.color(QPalette::Text);
        case 0x0F:
            return pal.color(QPalette::Button);
        case 0x12:
            return pal.color(QPalette::ButtonText);
        case 0x18:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace ui
