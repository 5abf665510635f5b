#include "platform/ui/window_order.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

bool windowOrderAvailable() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

void setKeepOnTop(QWidget* window, bool onTop)
{
    if (!window)
        return;
    QWidget* top = window->window();
    Qt::WindowFlags flags = top->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // QWidget::setWindowFlags would hide a shown window and show it again elsewhere; the
    // widget keeps the flag without that, and the native window is told directly. On X11
    // Qt turns the flag into the window manager's "above" state of a mapped window.
    top->overrideWindowFlags(flags);
    if (QWindow* native = top->windowHandle())
        native->setFlags(flags);
    if (!onTop && top->isVisible())
        top->lower();
}

bool isKeptOnTop(const QWidget* window)
{
    return window && window->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace platform
