#include "calc/ui/potential_fruit_window.h"

#include "calc/potential_fruit.h"
#include "calc/ui/result_cell.h"
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

namespace {
constexpr int kFormNumber = 7;
const QString kWarningTitle = QStringLiteral("警告");
} // namespace

PotentialFruitWindow::PotentialFruitWindow() : FormWindow(kFormNumber)
{
    setWindowTitle("潜力果经验计算");
    setClientSizeTw(3870, 1035);
    ::ui::setBackColour(this, ::ui::colours::PanelBack);

    makeLabel(this, "Label1_0", "换第", 120, 285);
    m_text1[0] = (new NumericField(this, "Text1_0", common::kDigits, 3))->at(540, 240, 495);
    makeLabel(this, "Label1_1", "个到第", 1080, 285);
    m_text1[1] = (new NumericField(this, "Text1_1", common::kDigits, 3))->at(1680, 240, 495);
    makeLabel(this, "Label1_2", "个潜力果共需要", 2220, 285);
    makeLabel(this, "Label1_4", "经验", 120, 645);
    m_text1[2] = (new NumericField(this, "Text1_2", common::kDigits, 0))->at(540, 600, 855)->asResult();
    ::ui::setBackColour(m_text1[2], ::ui::colours::ActiveTab);
    makeLabel(this, "Label1_3", "万点.", 1440, 645);
    auto* compute = (new DcButton(this, "dcButton1", "计算", 0))->at(2400, 600, 615, 255);
    auto* reset = (new DcButton(this, "dcButton1", "重置", 1))->at(3120, 600, 615, 255);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &PotentialFruitWindow::dcButton1Click);
    for (NumericField* t : m_text1)
        t->setText("0");
    QWidget::setTabOrder(m_text1[1], compute);
}

void PotentialFruitWindow::dcButton1Click(int index)
{
    if (index == 0) {
        const FruitRangeResult r = fruitRangeExperience(m_text1[0]->wholeNumber(), m_text1[1]->wholeNumber());
        if (!r.warning.empty())
            ::ui::warningBox(this, ::ui::qs(r.warning), kWarningTitle);
        else
            setResultNumber(m_text1[2], r.amount);
    } else if (index == 1) {
        m_text1[0]->setText("0");
        m_text1[1]->setText("0");
        setResultNumber(m_text1[2], 0);
    }
    m_text1[0]->setFocus();
}

} // namespace calc::ui
