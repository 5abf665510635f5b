#include "calc/ui/total_experience_window.h"

#include "calc/total_experience.h"
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
constexpr int kFormNumber = 25;
constexpr int kFormPotentialFruit = 7;

QString name(const char* base, int index = -1) { return ::ui::controlName(base, index); }
} // namespace

TotalExperienceWindow::TotalExperienceWindow() : FormWindow(kFormNumber)
{
    setWindowTitle("总经验计算");
    setClientSizeTw(5490, 3495);
    ::ui::setBackColour(this, ::ui::colours::PanelBack);
    const auto digits = common::kDigits;

    makeLabel(this, "Label1_0", "角色等级：", 120, 165);
    m_level = (new NumericField(this, "Text1", digits, 3))->at(1200, 120, 495);
    makeLabel(this, "Label1_5", "级,于", 1740, 165);
    m_ascension = (new NumericField(this, "Text11", digits, 3))->at(2280, 120, 495);
    makeLabel(this, "Label1_17", "级时飞升(飞升前最低135)", 2820, 165);

    makeLabel(this, "Label1_1", "门派技能：", 120, 525);
    for (int i = 0; i < 7; ++i)
        m_sect[static_cast<std::size_t>(i)] = (new NumericField(this, name("Text2", i), digits, 3))->at(1200 + 600 * i, 480, 495);

    makeLabel(this, "Label1_2", "辅助技能：", 120, 885);
    for (int i = 0; i < 13; ++i) {
        const int row = i < 7 ? 0 : 1;
        const int col = i < 7 ? i : i - 7;
        m_aux[static_cast<std::size_t>(i)] =
            (new NumericField(this, name("Text3", i), digits, 3))->at(1200 + 600 * col, 840 + 360 * row, 495);
    }
    makeLabel(this, "Label1_6", "级", 1200 + 600 * 6, 1245);

    auto* fruitButton = (new DcButton(this, "dcButton2", "潜力果"))->at(120, 1560, 855, 270);
    connect(fruitButton, &DcButton::click, this, [this] { dcButton2Click(); });
    m_fruits = (new NumericField(this, "Text4", digits, 3))->at(1200, 1560, 495);
    makeLabel(this, "Label1_7", "个(换第", 1740, 1605);
    m_fruitCount = (new NumericField(this, "Text9", digits, 0))->at(2460, 1560, 495)->asResult();
    makeLabel(this, "Label1_15", "个需要经验", 3000, 1605);
    m_fruitExp = (new NumericField(this, "Text10", digits, 0))->at(3960, 1560, 615)->asResult();
    makeLabel(this, "Label1_16", "万点)", 4620, 1605);

    makeLabel(this, "Label1_4", "身上经验：", 120, 1965);
    m_carried = (new NumericField(this, "Text5", digits, 10))->at(1200, 1920, 1455);
    makeLabel(this, "Label1_8", "点", 2700, 1965);

    ::ui::makeRule(this, "Line1", ::ui::colours::Magenta, QRect(0, ::ui::tw(2280), ::ui::tw(5490), 1));

    makeLabel(this, "Label1_9", "总经验有：", 120, 2445);
    m_total = (new NumericField(this, "Text6", digits, 0))->at(1200, 2400, 1455)->asResult();
    makeLabel(this, "Label1_10", "点", 2700, 2445);
    makeLabel(this, "Label1_11", "正常死亡掉", 120, 2805);
    m_normalDeath = (new NumericField(this, "Text7", digits, 0))->at(1200, 2760, 1455)->asResult();
    makeLabel(this, "Label1_12", "点经验", 2700, 2805);
    makeLabel(this, "Label1_13", "ＰＫ死亡掉", 120, 3165);
    m_pkDeath = (new NumericField(this, "Text8", digits, 0))->at(1200, 3120, 1455)->asResult();
    makeLabel(this, "Label1_14", "点经验", 2700, 3165);

    auto* compute = (new DcButton(this, "dcButton1", "计算", 0))->at(3720, 3000, 735, 375);
    auto* resetButton = (new DcButton(this, "dcButton1", "重置", 1))->at(4560, 3000, 735, 375);
    for (DcButton* b : {compute, resetButton})
        connect(b, &DcButton::click, this, &TotalExperienceWindow::dcButton1Click);

    for (NumericField* t : findChildren<NumericField*>())
        t->setText("0");
    connect(m_fruits, &NumericField::textChanged, this, [this] { fruitPreview(); });

    // Enter walks level, ascension, the sect skills, the auxiliary skills, fruits and the
    // carried experience, and ends on "计算".
    QList<QWidget*> chain{m_level, m_ascension};
    for (NumericField* t : m_sect)
        chain << t;
    for (NumericField* t : m_aux)
        chain << t;
    chain << m_fruits << m_carried << compute << resetButton << fruitButton;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TotalExperienceWindow::dcButton1Click(int index)
{
    if (index == 0)
        compute();
    else if (index == 1)
        reset();
    m_level->setFocus();
}

void TotalExperienceWindow::dcButton2Click() { ::ui::forms().showModal(kFormPotentialFruit); }

void TotalExperienceWindow::compute()
{
    TotalExperienceInput in;
    in.level = m_level->wholeNumber();
    in.ascension = m_ascension->wholeNumber();
    for (std::size_t k = 0; k < m_sect.size(); ++k)
        in.sectSkills[k] = m_sect[k]->wholeNumber();
    for (std::size_t k = 0; k < m_aux.size(); ++k)
        in.auxiliarySkills[k] = m_aux[k]->wholeNumber();
    in.fruits = m_fruits->wholeNumber();
    in.carried = m_carried->wholeNumber();
    const TotalExperienceResult r = totalExperience(in);
    if (!r.warning.empty()) {
        ::ui::warningBox(this, QString::fromStdString(r.warning));
        return;
    }
    setResultNumber(m_total, r.total);
    setResultNumber(m_normalDeath, r.normalDeath);
    setResultNumber(m_pkDeath, r.pkDeath);
}

void TotalExperienceWindow::reset()
{
    m_level->setText("0");
    for (NumericField* t : m_sect)
        t->setText("0");
    for (NumericField* t : m_aux)
        t->setText("0");
    m_fruits->setText("0");
    m_carried->setText("0");
    for (NumericField* t : {m_total, m_normalDeath, m_pkDeath})
        setResultNumber(t, 0);
    m_ascension->setText("0");
    fruitPreview();
}

void TotalExperienceWindow::fruitPreview()
{
    const FruitPreview p = calc::fruitPreview(m_fruits->wholeNumber());
    setResultNumber(m_fruitCount, p.count);
    setResultNumber(m_fruitExp, p.lastFruitExp);
}

} // namespace calc::ui
