#pragma once
// Form16 "热键发送(测试版)": composes one chat line (channel, style and colour codes, the
// message) and, once armed, types it into the active window whenever F12 is pressed.

#include "clock/hotkey.h"
#include "common/ui/forms.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ui {
class DcButton;
class NumericField;
} // namespace ui

namespace tradeclock::ui {

// The message box: one line of at most 255 characters, whatever is typed, pasted or dropped.
class MessageEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MessageEdit(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
};

class HotkeyWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 16;
    HotkeyWindow();

    // Timer1(0)'s tick: F12 down types the line and pauses; Timer1(1)'s: the pause ends.
    void pollTick();
    void pauseTick();

    bool polling() const { return m_poll.isActive(); }
    bool pausing() const { return m_pause.isActive(); }
    const QTimer& pollTimer() const { return m_poll; }
    const QTimer& pauseTimer() const { return m_pause; }
    const std::string& styleCode() const { return m_styleCode; }
    const std::string& colourCode() const { return m_colourCode; }

    void queryUnload() override;

private:
    void channelPicked(int index);
    void styleClicked(int index);
    void colourClicked(int index);
    void customChanged(const QString& text);
    void messageChanged();
    void glyph(int index);
    void editButton(int index);
    void picture(int index);
    void command(int index);
    void arm();
    void disarm();
    void setPreview(std::uint32_t colour);
    void setComposing(bool on);

    QComboBox* m_channel = nullptr;             // Combo1
    QLineEdit* m_channelShown = nullptr;        // Text6
    std::array<QCheckBox*, 3> m_styles{};       // Check1(0..2)
    std::array<QRadioButton*, 6> m_colours{};   // Option2(0..5)
    ::ui::NumericField* m_custom = nullptr;     // Text3
    std::array<::ui::DcButton*, 4> m_pictures{}; // dcButton4(0..3)
    MessageEdit* m_message = nullptr;           // Text1
    QLineEdit* m_mirror = nullptr;              // Text2
    QPlainTextEdit* m_help = nullptr;           // Text4
    std::array<QLineEdit*, 5> m_staged{};       // Text5(0..4)
    std::array<::ui::DcButton*, 4> m_commands{}; // dcButton1(0..3)
    QCheckBox* m_enter = nullptr;               // Check2
    QTimer m_poll;                              // Timer1(0)
    QTimer m_pause;                             // Timer1(1)

    std::string m_channelCode = "//c";
    std::string m_styleCode;
    std::string m_colourCode;
    bool m_pictureShown = false;
};

} // namespace tradeclock::ui
