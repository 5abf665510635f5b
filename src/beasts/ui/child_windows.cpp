#include "beasts/ui/child_windows.h"

#include "beasts/child_aptitude.h"
#include "beasts/raising_plan.h"
#include "beasts/teaching.h"
#include "common/numbers.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace beasts::ui {

using ::ui::CaptionFrame;
using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;
using ::ui::qs;
namespace colours = ::ui::colours;

namespace {

CaptionFrame* frame(QWidget* parent, const char* base, int index, const char* caption, int left, int top, int width,
                    int height)
{
    auto* f = new CaptionFrame(parent, QString::fromUtf8(caption), colours::PanelBack, colours::Blue);
    f->setObjectName(::ui::controlName(base, index));
    ::ui::placeTw(f, left, top, width, height);
    return f;
}

// A box that cannot stay empty: emptied, it reads "0" again at once.
void zeroWhenEmpty(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& t) {
        if (t.isEmpty())
            box->setText("0");
    });
}

std::optional<double> optionalNumber(const QLineEdit* box)
{
    if (box->text().isEmpty())
        return std::nullopt;
    const common::ReadNumber n = common::readLeadingNumber(box->text().toStdString());
    return n.valid ? n.value : 0.0;
}

} // namespace

// ---------------------------------------------------------------- Form24 孩子资质档次

AptitudeGradeWindow::AptitudeGradeWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("孩子资质档次"));
    setClientSizeTw(5130, 3450);
    ::ui::setBackColour(this, colours::PanelBack);

    auto* inputs = frame(this, "Frame1", 0, "孩子属性", 120, 120, 1935, 3210);
    const char* valueNames[4] = {"武学悟性", "法术悟性", "心态", "体质"};
    for (int i = 0; i < 4; ++i) {
        const int y = 360 + 480 * i;
        makeLabel(inputs, ::ui::controlName("Label1", i), valueNames[i], 120, y + 30);
        auto* box = (new NumericField(inputs, ::ui::controlName("Text1", i), common::kDigits, 3))->at(1080, y, 735);
        box->setText("0");
        m_values[static_cast<std::size_t>(i)] = box;
    }
    auto* predict = (new DcButton(inputs, "dcButton1", QStringLiteral("预测"), 0))->at(240, 2400, 1455, 375);
    auto* actual = (new DcButton(inputs, "dcButton1", QStringLiteral("实际"), 1))->at(240, 2760, 1455, 375);
    actual->setVisible(false);
    connect(predict, &DcButton::click, this, &AptitudeGradeWindow::dcButton1Click);
    connect(actual, &DcButton::click, this, &AptitudeGradeWindow::dcButton1Click);

    auto* grades = frame(this, "Frame1", 2, "预测档次", 2115, 120, 2895, 3210);
    for (int i = 0; i < kAptitudeRows; ++i) {
        const int y = 360 + 450 * i;
        const std::size_t k = static_cast<std::size_t>(i);
        makeLabel(grades, ::ui::controlName("Label1", 10 + i), qs(kAptitudeNames[k]), 120, y + 30);
        m_results[k] = (new NumericField(grades, ::ui::controlName("Text3", i), common::kDigits, 0))->at(1020, y, 735);
        m_results[k]->setFocusPolicy(Qt::ClickFocus);
        auto* combo = new QComboBox(grades);
        combo->setObjectName(::ui::controlName("Combo1", i));
        for (int g = 0; g <= kAptitudeTopGrade[k]; ++g)
            combo->addItem(QString::number(g));
        combo->setCurrentIndex(-1);
        ::ui::placeTw(combo, 1860, y - 15, 615, 300);
        combo->setFocusPolicy(Qt::ClickFocus);
        connect(combo, &QComboBox::activated, this, [this, i] { combo1Click(i); });
        m_grades[k] = combo;
        makeLabel(grades, ::ui::controlName("Label1", 16 + i), "档", 2535, y + 30);
    }
    for (int i = 0; i < 3; ++i)
        setTabOrder(m_values[static_cast<std::size_t>(i)], m_values[static_cast<std::size_t>(i + 1)]);

    // Load: every list at "0", each pick computing its row.
    for (QComboBox* c : m_grades)
        ::ui::pickEntry(c, QStringLiteral("0"));
    m_values[0]->setFocus();
}

void AptitudeGradeWindow::queryUnload() { ::ui::forms().setMainVisible(); }

void AptitudeGradeWindow::dcButton1Click(int index)
{
    if (index != 0)
        return;
    Comprehension c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = optionalNumber(m_values[i]);
    const std::string_view warning = checkComprehension(c);
    if (!warning.empty()) {
        ::ui::warningBox(this, qs(warning));
        return;
    }
    for (QComboBox* g : m_grades)
        ::ui::pickEntry(g, QStringLiteral("0"));
}

void AptitudeGradeWindow::combo1Click(int index)
{
    Comprehension c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = optionalNumber(m_values[i]);
    auto row = [&](int r) {
        const QComboBox* g = m_grades[static_cast<std::size_t>(r)];
        const double grade = common::readLeadingNumber(g->currentText().toStdString()).value;
        if (const auto v = aptitudeRow(r, c, grade))
            m_results[static_cast<std::size_t>(r)]->setText(QString::number(*v));
    };
    if (index >= 0 && index <= 3) {
        row(index);
    } else if (index == 4 || index == 5) {
        row(4);
        row(5);
    }
}

// ---------------------------------------------------------------- Form30 孩子物品成本统计

namespace {
// How far the total, its caption and 清空 stand below the last row of lines (which ends
// at 2880 twips in its column), so that the eleventh row can be read.
constexpr int kTotalDrop = 285;
} // namespace

CostTallyWindow::CostTallyWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("孩子物品成本统计"));
    // The result columns hold eleven rows of lines with the total below them, so columns
    // and window are kTotalDrop taller than a layout that put the total on the last row.
    setClientSizeTw(6120, 8130 + kTotalDrop);
    ::ui::setBackColour(this, colours::PanelBack);

    const char* moneyNames[kCostPanels] = {"Text1", "Text2", "Text3", "Text4"};
    const char* quantityNames[kCostPanels] = {"Text11", "Text22", "Text33", "Text44"};
    const char* tickNames[kCostPanels] = {"Check1", "Check2", "Check3", "Check4"};
    for (int p = 0; p < kCostPanels; ++p) {
        const CostPanel& panel = CostPanels[static_cast<std::size_t>(p)];
        auto* f = frame(this, "Frame1", p, "", 120 + 2985 * (p % 2), 120 + 1740 * (p / 2), 2895, 1650);
        f->setCaption(qs(panel.caption));
        for (int i = 0; i < kCostPanelItems; ++i) {
            const std::size_t pk = static_cast<std::size_t>(p), ik = static_cast<std::size_t>(i);
            const int y = 270 + 270 * i;
            auto* tick = new QCheckBox(qs(panel.items[ik]), f);
            tick->setObjectName(::ui::controlName(tickNames[p], i));
            tick->setChecked(true);
            ::ui::placeTw(tick, 120, y, 1260, 255);
            m_ticks[pk][ik] = tick;
            // 795 twips: seven digits whole.
            m_money[pk][ik] = (new NumericField(f, ::ui::controlName(moneyNames[p], i), common::kDigits, 7))->at(1380, y, 795, 255);
            m_quantity[pk][ik] =
                (new NumericField(f, ::ui::controlName(quantityNames[p], i), common::kDigits, 2))->at(2220, y, 360, 255);
            makeLabel(f, ::ui::controlName("Label1", 5 * p + i), qs(panel.unit), 2625, y + 15);
            for (NumericField* b : {m_money[pk][ik], m_quantity[pk][ik]}) {
                b->setText("0");
                zeroWhenEmpty(b);
            }
        }
    }

    auto* manuals = frame(this, "Frame2", -1, "兽诀", 120, 3600, 2895, 750);
    for (int i = 0; i < 2; ++i) {
        const int y = 240 + 240 * i;
        auto* tick = new QCheckBox(QStringLiteral("兽诀%1").arg(i + 1), manuals);
        tick->setObjectName(::ui::controlName("Check6", i));
        tick->setChecked(true);
        ::ui::placeTw(tick, 120, y, 1260, 240);
        m_manualTicks[static_cast<std::size_t>(i)] = tick;
        auto* box = (new NumericField(manuals, ::ui::controlName("Text6", i), common::kDigits, 8))->at(1380, y, 900, 240);
        box->setText("0");
        zeroWhenEmpty(box);
        m_manuals[static_cast<std::size_t>(i)] = box;
    }
    auto* bookFrame = frame(this, "Frame1", 4, "特技书", 3105, 3600, 2895, 750);
    m_bookTick = new QCheckBox(QStringLiteral("特技书"), bookFrame);
    m_bookTick->setObjectName("Check5");
    m_bookTick->setChecked(true);
    ::ui::placeTw(m_bookTick, 120, 300, 1260, 255);
    m_book = (new NumericField(bookFrame, "Text5", common::kDigits, 8))->at(1380, 300, 900, 255);
    m_book->setText("0");
    zeroWhenEmpty(m_book);

    for (int c = 0; c < 2; ++c) {
        auto* b = (new DcButton(this, "dcButton1", QStringLiteral("统计%1").arg(c + 1), c))->at(120 + 1020 * c, 4440, 975, 330);
        connect(b, &DcButton::click, this, &CostTallyWindow::dcButton1Click);
    }
    auto* reset = (new DcButton(this, "dcButton2", QStringLiteral("重置")))->at(5025, 4440, 975, 330);
    connect(reset, &DcButton::click, this, &CostTallyWindow::dcButton2Click);

    for (int c = 0; c < 2; ++c) {
        auto* col = frame(this, "Frame3", c, "", 120 + 2985 * c, 4860, 2895, 3150 + kTotalDrop);
        col->setCaption(QStringLiteral("统计%1").arg(c + 1));
        for (int k = 0; k < kCostColumnLines; ++k) {
            auto* l = new QLabel(col);
            l->setObjectName(::ui::controlName("Label2", kCostColumnLines * c + k));
            ::ui::placeTw(l, 120 + 1380 * (k % 2), 240 + 240 * (k / 2), 1335, 240);
            ::ui::setForeColour(l, colours::Blue);
            m_lines[static_cast<std::size_t>(kCostColumnLines * c + k)] = l;
        }
        makeLabel(col, ::ui::controlName("Label1", 20 + c), "总价：", 120, 2700 + kTotalDrop);
        auto* total = new QLineEdit(col);
        total->setObjectName(::ui::controlName("Text7", c));
        ::ui::placeTw(total, 780, 2655 + kTotalDrop, 1335, 300);
        total->setFocusPolicy(Qt::ClickFocus);
        m_totals[static_cast<std::size_t>(c)] = total;
        auto* clear = (new DcButton(col, "dcButton3", QStringLiteral("清空"), c))->at(2175, 2655 + kTotalDrop, 600, 300);
        connect(clear, &DcButton::click, this, &CostTallyWindow::dcButton3Click);
    }
}

void CostTallyWindow::queryUnload() { ::ui::forms().setMainVisible(); }

void CostTallyWindow::dcButton1Click(int index)
{
    if (index == 0 || index == 1)
        tallyItems(index);
}

void CostTallyWindow::tallyItems(int column)
{
    CostEntries e;
    for (std::size_t p = 0; p < CostPanels.size(); ++p)
        for (std::size_t i = 0; i < CostPanels[p].items.size(); ++i) {
            e.money[p][i] = m_money[p][i]->utf8();
            e.quantity[p][i] = m_quantity[p][i]->utf8();
        }
    e.specialBook = m_book->utf8();
    for (std::size_t i = 0; i < e.manuals.size(); ++i)
        e.manuals[i] = m_manuals[i]->utf8();
    const CostTally t = tallyCosts(e);
    for (int k = 0; k < kCostColumnLines; ++k) {
        const std::size_t at = static_cast<std::size_t>(kCostColumnLines * column + k);
        m_lines[at]->setText(static_cast<std::size_t>(k) < t.lines.size() ? qs(t.lines[static_cast<std::size_t>(k)])
                                                                           : QString());
    }
    m_totals[static_cast<std::size_t>(column)]->setText(qs(t.total));
}

void CostTallyWindow::dcButton2Click()
{
    for (std::size_t i = 0; i < kCostPanelItems; ++i)
        for (std::size_t p = 0; p < kCostPanels; ++p) {
            m_ticks[p][i]->setChecked(true);
            m_money[p][i]->setText("0");
            m_quantity[p][i]->setText("0");
        }
    m_bookTick->setChecked(true);
    m_book->setText("0");
    for (std::size_t i = 0; i < 2; ++i) {
        m_manualTicks[i]->setChecked(true);
        m_manuals[i]->setText("0");
    }
}

void CostTallyWindow::dcButton3Click(int index)
{
    if (index != 0 && index != 1)
        return;
    for (int k = 0; k < kCostColumnLines; ++k)
        m_lines[static_cast<std::size_t>(kCostColumnLines * index + k)]->clear();
    m_totals[static_cast<std::size_t>(index)]->clear();
}

// ---------------------------------------------------------------- Form9 孩子教导

TeachingWindow::TeachingWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("孩子教导"));
    setClientSizeTw(6345, 4335);
    ::ui::setBackColour(this, colours::PanelBack);
    QFont textFont = font();
    textFont.setPointSizeF(10.5);

    m_list = new QListWidget(this);
    m_list->setObjectName("List1");
    ::ui::placeTw(m_list, 120, 480, 3075, 3735);

    auto* back = new QLineEdit(this);
    back->setObjectName("Text1");
    back->setReadOnly(true);
    back->setFocusPolicy(Qt::NoFocus);
    ::ui::placeTw(back, 3300, 120, 2925, 4095);

    const std::uint32_t answerColours[4] = {colours::Blue, colours::Magenta, colours::Red, 0x0040C0};
    for (int i = 0; i < 5; ++i) {
        auto* t = new QPlainTextEdit(this);
        t->setObjectName(::ui::controlName("Text2", i));
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::ClickFocus);
        QFont f = textFont;
        f.setBold(i == 0);
        t->setFont(f);
        if (i > 0)
            ::ui::setForeColour(t, answerColours[i - 1]);
        if (i == 0)
            ::ui::placeTw(t, 3360, 180, 2805, 900);
        else
            ::ui::placeTw(t, 3360, 1140 + 765 * (i - 1), 2805, 690);
        m_answers[static_cast<std::size_t>(i)] = t;
    }

    m_search = new QLineEdit(this);
    m_search->setObjectName("Text3");
    m_search->setFont(textFont);
    ::ui::placeTw(m_search, 120, 120, 1875, 315);
    auto* clear = (new DcButton(this, "dcButton1", QStringLiteral("清空"), 0))->at(2040, 120, 555, 315);
    auto* all = (new DcButton(this, "dcButton1", QStringLiteral("全部"), 1))->at(2640, 120, 555, 315);
    setTabOrder(m_list, m_search);
    setTabOrder(m_search, clear);
    setTabOrder(clear, all);

    // A pick by mouse or keys; the focus landing on the list picks nothing.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { list1Click(m_list->currentRow()); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { list1Click(m_list->row(item)); });
    connect(m_search, &QLineEdit::textChanged, this, &TeachingWindow::text3Change);
    connect(clear, &DcButton::click, this, &TeachingWindow::dcButton1Click);
    connect(all, &DcButton::click, this, &TeachingWindow::dcButton1Click);

    listAll();
    m_list->setFocus();
}

void TeachingWindow::queryUnload() { ::ui::forms().setMainVisible(); }

void TeachingWindow::listAll()
{
    m_view.clear();
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (std::size_t i = 0; i < TeachingQuestions.size(); ++i) {
        m_view.push_back(i);
        m_list->addItem(qs(TeachingQuestions[i].question));
    }
    // None is current, and stays so when the list gets the focus: the first Down picks
    // the first question.
    m_list->setCurrentIndex(QModelIndex());
}

void TeachingWindow::clearAnswers()
{
    for (QPlainTextEdit* t : m_answers)
        t->clear();
}

void TeachingWindow::list1Click(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_view.size())
        return;
    const TeachingQuestion& q = TeachingQuestions[m_view[static_cast<std::size_t>(row)]];
    m_answers[0]->setPlainText(qs(q.question));
    for (std::size_t i = 0; i < q.answers.size(); ++i)
        m_answers[i + 1]->setPlainText(qs(q.answers[i]));
    m_search->setFocus();
}

void TeachingWindow::text3Change()
{
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
    }
    clearAnswers();
    m_view = searchTeaching(m_search->text().toStdString());
    const QSignalBlocker block(m_list);
    for (std::size_t i : m_view)
        m_list->addItem(qs(TeachingQuestions[i].question));
}

void TeachingWindow::dcButton1Click(int index)
{
    if (index == 0) {
        m_search->setText(QString());
        {
            const QSignalBlocker block(m_list);
            m_list->clear();
        }
        m_view.clear();
        clearAnswers();
        m_search->setFocus();
    } else if (index == 1) {
        {
            const QSignalBlocker block(m_list);
            m_list->clear();
        }
        m_search->setText(QString());
        listAll();
        m_search->setFocus();
    }
}

// ---------------------------------------------------------------- Form34 养育计划

RaisingPlanWindow::RaisingPlanWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("养育计划"));
    setClientSizeTw(10920, 8520);
    ::ui::setBackColour(this, colours::PanelBack);

    auto group = [this](QWidget* parent, const char* base, auto names, int columns, int rowHeight, int base_,
                        int* code) {
        auto* g = new QButtonGroup(this);
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto* o = new QRadioButton(qs(names[i]), parent);
            o->setObjectName(::ui::controlName(base, static_cast<int>(i)));
            const int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
            ::ui::placeTw(o, 120 + 1260 * col, 300 + rowHeight * row, 1215, 255);
            g->addButton(o, static_cast<int>(i));
            o->setChecked(i == 0);
        }
        connect(g, &QButtonGroup::idClicked, this, [code, base_, n = static_cast<int>(names.size())](int index) {
            if (index >= 0 && index < n)
                *code = base_ + index;
        });
    };
    // Load: speed, sect, book, in that order.
    m_speedCode = kSpeedCodeBase;
    m_sectCode = kSectCodeBase;
    m_bookCode = kBookCodeBase;

    auto* sects = frame(this, "Frame1", -1, "门派选择", 120, 120, 2655, 2130);
    group(sects, "Option3", kPlanSects, 2, 285, kSectCodeBase, &m_sectCode);
    auto* speeds = frame(this, "Frame3", -1, "速度选择", 120, 2340, 2655, 915);
    group(speeds, "Option2", kPlanSpeeds, 2, 285, kSpeedCodeBase, &m_speedCode);
    auto* books = frame(this, "Frame2", -1, "特技书选择", 120, 3345, 2655, 1260);
    group(books, "Option1", kPlanBooks, 2, 285, kBookCodeBase, &m_bookCode);
    (new DcButton(books, "dcButton1", QStringLiteral("查阅")))->at(1380, 870, 1095, 300);
    auto* list = new QListWidget(this);
    list->setObjectName("List1");
    ::ui::placeTw(list, 120, 4725, 2655, 3675);

    auto* title = makeLabel(this, "Label2", qs(kPlanTitle), 2940, 120);
    QFont titleFont = title->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->adjustSize();
    ::ui::setForeColour(title, colours::Blue);

    // The plan is aligned with blanks: a fixed-width face keeps its columns.
    QFont mono = font();
    mono.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("Monospace")});
    mono.setStyleHint(QFont::TypeWriter);
    auto* plan = new QPlainTextEdit(this);
    plan->setObjectName("Text1");
    plan->setFont(mono);
    ::ui::placeTw(plan, 2940, 900, 7860, 7500);
    // Each head stands over its column: the columns start at these character cells of a line.
    const int columnCells[7] = {0, 8, 19, 31, 42, 50, 59};
    const int cell = QFontMetrics(mono).horizontalAdvance(QLatin1Char('0'));
    const int textLeft = plan->x() + plan->frameWidth() + static_cast<int>(plan->document()->documentMargin());
    for (int i = 0; i < 7; ++i) {
        auto* head = makeLabel(this, ::ui::controlName("Label1", i), qs(kPlanHeads[static_cast<std::size_t>(i)]), 0, 600);
        QFont f = head->font();
        f.setBold(true);
        head->setFont(f);
        head->adjustSize();
        head->move(textLeft + cell * columnCells[i], head->y());
        ::ui::setForeColour(head, colours::Blue);
    }
    plan->setLineWrapMode(QPlainTextEdit::NoWrap);
    plan->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList lines;
    for (const std::string& l : raisingPlanLines())
        lines << qs(l);
    plan->setPlainText(lines.join('\n'));
}

void RaisingPlanWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace beasts::ui
