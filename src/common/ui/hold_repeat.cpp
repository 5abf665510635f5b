#include "common/ui/hold_repeat.h"

#include <QEvent>
#include <QWidget>

namespace ui {

HoldRepeat::HoldRepeat(QWidget* window, int intervalMs, std::function<bool()> tick)
    : QObject(window), m_window(window), m_tick(std::move(tick))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &HoldRepeat::tickNow);
    m_window->installEventFilter(this);
}

void HoldRepeat::start(QWidget* heldButton)
{
    if (m_button && m_button != heldButton)
        m_button->removeEventFilter(this);
    m_button = heldButton;
    if (m_button)
        m_button->installEventFilter(this);
    m_timer.start();
}

void HoldRepeat::stop()
{
    if (m_button)
        m_button->removeEventFilter(this);
    m_button = nullptr;
    if (m_timer.isActive()) {
        m_timer.stop();
        emit stopped();
    }
}

void HoldRepeat::tickNow()
{
    if (!m_timer.isActive())
        return;
    if (!m_tick()) {
        if (m_button)
            m_button->removeEventFilter(this);
        m_button = nullptr;
        m_timer.stop();
    }
}

bool HoldRepeat::eventFilter(QObject* watched, QEvent* event)
{
    if (m_timer.isActive()) {
        const QEvent::Type t = event->type();
        const bool windowGone = watched == m_window && (t == QEvent::WindowDeactivate || t == QEvent::Hide);
        const bool buttonGone =
            watched == m_button && (t == QEvent::FocusOut || t == QEvent::Hide ||
                                    (t == QEvent::EnabledChange && !m_button->isEnabled()));
        if (windowGone || buttonGone)
            stop();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
