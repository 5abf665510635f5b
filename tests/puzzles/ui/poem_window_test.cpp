// Form3 "密道", the poem and riddle search, and its launcher.
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "platform/ui/window_order.h"
#include "puzzles/poem_quiz.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QScrollBar>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

QLineEdit* query(QWidget* w) { return test::control<QLineEdit>(w, "Text1"); }
QPlainTextEdit* resultBox(QWidget* w) { return test::control<QPlainTextEdit>(w, "Text2"); }
QString result(QWidget* w) { return resultBox(w)->toPlainText(); }
ui::DcButton* arrow(QWidget* w, int i) { return test::control<ui::DcButton>(w, QStringLiteral("Command2_%1").arg(i)); }
bool upOn(QWidget* w) { return arrow(w, 0)->isEnabled(); }
bool downOn(QWidget* w) { return arrow(w, 1)->isEnabled(); }

QString entry(int i) { return QString::fromStdString(puzzles::poemQuizTable()[static_cast<std::size_t>(i)]).replace("\r\n", "\n"); }

// Types Chinese text the way an input method commits it, one character at a time.
void typeChinese(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QInputMethodEvent e;
        e.setCommitString(QString(c));
        QApplication::sendEvent(target, &e);
    }
}

QWidget* openPoems()
{
    ui::FormWindow* w = ui::forms().showModeless(3);
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("the window did not become active");
    query(w)->setFocus();
    return w;
}

} // namespace

class PoemWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init() { ui::BoxRecorder::start(); }
    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void launcherOpensItBesideTheMainWindow()
    {
        auto* main = test::openMainWindow(6);
        QTest::mouseClick(test::control<ui::DcButton>(main, "dcButton9"), Qt::LeftButton);
        ui::FormWindow* w = ui::forms().loaded(3);
        QVERIFY(w && w->isVisible());
        QVERIFY(main->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("密道"));
        QCOMPARE(w->focusWidget(), query(w));
        QCOMPARE(result(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QVERIFY(test::control<QCheckBox>(w, "Check1_0")->isChecked());
        QCOMPARE(test::control<QCheckBox>(w, "Check1_0")->text(), QStringLiteral("置顶"));
        QVERIFY(test::control<QCheckBox>(w, "Check1_2")->isChecked());
        QCOMPARE(test::control<QCheckBox>(w, "Check1_2")->text(), QStringLiteral("非连续字查询"));
        QVERIFY(platform::isKeptOnTop(w));
        QCOMPARE(test::control<ui::DcButton>(w, "Command1")->text(), QStringLiteral("清空"));
        QCOMPARE(arrow(w, 0)->text(), QStringLiteral("↑"));
        QCOMPARE(arrow(w, 1)->text(), QStringLiteral("↓"));
    }

    void typingSearchesInEitherMode()
    {
        QWidget* w = openPoems();
        typeChinese(query(w), "伦");
        typeChinese(query(w), "汪");
        QCOMPARE(query(w)->text(), QStringLiteral("伦汪"));
        QCOMPARE(result(w), entry(0));
        QVERIFY(result(w).startsWith("《赠汪伦》\n作者：李白\n"));

        // The consecutive search wants the characters together, in their order.
        QTest::mouseClick(test::control<QCheckBox>(w, "Check1_2"), Qt::LeftButton);
        QCOMPARE(result(w), entry(0)); // switching the mode searches nothing
        QCOMPARE(w->focusWidget(), query(w));
        QCOMPARE(query(w)->selectedText(), QStringLiteral("伦汪"));
        typeChinese(query(w), "汪伦"); // replaces the selection
        QCOMPARE(result(w), entry(0));
        query(w)->setText("伦汪");
        QVERIFY(result(w) != entry(0));

        // A query of one mark from the list shows nothing, in both modes.
        for (bool nonConsecutive : {false, true}) {
            test::control<QCheckBox>(w, "Check1_2")->setChecked(nonConsecutive);
            query(w)->setText("，");
            QCOMPARE(result(w), QString());
            QVERIFY(!upOn(w) && !downOn(w));
        }
        // Six characters are too many for the non-consecutive search; five are not.
        query(w)->setText("李白汪伦情深");
        QCOMPARE(result(w), QString());
        QTest::keyClick(query(w), Qt::Key_Backspace);
        QCOMPARE(result(w), entry(0));
    }

    void arrowsBrowseWithoutWrapping()
    {
        QWidget* w = openPoems();
        query(w)->setText("渔瓮");
        QCOMPARE(result(w), entry(356));
        QVERIFY(!upOn(w) && downOn(w));
        QTest::mouseClick(arrow(w, 1), Qt::LeftButton);
        QCOMPARE(result(w), entry(368));
        QVERIFY(upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), query(w));
        QTest::mouseClick(arrow(w, 0), Qt::LeftButton);
        QCOMPARE(result(w), entry(356));
        QVERIFY(!upOn(w) && downOn(w));

        query(w)->setText("围棋");
        int steps = 0;
        QString beforeLast;
        while (downOn(w) && steps < 50) {
            beforeLast = result(w);
            QTest::mouseClick(arrow(w, 1), Qt::LeftButton);
            ++steps;
        }
        QVERIFY(steps > 0);
        QCOMPARE(result(w), QStringLiteral("围棋的先手（答案：下棋时主动的形势）"));
        QVERIFY(upOn(w));

        // The arrows keep browsing the last search's list after the mode box changes.
        QTest::mouseClick(test::control<QCheckBox>(w, "Check1_2"), Qt::LeftButton);
        QTest::mouseClick(arrow(w, 0), Qt::LeftButton);
        QCOMPARE(result(w), beforeLast);
        QVERIFY(downOn(w));

        query(w)->setText("漱玉集");
        QCOMPARE(result(w), entry(28));
        QVERIFY(!upOn(w) && !downOn(w));
    }

    void escapeAndClear()
    {
        QWidget* w = openPoems();
        query(w)->setText("围棋");
        QTest::keyClick(query(w), Qt::Key_Escape);
        QCOMPARE(query(w)->text(), QString());
        QCOMPARE(result(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), query(w));

        // Any other key in the result box only moves the focus back.
        query(w)->setText("围棋");
        const QString shown = result(w);
        resultBox(w)->setFocus();
        QTest::keyClick(resultBox(w), Qt::Key_A);
        QCOMPARE(w->focusWidget(), query(w));
        QCOMPARE(result(w), shown);
        QCOMPARE(query(w)->text(), QStringLiteral("围棋"));
        resultBox(w)->setFocus();
        QTest::keyClick(resultBox(w), Qt::Key_Escape);
        QCOMPARE(query(w)->text(), QString());
        QCOMPARE(result(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), query(w));

        query(w)->setText("渔瓮");
        QTest::mouseClick(test::control<ui::DcButton>(w, "Command1"), Qt::LeftButton);
        QCOMPARE(query(w)->text(), QString());
        QCOMPARE(result(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), query(w));
    }

    // Keys in the result box: those that type go back to the query, the others work there.
    void resultBoxKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focusAfter"); // objectName of the focused control
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<bool>("copies");
        const int none = Qt::NoModifier;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "Command1" << false << false;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Text1" << false << false;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << "Text2" << true << false;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << none << "Text2" << true << false;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "Text2" << false << true;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "Text1" << false << false;
        QTest::newRow("space") << int(Qt::Key_Space) << none << "Text1" << false << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "Text1" << false << false;
    }

    void resultBoxKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focusAfter);
        QFETCH(bool, scrolls);
        QFETCH(bool, copies);
        QWidget* w = openPoems();
        query(w)->setText("围棋");
        // A long text, so that the box has somewhere to scroll.
        QStringList lines;
        for (int i = 1; i <= 80; ++i)
            lines << QStringLiteral("第%1行").arg(i);
        resultBox(w)->setPlainText(lines.join('\n'));
        QApplication::clipboard()->setText(QStringLiteral("剪贴板"));
        resultBox(w)->setFocus();
        QCOMPARE(QApplication::focusWidget(), resultBox(w));
        const int scrolled = resultBox(w)->verticalScrollBar()->value();

        // As the keyboard sends them: the modifier goes down first, to the focused control.
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (mods & Qt::ShiftModifier)
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Shift);
        if (mods & Qt::ControlModifier)
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control, Qt::ShiftModifier & mods);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);

        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(resultBox(w)->verticalScrollBar()->value() > scrolled, scrolls);
        QCOMPARE(QApplication::clipboard()->text(), copies ? lines.join('\n') : QStringLiteral("剪贴板"));
        QCOMPARE(query(w)->text(), QStringLiteral("围棋"));
    }

    void keepOnTopBox()
    {
        QWidget* w = openPoems();
        query(w)->setText("渔瓮");
        auto* box = test::control<QCheckBox>(w, "Check1_0");
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!platform::isKeptOnTop(w));
        QVERIFY(w->isVisible());
        QCOMPARE(result(w), entry(356));
        QCOMPARE(w->focusWidget(), query(w));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(platform::isKeptOnTop(w));
    }

    void reopenedEmpty()
    {
        QWidget* w = openPoems();
        query(w)->setText("渔瓮");
        w->close();
        QTRY_VERIFY(!ui::forms().isLoaded(3));
        QWidget* again = openPoems();
        QCOMPARE(query(again)->text(), QString());
        QCOMPARE(result(again), QString());
        QVERIFY(!upOn(again) && !downOn(again));
        typeChinese(query(again), "瓮");
        QCOMPARE(result(again), entry(356));
    }
};

QTEST_MAIN(PoemWindowTest)
#include "poem_window_test.moc"
