#include "reference/tables/ui/story_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "reference/tables/story.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace tables::ui {

namespace colours = ::ui::colours;
using ::ui::qs;

namespace {
constexpr std::uint32_t kListBack = 0xC0E0FF;
constexpr std::uint32_t kPageBack = 0x80000018; // the system's tooltip background
constexpr std::uint32_t kSectionBack = 0xFF9B48;
constexpr std::array<std::uint32_t, 5> kSectionFore{0x0000FF, 0xFF00FF, 0xFF0000, 0x0080FF, 0x000000};

QString displayText(const std::string& crlf)
{
    QString t = qs(crlf);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}
} // namespace

StoryWindow::StoryWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("剧情攻略"));
    ::ui::centreWhenShown(this);
    setClientSizeTw(7815, 5865);
    ::ui::makeBackdrop(this, "Back");

    auto* frame1 = new ::ui::CaptionFrame(this, {}, colours::PanelBack);
    frame1->setObjectName("Frame1");
    frame1->setBorder(false);
    ::ui::placeTw(frame1, 0, -120, 7695, 6015);

    m_list = new QListWidget(frame1);
    m_list->setObjectName("List1");
    ::ui::placeTw(m_list, 0, 240, 2775, 5640);
    ::ui::setBackColour(m_list, kListBack);
    m_list->setUniformItemSizes(true);
    for (std::string_view line : kStoryLines)
        m_list->addItem(qs(line));

    auto* picture = new ::ui::CaptionFrame(frame1, {}, kPageBack);
    picture->setObjectName("Picture1");
    ::ui::placeTw(picture, 2760, 240, 4965, 5655);

    for (int s = 0; s < kStorySectionCount; ++s) {
        auto* b = (new ::ui::DcButton(picture, "dcButton1", qs(kStorySectionButtons[static_cast<std::size_t>(s)]), s))
                      ->at(120 + 960 * s, 120, 855, 375);
        b->setBackColour(kSectionBack);
        b->setForeColour(kSectionFore[static_cast<std::size_t>(s)]);
        b->setEnabled(false);
        connect(b, &::ui::DcButton::click, this, &StoryWindow::sectionClick);
        m_sections[static_cast<std::size_t>(s)] = b;
    }

    const auto makePage = [&](const QString& name, const QString& text) {
        auto* box = new QPlainTextEdit(text, picture);
        box->setObjectName(name);
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QFont f = box->font();
        f.setPointSizeF(10.5);
        box->setFont(f);
        ::ui::placeTw(box, 120, 600, 4695, 4935);
        return box;
    };
    m_preface = makePage(QStringLiteral("Text1"), displayText(storyPrefaceText()));
    for (int q = 0; q < kStoryQuestCount; ++q) {
        const QString array = QStringLiteral("Text%1").arg(q + 2);
        for (int s = 0; s < kStorySectionCount; ++s) {
            QPlainTextEdit* box =
                makePage(QStringLiteral("%1_%2").arg(array).arg(s), displayText(storySectionText(q, s)));
            box->setVisible(false);
            m_pages[static_cast<std::size_t>(q)][static_cast<std::size_t>(s)] = box;
        }
    }

    // A choice by mouse or arrow keys, also of the line already chosen.
    connect(m_list, &QListWidget::currentRowChanged, this, &StoryWindow::listClick);
    connect(m_list, &QListWidget::itemClicked, this, &StoryWindow::listClick);

    // Load: the preface is chosen.
    m_list->setCurrentRow(kStoryPrefaceLine);
    m_shownSection = 0;
    m_list->setFocus();
}

QPlainTextEdit* StoryWindow::page(int quest, int section) const
{
    return m_pages[static_cast<std::size_t>(quest)][static_cast<std::size_t>(section)];
}

void StoryWindow::listClick()
{
    m_shownSection = 0;
    m_chosenEntry = m_list->currentRow();
    const int quest = storyQuestOfLine(m_chosenEntry);
    if (quest >= 0)
        page(quest, 0)->setVisible(true);
    m_preface->setVisible(m_chosenEntry == kStoryPrefaceLine);
    for (int s = 0; s < kStorySectionCount; ++s) {
        m_sections[static_cast<std::size_t>(s)]->setEnabled(quest >= 0);
        for (int q = 0; q < kStoryQuestCount; ++q)
            if (q != quest || s != 0)
                page(q, s)->setVisible(false);
    }
}

void StoryWindow::sectionClick(int index)
{
    const int quest = storyQuestOfLine(m_chosenEntry);
    if (quest < 0 || index < 0 || index >= kStorySectionCount || index == m_shownSection)
        return;
    page(quest, m_shownSection)->setVisible(false);
    page(quest, index)->setVisible(true);
    m_shownSection = index;
}

void StoryWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace tables::ui
