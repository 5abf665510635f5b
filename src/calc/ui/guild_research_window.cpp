#include "calc/ui/guild_research_window.h"

#include "calc/guild_research.h"
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

GuildResearchWindow::GuildResearchWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("帮派技能研究所需经验"));
    setClientSizeTw(4470, 1575);

    // The controls read as a sentence over four lines.
    makeLabel(this, "Label1_0", "帮派辅助技能研究由", 120, 150);
    m_inputs[0] = (new NumericField(this, "Text1_0", common::kDigits, 3))->at(1740, 120, 495);
    makeLabel(this, "Label1_1", "级升到", 2280, 150);
    m_inputs[1] = (new NumericField(this, "Text1_1", common::kDigits, 3))->at(2880, 120, 495);
    makeLabel(this, "Label1_2", "级,", 3420, 150);

    makeLabel(this, "Label1_3", "现有经验", 120, 510);
    m_inputs[2] = (new NumericField(this, "Text1_2", common::kDigits, 7))->at(900, 480, 855);
    makeLabel(this, "Label1_4", "点,共需经验", 1800, 510);
    m_results[0] = (new NumericField(this, "Text2_0", common::kDigits, 0))->at(2880, 480, 1095)->asResult();
    makeLabel(this, "Label1_5", "点.", 4020, 510);

    makeLabel(this, "Label1_6", "如果帮里书院有", 120, 870);
    m_inputs[3] = (new NumericField(this, "Text1_3", common::kDigits, 2))->at(1440, 840, 375);
    makeLabel(this, "Label1_7", "间且每天可正常维护,", 1860, 870);

    makeLabel(this, "Label1_8", "则大约需要", 120, 1230);
    m_results[1] = (new NumericField(this, "Text2_1", common::kDigits, 0))->at(1080, 1200, 495)->asResult();
    makeLabel(this, "Label1_9", "天可达到要求.", 1620, 1230);
    auto* compute = (new DcButton(this, "dcButton1", "计算", 0))->at(2880, 1185, 675, 300);
    auto* reset = (new DcButton(this, "dcButton1", "重置", 1))->at(3660, 1185, 675, 300);
    reset->setTabStop(false);

    for (NumericField* t : m_inputs)
        t->setText("0");
    for (NumericField* t : m_results) {
        t->setText("0");
        ::ui::setBackColour(t, 0xC0FFC0);
    }
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &GuildResearchWindow::buttonClick);
    setTabOrder(m_inputs[3], compute);
}

void GuildResearchWindow::buttonClick(int index)
{
    if (index == 0) {
        const GuildResearchResult r = guildResearch(m_inputs[0]->wholeNumber(), m_inputs[1]->wholeNumber(),
                                                    m_inputs[2]->wholeNumber(), m_inputs[3]->wholeNumber());
        if (!r.warning.empty()) {
            ::ui::warningBox(this, QString::fromStdString(r.warning));
        } else {
            m_results[0]->setText(QString::number(r.needed));
            m_results[1]->setText(QString::number(r.days));
        }
    } else if (index == 1) {
        for (NumericField* t : m_inputs)
            t->setText("0");
        for (NumericField* t : m_results)
            t->setText("0");
    }
    m_inputs[0]->setFocus();
}

} // namespace calc::ui
