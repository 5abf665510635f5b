#pragma once
// The sworn-title builder of the 其它 panel ("结拜称谓").

#include <QObject>
#include <array>

class QComboBox;
class QLineEdit;

namespace ui {
class CaptionFrame;
}

namespace calc::ui {

class SwornTitleFrame : public QObject {
    Q_OBJECT
public:
    explicit SwornTitleFrame(::ui::CaptionFrame* frame);

    void previewClick(); // dcButton17 预览

private:
    std::array<QLineEdit*, 3> m_texts{};  // Text38(0..2): first, second character, the title
    std::array<QComboBox*, 2> m_pickers{}; // Combo9(0..1)
};

} // namespace calc::ui
