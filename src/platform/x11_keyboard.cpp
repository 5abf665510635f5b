#include "platform/keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace platform {

namespace {

using namespace std::chrono_literals;

constexpr auto kKeyPace = 4ms;         // between two key events
constexpr auto kMapSettle = 40ms;      // after a change of the key map, before its key
constexpr auto kModifierWait = 3000ms; // longest wait for held modifiers to go

// Xlib's default reaction to a protocol error ends the program; a refused key map change
// must not.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

KeySym keysymOf(char32_t c)
{
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF))
        return c;
    return 0x01000000 | c;
}

struct Job {
    std::u32string text;
    bool enter = false;
};

// One typing run on a display connection of its own.
class Typist {
public:
    explicit Typist(Display* d) : m_dpy(d) {}

    void type(const Job& job)
    {
        if (!waitForModifiersUp())
            return;
        readMap();
        // With Caps Lock on, the target would read "hELLO" for "Hello": the lock is
        // released for the typing and put back after it.
        const bool locked = capsLocked();
        if (locked)
            setCapsLock(false);
        for (char32_t c : job.text)
            typeChar(c);
        if (job.enter)
            tap(XKeysymToKeycode(m_dpy, XK_Return), false);
        if (locked)
            setCapsLock(true);
        restoreMap();
    }

private:
    bool waitForModifiersUp()
    {
        XModifierKeymap* mods = XGetModifierMapping(m_dpy);
        if (!mods)
            return true;
        // Shift, Lock is left alone, Control, Mod1 (Alt) … Mod5.
        const auto deadline = std::chrono::steady_clock::now() + kModifierWait;
        bool up = false;
        while (!up && std::chrono::steady_clock::now() < deadline) {
            char keys[32];
            XQueryKeymap(m_dpy, keys);
            up = true;
            for (int m = 0; m < 8 && up; ++m) {
                if (m == LockMapIndex)
                    continue;
                for (int k = 0; k < mods->max_keypermod; ++k) {
                    const KeyCode kc = mods->modifiermap[m * mods->max_keypermod + k];
                    if (kc != 0 && (keys[kc / 8] & (1 << (kc % 8)))) {
                        up = false;
                        break;
                    }
                }
            }
            if (!up)
                std::this_thread::sleep_for(20ms);
        }
        XFreeModifiermap(mods);
        return up;
    }

    bool capsLocked()
    {
        XkbStateRec state{};
        return XkbGetState(m_dpy, XkbUseCoreKbd, &state) == Success && (state.locked_mods & LockMask) != 0;
    }

    void setCapsLock(bool on)
    {
        XkbLockModifiers(m_dpy, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XSync(m_dpy, False);
    }

    void readMap()
    {
        XDisplayKeycodes(m_dpy, &m_min, &m_max);
        int count = m_max - m_min + 1;
        KeySym* syms = XGetKeyboardMapping(m_dpy, static_cast<KeyCode>(m_min), count, &m_perCode);
        m_direct.clear();
        m_spares.clear();
        m_bound.clear();
        m_used.clear();
        if (!syms)
            return;
        for (int i = 0; i < count; ++i) {
            const KeySym* row = syms + i * m_perCode;
            bool empty = true;
            for (int l = 0; l < m_perCode; ++l) {
                if (row[l] != NoSymbol)
                    empty = false;
                // Only the first two levels, reached with nothing or with Shift.
                if (l < 2 && row[l] != NoSymbol && (!m_direct.count(row[l]) || (l == 0 && m_direct[row[l]].shift)))
                    m_direct[row[l]] = {static_cast<KeyCode>(m_min + i), l == 1};
            }
            if (empty)
                m_spares.push_back(static_cast<KeyCode>(m_min + i));
        }
        XFree(syms);
        m_shift = XKeysymToKeycode(m_dpy, XK_Shift_L);
    }

    void typeChar(char32_t c)
    {
        const KeySym sym = keysymOf(c);
        const auto direct = m_direct.find(sym);
        if (direct != m_direct.end()) {
            tap(direct->second.code, direct->second.shift);
            return;
        }
        auto bound = m_bound.find(sym);
        if (bound == m_bound.end()) {
            if (m_spares.empty())
                return; // a keyboard without a free key cannot type it
            if (m_next == m_spares.size()) {
                // Every spare key holds a character: let the target read the keys typed so
                // far under their binding before the keys are bound anew.
                std::this_thread::sleep_for(4 * kMapSettle);
                m_bound.clear();
                m_next = 0;
            }
            const KeyCode kc = m_spares[m_next++];
            std::vector<KeySym> row(static_cast<std::size_t>(m_perCode), NoSymbol);
            row[0] = sym;
            if (m_perCode > 1)
                row[1] = sym; // the same with Shift
            XChangeKeyboardMapping(m_dpy, kc, m_perCode, row.data(), 1);
            XSync(m_dpy, False);
            m_used.push_back(kc);
            bound = m_bound.emplace(sym, kc).first;
            std::this_thread::sleep_for(kMapSettle);
        }
        tap(bound->second, false);
    }

    void tap(KeyCode kc, bool shift)
    {
        if (kc == 0)
            return;
        if (shift && m_shift)
            XTestFakeKeyEvent(m_dpy, m_shift, True, CurrentTime);
        XTestFakeKeyEvent(m_dpy, kc, True, CurrentTime);
        XTestFakeKeyEvent(m_dpy, kc, False, CurrentTime);
        if (shift && m_shift)
            XTestFakeKeyEvent(m_dpy, m_shift, False, CurrentTime);
        XSync(m_dpy, False);
        std::this_thread::sleep_for(kKeyPace);
    }

    void restoreMap()
    {
        if (m_used.empty())
            return;
        // The last keys are read under their binding before the keys are freed again.
        std::this_thread::sleep_for(4 * kMapSettle);
        std::vector<KeySym> row(static_cast<std::size_t>(m_perCode), NoSymbol);
        for (KeyCode kc : m_used)
            XChangeKeyboardMapping(m_dpy, kc, m_perCode, row.data(), 1);
        XSync(m_dpy, False);
        m_used.clear();
    }

    struct Direct {
        KeyCode code;
        bool shift;
    };
    Display* m_dpy;
    int m_min = 8;
    int m_max = 255;
    int m_perCode = 1;
    KeyCode m_shift = 0;
    std::map<KeySym, Direct> m_direct;
    std::vector<KeyCode> m_spares;
    std::size_t m_next = 0;
    std::map<KeySym, KeyCode> m_bound;
    std::vector<KeyCode> m_used;
};

class X11Keyboard : public Keyboard {
public:
    X11Keyboard()
    {
        XSetErrorHandler(ignoreXError);
        m_poll = XOpenDisplay(nullptr);
        if (!m_poll)
            return;
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(m_poll, &event, &error, &major, &minor)) {
            XCloseDisplay(m_poll);
            m_poll = nullptr;
            return;
        }
        m_f12 = XKeysymToKeycode(m_poll, XK_F12);
    }

    ~X11Keyboard() override
    {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_wake.notify_all();
        if (m_worker.joinable())
            m_worker.join();
        if (m_poll)
            XCloseDisplay(m_poll);
    }

    bool available() const override { return m_poll != nullptr; }

    bool f12Down() override
    {
        if (!m_poll || m_f12 == 0)
            return false;
        char keys[32];
        XQueryKeymap(m_poll, keys);
        return (keys[m_f12 / 8] & (1 << (m_f12 % 8))) != 0;
    }

    void type(std::vector<std::u32string> pieces, bool enter) override
    {
        if (!m_poll)
            return;
        Job job;
        for (const std::u32string& p : pieces)
            job.text += p;
        job.enter = enter;
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(job));
            if (!m_worker.joinable())
                m_worker = std::thread([this] { run(); });
        }
        m_wake.notify_all();
    }

private:
    void run()
    {
        Display* d = XOpenDisplay(DisplayString(m_poll));
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_quit || !m_jobs.empty(); });
                if (m_quit)
                    break;
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
            if (d)
                Typist(d).type(job);
        }
        if (d)
            XCloseDisplay(d);
    }

    Display* m_poll = nullptr;
    KeyCode m_f12 = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_quit = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<Keyboard> makeX11Keyboard() { return std::make_unique<X11Keyboard>(); }

} // namespace platform
