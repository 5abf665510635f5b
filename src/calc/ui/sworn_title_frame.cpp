#include "calc/ui/sworn_title_frame.h"

#include "calc/sworn_title.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLineEdit>

namespace calc::ui {

namespace {

QLineEdit* characterBox(QWidget* frame, int index, int left)
{
    auto* t = new QLineEdit(frame);
    t->setObjectName(::ui::controlName("Text38", index));
    t->setMaxLength(1);
    t->setAlignment(Qt::AlignCenter);
    ::ui::placeTw(t, left, 240, 375, 300);
    return t;
}

template <std::size_t N>
QComboBox* picker(QWidget* frame, int index, int left, const std::array<std::string_view, N>& entries)
{
    auto* c = new QComboBox(frame);
    c->setObjectName(::ui::controlName("Combo9", index));
    for (std::string_view e : entries)
        c->addItem(::ui::qs(e));
    c->setCurrentIndex(-1);
    ::ui::placeTw(c, left, 240, 615, 300);
    return c;
}

} // namespace

SwornTitleFrame::SwornTitleFrame(::ui::CaptionFrame* frame) : QObject(frame)
{
    ::ui::makeLabel(frame, "Label6_5", "金兰之", 120, 300);
    m_texts[0] = characterBox(frame, 0, 720);
    m_pickers[0] = picker(frame, 0, 1200, kSwornTitleChars);
    m_pickers[1] = picker(frame, 1, 1920, kSwornCountWords);
    m_texts[1] = characterBox(frame, 1, 2640);

    auto* preview = (new ::ui::DcButton(frame, "dcButton17", "预览"))->at(120, 600, 735, 315);
    preview->setTabStop(false);
    auto* title = new QLineEdit(frame);
    title->setObjectName("Text38_2");
    title->setReadOnly(true);
    title->setFocusPolicy(Qt::ClickFocus);
    ::ui::setForeColour(title, ::ui::colours::Blue);
    ::ui::placeTw(title, 960, 600, 2055, 315);
    m_texts[2] = title;
    // An empty label of the frame that nothing writes.
    ::ui::makeLabel(frame, "Label14_4", {}, 2880, 960);

    connect(preview, &::ui::DcButton::click, this, &SwornTitleFrame::previewClick);
}

void SwornTitleFrame::previewClick()
{
    const SwornTitle t = swornTitle(m_texts[0]->text().toStdString(), m_pickers[0]->currentText().toStdString(),
                                    m_pickers[1]->currentText().toStdString(), m_texts[1]->text().toStdString());
    if (!t.warning.empty()) {
        ::ui::warningBox(m_texts[0]->window(), QString::fromStdString(t.warning));
        return;
    }
    m_texts[2]->setText(QString::fromStdString(t.title));
}

} // namespace calc::ui
