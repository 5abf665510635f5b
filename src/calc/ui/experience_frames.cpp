#include "calc/ui/experience_frames.h"

#include "calc/experience.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {
constexpr int kFormTotalExperience = 25;
}

ExperienceFrames::ExperienceFrames(::ui::CaptionFrame* f0, ::ui::CaptionFrame* f1) : QObject(f0)
{
    // 等级->经验
    makeLabel(f0, "Label1_22", "由", 120, 280);
    m_text1[0] = (new NumericField(f0, "Text1_0", common::kDigits, 3))->at(600, 240, 495);
    makeLabel(f0, "Label1_21", "级升到", 1320, 280);
    m_text1[1] = (new NumericField(f0, "Text1_1", common::kDigits, 3))->at(2040, 240, 495);
    makeLabel(f0, "Label1_20", "级共需经验", 2760, 280);
    m_text1[2] = (new NumericField(f0, "Text1_2", common::kDigits, 0))->at(3840, 240, 1215)->asResult();
    makeLabel(f0, "Label1_19", "点.", 5280, 280);
    auto* compute1 = (new DcButton(f0, "Button1", "计算", 0))->at(5760, 240, 615, 255);
    compute1->setToolTip("等级0-155级");
    auto* reset1 = (new DcButton(f0, "Button1", "重置", 1))->at(6600, 240, 615, 255);
    reset1->setTabStop(false);
    for (NumericField* t : m_text1)
        t->setText("0");
    for (DcButton* b : {compute1, reset1})
        connect(b, &DcButton::click, this, &ExperienceFrames::button1Click);

    // 经验->等级
    makeLabel(f1, "Label1_13", "经验", 120, 280);
    m_text2[0] = (new NumericField(f1, "Text2_0", common::kDigits, 9))->at(600, 240, 1215);
    makeLabel(f1, "Label1_12", "点可由", 1920, 280);
    m_text2[1] = (new NumericField(f1, "Text2_1", common::kDigits, 3))->at(2520, 240, 495);
    makeLabel(f1, "Label1_11", "级直接升到", 3120, 280);
    m_text2[2] = (new NumericField(f1, "Text2_2", common::kDigits, 0))->at(4080, 240, 495)->asResult();
    makeLabel(f1, "Label1_10", "级,剩余经验", 4680, 280);
    m_text2[3] = (new NumericField(f1, "Text2_3", common::kDigits, 0))->at(5760, 240, 1215)->asResult();
    makeLabel(f1, "Label1_9", "点.", 7080, 280);
    auto* points = (new DcButton(f1, "Button2", "角色加点", 2))->at(3240, 600, 975, 255);
    points->setVisible(false);
    auto* total = (new DcButton(f1, "Button2", "总经验计算", 3))->at(4440, 600, 1095, 255);
    total->setTabStop(false);
    auto* compute2 = (new DcButton(f1, "Button2", "计算", 0))->at(5760, 600, 615, 255);
    compute2->setToolTip("经验最高可输入9个9,等级0-155级");
    auto* reset2 = (new DcButton(f1, "Button2", "重置", 1))->at(6600, 600, 615, 255);
    reset2->setTabStop(false);
    for (NumericField* t : m_text2)
        t->setText("0");
    for (DcButton* b : {points, total, compute2, reset2})
        connect(b, &DcButton::click, this, &ExperienceFrames::button2Click);
    // Enter walks Text2(0), Text2(1), then the compute button.
    QWidget::setTabOrder(m_text2[1], compute2);
}

void ExperienceFrames::button1Click(int index)
{
    if (index == 0) {
        const LevelToExpResult r = levelToExperience(m_text1[0]->wholeNumber(), m_text1[1]->wholeNumber());
        ::ui::warnIfAny(m_text1[0]->window(), r.warning);
        m_text1[2]->setText(QString::number(r.amount));
        m_text1[2]->setToolTip(QString::fromStdString(r.tooltip));
        m_text1[0]->setFocus();
    } else if (index == 1) {
        for (NumericField* t : m_text1)
            t->setText("0");
        m_text1[2]->setToolTip(QString::fromStdString(formatWanYi(0, "是", "点经验")));
        m_text1[0]->setFocus();
    }
}

void ExperienceFrames::button2Click(int index)
{
    switch (index) {
    case 0: {
        const ExpToLevelResult r = experienceToLevel(m_text2[0]->utf8(), m_text2[1]->wholeNumber());
        ::ui::warnIfAny(m_text2[0]->window(), r.warning);
        m_text2[2]->setText(QString::number(r.level));
        m_text2[3]->setText(QString::number(r.remaining));
        m_text2[0]->setToolTip(QString::fromStdString(r.inputTooltip));
        m_text2[3]->setToolTip(QString::fromStdString(r.remainingTooltip));
        m_text2[0]->setFocus();
        break;
    }
    case 1:
        for (NumericField* t : m_text2)
            t->setText("0");
        m_text2[0]->setFocus();
        break;
    case 3:
        ::ui::forms().showModal(kFormTotalExperience);
        break;
    default:
        break;
    }
}

} // namespace calc::ui
