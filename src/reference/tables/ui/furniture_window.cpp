#include "reference/tables/ui/furniture_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "reference/tables/furniture.h"
#include "reference/tables/ui/picture_tile.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace tables::ui {

namespace colours = ::ui::colours;
using ::ui::qs;

namespace {

constexpr std::uint32_t kDiagramBack = 0xC0FFFF;
constexpr std::uint32_t kTabUp = 0xE6EBEC;
constexpr std::uint32_t kTabDown = 0xC0FFC0;
constexpr std::array<const char*, 5> kPageCaption{"家具材料", "一级家具名称", "二级家具名称", "三级家具名称",
                                                  "四级家具名称"};
constexpr std::array<const char*, 6> kTabCaption{"材料", "一级家具", "二级家具", "三级家具", "四级家具", "关闭"};
constexpr std::array<int, 6> kTabLeft{120, 720, 1560, 2400, 3240, 4080};
constexpr std::array<int, 6> kTabWidth{615, 855, 855, 855, 855, 735};
constexpr std::array<int, 4> kColumn{120, 1320, 2520, 3600};

// The circled level digit on a furniture picture.
QString levelBadge(int level)
{
    static const char* const digits[] = {"①", "②", "③", "④"};
    return level >= 1 && level <= 4 ? QString::fromUtf8(digits[level - 1]) : QString();
}

} // namespace

// A name label: a click anywhere on it chooses its entry.
class FurnitureLabel : public QLabel {
public:
    FurnitureLabel(QWidget* parent, int index, FurnitureWindow* owner) : QLabel(parent), m_index(index), m_owner(owner)
    {
        setObjectName(::ui::controlName("Label", index));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QLabel::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_owner->labelClick(m_index);
    }

private:
    int m_index;
    FurnitureWindow* m_owner;
};

FurnitureWindow::FurnitureWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("家具配方"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(5160, 4890);
    ::ui::makeBackdrop(this, "Back");

    auto* frame1 = new ::ui::CaptionFrame(this, {}, colours::PanelBack);
    frame1->setObjectName("Frame1");
    ::ui::placeTw(frame1, 120, 0, 4935, 4815);

    for (int i = 0; i < 6; ++i) {
        auto* b = (new ::ui::DcButton(frame1, "Button1", QString::fromUtf8(kTabCaption[static_cast<std::size_t>(i)]), i))
                      ->at(kTabLeft[static_cast<std::size_t>(i)], 240, kTabWidth[static_cast<std::size_t>(i)], 375);
        b->setForeColour(colours::Blue);
        b->setBackColour(i == 0 ? kTabDown : kTabUp);
        connect(b, &::ui::DcButton::click, this, &FurnitureWindow::tabClick);
        m_tabs[static_cast<std::size_t>(i)] = b;
    }
    for (int p = 0; p < 5; ++p) {
        auto* page = new ::ui::CaptionFrame(frame1, QString::fromUtf8(kPageCaption[static_cast<std::size_t>(p)]),
                                            colours::PanelBack, colours::Blue);
        page->setObjectName(::ui::controlName("Frame2", p));
        ::ui::placeTw(page, 120, 720, 4695, 1815);
        page->setVisible(p == 0);
        m_pages[static_cast<std::size_t>(p)] = page;
    }

    // 家具材料: five rows, four to a row.
    constexpr std::array<int, 5> materialRows{360, 600, 840, 1080, 1320};
    for (int i = 0; i < kMaterialCount; ++i)
        placeLabel(i, 0, kColumn[static_cast<std::size_t>(i % 4)], materialRows[static_cast<std::size_t>(i / 4)]);
    // 一级: four rows of four; 黑麻垂曼帘 stands a little to the left.
    constexpr std::array<int, 4> level1Rows{360, 720, 1080, 1440};
    for (int i = 0; i < 16; ++i)
        placeLabel(18 + i, 1, 18 + i == 31 ? 1200 : kColumn[static_cast<std::size_t>(i % 4)],
                   level1Rows[static_cast<std::size_t>(i / 4)]);
    // 二级: six rows of four, the last with two.
    constexpr std::array<int, 6> level2Rows{240, 480, 720, 960, 1200, 1440};
    for (int i = 0; i < 22; ++i)
        placeLabel(34 + i, 2, kColumn[static_cast<std::size_t>(i % 4)], level2Rows[static_cast<std::size_t>(i / 4)]);
    // 三级 and 四级: the labels stand out of Index order.
    struct Spot {
        int index, page, left, top;
    };
    constexpr Spot spots[] = {
        {56, 3, 120, 360},  {57, 3, 1320, 360},  {58, 3, 2520, 360},  {59, 3, 3600, 360},
        {60, 3, 120, 720},  {61, 3, 1320, 720},  {62, 3, 2520, 720},  {63, 3, 3600, 720},
        {64, 3, 120, 1080}, {68, 3, 1320, 1080}, {66, 3, 2520, 1080}, {67, 3, 3600, 1080},
        {69, 3, 120, 1440}, {65, 3, 1560, 1440},
        {70, 4, 120, 360},  {71, 4, 1680, 360},  {74, 4, 3240, 360},  {73, 4, 120, 720}, {72, 4, 1680, 720},
    };
    for (const Spot& s : spots)
        placeLabel(s.index, s.page, s.left, s.top);

    // The sentinel: marks that no label is chosen. It shows nothing and lets clicks
    // through to 陶瓷类 beneath it.
    auto* sentinel = new FurnitureLabel(m_pages[0], kFurnitureSentinel, this);
    ::ui::placeTw(sentinel, 2160, 1320, 90, 180);
    ::ui::setForeColour(sentinel, colours::Red);
    sentinel->setToolTip(QStringLiteral("1000"));
    sentinel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_labels[kFurnitureSentinel] = sentinel;

    auto* diagram = new ::ui::CaptionFrame(frame1, {}, kDiagramBack);
    diagram->setObjectName("Picture1");
    ::ui::placeTw(diagram, 120, 2640, 4695, 2055);
    const auto box = [&](const QString& name, int left, int top, int width, std::uint32_t colour) {
        auto* e = new QLineEdit(diagram);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setAlignment(Qt::AlignCenter);
        ::ui::setForeColour(e, colour);
        ::ui::placeTw(e, left, top, width, 270);
        return e;
    };
    for (int i = 0; i < 4; ++i) {
        m_slotNames[static_cast<std::size_t>(i)] =
            box(::ui::controlName("Text2", i), 240 + 1080 * i, 120, 975, colours::Magenta);
        m_prices[static_cast<std::size_t>(i)] = box(::ui::controlName("Text3", i), 480 + 1080 * i, 380, 495, colours::Red);
    }
    m_prices[4] = box(QStringLiteral("Text3_4"), 2040, 1340, 615, colours::Red);
    m_levelText = box(QStringLiteral("Text6"), 960, 1080, 615, colours::Blue);
    m_name = box(QStringLiteral("Text4"), 1680, 1080, 1335, colours::Blue);
    for (int i = 0; i < 4; ++i)
        ::ui::makeRule(diagram, ::ui::controlName("Line1", i + 1), colours::Black,
                       QRect(::ui::tw(720 + 1080 * i), ::ui::tw(650), 1, ::ui::tw(840) - ::ui::tw(650)));
    ::ui::makeRule(diagram, QStringLiteral("Line1_0"), colours::Black,
                   QRect(::ui::tw(720), ::ui::tw(840), ::ui::tw(3960) - ::ui::tw(720) + 1, 1));
    ::ui::makeRule(diagram, QStringLiteral("Line1_5"), colours::Black,
                   QRect(::ui::tw(2340), ::ui::tw(840), 1, ::ui::tw(1080) - ::ui::tw(840)));

    auto* blank = new PictureTile(diagram, QStringLiteral("Image1_0"), QString());
    ::ui::placeTw(blank, 3480, 960, 1020, 1020);
    m_pictures[0] = blank;
    for (int i = kFirstFurniture; i < kFirstFurniture + kFurnitureCount; ++i) {
        const FurnitureRecipe& r = kFurniture[static_cast<std::size_t>(i - kFirstFurniture)];
        // The picture carries the label's wording (壮丽山河 as its label reads).
        QString title = qs(r.caption);
        title = title.mid(1, title.size() - 2).trimmed();
        auto* tile = new PictureTile(diagram, ::ui::controlName("Image1", i), title, levelBadge(r.level),
                                     PictureTile::BadgeCorner::BottomRight, 0x4080A0);
        ::ui::placeTw(tile, 3480, 960, 1020, 1020);
        tile->setVisible(false);
        m_pictures[static_cast<std::size_t>(i)] = tile;
    }

    m_tab = 0;
    m_highlight = kFurnitureSentinel;
    m_picture = 0;
}

void FurnitureWindow::placeLabel(int index, int page, int left, int top)
{
    auto* l = new FurnitureLabel(m_pages[static_cast<std::size_t>(page)], index, this);
    l->setText(qs(furnitureCaption(index)));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    ::ui::setForeColour(l, colours::Blue);
    l->adjustSize();
    l->move(::ui::tw(left), ::ui::tw(top));
    l->setCursor(Qt::PointingHandCursor);
    if (index < kMaterialCount)
        l->setToolTip(QString::number(kMaterials[static_cast<std::size_t>(index)].price));
    m_labels[static_cast<std::size_t>(index)] = l;
}

void FurnitureWindow::tabClick(int index)
{
    ::ui::setForeColour(m_labels[static_cast<std::size_t>(m_highlight)], colours::Blue);
    m_highlight = kFurnitureSentinel;
    if (index == 5) {
        ::ui::forms().setMainVisible();
        ::ui::forms().unload(kNumber);
        return;
    }
    if (index < 0 || index > 4 || index == m_tab)
        return;
    m_pages[static_cast<std::size_t>(m_tab)]->setVisible(false);
    m_tabs[static_cast<std::size_t>(m_tab)]->setBackColour(kTabUp);
    m_pages[static_cast<std::size_t>(index)]->setVisible(true);
    m_tabs[static_cast<std::size_t>(index)]->setBackColour(kTabDown);
    m_tab = index;
    for (int i = 0; i < 4; ++i) {
        m_slotNames[static_cast<std::size_t>(i)]->clear();
        m_prices[static_cast<std::size_t>(i)]->clear();
    }
    m_levelText->clear();
    m_name->clear();
    m_prices[4]->clear();
}

void FurnitureWindow::labelClick(int index)
{
    if (index < 0 || index >= kFurnitureSentinel)
        return; // the sentinel holds no entry
    if (index != m_highlight) {
        ::ui::setForeColour(m_labels[static_cast<std::size_t>(m_highlight)], colours::Blue);
        ::ui::setForeColour(m_labels[static_cast<std::size_t>(index)], colours::Red);
        m_highlight = index;
    }
    if (index != m_picture) {
        const int now = index < kFirstFurniture ? 0 : index;
        m_pictures[static_cast<std::size_t>(now)]->setVisible(true);
        if (m_picture != now)
            m_pictures[static_cast<std::size_t>(m_picture)]->setVisible(false);
        m_picture = now;
    }
    const FurnitureDiagram d = furnitureDiagram(index);
    switch (d.kind) {
    case FurnitureDiagram::Kind::Material:
        m_name->setText(qs(d.name));
        m_prices[4]->setText(qs(d.total));
        break;
    case FurnitureDiagram::Kind::Recipe:
        for (std::size_t i = 0; i < 4; ++i)
            m_slotNames[i]->setText(qs(d.slotNames[i]));
        for (std::size_t i = 0; i < 4; ++i)
            m_prices[i]->setText(qs(d.slotPrices[i]));
        m_levelText->setText(qs(d.levelText));
        m_name->setText(qs(d.name));
        m_prices[4]->setText(qs(d.total));
        break;
    case FurnitureDiagram::Kind::NameOnly:
        m_name->setText(qs(d.name));
        break;
    case FurnitureDiagram::Kind::Nothing:
        break;
    }
}

void FurnitureWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace tables::ui
