#include "calc/ui/money_limit_frame.h"

#include "calc/money_limit.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

MoneyLimitFrame::MoneyLimitFrame(::ui::CaptionFrame* f) : QObject(f)
{
    makeLabel(f, "Label1_0", "角色等级：", 120, 280);
    m_text4[0] = (new NumericField(f, "Text4_0", common::kDigits, 3))->at(1200, 240, 495);
    makeLabel(f, "Label1_1", "级,可携带金钱上限为：", 1920, 280);
    // The limit box takes typing like an input, but nothing reads it and it is no tab stop.
    m_text4[1] = (new NumericField(f, "Text4_1", common::kDigits, 0))->at(3960, 240, 1215);
    m_text4[1]->setTabStop(false);
    makeLabel(f, "Label1_2", "两.", 5400, 280);
    auto* compute = (new DcButton(f, "Button4", "计算", 0))->at(5760, 240, 615, 255);
    compute->setToolTip("等级输入0-155级");
    auto* reset = (new DcButton(f, "Button4", "重置", 1))->at(6600, 240, 615, 255);
    reset->setTabStop(false);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &MoneyLimitFrame::button4Click);
    auto* signature = makeLabel(f, "Label30", "听雨轩", 6240, 600);
    ::ui::setForeColour(signature, ::ui::colours::Blue);

    m_text4[0]->setText("0");
    m_text4[1]->setText(QString::number(kMoneyLimitAtLevelZero));
    QWidget::setTabOrder(m_text4[0], compute);
}

void MoneyLimitFrame::button4Click(int index)
{
    if (index == 0) {
        const MoneyLimitResult r = moneyLimit(m_text4[0]->wholeNumber());
        ::ui::warnIfAny(m_text4[0]->window(), r.warning);
        m_text4[1]->setText(QString::number(r.limit));
        m_text4[0]->setFocus();
    } else if (index == 1) {
        m_text4[0]->setText("0");
        m_text4[1]->setText(QString::number(kMoneyLimitAtLevelZero));
        m_text4[0]->setFocus();
    }
}

} // namespace calc::ui
