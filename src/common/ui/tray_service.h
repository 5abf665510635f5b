#pragma once
// Minimising into the tray, for the windows that live there (the main window and the
// beast attribute window).
//
// While the desktop offers a tray, minimising the served window hides it and puts an
// icon in the tray with the window's caption as tip and the window's own icon. A double
// click on the icon runs the window's restore action; a context click pops up the
// window's tray menu, and activity on the icon while that menu is open is dropped. When
// the program shows the window again by any path, its icon goes; whatever the window
// manager does to the hidden window leaves the icon in place. Without a tray the window
// simply minimises, so it can never be lost.

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace ui {

class TrayService : public QObject {
    Q_OBJECT
public:
    // Serves `window` (and is owned by it). `menu` is its tray menu; `restore` runs on a
    // double click on the icon.
    TrayService(QWidget* window, QMenu* menu, std::function<void()> restore);

    // Whether minimising goes to the tray: the desktop has one (tests may decide).
    static bool trayAvailable();
    static void setTrayAvailableForTests(std::optional<bool> available);

    // Hides the window and shows its icon.
    void hideToTray();
    // Removes the window's icon; the window is not touched.
    void removeIcon();
    bool iconShown() const { return m_icon->isVisible(); }
    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }
    // True while the tray menu is open.
    bool busy() const { return m_busy; }

    // The tray's report of mouse activity on the icon.
    void activated(QSystemTrayIcon::ActivationReason reason);

    // Ends the program at once: removes the icon, then leaves the event loop without
    // running any window's close handler.
    void endProgramNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QMenu* m_menu;
    std::function<void()> m_restore;
    QSystemTrayIcon* m_icon;
    bool m_busy = false;
};

} // namespace ui
