#include "reference/tables/ui/card_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "reference/tables/cards.h"
#include "reference/tables/ui/picture_tile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tables::ui {

namespace colours = ::ui::colours;
using ::ui::qs;

namespace {
constexpr std::uint32_t kTabBack = 0xE4D1D2;
constexpr int kSmallCard = 57; // 大力金刚: its picture is stretched to a larger box
constexpr std::array<int, 5> kLabelTop{300, 640, 1000, 1360, 1920};
constexpr std::array<const char*, 5> kLabelText{"技能要求", "附加技能", "属性影响", "使用次数", "持续时间"};
} // namespace

CardWindow::CardWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("变身卡片介绍"));
    // Closing and the system menu, but no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    ::ui::centreWhenShown(this);
    setClientSizeTw(4185, 3090);
    ::ui::makeBackdrop(this, "Back");

    for (int i = 0; i < kCardLevelCount; ++i) {
        auto* tab = (new ::ui::DcButton(this, "dcButton1", qs(kCardLevelTabs[static_cast<std::size_t>(i)].caption), i))
                        ->at(120 + 480 * i, 120, 495, 255);
        tab->setBackColour(kTabBack);
        connect(tab, &::ui::DcButton::click, this, &CardWindow::levelTabClick);
    }

    m_frame = new ::ui::CaptionFrame(this, qs(kCardLevelTabs[0].frameCaption), colours::PanelBack, colours::Blue);
    m_frame->setObjectName("Frame1");
    ::ui::placeTw(m_frame, 120, 480, 3975, 2535);

    m_list = new QComboBox(m_frame);
    m_list->setObjectName("Combo1");
    ::ui::placeTw(m_list, 120, 240, 1215, 300);
    for (const TransformationCardRecord& c : cardLevelList(0))
        m_list->addItem(qs(c.name));
    connect(m_list, &QComboBox::activated, this, &CardWindow::cardPicked);

    for (int p = 0; p < kCardCount; ++p) {
        const TransformationCardRecord& c = TransformationCardCatalogue[static_cast<std::size_t>(p)];
        auto* tile = new PictureTile(m_frame, ::ui::controlName("Image1", p), qs(c.name),
                                     qs(kCardLevelTabs[static_cast<std::size_t>(c.level - 1)].numeral));
        if (p == kSmallCard)
            ::ui::placeTw(tile, 120, 600, 1245, 1800);
        else
            ::ui::placeTw(tile, 120, 600, 1215, 1740);
        tile->setVisible(p == 0);
        m_pictures.push_back(tile);
    }

    for (int i = 0; i < 5; ++i)
        ::ui::makeLabel(m_frame, ::ui::controlName("Label1", i), QString::fromUtf8(kLabelText[static_cast<std::size_t>(i)]),
                        1560, kLabelTop[static_cast<std::size_t>(i)], 720, 180);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(m_frame);
        box->setObjectName(::ui::controlName("Text1", i));
        box->setReadOnly(true);
        ::ui::placeTw(box, 2520, 240 + 360 * i, 1335, 270);
        m_lines[static_cast<std::size_t>(i)] = box;
    }
    m_duration = new QPlainTextEdit(m_frame);
    m_duration->setObjectName("Text1_4");
    m_duration->setReadOnly(true);
    m_duration->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ::ui::placeTw(m_duration, 2520, 1680, 1335, 700);

    // Load: the first card is chosen, and its values are written once more.
    ::ui::pickEntry(m_list, qs(TransformationCardCatalogue[0].name));
    const TransformationCardRecord& first = TransformationCardCatalogue[0];
    writeFields({qs(first.requirement), qs(first.skill), qs(first.attribute), qs(first.uses), qs(first.duration)});
    m_levelTab = 0;
    m_shownPicture = 0;
    m_list->setFocus();
}

void CardWindow::writeFields(const std::array<QString, 5>& texts)
{
    for (std::size_t i = 0; i < 4; ++i)
        m_lines[i]->setText(texts[i]);
    m_duration->setPlainText(texts[4]);
}

void CardWindow::levelTabClick(int index)
{
    if (index != m_levelTab && index >= 0 && index < kCardLevelCount) {
        m_list->clear();
        for (const TransformationCardRecord& c : cardLevelList(index))
            m_list->addItem(qs(c.name));
        ::ui::pickEntry(m_list, qs(cardLevelList(index).front().name));
        m_levelTab = index;
        m_frame->setCaption(qs(kCardLevelTabs[static_cast<std::size_t>(index)].frameCaption));
    }
    m_list->setFocus();
}

void CardWindow::cardPicked()
{
    const int p = findCard(m_list->currentText().toStdString());
    if (p < 0)
        return; // a text that names no card changes nothing
    const TransformationCardRecord& c = TransformationCardCatalogue[static_cast<std::size_t>(p)];
    writeFields({qs(c.requirement), qs(c.skill), qs(c.attribute), qs(c.uses), qs(c.duration)});
    if (p != m_shownPicture) {
        m_pictures[static_cast<std::size_t>(p)]->setVisible(true);
        m_pictures[static_cast<std::size_t>(m_shownPicture)]->setVisible(false);
        m_shownPicture = p;
    }
}

void CardWindow::queryUnload() { ::ui::forms().setMainNormalAndVisible(); }

} // namespace tables::ui
