#include "clock/ui/clock_view.h"

#include "clock/ui/clock_support.h"
#include "clock/ui/incense.h"
#include "common/ui/click_label.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "platform/ui/window_order.h"

#include <QCheckBox>
#include <QLabel>

namespace tradeclock::ui {

using ::ui::qs;
using ::ui::tw;

namespace {
constexpr std::uint32_t kCaptionColour = 0xFF00FF; // magenta
constexpr std::uint32_t kBarColour = 0xFF8080;
constexpr int kBarHeight = 195;
} // namespace

ClockView::ClockView(int number, int barScale) : FormWindow(number), m_barScale(barScale)
{
    m_step.setObjectName(QStringLiteral("Timer1"));
    m_step.setInterval(100);
    m_caption.setObjectName(QStringLiteral("Timer2"));
    m_caption.setInterval(100);
    connect(&m_step, &QTimer::timeout, this, &ClockView::stepTick);
    connect(&m_caption, &QTimer::timeout, this, &ClockView::captionTick);
    m_caption.start();
}

void ClockView::buildPhaseBar(int captionLeft, int barLeft, int top, int nextLeft)
{
    m_barLeft = barLeft;
    m_barTop = top;
    const char* design[] = {"子", "辰"};
    for (int i = 0; i < 2; ++i) {
        m_phase[static_cast<std::size_t>(i)] = ::ui::makeLabel(this, ::ui::controlName("Label2", i),
                                                               QString::fromUtf8(design[i]),
                                                               i == 0 ? captionLeft : nextLeft, top - 15);
        ::ui::setForeColour(m_phase[static_cast<std::size_t>(i)], kCaptionColour);
    }
    auto* back = ::ui::makeLabel(this, QStringLiteral("Label1_0"), {}, barLeft, top, 600 * m_barScale, kBarHeight);
    ::ui::setBackColour(back, ::ui::colours::WindowBack);
    back->setFrameShape(QFrame::Box);
    m_bar = ::ui::makeLabel(this, QStringLiteral("Label1_1"), {}, barLeft, top, 0, kBarHeight);
    ::ui::setBackColour(m_bar, kBarColour);
    m_bar->resize(0, tw(kBarHeight));
    // Marks over the bar every 150 s.
    for (int i = 0; i < 3; ++i)
        ::ui::makeRule(this, ::ui::controlName(m_barScale == 3 ? "Line4" : "Line1", i), ::ui::colours::Black,
                       QRect(tw(barLeft + 150 * m_barScale * (i + 1)), tw(top), 1, tw(kBarHeight)));
}

void ClockView::buildCountdown(const char* captionName, int captionLeft, int valueLeft, int top)
{
    ::ui::makeLabel(this, QLatin1String(captionName), QStringLiteral("时辰倒数:"), captionLeft, top);
    m_countdown = ::ui::makeLabel(this, QStringLiteral("Label6"), QStringLiteral("00:00"), valueLeft, top, 600);
    ::ui::setForeColour(m_countdown, ::ui::colours::Red);
}

void ClockView::buildIncense(const char* buttonName, const char* labelName, int buttonLeft, int labelLeft, int top,
                             int buttonWidth)
{
    auto* light = (new ::ui::DcButton(this, buttonName, QStringLiteral("点香")))->at(buttonLeft, top, buttonWidth, 300);
    m_incense = new ::ui::ClickLabel(QStringLiteral("00:00"), this);
    m_incense->setObjectName(QLatin1String(labelName));
    ::ui::placeTw(m_incense, labelLeft, top + 30, 600, 255);
    IncenseService::instance().attach(m_incense);
    connect(light, &::ui::DcButton::click, this, [] { IncenseService::instance().light(); });
    connect(m_incense, &::ui::ClickLabel::clicked, this, [] { IncenseService::instance().stopFlash(); });
}

QCheckBox* ClockView::buildKeepOnTop(const QString& caption, int left, int top, int width)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QStringLiteral("Check1"));
    ::ui::placeTw(box, left, top, width, 255);
    box->setChecked(true);
    platform::setKeepOnTop(this, true);
    connect(box, &QCheckBox::clicked, this, [this](bool on) { platform::setKeepOnTop(this, on); });
    return box;
}

void ClockView::placeTopRight()
{
    // 50 twips in from the screen's top right corner, by the window's outer rectangle.
    ::ui::placeWhenShown(this, [](const ::ui::ScreenArea& screen, const QSize& outer) {
        return ::ui::topRightOfScreen(screen.rect, outer) + QPoint(-screen.px(tw(50)), screen.px(tw(50)));
    });
}

ClockView::LoadOutcome ClockView::startFromFile(bool applyMaintenanceRule)
{
    const AnchorRead read = currentAnchor();
    if (read.status == AnchorRead::Missing) {
        stopClock();
        remindFirstRun(this);
        return LoadOutcome::Missing;
    }
    if (read.status == AnchorRead::Damaged) {
        stopClock();
        remindDamaged(this);
        return LoadOutcome::Damaged;
    }
    if (applyMaintenanceRule && maintenanceRule(*read.anchor, currentTime()) == StartRule::Maintenance) {
        stopClock();
        remindMaintenance(this);
        return LoadOutcome::Maintenance;
    }
    startWith(*read.anchor);
    return LoadOutcome::Started;
}

void ClockView::startWith(const ClockAnchor& anchor)
{
    m_anchor = anchor;
    m_stopped = false;
    m_shown = -1;
    m_step.start();
    stepTick();
}

void ClockView::stopClock()
{
    m_step.stop();
    m_stopped = true;
}

void ClockView::stepTick()
{
    if (!m_step.isActive() || !m_anchor)
        return;
    const int c = cyclePosition(*m_anchor, currentTime());
    if (c != m_shown)
        showPosition(c);
}

void ClockView::showPosition(int c)
{
    m_shown = c;
    const ClockFace f = clockFace(c);
    m_phase[0]->setText(qs(f.currentCaption));
    m_phase[1]->setText(qs(f.nextCaption));
    m_bar->resize(tw(f.phaseElapsed * m_barScale), m_bar->height());
    m_countdown->setText(qs(f.countdown));
    showFace(f);
}

void ClockView::captionTick()
{
    const LocalTime now = currentTime();
    const int second = now.secondsOfDay % 60;
    if (second == m_lastCaptionSecond)
        return;
    m_lastCaptionSecond = second;
    setWindowTitle(qs(formatTimeOfDay(now.secondsOfDay)));
}

void ClockView::switchTo(int otherForm)
{
    // The other view is built first, so the incense count always has a view to tick in.
    ::ui::forms().form(otherForm);
    m_step.stop();
    m_caption.stop();
    ::ui::forms().unload(formNumber());
    ::ui::forms().showModeless(otherForm);
}

void ClockView::queryUnload()
{
    m_step.stop();
    m_caption.stop();
    IncenseService::instance().detach(m_incense);
}

} // namespace tradeclock::ui
