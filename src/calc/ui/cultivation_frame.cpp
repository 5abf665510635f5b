#include "calc/ui/cultivation_frame.h"

#include "calc/cultivation.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QRadioButton>

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {
constexpr int kFormCultivationSteps = 26;
}

CultivationFrame::CultivationFrame(::ui::CaptionFrame* f) : QObject(f)
{
    const char* const kinds[2] = {"物理攻击/法术攻击/猎术", "物理防御/法术防御"};
    const int kindLeft[2] = {120, 2640};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(kinds[i]), f);
        o->setObjectName(::ui::controlName("Option2", i));
        ::ui::placeTw(o, kindLeft[i], 240, 2415, 255);
        connect(o, &QRadioButton::clicked, this, [this, i] { option2Click(i); });
        m_option2[static_cast<std::size_t>(i)] = o;
    }
    m_option2[0]->setChecked(true);

    // 目前修炼 a 级,目前经验 w 点,目标修炼 b 级,需要经验 N ,需要金钱 M 万,至少要有帮贡(不消耗) C
    // ,消耗资材 R ,角色最低要求 L 级.
    makeLabel(f, "LabelCultivation_0", "目前修炼", 120, 645);
    m_text6[0] = (new NumericField(f, "Text6_0", common::kDigits, 2))->at(900, 600, 375);
    makeLabel(f, "LabelCultivation_1", "级,目前经验", 1320, 645);
    m_text6[1] = (new NumericField(f, "Text6_1", common::kDigits, 4))->at(2400, 600, 615);
    makeLabel(f, "LabelCultivation_2", "点,目标修炼", 3060, 645);
    m_text6[2] = (new NumericField(f, "Text6_2", common::kDigits, 2))->at(4140, 600, 375);
    makeLabel(f, "LabelCultivation_3", "级,需要经验", 4560, 645);
    m_text6[3] = (new NumericField(f, "Text6_3", common::kDigits, 0))->at(5640, 600, 855)->asResult();
    makeLabel(f, "LabelCultivation_4", ",需要金钱", 120, 1005);
    m_text6[4] = (new NumericField(f, "Text6_4", common::kDigits, 0))->at(1020, 960, 855)->asResult();
    makeLabel(f, "LabelCultivation_5", "万,至少要有帮贡(不消耗)", 1920, 1005);
    m_text6[5] = (new NumericField(f, "Text6_5", common::kDigits, 0))->at(4140, 960, 735)->asResult();
    makeLabel(f, "LabelCultivation_6", ",消耗资材", 4920, 1005);
    m_text6[6] = (new NumericField(f, "Text6_6", common::kDigits, 0))->at(5820, 960, 855)->asResult();
    makeLabel(f, "LabelCultivation_7", ",角色最低要求", 120, 1365);
    m_text6[7] = (new NumericField(f, "Text6_7", common::kDigits, 0))->at(1320, 1320, 495)->asResult();
    makeLabel(f, "LabelCultivation_8", "级.", 1860, 1365);
    QLabel* note = makeLabel(f, "LabelCultivation_9", "(修炼等级上限为25级)", 2280, 1365);
    ::ui::setForeColour(note, ::ui::colours::Red);
    for (NumericField* t : m_text6)
        t->setText("0");

    auto* compute = (new DcButton(f, "Button6", "计算", 0))->at(5640, 1320, 615, 255);
    compute->setToolTip("修炼等级输入0-25级");
    auto* reset = (new DcButton(f, "Button6", "重置", 1))->at(6480, 1320, 615, 255);
    auto* steps = (new DcButton(f, "Button6", "飞升降修", 2))->at(4440, 1320, 975, 255);
    for (DcButton* b : {compute, reset, steps})
        connect(b, &DcButton::click, this, &CultivationFrame::button6Click);
}

void CultivationFrame::button6Click(int index)
{
    switch (index) {
    case 0: {
        const int price = m_option2[0]->isChecked() ? kAttackPrice : kDefencePrice;
        const CultivationCost r =
            cultivationCost(m_text6[0]->wholeNumber(), m_text6[1]->wholeNumber(), m_text6[2]->wholeNumber(), price);
        ::ui::warnIfAny(m_text6[0]->window(), r.warning);
        if (r.held)
            m_text6[1]->setText(QString::number(*r.held));
        m_text6[3]->setText(QString::number(r.experience));
        m_text6[4]->setText(QString::number(r.money));
        m_text6[5]->setText(QString::number(r.contribution));
        m_text6[6]->setText(QString::number(r.resources));
        m_text6[7]->setText(QString::number(r.minCharLevel));
        break;
    }
    case 1:
        for (NumericField* t : m_text6)
            t->setText("0");
        break;
    case 2:
        ::ui::forms().showModal(kFormCultivationSteps);
        break;
    default:
        break;
    }
    m_text6[0]->setFocus();
}

void CultivationFrame::option2Click(int) { m_text6[0]->setFocus(); }

} // namespace calc::ui
