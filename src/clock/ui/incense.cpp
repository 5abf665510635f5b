#include "clock/ui/incense.h"

#include "common/ui/controls.h"

#include <QLabel>
#include <algorithm>

namespace tradeclock::ui {

IncenseService& IncenseService::instance()
{
    static IncenseService* s = new IncenseService; // lives as long as the program
    return *s;
}

IncenseService::IncenseService()
{
    m_count.setInterval(1000);
    m_flash.setInterval(100);
    connect(&m_count, &QTimer::timeout, this, &IncenseService::tick);
    connect(&m_flash, &QTimer::timeout, this, &IncenseService::flashTick);
}

void IncenseService::attach(QLabel* label)
{
    m_labels.emplace_back(label);
    connect(label, &QObject::destroyed, this, [this] { detach(nullptr); });
    if (m_state.counting) {
        // A view taking over shows the running count at once, flashing or not as it was.
        label->setText(::ui::qs(incenseText(m_state)));
    }
    ::ui::setForeColour(label, kIncenseIdleColour);
}

void IncenseService::detach(QLabel* label)
{
    std::erase_if(m_labels, [label](const QPointer<QLabel>& l) { return l.isNull() || l == label; });
    if (m_labels.empty()) {
        m_state.counting = false;
        m_state.flashing = false;
        syncTimers();
    }
}

void IncenseService::light()
{
    lightIncense(m_state);
    syncTimers();
    paint(kIncenseIdleColour);
}

void IncenseService::stopFlash()
{
    m_state.flashing = false;
    syncTimers();
    paint(kIncenseIdleColour);
}

void IncenseService::tick()
{
    if (!m_state.counting)
        return;
    tickIncense(m_state);
    if (!m_state.flashing)
        paint(kIncenseIdleColour);
    syncTimers();
    showText();
}

void IncenseService::flashTick()
{
    if (m_state.flashing)
        paint(flashIncense(m_state));
}

void IncenseService::resetForTests()
{
    m_state = IncenseCountdown{};
    m_labels.clear();
    syncTimers();
}

void IncenseService::syncTimers()
{
    if (m_state.counting && !m_count.isActive())
        m_count.start();
    else if (!m_state.counting)
        m_count.stop();
    if (m_state.flashing && !m_flash.isActive())
        m_flash.start();
    else if (!m_state.flashing)
        m_flash.stop();
}

void IncenseService::paint(std::uint32_t colour)
{
    for (const QPointer<QLabel>& l : m_labels)
        if (l)
            ::ui::setForeColour(l, colour);
}

void IncenseService::showText()
{
    const QString text = ::ui::qs(incenseText(m_state));
    for (const QPointer<QLabel>& l : m_labels)
        if (l)
            l->setText(text);
}

} // namespace tradeclock::ui
