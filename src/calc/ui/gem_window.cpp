#include "calc/ui/gem_window.h"

#include "calc/gems.h"
#include "common/numbers.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace calc::ui {

using ::ui::NumericField;

namespace {

// One line of the result sentence: fixed words and result labels flowing left to right.
QWidget* sentenceLine(QWidget* parent, int top)
{
    auto* line = new QWidget(parent);
    ::ui::placeTw(line, 120, top, 3960, 255);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return line;
}

void addWords(QWidget* line, const char* name, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), line);
    l->setObjectName(QLatin1String(name));
    line->layout()->addWidget(l);
}

QLabel* addResult(QWidget* line, int index)
{
    auto* l = new QLabel(line);
    l->setObjectName(::ui::controlName("Label2", index));
    ::ui::setForeColour(l, ::ui::colours::Red);
    line->layout()->addWidget(l);
    return l;
}

void endLine(QWidget* line) { static_cast<QHBoxLayout*>(line->layout())->addStretch(1); }

} // namespace

GemWindow::GemWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("宝石计算"));
    setClientSizeTw(4185, 1605);

    ::ui::makeLabel(this, "Label1_0", "输入宝石级数：", 120, 150);
    m_level = new QComboBox(this);
    m_level->setObjectName("Combo1");
    for (int n = 1; n <= kMaxGemLevel; ++n)
        m_level->addItem(QString::number(n));
    m_level->setCurrentIndex(-1);
    ::ui::placeTw(m_level, 1380, 105, 615, 300);
    ::ui::makeLabel(this, "Label1_1", "级, 宝石单价：", 2055, 150);
    m_price = (new NumericField(this, "Text1", common::kDigits, 6))->at(3300, 120, 765);
    m_price->setTabStop(false);
    m_price->setText("0");

    ::ui::makeRule(this, "Line1", ::ui::colours::Blue, QRect(0, ::ui::tw(480), ::ui::tw(4185), 1));

    QWidget* merge = sentenceLine(this, 570);
    addWords(merge, "Label1_2", "合成");
    m_results[0] = addResult(merge, 0);
    addWords(merge, "Label1_3", "级宝石,是要用到");
    m_results[1] = addResult(merge, 1);
    addWords(merge, "Label1_4", "颗1级宝石");
    endLine(merge);

    QWidget* mergeCost = sentenceLine(this, 825);
    addWords(mergeCost, "Label1_5", "不计失败需要成本");
    m_results[2] = addResult(mergeCost, 2);
    addWords(mergeCost, "Label1_6", "两.");
    endLine(mergeCost);

    QWidget* forge = sentenceLine(this, 1080);
    addWords(forge, "Label1_7", "装备武器");
    m_results[3] = addResult(forge, 3);
    addWords(forge, "Label1_8", "级锻造共耗1级宝石");
    m_results[4] = addResult(forge, 4);
    addWords(forge, "Label1_9", "颗");
    endLine(forge);

    QWidget* forgeCost = sentenceLine(this, 1335);
    addWords(forgeCost, "Label1_10", "不计失败总成本是");
    m_results[5] = addResult(forgeCost, 5);
    addWords(forgeCost, "Label1_11", "两.");
    endLine(forgeCost);

    connect(m_level, &QComboBox::activated, this, &GemWindow::levelPicked);
    connect(m_price, &QLineEdit::textChanged, this, &GemWindow::priceChanged);

    // The level is set on load and, like a pick, fills the results at once.
    ::ui::pickEntry(m_level, QStringLiteral("1"));
}

void GemWindow::levelPicked() { recompute(); }

void GemWindow::priceChanged(const QString& text)
{
    if (text.isEmpty()) {
        m_price->setText("0"); // changes the text again, which recomputes
        return;
    }
    recompute();
}

void GemWindow::recompute()
{
    const QString level = m_level->currentText();
    const GemCosts c = gemCosts(static_cast<int>(common::readWholeNumber(level.toStdString())),
                                common::readWholeNumber(m_price->utf8()));
    m_results[0]->setText(level);
    m_results[1]->setText(QString::number(c.mergeGems));
    m_results[2]->setText(QString::number(c.mergeCost));
    m_results[3]->setText(level);
    m_results[4]->setText(QString::number(c.forgeGems));
    m_results[5]->setText(QString::number(c.forgeCost));
}

} // namespace calc::ui
