#pragma once
// Press and hold: a window timer that makes one step at every tick while a button is held
// down. Besides the release (the caller's stop()), it stops when the held button loses
// the focus, is hidden or disabled, and when its window is deactivated or hidden, so a
// release that never arrives leaves nothing stepping.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

namespace ui {

class HoldRepeat : public QObject {
    Q_OBJECT
public:
    // `tick` makes one step and returns whether to go on.
    HoldRepeat(QWidget* window, int intervalMs, std::function<bool()> tick);

    // Starts ticking for a press on `heldButton`; the first step comes with the first tick.
    void start(QWidget* heldButton);
    void stop();
    bool running() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }
    // One tick as the timer gives it, so tests step without waiting.
    void tickNow();

signals:
    // Ticking ended by stop() or by one of the events above (not by the tick itself).
    void stopped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPointer<QWidget> m_button;
    QTimer m_timer;
    std::function<bool()> m_tick;
};

} // namespace ui
