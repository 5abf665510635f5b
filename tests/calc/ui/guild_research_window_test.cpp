// Form29, the guild research window, and its launcher on the 帮派 panel.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

class GuildResearchWindowTest : public QObject {
    Q_OBJECT

    QLineEdit* field(QWidget* w, const char* name) { return test::control<QLineEdit>(w, name); }
    void click(QWidget* w, const char* name) { QTest::mouseClick(test::control(w, name), Qt::LeftButton); }
    void fill(QWidget* w, const char* c, const char* t, const char* e, const char* n)
    {
        field(w, "Text1_0")->setText(c);
        field(w, "Text1_1")->setText(t);
        field(w, "Text1_2")->setText(e);
        field(w, "Text1_3")->setText(n);
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init() { ui::BoxRecorder::start(); }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void startsAtZero()
    {
        QWidget* w = ui::forms().showModeless(29);
        QCOMPARE(w->windowTitle(), QStringLiteral("帮派技能研究所需经验"));
        for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text2_0", "Text2_1"})
            QCOMPARE(field(w, name)->text(), QStringLiteral("0"));
        QVERIFY(field(w, "Text2_0")->isReadOnly());
        QVERIFY(!(field(w, "Text2_1")->focusPolicy() & Qt::TabFocus));
        QCOMPARE(field(w, "Text1_2")->maxLength(), 7);
    }

    void computes_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("needed");
        QTest::addColumn<QString>("days");
        QTest::newRow("10-11") << QStringList{"10", "11", "0", "0"} << "2936" << "1";
        QTest::newRow("10-150") << QStringList{"10", "150", "0", "20"} << "43847840" << "153";
        QTest::newRow("99-100 gathered") << QStringList{"99", "100", "20000", "0"} << "141000" << "3";
        QTest::newRow("100-101") << QStringList{"100", "101", "0", "0"} << "490648" << "11";
        QTest::newRow("same level") << QStringList{"50", "50", "100", "3"} << "0" << "0";
    }
    void computes()
    {
        QFETCH(QStringList, inputs);
        QWidget* w = ui::forms().showModeless(29);
        w->activateWindow();
        fill(w, qPrintable(inputs[0]), qPrintable(inputs[1]), qPrintable(inputs[2]), qPrintable(inputs[3]));
        click(w, "dcButton1_0");
        QTEST(field(w, "Text2_0")->text(), "needed");
        QTEST(field(w, "Text2_1")->text(), "days");
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(field(w, "Text1_0")));
    }

    void refusalsKeepTheResults_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QStringList{"10", "", "0", "0"} << "待输入项不能为空！";
        QTest::newRow("level 9") << QStringList{"9", "20", "0", "0"} << "当前技能等级最低是10级,最高是149级！";
        QTest::newRow("level 150") << QStringList{"150", "150", "0", "0"} << "当前技能等级最低是10级,最高是149级！";
        QTest::newRow("above target") << QStringList{"30", "20", "0", "0"} << "当前等级不能高于目标等级！";
        QTest::newRow("target 151") << QStringList{"10", "151", "0", "0"} << "目标等级不能高于150级！";
        QTest::newRow("gathered") << QStringList{"10", "20", "2936", "0"} << "当前经验不能高于升级经验！";
        QTest::newRow("academies") << QStringList{"10", "20", "0", "21"} << "书院数不能多于20个！";
    }
    void refusalsKeepTheResults()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QWidget* w = ui::forms().showModeless(29);
        w->activateWindow();
        fill(w, "10", "11", "0", "0");
        click(w, "dcButton1_0");
        fill(w, qPrintable(inputs[0]), qPrintable(inputs[1]), qPrintable(inputs[2]), qPrintable(inputs[3]));
        click(w, "dcButton1_0");
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        QCOMPARE(field(w, "Text2_0")->text(), QStringLiteral("2936"));
        QCOMPARE(field(w, "Text2_1")->text(), QStringLiteral("1"));
        QCOMPARE(field(w, "Text1_1")->text(), inputs[1]);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(field(w, "Text1_0")));
    }

    void resetPutsEverythingBack()
    {
        QWidget* w = ui::forms().showModeless(29);
        fill(w, "10", "150", "0", "20");
        click(w, "dcButton1_0");
        click(w, "dcButton1_1");
        for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text2_0", "Text2_1"})
            QCOMPARE(field(w, name)->text(), QStringLiteral("0"));
    }

    void enterWalksTheInputsToCompute()
    {
        QWidget* w = ui::forms().showModeless(29);
        w->activateWindow();
        field(w, "Text1_0")->setFocus();
        QTRY_VERIFY(field(w, "Text1_0")->hasFocus());
        for (const char* next : {"Text1_1", "Text1_2", "Text1_3", "dcButton1_0"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void launcherOpensItModally()
    {
        QWidget* main = ui::forms().form(1);
        main->show();
        static_cast<app::ui::MainWindow*>(main)->tabClick(1); // the 帮派 panel
        auto* launcher = test::control<ui::DcButton>(main, "dcButton18");
        QVERIFY(launcher);
        QCOMPARE(launcher->text(), QStringLiteral("技能研究经验"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = ui::forms().loaded(29);
            QVERIFY(w);
            wasModal = w->isModal() && w->isVisible();
            fill(w, "10", "11", "0", "0");
            click(w, "dcButton1_0");
            w->close();
        });
        launcher->QAbstractButton::click(); // returns once the window has closed
        QVERIFY(wasModal);
        QVERIFY(!ui::forms().isLoaded(29));
        QVERIFY(main->isVisible());
        // Opened again, it starts afresh.
        QCOMPARE(field(ui::forms().form(29), "Text2_0")->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(GuildResearchWindowTest)
#include "guild_research_window_test.moc"
