#include "clock/ui/time_setting_window.h"

#include "clock/help_texts.h"
#include "clock/ui/clock_support.h"
#include "common/numbers.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tradeclock::ui {

using ::ui::DcButton;

namespace {

QFont songti(double points, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString twoDigits(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

constexpr int kBoxLeft[] = {240, 1140, 2040};
constexpr int kBoxWidth = 660;

} // namespace

TimeSettingWindow::TimeSettingWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("  手动调时"));
    setClientSizeTw(2940, 1920);

    const char* units[] = {"时", "分", "秒"};
    for (int i = 0; i < 3; ++i) {
        auto* unit = ::ui::makeLabel(this, ::ui::controlName("Label2", i), QString::fromUtf8(units[i]),
                                     kBoxLeft[i], 60, kBoxWidth, 255);
        unit->setAlignment(Qt::AlignCenter);
        unit->setFont(songti(9, true));
        ::ui::setForeColour(unit, ::ui::colours::Blue);

        auto* box = new QLineEdit(QStringLiteral("00"), this);
        box->setObjectName(::ui::controlName("Text1", i));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(songti(12));
        ::ui::placeTw(box, kBoxLeft[i], 330, kBoxWidth, 420);
        m_boxes[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 0; i < 2; ++i) {
        auto* colon = ::ui::makeLabel(this, ::ui::controlName("Label1", i), QStringLiteral(":"),
                                      kBoxLeft[i] + kBoxWidth, 300, 240, 450);
        colon->setAlignment(Qt::AlignCenter);
        colon->setFont(songti(18, true));
        ::ui::setForeColour(colon, ::ui::colours::Red);
    }
    for (int i = 0; i < 6; ++i) {
        auto* b = (new DcButton(this, "dcButton1", QString::fromLatin1(i % 2 == 0 ? "+" : "-"), i))
                      ->at(kBoxLeft[i / 2] + (i % 2) * 360, 840, 300, 300);
        auto* t = new QTimer(this);
        t->setObjectName(::ui::controlName("Timer1", i));
        t->setInterval(70);
        m_timers[static_cast<std::size_t>(i)] = t;
        connect(t, &QTimer::timeout, this, [this, i] { stepTick(i); });
        // Any mouse button holds; there is no step on a mere click.
        connect(b, &DcButton::mouseDown, this, [this](int index, int, int, int, int) {
            m_timers[static_cast<std::size_t>(index)]->start();
        });
        connect(b, &DcButton::mouseUp, this, [this](int index, int, int, int, int) {
            m_timers[static_cast<std::size_t>(index)]->stop();
        });
    }
    const char* actions[] = {"修改", "退出"};
    for (int i = 0; i < 2; ++i) {
        auto* b = (new DcButton(this, "dcButton2", QString::fromUtf8(actions[i]), i))->at(330 + 1260 * i, 1350, 1020, 405);
        connect(b, &DcButton::click, this, [this](int index) {
            if (index == 0)
                write();
            else
                ::ui::forms().unload(kNumber);
        });
    }

    const AnchorRead read = currentAnchor();
    m_damaged = read.status == AnchorRead::Damaged;
    if (read.status == AnchorRead::Ok) {
        m_anchor = read.anchor;
        const int s = m_anchor->storedSeconds;
        showTime({s / 3600, s / 60 % 60, s % 60});
    } else if (read.status == AnchorRead::Missing) {
        remindFirstRun(this);
    } else {
        remindDamaged(this);
    }
}

TimeOfDay TimeSettingWindow::shownTime() const
{
    auto value = [this](int i) {
        return static_cast<int>(
            common::clampWhole(common::readWholeNumber(m_boxes[static_cast<std::size_t>(i)]->text().toStdString()), -1, 60));
    };
    return {value(0), value(1), value(2)};
}

void TimeSettingWindow::showTime(TimeOfDay t)
{
    // Lowest unit first, as the steps write them.
    m_boxes[2]->setText(twoDigits(t.second));
    m_boxes[1]->setText(twoDigits(t.minute));
    m_boxes[0]->setText(twoDigits(t.hour));
}

void TimeSettingWindow::stepTick(int i) { showTime(stepTime(shownTime(), i)); }

void TimeSettingWindow::write()
{
    if (!m_anchor) {
        // Without a readable anchor there is nothing to adjust: a synchronisation comes first.
        if (m_damaged)
            remindDamaged(this);
        else
            remindFirstRun(this);
        return;
    }
    const TimeOfDay t = shownTime();
    if (!writeAnchorFile(withStoredTime(*m_anchor, t))) {
        ::ui::messageBox(this, QStringLiteral("对时记录setting.ini无法保存,时间未修改！"), QStringLiteral("修改"),
                         ::ui::BoxIcon::Warning);
        return;
    }
    m_anchor->fields[1] = formatTimeOfDay(t.hour * 3600 + t.minute * 60 + t.second);
    ::ui::messageBox(this, QStringLiteral("时间修改完毕！"), QStringLiteral("修改"));
}

ClockHelpWindow::ClockHelpWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("            跑商时钟帮助"));
    setClientSizeTw(4800, 4800);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    text->setFont(songti(10.5));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    ::ui::setForeColour(text, ::ui::colours::Blue);
    text->setPlainText(::ui::qs(clockHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ::ui::placeTw(text, 0, 0, 4800, 4800);
    text->viewport()->installEventFilter(this);
}

bool ClockHelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        ::ui::forms().unload(kNumber);
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace tradeclock::ui
