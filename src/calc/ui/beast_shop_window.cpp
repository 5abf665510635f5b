#include "calc/ui/beast_shop_window.h"

#include "calc/beast_shop.h"
#include "common/shared_state.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QLabel>

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {

constexpr int kBeastHpForm = 5;
constexpr std::uint32_t kResultBack = 0xC0FFC0;
constexpr std::uint32_t kInputBack = 0xFFFFFF;

struct BudgetRow {
    const char* before;
    const char* after;
    int maxLength; // 0 for the result cells
};

const BudgetRow kBudgetRows[kBudgetFields] = {
    {"商业指数：", "%.", 0},
    {"总柜台数：", "间(允许最多为10个柜台).", 2},
    {"营业中柜台数：", "间(每个柜台均按16格算).", 2},
    {"连续营业总时间：", "小时(不足24小时部分也按1天算.)", 4},
    {"平均单价：", "两(即每个格子的平均卖出价).", 5},
    {"平均补店次数：", "次(按每次空店补满宠算).", 2},
    {"额外平均总支出：", "两(指买药/旗/飞行符等额外费用).", 6},
    {"基本运营资金：", "万两(不能取出).", 0},
    {"总收入：", "万两(按全部卖完算.估算值).", 0},
    {"总维护费用：", "万两(指商店总支出,估算值).", 0},
    {"最终纯利润：", "万两(估算值).", 0},
};

} // namespace

BeastShopWindow::BeastShopWindow() : FormWindow(kNumber)
{
    common::PetShopOpen = true;
    setWindowTitle(QStringLiteral("商会系统(召唤兽店)"));
    setClientSizeTw(5625, 5505);

    // Prices of a new shop or further counters.
    makeLabel(this, "Label1", "商业指数：", 540, 270, 900)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_index = (new NumericField(this, "Text1", common::kDigits, 3))->at(1440, 240, 495);
    makeLabel(this, "Label2", "%", 1980, 270);
    makeLabel(this, "Label3", "开新店/扩张柜台", 480, 630, 1515)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counters = (new NumericField(this, "Text2", common::kDigits, 2))->at(2040, 600, 375);
    makeLabel(this, "Label4", "间,需要支付建造费用和基本", 2460, 630);
    makeLabel(this, "Label5", "运营维护资金再加3%投资税共：", 240, 990, 3075)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_newShop = (new NumericField(this, "Text3", common::kDigits, 0))->at(3360, 960, 975)->asResult();
    ::ui::setBackColour(m_newShop, kResultBack);
    makeLabel(this, "Label6", "万两.", 4380, 990);
    QLabel* signature = makeLabel(this, "Label7", "听雨轩", 4800, 120);
    ::ui::setForeColour(signature, ::ui::colours::Blue);

    // The budget: one column of fields, each with its words before and after.
    auto* frame = new ::ui::CaptionFrame(this, QStringLiteral("召唤兽店的收入和支出预算"), ::ui::colours::PanelBack,
                                         ::ui::colours::Blue);
    frame->setObjectName("Frame1");
    ::ui::placeTw(frame, 90, 1320, 5475, 4080);
    for (int i = 0; i < kBudgetFields; ++i) {
        const BudgetRow& row = kBudgetRows[i];
        const int top = 300 + 315 * i;
        makeLabel(frame, ::ui::controlName("Label8", i), QString::fromUtf8(row.before), 60, top + 30, 1440)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* field = (new NumericField(frame, ::ui::controlName("Text4", i), common::kDigits, row.maxLength))
                          ->at(1500, top, 1140);
        makeLabel(frame, ::ui::controlName("Label9", i), QString::fromUtf8(row.after), 2685, top + 30);
        if (row.maxLength == 0) {
            field->asResult();
            ::ui::setBackColour(field, kResultBack);
        } else {
            ::ui::setBackColour(field, kInputBack);
        }
        m_budget[static_cast<std::size_t>(i)] = field;
    }
    auto* compute = (new DcButton(frame, "dcButton1", "计算", 0))->at(1080, 3765, 975, 315);
    auto* clear = (new DcButton(frame, "dcButton1", "清空", 1))->at(2205, 3765, 975, 315);
    auto* hpTable = (new DcButton(frame, "dcButton1", "血量表", 2))->at(3330, 3765, 975, 315);
    clear->setTabStop(false);
    hpTable->setTabStop(false);

    for (NumericField* f : {m_index, m_counters, m_newShop})
        f->setText("0");
    for (NumericField* f : m_budget)
        f->setText("0");

    setTabOrder(m_index, m_counters);
    setTabOrder(m_counters, m_budget[1]);
    for (int i = 1; i < 6; ++i)
        setTabOrder(m_budget[static_cast<std::size_t>(i)], m_budget[static_cast<std::size_t>(i + 1)]);
    setTabOrder(m_budget[6], compute);

    connect(m_index, &QLineEdit::textChanged, this, &BeastShopWindow::indexChanged);
    connect(m_counters, &QLineEdit::textChanged, this, &BeastShopWindow::countersChanged);
    for (int i = 1; i <= 6; ++i)
        connect(m_budget[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                [this, i] { budgetFieldChanged(i); });
    for (DcButton* b : {compute, clear, hpTable})
        connect(b, &DcButton::click, this, &BeastShopWindow::buttonClick);
}

void BeastShopWindow::queryUnload()
{
    hide();
    ::ui::forms().setMainVisible();
    common::PetShopOpen = false;
}

void BeastShopWindow::changeWarning(std::string_view text)
{
    if (m_warning)
        return;
    m_warning = true;
    ::ui::warningBox(this, ::ui::qs(text));
    m_warning = false;
}

void BeastShopWindow::indexChanged()
{
    const std::string index = m_index->utf8();
    const std::string_view warning = shopIndexWarning(index);
    if (!warning.empty()) {
        m_newShop->setText("0");
        m_budget[0]->setText("0");
        changeWarning(warning);
        return;
    }
    m_newShop->setText(QString::fromStdString(newShopCost(index, m_counters->utf8())));
    m_budget[0]->setText(m_index->text());
}

void BeastShopWindow::countersChanged()
{
    const std::string counters = m_counters->utf8();
    const std::string_view warning = shopCountersWarning(counters);
    if (!warning.empty()) {
        m_newShop->setText("0");
        changeWarning(warning);
        return;
    }
    m_newShop->setText(QString::fromStdString(newShopCost(m_index->utf8(), counters)));
}

void BeastShopWindow::budgetFieldChanged(int index)
{
    NumericField* field = m_budget[static_cast<std::size_t>(index)];
    const std::string_view warning = budgetFieldWarning(index, field->utf8(), m_budget[1]->utf8());
    if (warning.empty())
        return;
    for (int i = 7; i <= 10; ++i)
        m_budget[static_cast<std::size_t>(i)]->setText("0");
    field->setText("0"); // runs this handler again, which finds nothing to refuse
    changeWarning(warning);
}

void BeastShopWindow::buttonClick(int index)
{
    switch (index) {
    case 0: {
        std::array<std::string, 7> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = m_budget[i]->utf8();
        std::array<std::string_view, 7> views;
        for (std::size_t i = 0; i < texts.size(); ++i)
            views[i] = texts[i];
        const BudgetResult r = shopBudget(views);
        for (std::size_t i = 0; i < r.figures.size(); ++i)
            m_budget[7 + i]->setText(QString::fromStdString(r.figures[i]));
        ::ui::warnIfAny(this, r.warning);
        m_index->setFocus();
        break;
    }
    case 1:
        m_index->setText("0");
        m_counters->setText("0");
        for (int i = 1; i <= 6; ++i)
            m_budget[static_cast<std::size_t>(i)]->setText("0");
        m_index->setFocus();
        break;
    case 2:
        ::ui::forms().showModal(kBeastHpForm);
        break;
    default:
        break;
    }
}

} // namespace calc::ui
