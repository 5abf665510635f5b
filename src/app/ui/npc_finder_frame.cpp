#include "app/ui/npc_finder_frame.h"

#include "app/npc_directory.h"
#include "app/npc_finder.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"

#include <QKeyEvent>
#include <QListWidget>

namespace app::ui {

NpcSearchBox::NpcSearchBox(QWidget* parent, QWidget* panel) : QLineEdit(parent), m_panel(panel) {}

void NpcSearchBox::keyPressEvent(QKeyEvent* e)
{
    if (m_panel->isVisible() && (e->key() == Qt::Key_Escape || !e->text().isEmpty())) {
        if (e->key() == Qt::Key_Escape) {
            setText(QString());
            e->accept();
            setFocus();
            return;
        }
        setFocus();
    }
    QLineEdit::keyPressEvent(e);
}

NpcFinderFrame::NpcFinderFrame(::ui::CaptionFrame* frame) : QObject(frame)
{
    m_text24 = new NpcSearchBox(frame, frame->parentWidget());
    m_text24->setObjectName("Text24");
    ::ui::setForeColour(m_text24, ::ui::colours::Blue);
    ::ui::placeTw(m_text24, 120, 240, 3015, 270);

    auto* clear = (new ::ui::DcButton(frame, "Button21", QStringLiteral("清空")))->at(3480, 240, 615, 255);
    clear->setBackColour(::ui::colours::ButtonBack);

    m_list1 = new QListWidget(frame);
    m_list1->setObjectName("List1");
    m_list1->setSortingEnabled(false);
    ::ui::setForeColour(m_list1, ::ui::colours::Blue);
    ::ui::placeTw(m_list1, 120, 600, 3975, 930);

    connect(m_text24, &QLineEdit::textChanged, this, &NpcFinderFrame::text24Change);
    connect(clear, &::ui::DcButton::click, this, &NpcFinderFrame::button21Click);
}

void NpcFinderFrame::text24Change()
{
    m_list1->clear();
    const std::string text = m_text24->text().toStdString();
    QStringList lines;
    for (std::size_t i : findNpcs(text)) {
        const std::string_view entry = NpcDirectory[i];
        lines << ::ui::qs(entry);
    }
    m_list1->addItems(lines);
}

void NpcFinderFrame::button21Click()
{
    m_text24->setText(QString());
    m_text24->setFocus();
}

} // namespace app::ui
