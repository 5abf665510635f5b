#include "clock/ui/hotkey_window.h"

#include "clock/help_texts.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"
#include "platform/ui/keyboard_access.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tradeclock::ui {

using ::ui::DcButton;
using ::ui::qs;

namespace {

constexpr int kNarrow = 3720; // client width; the palette starts here
constexpr int kWide = 5260;
constexpr int kHeight = 3660;

QFont songti(double points)
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(points);
    return f;
}

QString fromU32(std::u32string_view s)
{
    return QString::fromUcs4(s.data(), static_cast<qsizetype>(s.size()));
}

std::u32string toU32(const QString& s) { return s.toStdU32String(); }

// Text as it may enter the message: no line breaks.
QString oneLine(QString s)
{
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    s.remove(QChar(0x2028));
    s.remove(QChar(0x2029));
    return s;
}

qsizetype characters(const QString& s) { return static_cast<qsizetype>(s.toStdU32String().size()); }

} // namespace

MessageEdit::MessageEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void MessageEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return; // the message stays one line
    const QString t = e->text();
    const bool typing = !t.isEmpty() && t.at(0).isPrint();
    if (typing && !isReadOnly() && !textCursor().hasSelection() &&
        characters(toPlainText()) >= static_cast<qsizetype>(kMessageLimit))
        return; // full
    QPlainTextEdit::keyPressEvent(e);
}

void MessageEdit::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source->hasText())
        return;
    const qsizetype room = static_cast<qsizetype>(kMessageLimit) - characters(toPlainText()) +
                           characters(textCursor().selectedText());
    std::u32string text = toU32(oneLine(source->text()));
    if (static_cast<qsizetype>(text.size()) > room)
        text.resize(static_cast<std::size_t>(std::max<qsizetype>(room, 0)));
    insertPlainText(fromU32(text));
}

HotkeyWindow::HotkeyWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("热键发送(测试版)"));
    setClientSizeTw(kNarrow, kHeight);

    // Frame2: channel, style, colour and pictures.
    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("Frame2"));
    ::ui::placeTw(left, 0, 0, 1740, 3240);

    m_channel = new QComboBox(left);
    m_channel->setObjectName(QStringLiteral("Combo1"));
    for (const Channel& c : ChannelPrefixTable)
        m_channel->addItem(qs(c.name));
    ::ui::placeTw(m_channel, 60, 60, 900, 315);
    m_channelShown = new QLineEdit(QStringLiteral("//c"), left);
    m_channelShown->setObjectName(QStringLiteral("Text6"));
    m_channelShown->setReadOnly(true);
    m_channelShown->setAlignment(Qt::AlignCenter);
    ::ui::placeTw(m_channelShown, 1020, 60, 660, 315);
    connect(m_channel, &QComboBox::activated, this, &HotkeyWindow::channelPicked);

    const char* styles[] = {"正常(#n)", "闪烁(#b)", "下划线(#u)"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(styles[i]), left);
        box->setObjectName(::ui::controlName("Check1", i));
        ::ui::placeTw(box, 60, 450 + 270 * i, 1620, 255);
        box->setChecked(i == 0);
        m_styles[static_cast<std::size_t>(i)] = box;
        connect(box, &QCheckBox::clicked, this, [this, i] { styleClicked(i); });
    }

    for (int i = 0; i < 6; ++i) {
        auto* option = new QRadioButton(i < 5 ? qs(ColourChoiceTable[static_cast<std::size_t>(i)].caption) : QString(),
                                        left);
        option->setObjectName(::ui::controlName("Option2", i));
        ::ui::placeTw(option, 60, 1320 + 270 * i, i < 5 ? 1620 : 240, 255);
        if (i > 0 && i < 5)
            ::ui::setForeColour(option, ColourChoiceTable[static_cast<std::size_t>(i)].preview);
        m_colours[static_cast<std::size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { colourClicked(i); });
    }
    m_colours[0]->setChecked(true);
    m_custom = (new ::ui::NumericField(left, QStringLiteral("Text3"), common::kHexDigits, 6))->at(330, 2655, 900, 285);
    m_custom->setEnterMovesFocus(false);
    m_custom->setSelectOnFocus(false);
    m_custom->setAlignment(Qt::AlignCenter);
    m_custom->setReadOnly(true);
    connect(m_custom, &QLineEdit::textChanged, this, &HotkeyWindow::customChanged);

    const std::uint32_t pictureColours[] = {0x0000FF, 0xFF00FF, 0xFF0000, 0x0080FF};
    for (int i = 0; i < 4; ++i) {
        auto* b = (new DcButton(left, "dcButton4", QString::number(i + 1), i))->at(60 + 390 * i, 2970, 300, 255);
        b->setBackColour(pictureColours[i]);
        b->setForeColour(0xFFFFFF);
        m_pictures[static_cast<std::size_t>(i)] = b;
        connect(b, &DcButton::click, this, &HotkeyWindow::picture);
    }

    // The message, its one-line mirror and the staged pieces.
    m_message = new MessageEdit(this);
    m_message->setObjectName(QStringLiteral("Text1"));
    m_message->setFont(songti(10.5));
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ::ui::placeTw(m_message, 1800, 60, 1560, 2880);
    connect(m_message, &QPlainTextEdit::textChanged, this, &HotkeyWindow::messageChanged);
    m_mirror = new QLineEdit(this);
    m_mirror->setObjectName(QStringLiteral("Text2"));
    m_mirror->setReadOnly(true);
    ::ui::placeTw(m_mirror, 1800, 2970, 1860, 285);
    for (int i = 0; i < 5; ++i) {
        m_staged[static_cast<std::size_t>(i)] = new QLineEdit(this);
        m_staged[static_cast<std::size_t>(i)]->setObjectName(::ui::controlName("Text5", i));
        m_staged[static_cast<std::size_t>(i)]->hide();
    }

    const char* commands[] = {"热键开启", "热键关闭", "使用帮助", ">>"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new DcButton(this, "dcButton1", QString::fromUtf8(commands[i]), i);
        if (i < 3)
            b->at(60 + 930 * i, 3300, 870, 315);
        else
            b->at(3420, 60, 240, 2880);
        m_commands[static_cast<std::size_t>(i)] = b;
        connect(b, &DcButton::click, this, &HotkeyWindow::command);
    }
    auto* clear = (new DcButton(this, "dcButton3", QStringLiteral("清空"), 0))->at(2850, 3300, 540, 315);
    connect(clear, &DcButton::click, this, &HotkeyWindow::editButton);
    m_enter = new QCheckBox(this);
    m_enter->setObjectName(QStringLiteral("Check2"));
    ::ui::placeTw(m_enter, 3450, 3330, 240, 255);

    // Frame3: the glyph palette and backspace, beyond the narrow window's edge.
    auto* palette = new QWidget(this);
    palette->setObjectName(QStringLiteral("Frame3"));
    ::ui::placeTw(palette, kNarrow, 0, kWide - kNarrow, kHeight);
    for (int i = 0; i < 66; ++i) {
        const PaletteCell cell = paletteCell(i);
        auto* b = (new DcButton(palette, "dcButton2", fromU32(GlyphPalette[static_cast<std::size_t>(i)]), i))
                      ->at(60 + 240 * cell.column, 60 + 240 * cell.row, 240, 240);
        b->setTabStop(false);
        b->setFont(songti(8));
        connect(b, &DcButton::click, this, &HotkeyWindow::glyph);
    }
    auto* back = (new DcButton(palette, "dcButton3", QStringLiteral("退格"), 1))->at(60, 2790, 1440, 315);
    connect(back, &DcButton::click, this, &HotkeyWindow::editButton);

    m_help = new QPlainTextEdit(this);
    m_help->setObjectName(QStringLiteral("Text4"));
    m_help->setReadOnly(true);
    m_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ::ui::setForeColour(m_help, ::ui::colours::Blue);
    m_help->setPlainText(qs(hotkeyHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ::ui::placeTw(m_help, 0, 0, 3360, 3240);
    m_help->hide();

    m_poll.setObjectName(QStringLiteral("Timer1_0"));
    m_poll.setInterval(60);
    m_pause.setObjectName(QStringLiteral("Timer1_1"));
    m_pause.setInterval(5500);
    connect(&m_poll, &QTimer::timeout, this, &HotkeyWindow::pollTick);
    connect(&m_pause, &QTimer::timeout, this, &HotkeyWindow::pauseTick);
}

void HotkeyWindow::channelPicked(int index)
{
    m_channelCode = std::string(channelCode(index, m_channelCode));
    m_channelShown->setText(qs(m_channelCode));
}

void HotkeyWindow::styleClicked(int index)
{
    const StyleBoxes now{m_styles[0]->isChecked(), m_styles[1]->isChecked(), m_styles[2]->isChecked()};
    const StyleChoice c = clickStyle(now, index, m_styleCode);
    m_styles[0]->setChecked(c.boxes.normal);
    m_styles[1]->setChecked(c.boxes.blink);
    m_styles[2]->setChecked(c.boxes.underline);
    m_styleCode = c.code;
    m_message->setFocus();
}

void HotkeyWindow::colourClicked(int index)
{
    if (index == 5) {
        setPreview(::ui::colours::Black);
        m_custom->setReadOnly(false);
        m_custom->setFocus();
        return;
    }
    const ColourChoice& c = ColourChoiceTable[static_cast<std::size_t>(index)];
    m_colourCode = std::string(c.code);
    m_custom->clear();
    m_custom->setReadOnly(true);
    setPreview(c.preview);
    m_message->setFocus();
}

void HotkeyWindow::customChanged(const QString& text) { setPreview(customColourPreview(text.toStdString())); }

void HotkeyWindow::setPreview(std::uint32_t colour) { ::ui::setForeColour(m_message, colour); }

void HotkeyWindow::messageChanged()
{
    const std::u32string raw = toU32(m_message->toPlainText());
    const std::u32string clean = cleanMessage(raw);
    if (clean != raw) {
        // Whatever got past the key and paste rules (text set from code) is made one line.
        const QSignalBlocker block(m_message);
        m_message->setPlainText(fromU32(clean));
        m_message->moveCursor(QTextCursor::End);
    }
    m_mirror->setText(fromU32(clean));
}

void HotkeyWindow::glyph(int index)
{
    if (index >= 0 && index < static_cast<int>(GlyphPalette.size()) && !m_message->isReadOnly() &&
        (m_message->textCursor().hasSelection() ||
         characters(m_message->toPlainText()) < static_cast<qsizetype>(kMessageLimit)))
        m_message->insertPlainText(fromU32(GlyphPalette[static_cast<std::size_t>(index)]));
    m_message->setFocus();
}

void HotkeyWindow::editButton(int index)
{
    if (index == 1) { // "退格"
        if (!m_message->isReadOnly()) {
            QTextCursor c = m_message->textCursor();
            if (c.hasSelection())
                c.removeSelectedText();
            else
                c.deletePreviousChar();
            m_message->setTextCursor(c);
        }
        m_message->setFocus();
        return;
    }
    // "清空" only while the hot key is not armed.
    if (!m_commands[0]->isEnabled())
        return;
    if (::ui::confirmBox(this, QStringLiteral("确认清空？"), QStringLiteral("清空")))
        m_message->clear();
    m_message->setFocus();
}

void HotkeyWindow::picture(int index)
{
    auto& saved = ::ui::forms().state<std::u32string>(kNumber);
    if (index >= 0 && index < 3) {
        if (!m_pictureShown)
            saved = toU32(m_message->toPlainText());
        m_message->clear();
        m_message->setPlainText(fromU32(TextPictureTable[static_cast<std::size_t>(index)]));
        m_pictureShown = true;
    } else if (index == 3 && m_pictureShown) {
        // Back to the typed text; without a picture shown the message stays as it is.
        m_pictureShown = false;
        m_message->setPlainText(fromU32(saved));
    }
    m_message->setFocus();
}

void HotkeyWindow::command(int index)
{
    switch (index) {
    case 0:
        arm();
        break;
    case 1:
        disarm();
        break;
    case 2: {
        const bool show = m_commands[2]->text() == QStringLiteral("使用帮助");
        m_help->setVisible(show);
        if (show)
            m_help->raise();
        m_commands[2]->setText(show ? QStringLiteral("关闭帮助") : QStringLiteral("使用帮助"));
        if (!show)
            m_message->setFocus();
        break;
    }
    case 3: {
        const bool widen = m_commands[3]->text() == QStringLiteral(">>");
        setClientSizeTw(widen ? kWide : kNarrow, kHeight);
        m_commands[3]->setText(widen ? QStringLiteral("<<") : QStringLiteral(">>"));
        break;
    }
    default:
        break;
    }
}

void HotkeyWindow::setComposing(bool on)
{
    m_commands[0]->setEnabled(on);
    m_channel->setEnabled(on);
    for (QCheckBox* b : m_styles)
        b->setEnabled(on);
    m_custom->setEnabled(on);
    for (QRadioButton* o : m_colours)
        o->setEnabled(on);
    for (DcButton* b : m_pictures)
        b->setEnabled(on);
}

void HotkeyWindow::arm()
{
    if (!platform::keyboard().available()) {
        ::ui::messageBox(this, QStringLiteral("此桌面不能读取F12键,也不能代为打字(需要X11桌面),热键未开启！"),
                         QStringLiteral("热键发送(测试版)"), ::ui::BoxIcon::Warning);
        return;
    }
    if (m_colours[5]->isChecked())
        m_colourCode = customColourCode(m_custom->text().toStdString());
    setComposing(false);
    m_staged[0]->setText(qs(m_channelCode + m_styleCode + m_colourCode));
    const std::vector<std::u32string> pieces = messagePieces(toU32(m_mirror->text()));
    for (std::size_t i = 0; i < pieces.size() && i < 4; ++i)
        m_staged[i + 1]->setText(fromU32(pieces[i]));
    m_poll.start();
    m_message->setReadOnly(true);
    m_message->setFocus();
    showMinimized();
}

void HotkeyWindow::disarm()
{
    setComposing(true);
    m_colours[0]->setChecked(true);
    colourClicked(0);
    m_message->setReadOnly(false);
    m_poll.stop();
    m_pause.stop();
    m_message->setFocus();
}

void HotkeyWindow::pollTick()
{
    if (!platform::keyboard().f12Down())
        return;
    const std::size_t length = toU32(m_mirror->text()).size();
    std::vector<std::u32string> pieces{toU32(m_staged[0]->text()), toU32(m_staged[1]->text())};
    if (length >= 50)
        pieces.push_back(toU32(m_staged[2]->text()));
    if (length >= 100)
        pieces.push_back(toU32(m_staged[3]->text()));
    if (length >= 150)
        pieces.push_back(toU32(m_staged[4]->text()));
    platform::keyboard().type(std::move(pieces), m_enter->isChecked());
    m_poll.stop();
    m_pause.start();
}

void HotkeyWindow::pauseTick()
{
    m_poll.start();
    m_pause.stop();
}

void HotkeyWindow::queryUnload()
{
    m_poll.stop();
    m_pause.stop();
}

} // namespace tradeclock::ui
