#include "calc/ui/sect_skill_frame.h"

#include "calc/sect_skills.h"
#include "calc/ui/result_cell.h"
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
constexpr int kFormSectSkillDetail = 2;
constexpr int kResetIndex = 7;
constexpr int kDetailIndex = 8;
} // namespace

SectSkillFrame::SectSkillFrame(::ui::CaptionFrame* f) : QObject(f)
{
    makeLabel(f, "Label1_18", "技能从", 120, 285);
    m_text3[0] = (new NumericField(f, "Text3_0", common::kDigits, 3))->at(720, 240, 495);
    makeLabel(f, "Label1_17", "级升到", 1320, 285);
    m_text3[1] = (new NumericField(f, "Text3_1", common::kDigits, 3))->at(1920, 240, 495);
    makeLabel(f, "Label1_16", "级共消耗经验", 2520, 285);
    m_text3[2] = (new NumericField(f, "Text3_2", common::kDigits, 0))->at(3640, 240, 1095)->asResult();
    makeLabel(f, "Label1_15", "点,金钱", 4800, 285);
    m_text3[3] = (new NumericField(f, "Text3_3", common::kDigits, 0))->at(5520, 240, 1095)->asResult();
    makeLabel(f, "Label1_14", "两", 6660, 285);
    m_count = makeLabel(f, "Label24", "(X1项)", 6840, 285, 540);
    ::ui::setForeColour(m_count, 0xC000C0);
    m_count->setVisible(false);
    for (NumericField* t : m_text3)
        t->setText("0");

    auto* one = (new DcButton(f, "Button3", "计算(X1)", 0))->at(2040, 600, 855, 255);
    one->setToolTip("等级输入0-160级");
    connect(one, &DcButton::click, this, &SectSkillFrame::button3Click);
    for (int i = 1; i <= 6; ++i) {
        auto* b = (new DcButton(f, "Button3", QStringLiteral("(X%1)").arg(i + 1), i))->at(2880 + 480 * (i - 1), 600, 495, 255);
        b->setToolTip("等级输入0-160级");
        b->setTabStop(false);
        connect(b, &DcButton::click, this, &SectSkillFrame::button3Click);
    }
    auto* reset = (new DcButton(f, "Button3", "重置", kResetIndex))->at(5880, 600, 615, 255);
    auto* detail = (new DcButton(f, "Button3", "详细", kDetailIndex))->at(6600, 600, 615, 255);
    for (DcButton* b : {reset, detail}) {
        b->setTabStop(false);
        connect(b, &DcButton::click, this, &SectSkillFrame::button3Click);
    }
    // Enter walks Text3(0), Text3(1), then "计算(X1)".
    QWidget::setTabOrder(m_text3[1], one);
}

void SectSkillFrame::button3Click(int index)
{
    if (index >= 0 && index < kResetIndex) {
        compute(index + 1);
    } else if (index == kResetIndex) {
        m_count->setVisible(false);
        m_text3[0]->setText("0");
        m_text3[1]->setText("0");
        setResultNumber(m_text3[2], 0);
        setResultNumber(m_text3[3], 0);
        m_text3[0]->setFocus();
    } else if (index == kDetailIndex) {
        ::ui::forms().showModal(kFormSectSkillDetail);
    }
}

void SectSkillFrame::compute(int skills)
{
    const SectSkillFrameResult r = sectSkillFrame(m_text3[0]->wholeNumber(), m_text3[1]->wholeNumber(), skills);
    auto showNote = [&] {
        if (r.showCount)
            m_count->setText(QString::fromStdString(r.countCaption));
        m_count->setVisible(r.showCount);
    };
    if (r.noteBeforeWarning)
        showNote();
    ::ui::warnIfAny(m_text3[0]->window(), r.warning);
    if (!r.noteBeforeWarning)
        showNote();
    setResultNumber(m_text3[2], r.experience);
    setResultNumber(m_text3[3], r.money);
    if (r.writeTooltips) {
        m_text3[2]->setToolTip(QString::fromStdString(r.experienceTooltip));
        m_text3[3]->setToolTip(QString::fromStdString(r.moneyTooltip));
    }
    m_text3[0]->setFocus();
}

} // namespace calc::ui
