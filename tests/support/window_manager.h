#pragma once
// A window manager that frames windows late. The desktop tests name the window manager
// they started (BAIBAO_TEST_WM_PID); a window test stops it for a while around a window's
// opening, as a busy window manager may keep a new window waiting for its frame.

#include "support/outer_rect.h"

#include <QTimer>
#include <QtGlobal>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace test {

class StoppedWindowManager {
public:
    // Stops the desktop test's window manager; it goes on after `ms`, or when this goes
    // (whichever comes first). stopped() tells whether there was one to stop.
    explicit StoppedWindowManager(int ms)
    {
        bool ok = false;
        const pid_t pid = static_cast<pid_t>(qEnvironmentVariableIntValue("BAIBAO_TEST_WM_PID", &ok));
        if (!ok || pid <= 0 || !hasWindowManager() || ::kill(pid, SIGSTOP) != 0)
            return;
        m_pid = pid;
        QTimer::singleShot(ms, [pid] { ::kill(pid, SIGCONT); });
    }
    ~StoppedWindowManager()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGCONT);
    }
    StoppedWindowManager(const StoppedWindowManager&) = delete;
    StoppedWindowManager& operator=(const StoppedWindowManager&) = delete;

    bool stopped() const { return m_pid > 0; }

private:
    pid_t m_pid = 0;
};

// Waits for the stopped window manager to go on and frame `w`: true when the window was
// still without its frame after `unframedMs` and got it later.
inline bool framedLate(QWidget* w, int unframedMs = 4000)
{
    QTest::qWait(unframedMs);
    if (framed(w)) {
        qWarning("the window was framed while the window manager was stopped");
        return false;
    }
    return QTest::qWaitFor([w] { return framed(w); }, 15000);
}

} // namespace test
