#pragma once
// Form20, the trade-run clock: a dial with the double-hour buttons for synchronising, the
// current and next trade phase with a bar and a countdown, start and stop, the time
// setting and help, the incense count, the switch to the compact view and a fold-out
// frame of buy-in price limits for five towns.

#include "clock/ui/clock_view.h"

#include <array>

class QLabel;
class QWidget;

namespace tradeclock::ui {

// The dial face (Shape1) with its hour marks and the two hands.
class DialFace : public QWidget {
    Q_OBJECT
public:
    explicit DialFace(QWidget* parent);
    // Hand 0 the seconds hand, 1 the position hand: end points in twips.
    HandEnd hand(int i) const { return m_hands[static_cast<std::size_t>(i)]; }
    void setHands(HandEnd seconds, HandEnd position);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::array<HandEnd, 2> m_hands{HandEnd{1260, 660}, HandEnd{1260, 860}};
};

class ClockWindow : public ClockView {
    Q_OBJECT
public:
    static constexpr int kNumber = 20;
    ClockWindow();

    int selectedTown() const { return m_selectedTown; }

protected:
    void showFace(const ClockFace& f) override;

private:
    void synchronise(int k);
    void startStop(int index);
    void tools(int index);
    void togglePrices();
    void pickTown(int i);
    void setButtons(bool start, bool stop, bool manual);
    void load();

    DialFace* m_dial = nullptr;
    std::array<::ui::DcButton*, 2> m_startStop{}; // dcButton2(0) "启", (1) "停"
    std::array<::ui::DcButton*, 3> m_tools{};     // dcButton3(0) "C", (1) "H", (2) "切"
    ::ui::DcButton* m_prices = nullptr;          // dcButton4
    QWidget* m_priceFrame = nullptr;             // Frame1
    std::array<::ui::ClickLabel*, 5> m_towns{};  // Label4(0..4)
    std::array<QLabel*, 3> m_goods{};            // Label5(0..2)
    int m_selectedTown = 0;
};

} // namespace tradeclock::ui
