// Form4, the beast attribute prediction window with its point-allocation simulator.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "beasts/ui/pet_prediction_window.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/hold_repeat.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/tray_service.h"
#include "common/ui/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "support/controls.h"
#include "support/fields.h"
#include "support/whole_text.h"

using beasts::ui::PetPredictionWindow;

using test::locked;

class PetPredictionWindowTest : public QObject {
    Q_OBJECT

    PetPredictionWindow* m_w = nullptr;

    QLineEdit* box(const QString& name) const { return test::control<QLineEdit>(m_w, name); }
    ui::DcButton* button(const QString& name) const { return test::control<ui::DcButton>(m_w, name); }
    QComboBox* level() const { return test::control<QComboBox>(m_w, "Combo1"); }
    QStringList texts(const char* base, int count) const { return test::fieldTexts(m_w, base, count); }

    // Fills the inputs: five points, potential, growth; the worked example's aptitudes.
    void fill(const QStringList& points, const QString& potential, const QString& growth = "1.2")
    {
        for (int i = 0; i < 5; ++i)
            box(ui::controlName("Text4", i))->setText(points[i]);
        box("Text1_0")->setText(potential);
        box("Text2_0")->setText(growth);
        const char* aptitudes[6] = {"1400", "1300", "4500", "2500", "1200", "1000"};
        for (int i = 0; i < 6; ++i)
            box(ui::controlName("Text5", i))->setText(aptitudes[i]);
    }
    void confirm(int atLevel, const QStringList& points, const QString& potential, const QString& growth = "1.2")
    {
        ui::pickEntry(level(), QString::number(atLevel));
        fill(points, potential, growth);
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
    }
    static QStringList all(const QString& v) { return {v, v, v, v, v}; }

private slots:
    void initTestCase() { app::ui::setUpApplication(*qApp); }

    void init()
    {
        ui::BoxRecorder::start();
        app::ui::registerForms();
        m_w = static_cast<PetPredictionWindow*>(ui::forms().showModeless(4));
        QApplication::setActiveWindow(m_w);
        QVERIFY(QTest::qWaitForWindowActive(m_w));
    }
    void cleanup()
    {
        ui::TrayService::setTrayAvailableForTests(std::nullopt);
        ui::forms().reset();
    }

    void opensInTheInputState()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral("召唤兽属性预测"));
        QCOMPARE(level()->count(), 161);
        QCOMPARE(level()->currentText(), QStringLiteral("0"));
        auto* species = test::control<QComboBox>(m_w, "Combo2");
        QCOMPARE(species->count(), 121);
        QCOMPARE(species->currentText(), QStringLiteral("超级泡泡"));
        QCOMPARE(box("Text7")->text(), QStringLiteral("计算待定"));
        QCOMPARE(texts("Text3", 6), QStringList({"0", "0", "0", "0", "0", "0"}));
        QCOMPARE(texts("Text6", 6), QStringList({"0", "0", "0", "0", "0", "5"}));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("0"));
        QVERIFY(button("Command1")->isEnabled());
        for (const char* name : {"Command2", "Command4_0", "Command4_1", "Command8", "Command3", "Command6_10"})
            QVERIFY2(!button(name)->isEnabled(), name);
        QCOMPARE(button("Command5_0")->toolTip(), QStringLiteral("按住左键连续+1点,右键一次+50点"));
        QCOMPARE(button("Command7_1")->toolTip(), QStringLiteral("按住左键连续+1级,右键一次+10级"));
        QCOMPARE(button("Command6_10")->text(), QStringLiteral("分配"));
        // Tab order: the points, 潜能, the growth, the aptitudes, 确定, the level.
        QCOMPARE(QApplication::focusWidget(), box("Text4_0"));
        QStringList path;
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            path << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(path, QStringList({"Text4_1", "Text4_2", "Text4_3", "Text4_4", "Text1_0", "Text2_0", "Text5_0",
                                    "Text5_1", "Text5_2", "Text5_3", "Text5_4", "Text5_5", "Command1", "Combo1",
                                    "Text4_0"}));
    }

    void confirmRefusals_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QString>("potential");
        QTest::addColumn<QString>("growth");
        QTest::addColumn<QString>("warning");
        QTest::newRow("empty potential") << all("20") << "" << "1.2" << "各输入项均不能为空！";
        QTest::newRow("empty point") << QStringList{"20", "20", "", "20", "20"} << "0" << "1.2" << "各输入项均不能为空！";
        QTest::newRow("zero point") << QStringList{"20", "20", "0", "20", "20"} << "0" << "1.2" << "各输入项均不能为0！";
        QTest::newRow("zero growth") << all("20") << "0" << "0" << "各输入项均不能为0！";
    }
    void confirmRefusals()
    {
        QFETCH(QStringList, points);
        QFETCH(QString, potential);
        QFETCH(QString, growth);
        QFETCH(QString, warning);
        fill(points, potential, growth);
        box("Text5_3")->setFocus();
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, warning);
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        QCOMPARE(boxes[0].icon, ui::BoxIcon::Warning);
        QCOMPARE(QApplication::focusWidget(), box("Text4_0"));
        QVERIFY(button("Command1")->isEnabled());
        QVERIFY(!locked(box("Text4_0")));
        QCOMPARE(box("Text1_0")->text(), potential);
        QCOMPARE(box("Text7")->text(), QStringLiteral("计算待定"));
    }

    void confirmComputesAndLocks()
    {
        confirm(100, {"220", "120", "520", "120", "120"}, "0");
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(texts("Text3", 6), QStringList({"2034", "932", "1108", "485", "144", "503"}));
        QCOMPARE(box("Text2_0")->text(), QStringLiteral("1.200"));
        QCOMPARE(box("Text2_1")->text(), QStringLiteral("3.589"));
        // 220 + 3·120 + 520 + 0 = 1100 = 10·100 + 100.
        QCOMPARE(box("Text7")->text(), QStringLiteral("可能宝宝"));
        for (int i = 0; i < 5; ++i)
            QVERIFY(locked(box(ui::controlName("Text4", i))));
        QVERIFY(locked(box("Text1_0")));
        QVERIFY(!box("Text5_0")->isReadOnly() && !box("Text2_0")->isReadOnly());
        QVERIFY(!level()->isEnabled());
        QVERIFY(!button("Command1")->isEnabled());
        for (const char* name : {"Command2", "Command4_0", "Command8", "Command3", "Command6_10"})
            QVERIFY2(button(name)->isEnabled(), name);
        QVERIFY(!button("Command4_1")->isEnabled());
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("atLevel");
        QTest::addColumn<QString>("each");
        QTest::addColumn<QString>("potential");
        QTest::addColumn<QString>("growth");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("100 = 100") << 0 << "20" << "0" << "1.2" << "可能宝宝";
        QTest::newRow("199 < 200") << 10 << "30" << "49" << "1.2" << "野生/合成";
        QTest::newRow("201 > 200") << 10 << "30" << "51" << "1.2" << "怀疑假图";
        QTest::newRow("growth 1.338") << 10 << "30" << "50" << "1.338" << "怀疑假图";
    }
    void verdicts()
    {
        QFETCH(int, atLevel);
        QFETCH(QString, each);
        QFETCH(QString, potential);
        QFETCH(QString, growth);
        confirm(atLevel, all(each), potential, growth);
        QTEST(box("Text7")->text(), "verdict");
    }

    void growthBoxCorrectsItself()
    {
        QLineEdit* g = box("Text2_0");
        g->setFocus();
        QTest::keyClicks(g, "1.2.");
        QCOMPARE(g->text(), QStringLiteral("1.2"));
        QCOMPARE(box("Text2_1")->text(), QStringLiteral("3.589"));
        g->clear();
        QTest::keyClicks(g, "12");
        QCOMPARE(g->text(), QStringLiteral("0"));
        QCOMPARE(box("Text2_1")->text(), QStringLiteral("0"));
    }

    void pastedTextIsCleaned()
    {
        QLineEdit* p = box("Text4_0");
        p->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("a1x2"));
        QTest::keyClick(p, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(p->text(), QStringLiteral("12"));
    }

    void leftPressRepeatsUntilRelease()
    {
        confirm(10, all("30"), "50");
        ui::HoldRepeat* hold = m_w->holdRepeat();
        QCOMPARE(hold->interval(), 70);
        ui::DcButton* up = button("Command5_2");
        QTest::mousePress(up, Qt::LeftButton);
        QVERIFY(hold->running());
        QCOMPARE(box("Text4_2")->text(), QStringLiteral("30")); // the first step comes with the first tick
        for (int i = 0; i < 3; ++i)
            hold->tickNow();
        QCOMPARE(box("Text4_2")->text(), QStringLiteral("33"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("47"));
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("50"));
        QTest::mouseRelease(up, Qt::LeftButton);
        QVERIFY(!hold->running());
        hold->tickNow();
        QCOMPARE(box("Text4_2")->text(), QStringLiteral("33"));
        // Pending points leave the outputs alone until 加点.
        const QStringList before = texts("Text3", 6);
        QCOMPARE(texts("Text3", 6), before);
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("47"));
        QVERIFY(texts("Text3", 6) != before);
    }

    void rightPressMakesOneBigStep()
    {
        confirm(10, all("30"), "50");
        QTest::mousePress(button("Command7_1"), Qt::RightButton);
        QVERIFY(!m_w->holdRepeat()->running());
        QCOMPARE(level()->currentText(), QStringLiteral("20"));
        QCOMPARE(texts("Text4", 5), all("40"));
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("100"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("100"));
        // Recomputed at level 20: 气血 = 20·4500/1000 + 1.2·40·6 = 90 + 288.
        QCOMPARE(box("Text3_0")->text(), QStringLiteral("378"));
        QTest::mouseRelease(button("Command7_1"), Qt::RightButton);

        QTest::mousePress(button("Command6_1"), Qt::RightButton);
        QCOMPARE(texts("Text6", 6), QStringList({"0", "0.5", "0", "0", "0", "4.5"}));
    }

    // The boxes of four characters bound typing only: what the simulator writes shows whole.
    void grownValuesShowWhole()
    {
        ui::pickEntry(level(), "0");
        for (int i = 0; i < 5; ++i)
            box(ui::controlName("Text4", i))->setText("1");
        box("Text1_0")->setText("9999");
        box("Text2_0")->setText("1.2");
        for (int i = 0; i < 6; ++i)
            box(ui::controlName("Text5", i))->setText("1000");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QTest::mousePress(button("Command7_1"), Qt::RightButton);
        QTest::mouseRelease(button("Command7_1"), Qt::RightButton);
        QCOMPARE(level()->currentText(), QStringLiteral("10"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("10049"));
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("10049"));
        // A click on 体质 puts the free potential there.
        QTest::mouseClick(box("Text4_0"), Qt::LeftButton);
        QCOMPARE(box("Text4_0")->text(), QStringLiteral("10060"));
        for (const char* name : {"Text1_0", "Text1_1", "Text4_0"})
            QVERIFY2(test::textFault(box(name)).isEmpty(), qPrintable(test::textFault(box(name))));
        // Typing still stops at four characters.
        QCOMPARE(box("Text4_0")->maxLength(), 5);
        QCOMPARE(static_cast<ui::NumericField*>(box("Text4_1"))->typingLimit(), 4);
    }

    void holdStopsWhenTheFocusOrTheWindowGoes()
    {
        confirm(10, all("30"), "50");
        ui::HoldRepeat* hold = m_w->holdRepeat();
        ui::DcButton* up = button("Command7_1");
        QTest::mousePress(up, Qt::LeftButton);
        QVERIFY(hold->running());
        QCOMPARE(QApplication::focusWidget(), up);
        box("Text5_0")->setFocus(); // the release never arrives
        QVERIFY(!hold->running());
        hold->tickNow();
        QCOMPARE(level()->currentText(), QStringLiteral("10"));
        QCOMPARE(m_w->simulator().repeat(), beasts::PetSimulator::Repeat::None);

        QTest::mousePress(button("Command6_0"), Qt::LeftButton);
        QVERIFY(hold->running());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(m_w, &deactivate);
        QVERIFY(!hold->running());
        QCOMPARE(box("Text6_0")->text(), QStringLiteral("0"));
    }

    void nothingActsBeforeConfirm()
    {
        QTest::mousePress(button("Command7_1"), Qt::LeftButton);
        QVERIFY(!m_w->holdRepeat()->running());
        QTest::mousePress(button("Command5_0"), Qt::RightButton);
        QTest::mouseClick(box("Text6_0"), Qt::LeftButton);
        QCOMPARE(level()->currentText(), QStringLiteral("0"));
        QCOMPARE(texts("Text6", 6), QStringList({"0", "0", "0", "0", "0", "5"}));
        QCOMPARE(box("Text4_0")->text(), QString());
    }

    void splitAndBoxClicks()
    {
        confirm(10, all("30"), "50");
        // Share 2.3 for 体质 (0.5 + 0.5 + 0.5 + 0.5 + 3 ticks), then 分配: 50·2.3/5 = 23 exactly.
        for (int i = 0; i < 4; ++i)
            QTest::mousePress(button("Command6_0"), Qt::RightButton);
        QTest::mousePress(button("Command6_0"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            m_w->holdRepeat()->tickNow();
        QTest::mouseRelease(button("Command6_0"), Qt::LeftButton);
        QCOMPARE(box("Text6_0")->text(), QStringLiteral("2.3"));
        QCOMPARE(box("Text6_5")->text(), QStringLiteral("2.7"));
        QTest::mousePress(button("Command6_10"), Qt::LeftButton);
        QCOMPARE(box("Text4_0")->text(), QStringLiteral("53"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("27"));
        // A click on 敏捷 gives it the free rest and resets the shares.
        QTest::mouseClick(box("Text4_4"), Qt::LeftButton);
        QCOMPARE(box("Text4_4")->text(), QStringLiteral("57"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("0"));
        QCOMPARE(texts("Text6", 6), QStringList({"0", "0", "0", "0", "0", "5"}));
        // A click on the free potential takes the pending points back.
        QTest::mouseClick(box("Text1_1"), Qt::LeftButton);
        QCOMPARE(texts("Text4", 5), all("30"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("50"));
        // A click on a share gives it the pool.
        QTest::mouseClick(box("Text6_3"), Qt::LeftButton);
        QCOMPARE(texts("Text6", 6), QStringList({"0", "0", "0", "5", "0", "0"}));
    }

    void resetRestoresTheConfirmedFigures()
    {
        confirm(10, {"20", "21", "22", "23", "24"}, "40");
        const QStringList outputs = texts("Text3", 6);
        QTest::mousePress(button("Command7_1"), Qt::RightButton);
        QTest::mousePress(button("Command5_0"), Qt::RightButton);
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        box("Text5_2")->setFocus();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("重设完毕"));
        QCOMPARE(boxes[0].title, QStringLiteral("重设"));
        QCOMPARE(boxes[0].icon, ui::BoxIcon::None);
        QCOMPARE(QApplication::focusWidget(), box("Text4_0"));
        QCOMPARE(level()->currentText(), QStringLiteral("10"));
        QVERIFY(level()->isEnabled());
        QCOMPARE(texts("Text4", 5), QStringList({"20", "21", "22", "23", "24"}));
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("40"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("40"));
        QCOMPARE(texts("Text3", 6), outputs);
        QVERIFY(!box("Text4_0")->isReadOnly());
        QCOMPARE(box("Text4_0")->palette().color(QPalette::Base), ui::bgr(ui::colours::WindowBack));
        QVERIFY(button("Command1")->isEnabled());
        for (const char* name : {"Command2", "Command4_0", "Command4_1", "Command8", "Command3", "Command6_10"})
            QVERIFY2(!button(name)->isEnabled(), name);
        // Confirmed again from the edited figures.
        box("Text4_0")->setText("25");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(box("Text4_0")->text(), QStringLiteral("25"));
        QVERIFY(!button("Command4_1")->isEnabled());
    }

    void saveAndRestore()
    {
        confirm(10, all("30"), "100");
        QTest::mousePress(button("Command5_2"), Qt::RightButton); // pending +50 on 力量
        QTest::mousePress(button("Command6_4"), Qt::RightButton);
        QTest::mouseClick(button("Command4_0"), Qt::LeftButton);
        QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("保存完毕！"));
        QCOMPARE(boxes[0].title, QStringLiteral("保存"));
        QVERIFY(button("Command4_1")->isEnabled());
        const QStringList outputs = texts("Text3", 6);

        QTest::mousePress(button("Command7_1"), Qt::RightButton);
        QCOMPARE(level()->currentText(), QStringLiteral("20"));
        QTest::mouseClick(button("Command4_1"), Qt::LeftButton);
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("读取完毕！"));
        QCOMPARE(boxes[0].title, QStringLiteral("读取"));
        QCOMPARE(level()->currentText(), QStringLiteral("10"));
        QCOMPARE(texts("Text4", 5), QStringList({"30", "30", "80", "30", "30"}));
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("100"));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("50"));
        QCOMPARE(texts("Text6", 6), QStringList({"0.0", "0.0", "0.0", "0.0", "0.5", "4.5"}));
        QCOMPARE(texts("Text3", 6), outputs);
    }

    void closingBringsTheMainWindowBack()
    {
        ui::FormWindow* main = ui::forms().form(ui::kMainForm);
        main->hide();
        m_w->close();
        QVERIFY(!ui::forms().isLoaded(4));
        QVERIFY(main->isVisible());
        // Opened again, it starts from its design state.
        m_w = static_cast<PetPredictionWindow*>(ui::forms().showModeless(4));
        QCOMPARE(box("Text7")->text(), QStringLiteral("计算待定"));
    }

    void trayIconAndMenu()
    {
        ui::TrayService::setTrayAvailableForTests(true);
        ui::TrayService* tray = m_w->tray();
        QCOMPARE(tray->menu()->objectName(), QStringLiteral("menu_show"));
        QCOMPARE(tray->menu()->title(), QStringLiteral("显示计算器"));
        QStringList items;
        for (QAction* a : tray->menu()->actions())
            items << a->objectName() + "=" + a->text();
        QCOMPARE(items, QStringList({"menu_count=计算器", "menu_pet=召唤兽加点", "cut=", "menu_exit=关闭"}));

        ui::FormWindow* main = ui::forms().form(ui::kMainForm);
        main->hide();
        confirm(10, all("30"), "50");
        m_w->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!m_w->isVisible());
        QVERIFY(tray->iconShown());
        QCOMPARE(tray->icon()->toolTip(), QStringLiteral("召唤兽属性预测"));
        QVERIFY(!tray->icon()->icon().isNull());
        // A double click brings it back as it was.
        tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(m_w->isVisible());
        QVERIFY(!(m_w->windowState() & Qt::WindowMinimized));
        QVERIFY(!tray->iconShown());
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("50"));
        // 计算器: the main window instead; this one stays hidden with its state.
        m_w->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!m_w->isVisible());
        tray->menu()->findChild<QAction*>("menu_count")->trigger();
        QVERIFY(main->isVisible());
        QVERIFY(!m_w->isVisible());
        QVERIFY(!tray->iconShown());
        QVERIFY(ui::forms().isLoaded(4));
        // The main window's 召唤兽加点 brings it back.
        static_cast<app::ui::MainWindow*>(main)->menuPetClick();
        QVERIFY(m_w->isVisible());
        QCOMPARE(box("Text1_0")->text(), QStringLiteral("50"));
    }
};

QTEST_MAIN(PetPredictionWindowTest)
#include "pet_prediction_window_test.moc"
