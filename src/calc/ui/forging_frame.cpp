#include "calc/ui/forging_frame.h"

#include "calc/forging.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>

namespace calc::ui {

using ::ui::makeLabel;

namespace {

constexpr int kBaseValuesForm = 33;
constexpr int kGemForm = 31;

// A red value label whose text ends at `right` (twips), so wider figures grow leftwards
// and never run into the words after them.
QLabel* valueLabel(QWidget* frame, int index, int left, int right, int top)
{
    QLabel* l = makeLabel(frame, ::ui::controlName("Label16", index), {}, left, top, right - left, 240);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ::ui::setForeColour(l, ::ui::colours::Red);
    return l;
}

} // namespace

ForgingFrame::ForgingFrame(::ui::CaptionFrame* frame) : QObject(frame)
{
    auto* level = new QComboBox(frame);
    level->setObjectName("Combo4");
    for (int n : kForgeLevels)
        level->addItem(QString::number(n));
    level->setCurrentIndex(-1);
    ::ui::placeTw(level, 120, 240, 795, 300);
    makeLabel(frame, "Label15_0", "级打造(裁缝/炼金)所需熟练度最低为", 960, 300);

    m_values[0] = valueLabel(frame, 0, 120, 720, 610);
    makeLabel(frame, "Label15_2", "点,需要体力", 720, 640);
    m_values[1] = valueLabel(frame, 1, 1680, 2160, 610);
    makeLabel(frame, "Label15_3", "点,消耗金钱", 2160, 640);
    m_values[2] = valueLabel(frame, 2, 3060, 3720, 610);
    makeLabel(frame, "Label15_4", "两,", 3720, 640);
    makeLabel(frame, "Label15_5", "强化则需要强化石", 240, 940);
    m_values[3] = valueLabel(frame, 3, 1620, 1920, 910);
    makeLabel(frame, "Label15_6", "块.", 1920, 940);

    auto* gems = (new ::ui::DcButton(frame, "Button16", "宝石计算", 1))->at(2280, 885, 855, 315);
    auto* baseValues = (new ::ui::DcButton(frame, "Button16", "属性列表", 0))->at(3240, 885, 855, 315);

    connect(level, &QComboBox::activated, this, &ForgingFrame::levelPicked);
    for (::ui::DcButton* b : {gems, baseValues})
        connect(b, &::ui::DcButton::click, this, &ForgingFrame::launcherClick);
}

void ForgingFrame::levelPicked(int position)
{
    if (position < 0 || position >= static_cast<int>(kForgeLevels.size()))
        return;
    const ForgeNeeds f = forgingNeeds(position);
    m_values[0]->setText(QString::number(f.proficiency));
    m_values[1]->setText(QString::number(f.stamina));
    m_values[2]->setText(QString::number(f.money));
    m_values[3]->setText(QString::number(f.stones));
}

void ForgingFrame::launcherClick(int index)
{
    if (index == 1) {
        ::ui::forms().showModal(kGemForm);
    } else if (index == 0) {
        // The base-value tables replace the main window, shown in their normal state.
        if (::ui::FormWindow* w = ::ui::forms().form(kBaseValuesForm)) {
            w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
            w->setVisible(true);
            if (QWidget* main = qobject_cast<QWidget*>(parent()))
                main->window()->hide();
        }
    }
}

} // namespace calc::ui
