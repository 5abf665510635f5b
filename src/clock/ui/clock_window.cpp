#include "clock/ui/clock_window.h"

#include "clock/ui/clock_support.h"
#include "common/ui/click_label.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

namespace tradeclock::ui {

using ::ui::DcButton;
using ::ui::qs;
using ::ui::tw;

namespace {

constexpr int kWidth = 2700;
constexpr int kFolded = 3880;      // client height with the price frame folded
constexpr int kFrameHeight = 1130; // what the open frame adds
constexpr int kHourButton = 300;
constexpr int kHourRadius = 1050;
constexpr int kDialRadius = 870;

constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kTownRed = 0x0000FF;
constexpr std::uint32_t kTownBlue = 0xFF0000;

const QString kFoldedCaption = QStringLiteral("∨各地可买入价∨");
const QString kOpenCaption = QStringLiteral("∧各地可买入价∧");

QPointF px(double xTw, double yTw) { return {xTw / 15.0, yTw / 15.0}; }

} // namespace

DialFace::DialFace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Shape1"));
    ::ui::placeTw(this, 0, 0, 2520, 2520);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DialFace::setHands(HandEnd seconds, HandEnd position)
{
    m_hands = {seconds, position};
    update();
}

void DialFace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(255, 255, 240));
    const double r = kDialRadius / 15.0;
    p.drawEllipse(px(kDialCentre, kDialCentre), r, r);
    // Line1(0..11): the hour marks; those of 子, 辰 and 申 red and twice as wide.
    for (int k = 0; k < 12; ++k) {
        const double a = (k / 6.0 - 0.5) * M_PI;
        const bool phase = k % 4 == 0;
        p.setPen(QPen(phase ? QColor(255, 0, 0) : QColor(0, 0, 255), phase ? 2 : 1));
        p.drawLine(px(kDialCentre + 740 * std::cos(a), kDialCentre + 740 * std::sin(a)),
                   px(kDialCentre + kDialRadius * std::cos(a), kDialCentre + kDialRadius * std::sin(a)));
    }
    // Line2(1) the blue position hand under Line2(0) the red seconds hand.
    p.setPen(QPen(QColor(0, 0, 255), 3));
    p.drawLine(px(kDialCentre, kDialCentre), px(m_hands[1].x, m_hands[1].y));
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(px(kDialCentre, kDialCentre), px(m_hands[0].x, m_hands[0].y));
}

ClockWindow::ClockWindow() : ClockView(kNumber, 3)
{
    setClientSizeTw(kWidth, kFolded);
    m_dial = new DialFace(this);

    // dcButton1(0..11): the double hours clockwise, 子 at the top and 卯 at the right.
    for (int k = 0; k < 12; ++k) {
        const double a = (k / 6.0 - 0.5) * M_PI;
        const int cx = static_cast<int>(std::lround(kDialCentre + kHourRadius * std::cos(a)));
        const int cy = static_cast<int>(std::lround(kDialCentre + kHourRadius * std::sin(a)));
        auto* b = (new DcButton(this, "dcButton1", qs(DoubleHourTable[static_cast<std::size_t>(k)]), k))
                      ->at(cx - kHourButton / 2, cy - kHourButton / 2, kHourButton, kHourButton);
        if (k % 4 == 0)
            b->setForeColour(::ui::colours::Red);
        connect(b, &DcButton::click, this, &ClockWindow::synchronise);
    }

    const char* toolCaptions[] = {"C", "H", "切"};
    const char* toolTips[] = {"手动调时", "说明帮助", "切换"};
    const std::uint32_t toolColours[] = {::ui::colours::Blue, ::ui::colours::Magenta, kYellow};
    const int toolPlaces[][2] = {{2190, 30}, {30, 30}, {30, 2190}};
    for (int i = 0; i < 3; ++i) {
        auto* b = (new DcButton(this, "dcButton3", QString::fromUtf8(toolCaptions[i]), i))
                      ->at(toolPlaces[i][0], toolPlaces[i][1], kHourButton, kHourButton);
        b->setToolTip(QString::fromUtf8(toolTips[i]));
        b->setBackColour(toolColours[i]);
        if (i != 2)
            b->setForeColour(0xFFFFFF);
        m_tools[static_cast<std::size_t>(i)] = b;
        connect(b, &DcButton::click, this, &ClockWindow::tools);
    }

    buildPhaseBar(120, 360, 2570, 2235);
    buildCountdown("Label3", 60, 870, 2880);
    const char* startStop[] = {"启", "停"};
    for (int i = 0; i < 2; ++i) {
        m_startStop[static_cast<std::size_t>(i)] =
            (new DcButton(this, "dcButton2", QString::fromUtf8(startStop[i]), i))->at(30 + 480 * i, 3540, 450, 330);
        connect(m_startStop[static_cast<std::size_t>(i)], &DcButton::click, this, &ClockWindow::startStop);
    }
    m_startStop[1]->setEnabled(false);

    buildIncense("dcButton11", "Label40", 1440, 2070, 2830, 540);
    m_prices = (new DcButton(this, "dcButton4", kFoldedCaption))->at(30, 3210, kWidth - 60, 300);
    connect(m_prices, &DcButton::click, this, &ClockWindow::togglePrices);
    // 1560 twips: the caption beside the box shows whole (the last stroke of 前 needs
    // them), and the box ends at the window's right edge.
    buildKeepOnTop(QStringLiteral("打勾就钟面置前"), 1140, 3580, 1560);

    // Frame1: the buy-in price limits, folded at load.
    m_priceFrame = new QWidget(this);
    m_priceFrame->setObjectName(QStringLiteral("Frame1"));
    ::ui::placeTw(m_priceFrame, 0, kFolded, kWidth, kFrameHeight);
    for (int i = 0; i < 5; ++i) {
        auto* town = new ::ui::ClickLabel(qs(BuyLimitTable[static_cast<std::size_t>(i)].town), m_priceFrame);
        town->setObjectName(::ui::controlName("Label4", i));
        ::ui::placeTw(town, 210 + 510 * i, 60, 420, 255);
        ::ui::setForeColour(town, i == 0 ? kTownRed : kTownBlue);
        m_towns[static_cast<std::size_t>(i)] = town;
        connect(town, &::ui::ClickLabel::clicked, this, [this, i] { pickTown(i); });
    }
    ::ui::makeRule(m_priceFrame, QStringLiteral("Line3"), ::ui::colours::Blue, QRect(tw(60), tw(375), tw(kWidth - 120), 1));
    for (int i = 0; i < 3; ++i)
        m_goods[static_cast<std::size_t>(i)] =
            ::ui::makeLabel(m_priceFrame, ::ui::controlName("Label5", i), qs(BuyLimitTable[0].lines[static_cast<std::size_t>(i)]),
                            360, 450 + 240 * i, 2100);
    m_priceFrame->hide();

    placeTopRight();
    captionTick();
    load();
}

void ClockWindow::load()
{
    m_selectedTown = 0;
    switch (startFromFile(true)) {
    case LoadOutcome::Started:
        setButtons(false, true, false);
        break;
    case LoadOutcome::Missing:
    case LoadOutcome::Damaged:
    case LoadOutcome::Maintenance:
        setButtons(false, false, false);
        break;
    }
}

void ClockWindow::setButtons(bool start, bool stop, bool manual)
{
    m_startStop[0]->setEnabled(start);
    m_startStop[1]->setEnabled(stop);
    m_tools[0]->setEnabled(manual);
}

void ClockWindow::showFace(const ClockFace& f) { m_dial->setHands(f.secondsHand, f.positionHand); }

void ClockWindow::synchronise(int k)
{
    if (!m_stopped) {
        ::ui::warningBox(this, QStringLiteral("走动中不能对时！请先停止!"));
        return;
    }
    const ClockAnchor anchor = synchronisedAnchor(k, currentTime());
    if (!writeAnchorFile(formatClockAnchor(anchor))) {
        holdAnchor(anchor);
        ::ui::messageBox(this, QStringLiteral("对时记录setting.ini无法保存,时钟只在本次运行中走动！"),
                         QStringLiteral("提醒"), ::ui::BoxIcon::Warning);
    }
    startWith(anchor);
    setButtons(false, true, false);
}

void ClockWindow::startStop(int index)
{
    if (index == 1) {
        stopClock();
        setButtons(true, false, true);
        return;
    }
    // "切" keeps its state: it answers for itself while the clock does not run.
    if (startFromFile(false) == LoadOutcome::Started)
        setButtons(false, true, true);
    else
        setButtons(false, false, false);
}

void ClockWindow::tools(int index)
{
    switch (index) {
    case 0:
        ::ui::forms().showModal(21);
        break;
    case 1:
        ::ui::forms().showModeless(22);
        break;
    case 2:
        if (running())
            switchTo(12);
        else
            ::ui::warningBox(this, QStringLiteral("请先启动后再切换！"), QStringLiteral("警告"));
        break;
    default:
        break;
    }
}

void ClockWindow::togglePrices()
{
    const bool open = m_prices->text() == kFoldedCaption;
    m_prices->setText(open ? kOpenCaption : kFoldedCaption);
    setClientSizeTw(kWidth, open ? kFolded + kFrameHeight : kFolded);
    m_priceFrame->setVisible(open);
}

void ClockWindow::pickTown(int i)
{
    if (i == m_selectedTown || i < 0 || i > 4)
        return;
    ::ui::setForeColour(m_towns[static_cast<std::size_t>(i)], kTownRed);
    ::ui::setForeColour(m_towns[static_cast<std::size_t>(m_selectedTown)], kTownBlue);
    m_selectedTown = i;
    for (int n = 0; n < 3; ++n)
        m_goods[static_cast<std::size_t>(n)]->setText(
            qs(BuyLimitTable[static_cast<std::size_t>(i)].lines[static_cast<std::size_t>(n)]));
}

} // namespace tradeclock::ui
