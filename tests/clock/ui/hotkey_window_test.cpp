// Form16, the hot-key sender: composing the line, arming, F12, the pause, the palette, the
// pictures, clearing, help and the launcher. Typing goes to a recording keyboard.
#include "clock/ui/hotkey_window.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "support/recording_keyboard.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using tradeclock::ui::HotkeyWindow;
using test::control;

class HotkeyWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::RecordingKeyboard> m_keys;

    HotkeyWindow* open() { return static_cast<HotkeyWindow*>(ui::forms().showModeless(16)); }
    ui::DcButton* button(QWidget* w, const char* name) { return control<ui::DcButton>(w, QLatin1String(name)); }
    QPlainTextEdit* message(QWidget* w) { return control<QPlainTextEdit>(w, "Text1"); }
    QString mirror(QWidget* w) { return control<QLineEdit>(w, "Text2")->text(); }
    QColor preview(QWidget* w) { return message(w)->palette().color(QPalette::Text); }

    // Arms, presses F12 once and returns the line that was typed.
    QStringList fire(HotkeyWindow* w)
    {
        button(w, "dcButton1_0")->press();
        m_keys->f12 = true;
        w->pollTick();
        m_keys->f12 = false;
        return m_keys->typed.isEmpty() ? QStringList{} : m_keys->typed.takeLast();
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        m_keys = std::make_unique<test::RecordingKeyboard>();
    }
    void cleanup()
    {
        ui::forms().reset();
        m_keys.reset();
        ui::BoxRecorder::stop();
    }

    void opensAsDesigned()
    {
        HotkeyWindow* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("热键发送(测试版)"));
        auto* channels = control<QComboBox>(w, "Combo1");
        QCOMPARE(channels->count(), 8);
        QCOMPARE(channels->currentText(), QStringLiteral("当前"));
        QCOMPARE(channels->itemText(7), QStringLiteral("传闻"));
        QCOMPARE(control<QLineEdit>(w, "Text6")->text(), QStringLiteral("//c"));
        QVERIFY(control<QCheckBox>(w, "Check1_0")->isChecked());
        QVERIFY(control<QRadioButton>(w, "Option2_0")->isChecked());
        QVERIFY(control<QLineEdit>(w, "Text3")->isReadOnly());
        QVERIFY(!control<QWidget>(w, "Text4")->isVisible());
        QCOMPARE(button(w, "dcButton2_65")->text(), QString(QChar(0x3000)));
        QCOMPARE(button(w, "dcButton2_39")->text(), QStringLiteral("⊿"));
        // Arming at once: the channel alone, although 正常 and 原色 show chosen.
        QCOMPARE(fire(w), (QStringList{"//c", ""}));
    }

    void composedLine()
    {
        HotkeyWindow* w = open();
        QVERIFY(ui::pickEntry(control<QComboBox>(w, "Combo1"), "队伍"));
        QCOMPARE(control<QLineEdit>(w, "Text6")->text(), QStringLiteral("//t"));
        control<QCheckBox>(w, "Check1_1")->click();
        QCOMPARE(w->styleCode(), std::string("#b"));
        QVERIFY(!control<QCheckBox>(w, "Check1_0")->isChecked());
        control<QCheckBox>(w, "Check1_2")->click();
        QCOMPARE(w->styleCode(), std::string("#u#b"));
        control<QRadioButton>(w, "Option2_2")->click();
        QCOMPARE(preview(w), QColor(255, 0, 0));
        message(w)->setPlainText("ab");
        control<QCheckBox>(w, "Check2")->setChecked(true);
        QCOMPARE(fire(w), (QStringList{"//t#u#b#R", "ab", "{Enter}"}));
        QCOMPARE(control<QLineEdit>(w, "Text5_0")->text(), QStringLiteral("//t#u#b#R"));
        QCOMPARE(control<QLineEdit>(w, "Text5_1")->text(), QStringLiteral("ab"));
    }

    // Clicks on the boxes themselves: what one click leaves ticked is what the next one sees.
    void styleBoxesFollowEachOther_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // Check1 indexes: 0 正常, 1 闪烁, 2 下划线
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("ticked"); // 正常, 闪烁, 下划线 as 1 or 0
        QTest::newRow("闪烁 while 下划线 is on") << QList<int>{2, 1} << "#u#b" << "011";
        QTest::newRow("下划线 cleared while 闪烁 is on") << QList<int>{1, 2, 2} << "#b" << "010";
        QTest::newRow("正常 clears both, then 下划线") << QList<int>{1, 2, 0, 2} << "#u" << "001";
        QTest::newRow("正常 clears both, then 闪烁") << QList<int>{2, 1, 0, 1} << "#b" << "010";
    }
    void styleBoxesFollowEachOther()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, code);
        HotkeyWindow* w = open();
        const auto box = [w](int i) { return control<QCheckBox>(w, ui::controlName("Check1", i)); };
        for (int i : clicks)
            box(i)->click();
        QCOMPARE(QString::fromStdString(w->styleCode()), code);
        QString ticked;
        for (int i = 0; i < 3; ++i)
            ticked += box(i)->isChecked() ? '1' : '0';
        QTEST(ticked, "ticked");
        QCOMPARE(fire(w), (QStringList{"//c" + code, ""}));
    }

    void armingLocksAndMinimises()
    {
        HotkeyWindow* w = open();
        button(w, "dcButton1_0")->press();
        QVERIFY(w->polling());
        QVERIFY(w->isMinimized());
        QVERIFY(message(w)->isReadOnly());
        for (const char* name : {"dcButton1_0", "Combo1", "Check1_0", "Check1_2", "Option2_0", "Option2_5", "Text3",
                                 "dcButton4_0", "dcButton4_3"})
            QVERIFY2(!control<QWidget>(w, name)->isEnabled(), name);
        QVERIFY(control<QWidget>(w, "Check2")->isEnabled());
        w->pollTick(); // F12 up: nothing
        QVERIFY(m_keys->typed.isEmpty());
        QVERIFY(w->polling());
        m_keys->f12 = true;
        w->pollTick();
        QCOMPARE(m_keys->typed.size(), 1);
        QVERIFY(!w->polling());
        QVERIFY(w->pausing());
        w->pauseTick(); // 5.5 s on: polling again, F12 still held types again
        QVERIFY(w->polling());
        w->pollTick();
        QCOMPARE(m_keys->typed.size(), 2);

        // "热键关闭" during the pause cancels it and returns the colour to 原色.
        button(w, "dcButton1_1")->press();
        QVERIFY(!w->polling() && !w->pausing());
        QVERIFY(!message(w)->isReadOnly());
        QVERIFY(control<QWidget>(w, "Combo1")->isEnabled());
        QVERIFY(control<QRadioButton>(w, "Option2_0")->isChecked());
        button(w, "dcButton1_0")->press();
        QVERIFY(w->polling());
        w->close();
        QVERIFY(!ui::forms().isLoaded(16));
    }

    void notAvailableWithoutADesktopKeyboard()
    {
        m_keys->present = false;
        HotkeyWindow* w = open();
        button(w, "dcButton1_0")->press();
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, ui::BoxIcon::Warning);
        QVERIFY(boxes[0].text.contains(QStringLiteral("热键未开启")));
        QVERIFY(!w->polling());
        QVERIFY(button(w, "dcButton1_0")->isEnabled());
        QVERIFY(!message(w)->isReadOnly());
    }

    void customColour()
    {
        HotkeyWindow* w = open();
        control<QRadioButton>(w, "Option2_5")->click();
        auto* hex = control<QLineEdit>(w, "Text3");
        QVERIFY(!hex->isReadOnly());
        QCOMPARE(preview(w), QColor(0, 0, 0));
        QTest::keyClicks(hex, "8g");
        QTest::keyClick(hex, Qt::Key_Return);
        QCOMPARE(hex->text(), QStringLiteral("8"));
        QTest::keyClicks(hex, "f");
        QCOMPARE(preview(w), QColor(0x8f, 0, 0));
        QCOMPARE(fire(w).value(0), QStringLiteral("//c#c00008f"));
        button(w, "dcButton1_1")->press();
        // 原色 again: the box is emptied and locked, the preview back to window text.
        QCOMPARE(hex->text(), QString());
        QVERIFY(hex->isReadOnly());

        control<QRadioButton>(w, "Option2_5")->click();
        QTest::keyClicks(hex, "ABCDEF7");
        QCOMPARE(hex->text(), QStringLiteral("ABCDEF")); // a seventh is refused
        QCOMPARE(preview(w), QColor(0xEF, 0xCD, 0xAB));
        control<QRadioButton>(w, "Option2_2")->click();
        QCOMPARE(hex->text(), QString());
        QVERIFY(hex->isReadOnly());
        QCOMPARE(fire(w).value(0), QStringLiteral("//c#R"));
    }

    void customColourLeftEmptyTypesNoCode()
    {
        HotkeyWindow* w = open();
        control<QRadioButton>(w, "Option2_5")->click();
        QCOMPARE(fire(w).value(0), QStringLiteral("//c"));
    }

    void messagePieces_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("pieces");
        QTest::newRow("0") << 0 << QList<int>{0};
        QTest::newRow("49") << 49 << QList<int>{49};
        QTest::newRow("50") << 50 << QList<int>{49, 1};
        QTest::newRow("99") << 99 << QList<int>{49, 50};
        QTest::newRow("100") << 100 << QList<int>{49, 50, 1};
        QTest::newRow("150") << 150 << QList<int>{49, 50, 50, 1};
        QTest::newRow("255") << 255 << QList<int>{49, 50, 50, 106};
        QTest::newRow("300") << 300 << QList<int>{49, 50, 50, 106};
    }
    void messagePieces()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, pieces);
        HotkeyWindow* w = open();
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(0x4E00 + i % 50);
        message(w)->setPlainText(text);
        QCOMPARE(mirror(w), text.left(255));
        const QStringList line = fire(w);
        QCOMPARE(line.size(), pieces.size() + 1);
        for (int i = 0; i < pieces.size(); ++i)
            QCOMPARE(line[i + 1].size(), pieces[i]);
        QCOMPARE(line.mid(1).join(QString()), text.left(255));
    }

    void messageStaysOneLineOf255()
    {
        HotkeyWindow* w = open();
        message(w)->setFocus();
        QTest::keyClicks(message(w), "ab");
        QTest::keyClick(message(w), Qt::Key_Return);
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("ab"));
        QGuiApplication::clipboard()->setText(QStringLiteral("c\r\nd\ne") + QString(300, QChar(0x5B57)));
        message(w)->paste();
        const QString expected = QStringLiteral("abcde") + QString(250, QChar(0x5B57));
        QCOMPARE(message(w)->toPlainText(), expected);
        QCOMPARE(mirror(w), expected);
        QTest::keyClicks(message(w), "x"); // full
        QCOMPARE(message(w)->toPlainText(), expected);
        // Characters beyond the basic plane count as one each and are never cut in half.
        message(w)->setPlainText(QString::fromUcs4(U"😀").repeated(300));
        QCOMPARE(mirror(w), QString::fromUcs4(U"😀").repeated(255));
    }

    void literalKeySyntaxIsTypedAsItIs()
    {
        HotkeyWindow* w = open();
        message(w)->setPlainText(QStringLiteral("a+b~c{d(%e ┌─┐ 中文"));
        QCOMPARE(fire(w), (QStringList{"//c", "a+b~c{d(%e ┌─┐ 中文"}));
    }

    void palette()
    {
        HotkeyWindow* w = open();
        message(w)->setPlainText(QStringLiteral("abc"));
        QTextCursor c = message(w)->textCursor();
        c.setPosition(1);
        c.setPosition(2, QTextCursor::KeepAnchor); // "b" selected
        message(w)->setTextCursor(c);
        button(w, "dcButton2_61")->press();
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("a■c"));
        button(w, "dcButton3_1")->press(); // 退格
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("ac"));
        // Armed: the palette and 退格 change nothing.
        button(w, "dcButton1_0")->press();
        button(w, "dcButton2_0")->press();
        button(w, "dcButton3_1")->press();
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("ac"));
        QCOMPARE(mirror(w), QStringLiteral("ac"));
    }

    void pictures()
    {
        HotkeyWindow* w = open();
        message(w)->setPlainText(QStringLiteral("我的话"));
        button(w, "dcButton4_3")->press(); // "4" without a picture: the message stays
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("我的话"));
        button(w, "dcButton4_0")->press();
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("　　╭LOVE╮　　∑-╲╳╱→"));
        button(w, "dcButton4_2")->press();
        QCOMPARE(message(w)->toPlainText().size(), 63);
        QCOMPARE(mirror(w), message(w)->toPlainText());
        button(w, "dcButton4_3")->press();
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("我的话"));
        button(w, "dcButton4_1")->press();
        QCOMPARE(message(w)->toPlainText().size(), 46);
    }

    void clearAsksFirst()
    {
        HotkeyWindow* w = open();
        message(w)->setPlainText(QStringLiteral("留着"));
        ui::BoxRecorder::queueQuestion(false);
        button(w, "dcButton3_0")->press();
        QCOMPARE(message(w)->toPlainText(), QStringLiteral("留着"));
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("确认清空？"));
        QCOMPARE(boxes[0].title, QStringLiteral("清空"));
        QCOMPARE(boxes[0].icon, ui::BoxIcon::Question);
        button(w, "dcButton1_0")->press();
        button(w, "dcButton3_0")->press(); // armed: no question at all
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        button(w, "dcButton1_1")->press();
        ui::BoxRecorder::queueQuestion(true);
        button(w, "dcButton3_0")->press();
        QCOMPARE(message(w)->toPlainText(), QString());
        QCOMPARE(mirror(w), QString());
    }

    void helpAndPaletteToggle()
    {
        HotkeyWindow* w = open();
        auto* help = button(w, "dcButton1_2");
        auto* text = control<QPlainTextEdit>(w, "Text4");
        help->press();
        QVERIFY(text->isVisible());
        QCOMPARE(help->text(), QStringLiteral("关闭帮助"));
        const QStringList lines = text->toPlainText().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("【使用帮助】"));
        QCOMPARE(lines.value(2), QStringLiteral("2.按下\"热键开启\"按钮."));
        QCOMPARE(lines.value(11), QStringLiteral("  边\">>\"可打开)."));
        QCOMPARE(lines.last(), QString());
        help->press();
        QVERIFY(!text->isVisible());
        QCOMPARE(help->text(), QStringLiteral("使用帮助"));

        auto* wide = button(w, "dcButton1_3");
        const int narrow = w->width();
        QVERIFY(!w->rect().intersects(control<QWidget>(w, "Frame3")->geometry())); // beyond the edge
        wide->press();
        QCOMPARE(wide->text(), QStringLiteral("<<"));
        QVERIFY(w->width() > narrow);
        QVERIFY(w->rect().contains(control<QWidget>(w, "Frame3")->geometry()));
        wide->press();
        QCOMPARE(wide->text(), QStringLiteral(">>"));
        QCOMPARE(w->width(), narrow);
    }

    void launcherPutsTheFocusInTheMessage()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        auto* launcher = control<ui::DcButton>(main, "dcButton10");
        QCOMPARE(launcher->text(), QStringLiteral("热键配置"));
        launcher->press();
        QWidget* w = ui::forms().loaded(16);
        QVERIFY(w && w->isVisible());
        QVERIFY(main->isVisible());
        QCOMPARE(w->focusWidget(), message(w));
    }
};

QTEST_MAIN(HotkeyWindowTest)
#include "hotkey_window_test.moc"
