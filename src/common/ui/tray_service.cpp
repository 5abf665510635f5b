#include "common/ui/tray_service.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {
std::optional<bool> g_trayForTests;
}

TrayService::TrayService(QWidget* window, QMenu* menu, std::function<void()> restore)
    : QObject(window), m_window(window), m_menu(menu), m_restore(std::move(restore)),
      m_icon(new QSystemTrayIcon(this))
{
    m_window->installEventFilter(this);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayService::activated);
    if (m_menu)
        connect(m_menu, &QMenu::aboutToHide, this, [this] { m_busy = false; });
}

bool TrayService::trayAvailable()
{
    if (g_trayForTests)
        return *g_trayForTests;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayService::setTrayAvailableForTests(std::optional<bool> available) { g_trayForTests = available; }

bool TrayService::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowStateChange && m_window->isMinimized() && trayAvailable()) {
            // Hidden once the state change is through, and only if still minimised then.
            QTimer::singleShot(0, this, [this] {
                if (m_window->isMinimized() && m_window->isVisible())
                    hideToTray();
            });
        } else if (event->type() == QEvent::Show && !event->spontaneous()) {
            // Only the program's own showing takes the icon away. Some window managers
            // withdraw a minimised window once it is hidden; Qt then takes it for no longer
            // minimised and sends it a spontaneous Show, though the window stays hidden.
            removeIcon();
        }
    }
    return QObject::eventFilter(watched, event);
}

void TrayService::hideToTray()
{
    m_window->setVisible(false);
    m_icon->setToolTip(m_window->windowTitle());
    m_icon->setIcon(m_window->windowIcon());
    m_icon->show();
}

void TrayService::removeIcon() { m_icon->hide(); }

void TrayService::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (m_busy)
        return;
    if (reason == QSystemTrayIcon::DoubleClick) {
        if (m_restore)
            m_restore();
    } else if (reason == QSystemTrayIcon::Context && m_menu) {
        m_busy = true;
        m_menu->popup(QCursor::pos());
        if (!m_menu->isVisible())
            m_busy = false;
    }
}

void TrayService::endProgramNow()
{
    removeIcon();
    QCoreApplication::exit(0);
}

} // namespace ui
