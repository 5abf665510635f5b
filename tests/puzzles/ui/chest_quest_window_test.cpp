// Form14 and Form27, the two layouts of the chest-quest window, and their launcher.
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "platform/ui/window_order.h"
#include "puzzles/chest_quest.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "support/outer_rect.h"
#include "support/whole_text.h"
#include "app/ui/program.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QLineEdit* field(QWidget* w, const QString& name) { return test::control<QLineEdit>(w, name); }
QString answer(QWidget* w) { return test::control<QPlainTextEdit>(w, "Text2")->toPlainText(); }
QPushButton* button(QWidget* w, const QString& name) { return test::control<QPushButton>(w, name); }
bool upOn(QWidget* w) { return button(w, "Command2_0")->isEnabled(); }
bool downOn(QWidget* w) { return button(w, "Command2_1")->isEnabled(); }

// A table entry as the answer box shows it.
QString shown(puzzles::ChestLayout l, int i)
{
    return QString::fromStdString(puzzles::chestQuizEntry(l, i)).replace("\r\n", "\n");
}

QWidget* openForm(int number)
{
    ui::FormWindow* w = ui::forms().showModeless(number);
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window %d did not become active", number);
    return w;
}

void typeInto(QLineEdit* f, const QString& ascii)
{
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, ascii);
}

// The names of the controls Enter walks through from Text1, until it is back there.
QStringList enterWalk(QWidget* w, int steps)
{
    QStringList out;
    field(w, "Text1")->setFocus();
    for (int i = 0; i < steps; ++i) {
        QWidget* f = QApplication::focusWidget();
        auto* edit = qobject_cast<QLineEdit*>(f);
        if (!edit)
            break; // Enter belongs to the fields only
        const QString before = edit->text();
        QTest::keyClick(f, Qt::Key_Return);
        if (edit->text() != before)
            out << "inserted";
        out << QApplication::focusWidget()->objectName();
    }
    return out;
}

QStringList names(const QString& base, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("%1_%2").arg(base).arg(i);
    return out;
}

} // namespace

class ChestQuestWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init() { ui::BoxRecorder::start(); }
    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void launcherOpensTheTallLayoutBesideTheMainWindow()
    {
        auto* main = test::openMainWindow(6);
        auto* launcher = test::control<ui::DcButton>(main, "dcButton16");
        QTest::mouseClick(launcher, Qt::LeftButton);
        ui::FormWindow* w = ui::forms().loaded(14);
        QVERIFY(w && w->isVisible());
        QVERIFY(main->isVisible());
        QVERIFY(!ui::forms().isLoaded(27));
        QCOMPARE(w->windowTitle(), QStringLiteral("战神箱任务查询"));
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
        QVERIFY(answer(w).startsWith("温馨提示：\n1.按下Enter键可直\n接进入下一个输入\n框."));
        QVERIFY(answer(w).contains("3.按下\"切换\"按钮\n"));
        QVERIFY(!upOn(w) && !downOn(w));
        QVERIFY(test::control<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(platform::isKeptOnTop(w));
    }

    void searchPagesThroughTheHits_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("tall") << 14;
        QTest::newRow("wide") << 27;
    }
    void searchPagesThroughTheHits()
    {
        QFETCH(int, form);
        const auto layout = form == 14 ? puzzles::ChestLayout::Tall : puzzles::ChestLayout::Wide;
        QWidget* w = openForm(form);
        field(w, "Text1")->setText("刘徽");
        QCOMPARE(answer(w), shown(layout, 4));
        QVERIFY(!upOn(w) && downOn(w));
        for (int expected : {8, 9, 10}) {
            QTest::mouseClick(button(w, "Command2_1"), Qt::LeftButton);
            QCOMPARE(answer(w), shown(layout, expected));
        }
        QVERIFY(upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
        QCOMPARE(field(w, "Text1")->selectedText(), QStringLiteral("刘徽"));
        for (int expected : {9, 8, 4}) {
            QTest::mouseClick(button(w, "Command2_0"), Qt::LeftButton);
            QCOMPARE(answer(w), shown(layout, expected));
        }
        QVERIFY(!upOn(w) && downOn(w));
        // Entry 4 of the wide layout has the empty line, the tall one not.
        QCOMPARE(answer(w).contains("\n\n答案：16384"), form == 27);

        // A puzzle answer turns paging off; one more keyword character searches again.
        typeInto(field(w, "Text3_0"), "100");
        QCOMPARE(answer(w), QStringLiteral("5050"));
        QVERIFY(!upOn(w) && !downOn(w));
        field(w, "Text1")->setText("张衡");
        QCOMPARE(answer(w), shown(layout, 13));
        QVERIFY(!upOn(w) && downOn(w));
        field(w, "Text1")->setText("");
        QCOMPARE(answer(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
    }

    void enterFollowsEachLayoutsTabOrder()
    {
        const QStringList tallFields = QStringList{} << names("Text10", 11) << names("Text11", 10) << "Text5_0"
                                                     << names("Text7", 4) << names("Text8", 4) << names("Text9", 3)
                                                     << names("Text6", 2) << "Text3_0" << names("Text4", 3)
                                                     << names("Text12", 4);
        QWidget* tall = openForm(14);
        QCOMPARE(enterWalk(tall, 60), tallFields + QStringList{"Command1"});
        // After the fields: 清空, the answer box, the enabled pager buttons, the box, 切换.
        QWidget* f = button(tall, "Command1");
        QStringList rest;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(f, Qt::Key_Tab);
            f = QApplication::focusWidget();
            rest << f->objectName();
        }
        QCOMPARE(rest, (QStringList{"Text2", "Check1", "Command3", "Text1"}));

        const QStringList wideFields = QStringList{} << "Text3_0" << names("Text4", 3) << "Text5_0"
                                                     << names("Text6", 2) << names("Text7", 4) << names("Text8", 4)
                                                     << names("Text9", 3) << names("Text10", 11)
                                                     << names("Text11", 10) << names("Text12", 4);
        QWidget* wide = openForm(27);
        QCOMPARE(enterWalk(wide, 60), wideFields + QStringList{"Check1"});
    }

    void escapeClearsTheWholeRow()
    {
        QWidget* w = openForm(14);
        const QStringList values{"5", "1", "9", "3"};
        for (int i = 0; i < 4; ++i)
            typeInto(field(w, QStringLiteral("Text8_%1").arg(i)), values[i]);
        QCOMPARE(answer(w), QStringLiteral("-6")); // 9·1 − 5·3
        QTest::keyClick(field(w, "Text8_2"), Qt::Key_Escape);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(field(w, QStringLiteral("Text8_%1").arg(i))->text(), QString());
        QCOMPARE(w->focusWidget(), field(w, "Text8_0"));
        QCOMPARE(answer(w), QString());

        // The circle: centre 0,0, diameter 10, (3,4) on the circle. Esc leaves no "(,)".
        const QStringList circle{"0", "0", "10", "1", "1", "3", "4", "6", "0", "0", "0"};
        for (int i = 0; i < circle.size(); ++i)
            typeInto(field(w, QStringLiteral("Text10_%1").arg(i)), circle[i]);
        QCOMPARE(answer(w), QStringLiteral("(3,4)不在圆内"));
        // A new diameter is taken at once: with 20 every point lies inside.
        typeInto(field(w, "Text10_2"), "20");
        QCOMPARE(answer(w), QString());
        typeInto(field(w, "Text10_2"), "8");
        QCOMPARE(answer(w), QStringLiteral("(3,4)不在圆内"));
        QTest::keyClick(field(w, "Text10_7"), Qt::Key_Escape);
        QCOMPARE(answer(w), QString());
        QCOMPARE(w->focusWidget(), field(w, "Text10_0"));

        // Esc in the keyword box empties it and the search.
        field(w, "Text1")->setText("沈括");
        QVERIFY(downOn(w));
        QTest::keyClick(field(w, "Text1"), Qt::Key_Escape);
        QCOMPARE(field(w, "Text1")->text(), QString());
        QCOMPARE(answer(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
    }

    void clearEmptiesEverything()
    {
        QWidget* w = openForm(27);
        const QStringList nearest{"0", "0", "3", "4", "4", "3", "1", "1", "1", "1"};
        for (int i = 0; i < nearest.size(); ++i)
            typeInto(field(w, QStringLiteral("Text11_%1").arg(i)), nearest[i]);
        QCOMPARE(answer(w), QStringLiteral("(1,1)距离最近"));
        typeInto(field(w, "Text3_0"), "12");
        field(w, "Text1")->setText("刘徽");
        QVERIFY(downOn(w));
        QTest::mouseClick(button(w, "Command1"), Qt::LeftButton);
        QCOMPARE(answer(w), QString());
        QVERIFY(!upOn(w) && !downOn(w));
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
        for (QLineEdit* f : w->findChildren<QLineEdit*>())
            QCOMPARE(f->text(), QString());
    }

    void orchardTurnsPagingOffWhateverItSays_data()
    {
        QTest::addColumn<QStringList>("orchards");
        QTest::addColumn<QString>("expected");
        QTest::newRow("west-north") << QStringList{"2", "3", "1", "5"} << QStringLiteral("西北 果园同时结出蟠桃");
        QTest::newRow("east-south") << QStringList{"1", "1", "2", "2"} << QStringLiteral("东南 果园同时结出蟠桃");
        QTest::newRow("tie") << QStringList{"2", "3", "3", "2"} << QString();
    }
    void orchardTurnsPagingOffWhateverItSays()
    {
        QFETCH(QStringList, orchards);
        QWidget* w = openForm(14);
        for (int i = 0; i < 3; ++i)
            typeInto(field(w, QStringLiteral("Text12_%1").arg(i)), orchards[i]);
        typeInto(field(w, "Text12_3"), "9");
        field(w, "Text1")->setText("刘徽");
        QVERIFY(downOn(w));
        typeInto(field(w, "Text12_3"), orchards[3]); // replaces the selected 9 in one edit
        QTEST(answer(w), "expected");
        QVERIFY(!upOn(w) && !downOn(w));
    }

    void switchKeepsEachLayoutsOwnState()
    {
        // Placed by their outer rectangles, frame included: the tall layout in the top right
        // corner, the wide one at the left edge with its bottom 400 twips above the bottom.
        // (QTRY_: under a window manager the frame comes a moment after the window is up.)
        const QRect screen = test::screenRect();
        QWidget* tall = openForm(14);
        QTRY_VERIFY(test::framed(tall));
        QTRY_COMPARE(test::outerRect(tall).topRight(), screen.topRight());
        field(tall, "Text1")->setText("张衡");
        typeInto(field(tall, "Text6_0"), "7");
        QTest::mouseClick(button(tall, "Command3"), Qt::LeftButton);
        QWidget* wide = ui::forms().loaded(27);
        QVERIFY(wide && wide->isVisible());
        QVERIFY(!tall->isVisible());
        QVERIFY(ui::forms().isLoaded(14));
        QVERIFY(answer(wide).startsWith("温馨提示：\n1.按下Enter键可直接进入下一个输入框.\n"));
        QCOMPARE(field(wide, "Text1")->text(), QString());
        QCOMPARE(field(wide, "Text6_0")->text(), QString());
        QCOMPARE(wide->focusWidget(), field(wide, "Text1"));
        QTRY_VERIFY(test::framed(wide));
        QTRY_COMPARE(test::outerRect(wide).left(), screen.left());
        QTRY_COMPARE(test::outerRect(wide).bottom(), screen.bottom() - test::px(27)); // 400 twips

        typeInto(field(wide, "Text3_0"), "10");
        const QPoint tallPlace = tall->pos();
        QTest::mouseClick(button(wide, "Command3"), Qt::LeftButton);
        QVERIFY(tall->isVisible() && !wide->isVisible());
        QCOMPARE(tall->pos(), tallPlace);
        QCOMPARE(field(tall, "Text1")->text(), QStringLiteral("张衡"));
        QCOMPARE(field(tall, "Text6_0")->text(), QStringLiteral("7"));
        QCOMPARE(answer(tall), QString()); // the product waits for its second factor
        QTest::mouseClick(button(tall, "Command3"), Qt::LeftButton);
        QCOMPARE(answer(wide), QStringLiteral("55"));

        // Closing the wide layout leaves the tall one loaded and hidden; the launcher
        // brings it back as it was.
        wide->close();
        QTRY_VERIFY(!ui::forms().isLoaded(27));
        QVERIFY(ui::forms().isLoaded(14) && !tall->isVisible());
        auto* main = test::openMainWindow(6);
        QTest::mouseClick(test::control<ui::DcButton>(main, "dcButton16"), Qt::LeftButton);
        QCOMPARE(ui::forms().loaded(14), tall);
        QVERIFY(tall->isVisible());
        QCOMPARE(field(tall, "Text1")->text(), QStringLiteral("张衡"));

        // Unloaded, it comes back fresh.
        tall->close();
        QTRY_VERIFY(!ui::forms().isLoaded(14));
        QWidget* again = openForm(14);
        QCOMPARE(field(again, "Text1")->text(), QString());
        QVERIFY(answer(again).startsWith("温馨提示："));
    }

    void keepOnTopBox()
    {
        QWidget* w = openForm(27);
        typeInto(field(w, "Text6_0"), "3");
        typeInto(field(w, "Text6_1"), "4");
        auto* box = test::control<QCheckBox>(w, "Check1");
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isChecked());
        QVERIFY(!platform::isKeptOnTop(w));
        QVERIFY(w->isVisible());
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
        QCOMPARE(answer(w), QStringLiteral("12"));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(platform::isKeptOnTop(w));
        QCOMPARE(w->focusWidget(), field(w, "Text1"));
    }

    void fieldsTakeAnyTextUpToTheirLength()
    {
        QWidget* w = openForm(14);
        struct Case {
            const char* name;
            int length;
        };
        const Case cases[] = {{"Text3_0", 3}, {"Text5_0", 6}, {"Text9_2", 3}, {"Text10_10", 4}, {"Text12_0", 4}};
        for (const Case& c : cases)
            QCOMPARE(field(w, c.name)->maxLength(), c.length);
        typeInto(field(w, "Text6_0"), "abc");
        typeInto(field(w, "Text6_1"), "5");
        QCOMPARE(answer(w), QStringLiteral("0"));
        typeInto(field(w, "Text5_0"), "1e999");
        QCOMPARE(answer(w), QString());
        typeInto(field(w, "Text5_0"), "-7");
        QCOMPARE(answer(w), QString());
        typeInto(field(w, "Text7_0"), "256");
        typeInto(field(w, "Text7_1"), "256");
        typeInto(field(w, "Text7_2"), "1");
        typeInto(field(w, "Text7_3"), "1");
        QCOMPARE(answer(w), QStringLiteral("65535"));
    }

    // In the program's own look, every field of both layouts shows its longest answer
    // whole: 123456 in the phrase box, not 23456 (kept last: it changes the font).
    void fieldsShowTheirLongestAnswerWhole()
    {
        app::ui::setUpApplication(*qApp);
        for (int form : {14, 27}) {
            QWidget* w = openForm(form);
            for (QLineEdit* f : w->findChildren<QLineEdit*>()) {
                if (f->maxLength() >= 32767)
                    continue;
                f->setText(QStringLiteral("1234567890").left(f->maxLength()));
                const QString fault = test::textFault(f);
                QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("Form%1/%2: %3").arg(form).arg(f->objectName(), fault)));
            }
            QCOMPARE(field(w, "Text5_0")->text(), QStringLiteral("123456"));
            ui::forms().reset();
        }
    }
};

QTEST_MAIN(ChestQuestWindowTest)
#include "chest_quest_window_test.moc"
