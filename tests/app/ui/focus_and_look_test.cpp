// Where the keyboard focus goes and what it selects, and small details of the look:
// the born-baby test's reset and verdict, tab switches, middle-click paste, Form13's
// colours and the empty label of the 结拜称谓 frame.
#include "../../support/controls.h"
#include "../../support/main_window.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/valitext.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class FocusAndLookTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // A bank file, so the 科举 tab opens (an empty bank is enough here).
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile bank(QStringLiteral("test.dat"));
        QVERIFY(bank.open(QIODevice::WriteOnly));
    }
    void init() { ui::BoxRecorder::start(); }
    void cleanup() { ui::forms().reset(); }

    // 重置 leaves a selected "0" in the level box, also when the box had the focus.
    void bornBabyResetSelectsTheLevel()
    {
        auto* w = test::openMainWindow(3);
        auto* level = test::control<QLineEdit>(w, "Text15_0");
        QCOMPARE(QApplication::focusWidget(), level);
        QTest::keyClicks(level, "12");
        QCOMPARE(level->text(), QStringLiteral("12"));
        QVERIFY(!level->hasSelectedText());
        auto* reset = test::control<ui::DcButton>(w, "Button12_1");
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), level);
        QCOMPARE(level->text(), QStringLiteral("0"));
        QCOMPARE(level->selectedText(), QStringLiteral("0"));
        // Typing then replaces the "0".
        QTest::keyClicks(level, "5");
        QCOMPARE(level->text(), QStringLiteral("5"));
    }

    // The verdict line is a result cell: read-only, no tab stop, a click selects it.
    void bornBabyVerdictIsAResultCell()
    {
        auto* w = test::openMainWindow(3);
        auto* verdict = test::control<QLineEdit>(w, "Text15_7");
        QVERIFY(verdict->isReadOnly());
        QCOMPARE(verdict->focusPolicy(), Qt::ClickFocus);
        verdict->setText(QStringLiteral("召唤兽总点数1100点.恭喜!是天生的宝宝!"));
        QTest::mouseClick(verdict, Qt::LeftButton, {}, QPoint(10, verdict->height() / 2));
        QCOMPARE(QApplication::focusWidget(), verdict);
        QCOMPARE(verdict->selectedText(), verdict->text());
    }

    // After any tab switch the focus is on a visible widget or on none; typed keys never
    // land in a field of a panel that is hidden.
    void noTabSwitchLeavesTheFocusOnAHiddenPanel()
    {
        auto* w = test::openMainWindow(0);
        for (int from = 0; from < 8; ++from)
            for (int to = 0; to < 8; ++to) {
                if (from == to)
                    continue;
                w->tabClick(from);
                w->tabClick(to);
                QWidget* f = w->focusWidget();
                QVERIFY2(!f || f->isVisible(),
                         qPrintable(QStringLiteral("%1 → %2: %3").arg(from).arg(to).arg(f ? f->objectName() : QString())));
            }
        w->tabClick(0);
        auto* first = test::control<QLineEdit>(w, "Text1_0");
        first->setText(QStringLiteral("7"));
        w->tabClick(5); // 科举: no field takes the focus
        QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : w, "12");
        QCOMPARE(first->text(), QStringLiteral("7"));
    }

    // A middle-click paste is cleaned before it is cut to the room left, as Shift+Insert.
    void middleClickPasteFiltersFirst()
    {
        if (!QApplication::clipboard()->supportsSelection())
            QSKIP("no selection clipboard on this platform");
        QWidget host;
        auto* field = new ui::NumericField(&host, "Text1", common::kDigits, 3);
        host.show();
        field->setText(QStringLiteral("1"));
        QApplication::clipboard()->setText(QStringLiteral("9x8y7z6"), QClipboard::Selection);
        QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(field->width() - 3, field->height() / 2));
        QCOMPARE(field->text(), QStringLiteral("198"));
        field->setText(QStringLiteral("1"));
        field->setCursorPosition(1);
        QApplication::clipboard()->setText(QStringLiteral("9x8y7z6"), QClipboard::Clipboard);
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(field->text(), QStringLiteral("198"));
    }

    // Form13: only the window and its labels are pale blue; boxes and buttons are white.
    void petLevelWindowColours()
    {
        test::openMainWindow(0);
        ui::FormWindow* w = ui::forms().showModeless(13);
        const QColor paleBlue(0xC0, 0xF0, 0xFF); // &HFFF0C0 read as blue, green, red
        QCOMPARE(w->palette().color(QPalette::Window), paleBlue);
        QCOMPARE(test::control<QLabel>(w, "Label1_0")->palette().color(QPalette::Window), paleBlue);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(test::control<QLineEdit>(w, QStringLiteral("Text1_%1").arg(i))->palette().color(QPalette::Base),
                     QColor(Qt::white));
        for (int i = 0; i < 2; ++i) {
            auto* b = test::control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i));
            QCOMPARE(b->backColour(), 0xFFFFFFu);
            QCOMPARE(b->palette().color(QPalette::Button), QColor(Qt::white));
        }
    }

    // Label14(4) stands empty in the 结拜称谓 frame.
    void swornTitleFrameHoldsTheEmptyLabel()
    {
        auto* w = test::openMainWindow(6);
        auto* frame = test::control<QWidget>(w, "Frame9_0");
        auto* label = test::control<QLabel>(frame, "Label14_4");
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->parentWidget(), frame);
    }
};

QTEST_MAIN(FocusAndLookTest)
#include "focus_and_look_test.moc"
