#pragma once
// What the full clock window and its compact view have in common: the running game clock
// (read from setting.ini, shown from the computer's clock at every step), the two phase
// captions with their bar, the phase countdown, the window caption as a running clock,
// the keep-on-top box and the incense count.

#include "clock/game_clock.h"
#include "common/ui/forms.h"

#include <QTimer>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;

namespace ui {
class ClickLabel;
class DcButton;
} // namespace ui

namespace tradeclock::ui {

class ClockView : public ::ui::FormWindow {
    Q_OBJECT
public:
    // The step timer's tick (every 100 ms): shows the position of this moment.
    void stepTick();
    // The caption timer's tick: the window caption shows the time of day.
    void captionTick();

    bool running() const { return m_step.isActive(); }
    bool stopped() const { return m_stopped; }
    // The position shown last (-1 before the first).
    int shownPosition() const { return m_shown; }

    void queryUnload() override;

protected:
    ClockView(int number, int barScale);

    // Builds the shared controls; positions in twips.
    void buildPhaseBar(int captionLeft, int barLeft, int top, int nextLeft);
    void buildCountdown(const char* captionName, int captionLeft, int valueLeft, int top);
    void buildIncense(const char* buttonName, const char* labelName, int buttonLeft, int labelLeft, int top,
                      int buttonWidth);
    QCheckBox* buildKeepOnTop(const QString& caption, int left, int top, int width);
    // Places the window, when it shows, in the top right corner of the screen, its outer
    // rectangle 50 twips from both edges.
    void placeTopRight();

    enum class LoadOutcome { Started, Missing, Damaged, Maintenance };
    // Reads setting.ini; with the maintenance rule (as a load does) or without (the start
    // button). Starts the clock when it may run, stops it otherwise and tells the player.
    LoadOutcome startFromFile(bool applyMaintenanceRule);
    // Starts from an anchor in memory.
    void startWith(const ClockAnchor& anchor);
    void stopClock();
    // Hands the view over to `other`, as the switch between the views does: this view's
    // timers stop, it unloads, the other is shown.
    void switchTo(int otherForm);

    // The window's own parts of a face (hands); called after the shared parts.
    virtual void showFace(const ClockFace&) {}

    QTimer m_step;    // Timer1
    QTimer m_caption; // Timer2
    std::optional<ClockAnchor> m_anchor;
    bool m_stopped = false;

private:
    void showPosition(int c);

    int m_barScale;
    int m_barLeft = 0;
    int m_barTop = 0;
    int m_shown = -1;
    int m_lastCaptionSecond = -1;
    std::array<QLabel*, 2> m_phase{}; // Label2(0), Label2(1)
    QLabel* m_bar = nullptr;          // Label1(1)
    QLabel* m_countdown = nullptr;    // Label6
    ::ui::ClickLabel* m_incense = nullptr;
};

} // namespace tradeclock::ui
