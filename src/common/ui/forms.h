#pragma once
// Tool windows and their one default instance each.
//
// Every window class Form1 … Form34 has one program-wide instance, created (loaded) the
// first time something asks for it, shown modeless or modal, hidden, and unloaded
// (destroyed) when it closes. Closing a window runs its close handler, then unloads it;
// no close handler refuses. The main window's close unloads every loaded window from the
// highest class number down, then itself; during that shut-down nothing brings a window
// back on screen.

#include <QPointer>
#include <QWidget>
#include <any>
#include <functional>
#include <map>
#include <memory>

namespace ui {

inline constexpr int kMainForm = 1;
inline constexpr int kLastForm = 34;

// Base of every window of the program. Its number gives its objectName ("Form25").
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(int number, QWidget* parent = nullptr);
    int formNumber() const { return m_number; }

    // The close handler: runs when the window is closed by the player or unloaded.
    virtual void queryUnload() {}
    // Closed (unloaded) and waiting to be destroyed.
    bool isUnloaded() const { return m_unloaded; }

protected:
    void closeEvent(QCloseEvent* e) override;
    // Sets the client size in twips, fixed: no layout of ours resizes.
    void setClientSizeTw(int width, int height);

private:
    friend class Forms;
    int m_number;
    bool m_unloaded = false;
};

class Forms {
public:
    using Factory = std::function<FormWindow*()>;

    static Forms& instance();

    // Which class builds window n; windows not yet built have no factory.
    void registerForm(int number, Factory factory);
    bool hasForm(int number) const;

    // The default instance, created and loaded on first use (nullptr without a factory,
    // and when the window was closed while it loaded, under a box its loading raised).
    FormWindow* form(int number);
    // The instance if it is loaded, else nullptr; never creates one.
    FormWindow* loaded(int number) const;
    bool isLoaded(int number) const { return loaded(number) != nullptr; }

    // Show modeless (brought forward when already up).
    FormWindow* showModeless(int number);
    // Show modally and wait until the window is hidden or unloaded.
    void showModal(int number);
    // Run the close handler and destroy the window; nothing when not loaded. A window still
    // loading (its box up) is closed too: it never shows.
    void unload(int number);

    // The main window's close: unload Form34 … Form2, then the main window.
    void shutDown();
    bool shuttingDown() const { return m_shuttingDown; }
    // What happens once everything is unloaded (the program ends).
    void setAfterShutDown(std::function<void()> f) { m_afterShutDown = std::move(f); }

    // What a tool window gives back when it closes. Both do nothing during shut-down.
    void setMainVisible();
    void setMainNormalAndVisible();

    // State a window keeps across its unloads (a saved message, a stopped flag ...).
    template <typename T>
    T& state(int number)
    {
        std::any& slot = m_state[number];
        if (!slot.has_value())
            slot = std::make_shared<T>();
        return *std::any_cast<std::shared_ptr<T>&>(slot);
    }

    // For tests: unload everything and forget the per-window state.
    void reset();

private:
    friend class FormWindow;
    void closing(FormWindow* w);
    void constructing(FormWindow* w);
    FormWindow* loading(int number) const;
    std::map<int, Factory> m_factories;
    std::map<int, QPointer<FormWindow>> m_instances;
    // Windows whose factory is running; an entry is filled when its window is constructed.
    std::map<int, QPointer<FormWindow>> m_loading;
    std::map<int, std::any> m_state;
    bool m_shuttingDown = false;
    std::function<void()> m_afterShutDown;
};

inline Forms& forms() { return Forms::instance(); }

} // namespace ui
