#include "reference/tables/ui/treasure_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "reference/tables/treasures.h"
#include "reference/tables/ui/picture_tile.h"
#include "reference/tables/ui/sheet_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace tables::ui {

namespace colours = ::ui::colours;
using ::ui::qs;

namespace {

constexpr std::uint32_t kLockedBack = 0xC0FFC0;
constexpr std::uint32_t kResetBack = 0xE4D1D2;
constexpr std::array<std::uint32_t, 3> kTabFore{0xFF0000, 0xFF00FF, 0x0000FF};
constexpr std::array<int, 3> kTabTop{360, 1200, 2040};

// The sheet area sits below the calculator (in the first layout it lay over it), tall
// enough for the 17 rows of the 特级 sheet without scrolling.
constexpr int kSheetRowHeight = 19; // pixels
constexpr int kSheetHeight = (17 * kSheetRowHeight + 2) * 15;
constexpr int kSheetFrameTop = 4080;
constexpr int kSheetFrameHeight = 240 + kSheetHeight + 90;
constexpr int kClientWidth = 7065;
// Frame1 starts 120 above the window, so the sheet frame ends 120 above the bottom.
constexpr int kClientHeight = kSheetFrameTop + kSheetFrameHeight;

// Field headings of a page: 法宝描述 … 五行影响 on the first nine label Indices, then
// 灵气上限 and 回合限制.
constexpr std::array<const char*, 9> kHeadings{"法宝描述", "法宝作用", "使用效果", "类型",    "等级",
                                               "门派限制", "佩带",     "主被动",   "五行影响"};
constexpr std::array<int, 9> kHeadingLeft{1920, 3600, 5160, 200, 840, 1460, 2400, 2920, 3840};
constexpr std::array<int, 9> kHeadingTop{240, 240, 240, 2040, 2040, 2040, 2040, 2040, 2040};

int headingIndex(int cls, int k)
{
    switch (cls) {
    case 0:
        return k;
    case 1:
        return 17 - k;
    default:
        return 26 - k;
    }
}
constexpr std::array<int, 3> kAuraLabel{27, 28, 29};
constexpr std::array<int, 3> kTurnsLabel{40, 43, 44};

// Places of the one-line fields 3 … 10 (Left, Width) on the row at Top 2280. 回合限制
// (field 10) is wide enough for "150回合"; 灵气上限 (field 9), which holds three digits,
// gives it the room and stands a little further right, its heading with it.
struct Slot {
    int field, left, width;
};
constexpr std::array<Slot, 8> kValueSlots{{
    {3, 120, 495}, {4, 660, 690}, {5, 1400, 855}, {6, 2300, 570},
    {7, 2900, 615}, {8, 3560, 1335}, {9, 5790, 645}, {10, 4930, 810},
}};
constexpr int kAuraHeadingLeft = 5740;

const char* pageListName(int cls) { return cls == 0 ? "Combo1" : cls == 1 ? "Combo2" : "Combo3"; }
const char* pagePictureName(int cls) { return cls == 0 ? "Image1" : cls == 1 ? "Image2" : "Image3"; }
const char* pageFieldName(int cls) { return cls == 0 ? "Text1" : cls == 1 ? "Text2" : "Text3"; }

QString middleWords(int cls)
{
    return QStringLiteral("层%1时,每修一").arg(qs(kTreasureClasses[static_cast<std::size_t>(cls)].name));
}

QTableWidget* realmSheet(QWidget* parent, int cls)
{
    const TreasureClass& c = kTreasureClasses[static_cast<std::size_t>(cls)];
    const auto names = realmNames(cls);
    const auto exp = treasureLayerExpTable(cls);
    const QColor headBack(0xFF, 0xF2, 0xCC);
    SheetGrid grid;
    std::vector<SheetCell> head;
    for (const char* h : {"法宝等级", "修炼等级", "境界名称", "所需经验", "吸收灵气场景"})
        head.push_back({QString::fromUtf8(h), true, QColor(0, 0, 0xC0), headBack});
    grid.push_back(head);
    for (int layer = 0; layer <= c.topLayer; ++layer) {
        const auto l = static_cast<std::size_t>(layer);
        grid.push_back({{qs(c.name)}, {QString::number(layer)}, {qs(names[l])}, {QString::number(exp[l])}, {}});
    }
    std::vector<CellSpan> spans;
    for (const SceneGroup& g : sceneGroups(cls)) {
        grid[static_cast<std::size_t>(g.firstLayer) + 1][4].text = qs(g.scenes);
        spans.push_back({g.firstLayer + 1, 4, g.lastLayer - g.firstLayer + 1, 1});
    }
    QTableWidget* t = makeSheet(parent, ::ui::controlName("OLE1", cls), grid, spans);
    setCellSizes(t, {62, 58, 64, 68, 193}, kSheetRowHeight);
    return t;
}

} // namespace

TreasureWindow::TreasureWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("法宝传奇"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(kClientWidth, kClientHeight);

    auto* frame1 = new ::ui::CaptionFrame(this, {}, colours::PanelBack);
    frame1->setObjectName("Frame1");
    frame1->setBorder(false);
    ::ui::placeTw(frame1, 0, -120, kClientWidth + 30, kClientHeight + 150);

    for (int cls = 0; cls < kTreasureClassCount; ++cls)
        buildPage(frame1, cls);

    for (int i = 0; i < kTreasureClassCount; ++i) {
        auto* tab = (new ::ui::DcButton(frame1, "dcButton1", qs(kTreasureClasses[static_cast<std::size_t>(i)].name), i))
                        ->at(6720, kTabTop[static_cast<std::size_t>(i)], 255, 855);
        QFont small = tab->font();
        small.setPointSize(8); // four characters one above the other fit the tab's height
        tab->setFont(small);
        tab->setForeColour(kTabFore[static_cast<std::size_t>(i)]);
        connect(tab, &::ui::DcButton::click, this, &TreasureWindow::classTabClick);
    }

    buildCalculator(frame1);

    auto* frame3 = new ::ui::CaptionFrame(frame1, QStringLiteral("吸收灵气场景"), colours::PanelBack, colours::Blue);
    frame3->setObjectName("Frame3_0");
    ::ui::placeTw(frame3, 120, kSheetFrameTop, 6855, kSheetFrameHeight);
    for (int cls = 0; cls < kTreasureClassCount; ++cls) {
        QTableWidget* sheet = realmSheet(frame3, cls);
        ::ui::placeTw(sheet, 45, 240, 6735, kSheetHeight);
        sheet->setVisible(cls == 0);
        m_sheets[static_cast<std::size_t>(cls)] = sheet;
    }

    // Tab order: the ordinary list, then the calculator's inputs.
    QWidget::setTabOrder(m_pages[0].list, m_calc[0]);
    for (int i = 0; i < 3; ++i)
        QWidget::setTabOrder(m_calc[static_cast<std::size_t>(i)], m_calc[static_cast<std::size_t>(i) + 1]);

    // Load: each list selects its first treasure, as a pick does.
    for (int cls = 0; cls < kTreasureClassCount; ++cls)
        ::ui::pickEntry(m_pages[static_cast<std::size_t>(cls)].list,
                        qs(treasureCatalogue(cls).front().name));
    m_pages[0].list->setFocus();
}

void TreasureWindow::buildPage(QWidget* parent, int cls)
{
    Page& page = m_pages[static_cast<std::size_t>(cls)];
    const TreasureClass& c = kTreasureClasses[static_cast<std::size_t>(cls)];
    page.frame = new ::ui::CaptionFrame(parent, qs(c.name), colours::PanelBack, colours::Blue);
    page.frame->setObjectName(::ui::controlName("Frame2", cls));
    ::ui::placeTw(page.frame, 120, 240, 6495, 2655);
    page.frame->setVisible(cls == 0);

    page.list = new QComboBox(page.frame);
    page.list->setObjectName(pageListName(cls));
    ::ui::placeTw(page.list, 120, 240, 1335, 300);
    const auto records = treasureCatalogue(cls);
    for (const TreasureRecord& r : records)
        page.list->addItem(qs(r.name));
    page.list->setMaxVisibleItems(16);
    connect(page.list, &QComboBox::activated, this, [this, cls] { treasurePicked(cls); });

    for (std::size_t k = 0; k < records.size(); ++k) {
        auto* tile = new PictureTile(page.frame, ::ui::controlName(pagePictureName(cls), static_cast<int>(k)),
                                     qs(records[k].name));
        ::ui::placeTw(tile, 120, 600, 1320, 1320);
        tile->setVisible(k == 0);
        page.pictures.push_back(tile);
    }

    constexpr std::array<int, 3> proseLeft{1560, 3360, 4920};
    constexpr std::array<int, 3> proseWidth{1695, 1455, 1455};
    for (int f = 0; f < 3; ++f) {
        auto* box = new QPlainTextEdit(page.frame);
        box->setObjectName(::ui::controlName(pageFieldName(cls), f));
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        ::ui::placeTw(box, proseLeft[static_cast<std::size_t>(f)], 480, proseWidth[static_cast<std::size_t>(f)], 1455);
        page.prose[static_cast<std::size_t>(f)] = box;
    }
    for (const Slot& s : kValueSlots) {
        auto* box = new QLineEdit(page.frame);
        box->setObjectName(::ui::controlName(pageFieldName(cls), s.field));
        box->setReadOnly(true);
        const int left = s.field == 10 && cls == 1 ? 4935 : s.left;
        ::ui::placeTw(box, left, 2280, s.width, 270);
        page.values[static_cast<std::size_t>(s.field - 3)] = box;
    }
    page.values[9 - 3]->setText(qs(c.auraCap)); // set once; no record writes it

    for (int k = 0; k < 9; ++k)
        ::ui::makeLabel(page.frame, ::ui::controlName("Label1", headingIndex(cls, k)),
                        QString::fromUtf8(kHeadings[static_cast<std::size_t>(k)]),
                        kHeadingLeft[static_cast<std::size_t>(k)], kHeadingTop[static_cast<std::size_t>(k)]);
    ::ui::makeLabel(page.frame, ::ui::controlName("Label1", kAuraLabel[static_cast<std::size_t>(cls)]),
                    QStringLiteral("灵气上限"), kAuraHeadingLeft, 2040);
    ::ui::makeLabel(page.frame, ::ui::controlName("Label1", kTurnsLabel[static_cast<std::size_t>(cls)]),
                    QStringLiteral("回合限制"), cls == 1 ? 4920 : 4900, 2040);
}

void TreasureWindow::buildCalculator(QWidget* parent)
{
    struct Field {
        int index, left, top, width;
        const char* text;
    };
    constexpr Field fields[] = {
        {0, 1560, 3000, 375, "0"}, {1, 2640, 3000, 375, "0"}, {2, 3840, 3000, 975, "0"},
        {4, 240, 3360, 1215, "0"}, {3, 2925, 3360, 495, "60"}, {5, 4260, 3360, 375, "0"},
        {6, 720, 3720, 975, "0"},  {7, 3360, 3720, 375, "6"},  {8, 4560, 3720, 375, "0"},
    };
    constexpr std::array<int, 4> maxLength{2, 2, 8, 3};
    for (const Field& f : fields) {
        auto* box = new QLineEdit(QString::fromUtf8(f.text), parent);
        box->setObjectName(::ui::controlName("Text4", f.index));
        ::ui::placeTw(box, f.left, f.top, f.width, 270);
        if (f.index < 4) {
            box->setMaxLength(maxLength[static_cast<std::size_t>(f.index)]);
        } else {
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::ClickFocus);
            ::ui::setBackColour(box, kLockedBack);
        }
        m_calc[static_cast<std::size_t>(f.index)] = box;
        connect(box, &QLineEdit::textChanged, this, &TreasureWindow::recompute);
    }

    struct Words {
        int index, left, top, width;
        const char* text;
    };
    constexpr Words words[] = {
        {30, 240, 3045, 1260, "普通法宝修炼由"}, {31, 2040, 3045, 540, "层升到"},
        {32, 3120, 3045, 630, "层,已有"},        {33, 4920, 3045, 1530, "点经验,总共还要耗"},
        {34, 1560, 3405, 630, "点经验."},        {35, 2160, 3405, 720, "角色等级"},
        {36, 3480, 3405, 720, "级修炼第"},       {37, 4725, 3405, 1710, "层普通法宝时,每修一"},
        {42, 240, 3765, 360, "次耗"},            {38, 1800, 3765, 1530, "点经验,每天可以修"},
        {39, 3840, 3765, 630, "次,大约"},        {41, 5040, 3765, 900, "天可以提升"},
    };
    for (const Words& w : words) {
        QLabel* l = ::ui::makeLabel(parent, ::ui::controlName("Label1", w.index), QString::fromUtf8(w.text), w.left,
                                    w.top);
        if (w.index == 30)
            m_opening = l;
        else if (w.index == 37)
            m_middle = l;
    }

    auto* reset = (new ::ui::DcButton(parent, "dcButton2", QStringLiteral("重置")))->at(6000, 3720, 615, 255);
    reset->setBackColour(kResetBack);
    connect(reset, &::ui::DcButton::click, this, &TreasureWindow::resetClick);
}

void TreasureWindow::classTabClick(int index)
{
    if (index < 0 || index >= kTreasureClassCount)
        return;
    if (index != m_shownClass) {
        m_calcClass = index;
        const auto now = static_cast<std::size_t>(index);
        const auto before = static_cast<std::size_t>(m_shownClass);
        m_pages[now].frame->setVisible(true);
        m_pages[before].frame->setVisible(false);
        m_sheets[now]->setVisible(true);
        m_sheets[before]->setVisible(false);
        m_opening->setText(qs(kTreasureClasses[now].calcOpening));
        m_opening->adjustSize();
        m_middle->setText(middleWords(index));
        m_middle->adjustSize();
        setInputs(index);
        m_shownClass = index;
    }
    m_pages[static_cast<std::size_t>(index)].list->setFocus();
}

void TreasureWindow::treasurePicked(int cls)
{
    if (cls < 0 || cls >= kTreasureClassCount)
        return;
    Page& page = m_pages[static_cast<std::size_t>(cls)];
    const auto records = treasureCatalogue(cls);
    const int k = page.list->currentIndex();
    if (k < 0 || k >= static_cast<int>(records.size()))
        return;
    if (k != page.shownPicture) {
        page.pictures[static_cast<std::size_t>(k)]->setVisible(true);
        page.pictures[static_cast<std::size_t>(page.shownPicture)]->setVisible(false);
        page.shownPicture = k;
    }
    const TreasureRecord& r = records[static_cast<std::size_t>(k)];
    page.prose[0]->setPlainText(qs(r.description));
    page.prose[1]->setPlainText(qs(r.use));
    page.prose[2]->setPlainText(qs(r.effect));
    const std::array<std::string_view, 8> values{
        r.type, kTreasureClasses[static_cast<std::size_t>(cls)].levelText, r.sect, r.wear, r.mode, r.element, {},
        r.turns};
    for (std::size_t i = 0; i < values.size(); ++i)
        if (i != 9 - 3) // 灵气上限 belongs to the class, not to a treasure
            page.values[i]->setText(qs(values[i]));
}

void TreasureWindow::setCalcText(int field, const QString& text) { m_calc[static_cast<std::size_t>(field)]->setText(text); }

void TreasureWindow::setInputs(int cls)
{
    // Each change recomputes for the class now chosen.
    setCalcText(0, QStringLiteral("0"));
    setCalcText(1, QStringLiteral("0"));
    setCalcText(2, QStringLiteral("0"));
    setCalcText(3, QString::number(kTreasureClasses[static_cast<std::size_t>(cls)].levelRequirement));
}

void TreasureWindow::recompute()
{
    // Writing a result changes a field again; the figures are already those of the
    // inputs, so those changes compute nothing more.
    if (m_writingResults)
        return;
    m_writingResults = true;
    const auto text = [this](int i) { return m_calc[static_cast<std::size_t>(i)]->text().toStdString(); };
    const CultivationUpdate u = cultivationRun(m_calcClass, text(0), text(1), text(2), text(3));
    if (u.clear) {
        setCalcText(4, QStringLiteral("0"));
        setCalcText(6, QStringLiteral("0"));
        setCalcText(8, QStringLiteral("0"));
    }
    if (u.needed) {
        setCalcText(4, qs(*u.needed));
        setCalcText(5, m_calc[1]->text());
    }
    if (u.timesPerDay)
        setCalcText(7, qs(*u.timesPerDay));
    m_writingResults = false;
}

void TreasureWindow::resetClick() { setInputs(m_calcClass); }

void TreasureWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace tables::ui
