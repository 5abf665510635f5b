#include "app/ui/launchers.h"

#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QWidget>

namespace app::ui {

namespace {

constexpr int kUpbringingPlan = 4; // dcButton12(4) "养育计划" opens no window

enum class Place { OtherPanel, ChildPanel, ChildFrame };

struct Button {
    Launcher launcher;
    const char* caption;
    Place place;
    int left, top, width, height;
};

using K = LaunchKind;

// Each launcher with its window and the way it opens, then its place.
constexpr Button kButtons[] = {
    // 其它: a grid of three columns, each button 975 x 375.
    {{"dcButton9", -1, 3, K::Beside, "Text1"}, "密道师徒", Place::OtherPanel, 4440, 2400, 975, 375},
    {{"dcButton16", -1, 14, K::Beside, "Text1"}, "战神箱子", Place::OtherPanel, 5520, 2400, 975, 375},
    {{"dcButton5", -1, 20, K::Beside, nullptr}, "跑商时钟", Place::OtherPanel, 6600, 2400, 975, 375},
    {{"dcButton2", -1, 19, K::HideThenShow, nullptr}, "商会系统", Place::OtherPanel, 4440, 2880, 975, 375},
    {{"Button20", -1, 11, K::HideThenShow, nullptr}, "家具配方", Place::OtherPanel, 5520, 2880, 975, 375},
    {{"dcButton3", -1, 18, K::HideThenShow, nullptr}, "剧情介绍", Place::OtherPanel, 6600, 2880, 975, 375},
    {{"Button15", -1, 6, K::NormalVisibleHide, nullptr}, "官职贡献", Place::OtherPanel, 4440, 3360, 975, 375},
    {{"dcButton7", -1, 15, K::ShowThenHide, nullptr}, "技能特技", Place::OtherPanel, 5520, 3360, 975, 375},
    {{"dcButton15", -1, 23, K::ShowThenHide, nullptr}, "阵法介绍", Place::OtherPanel, 6600, 3360, 975, 375},
    {{"dcButton10", -1, 16, K::Beside, "Text1"}, "热键配置", Place::OtherPanel, 4440, 3840, 975, 375},
    {{"dcButton8", -1, 28, K::ShowThenHide, nullptr}, "法宝传奇", Place::OtherPanel, 5520, 3840, 975, 375},
    {{"dcButton6", -1, 32, K::ShowThenHide, "Combo1"}, "变身卡片", Place::OtherPanel, 6600, 3840, 975, 375},
    // 孩子: "资质档次" in the child attribute frame, the others in the bottom row.
    {{"dcButton12", 0, 24, K::ShowThenHide, nullptr}, "资质档次", Place::ChildFrame, 1200, 3720, 855, 255},
    {{"dcButton12", kUpbringingPlan, 0, K::Beside, nullptr}, "养育计划", Place::ChildPanel, 3720, 3840, 855, 375},
    {{"dcButton12", 2, 9, K::ShowThenHide, nullptr}, "孩子教导", Place::ChildPanel, 4680, 3840, 855, 375},
    {{"dcButton12", 1, 17, K::ShowThenHide, nullptr}, "装备属性", Place::ChildPanel, 5640, 3840, 855, 375},
    {{"dcButton12", 3, 30, K::ShowThenHide, nullptr}, "成本统计", Place::ChildPanel, 6600, 3840, 855, 375},
};

void hideMain(QWidget* main, int form)
{
    // Only when the window really opened, so the player is never left without a window.
    if (::ui::forms().hasForm(form))
        main->hide();
}

// The normal window state: neither minimised nor maximised.
void normalState(QWidget* w) { w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); }

} // namespace

void launch(QWidget* main, const Launcher& l)
{
    ::ui::Forms& f = ::ui::forms();
    ::ui::FormWindow* target = nullptr;
    switch (l.kind) {
    case K::ShowThenHide:
        target = f.showModeless(l.form);
        hideMain(main, l.form);
        break;
    case K::HideThenShow:
        hideMain(main, l.form);
        target = f.showModeless(l.form);
        break;
    case K::NormalVisibleHide:
        if ((target = f.form(l.form))) {
            normalState(target);
            target->setVisible(true);
        }
        hideMain(main, l.form);
        break;
    case K::Beside:
        target = f.showModeless(l.form);
        break;
    case K::Modal:
        f.showModal(l.form);
        return;
    }
    if (target && l.focus)
        if (auto* w = target->findChild<QWidget*>(QLatin1String(l.focus)))
            w->setFocus();
}

Launchers::Launchers(QWidget* main, QWidget* otherPanel, QWidget* childPanel, QWidget* childFrame)
    : QObject(main), m_main(main)
{
    auto parentOf = [&](Place p) {
        return p == Place::OtherPanel ? otherPanel : p == Place::ChildPanel ? childPanel : childFrame;
    };
    for (const Button& b : kButtons) {
        QWidget* parent = parentOf(b.place);
        if (!parent)
            continue; // that panel is built later, with its own launchers
        auto* button = (new ::ui::DcButton(parent, b.launcher.button, QString::fromUtf8(b.caption),
                                           b.launcher.index))
                           ->at(b.left, b.top, b.width, b.height);
        const Launcher l = b.launcher;
        if (l.form == 0) {
            connect(button, &::ui::DcButton::click, this, &Launchers::upbringingPlan);
            continue;
        }
        connect(button, &::ui::DcButton::click, this, [this, l] { launch(m_main, l); });
    }
}

void Launchers::upbringingPlan()
{
    ::ui::messageBox(m_main, QStringLiteral("制作中，敬请期待..."), QStringLiteral("信息"), ::ui::BoxIcon::None);
}

} // namespace app::ui
