// The two experience calculators on the 角色 panel, driven as a player does.

#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"

#include <QApplication>
#include <QtTest>

#include "support/controls.h"

using ui::DcButton;
using ui::NumericField;

class ExperienceFramesTest : public QObject {
    Q_OBJECT

    QWidget* w = nullptr;
    NumericField* field(const char* name) { return test::control<NumericField>(w, name); }
    DcButton* button(const char* name) { return test::control<DcButton>(w, name); }
    void type(const char* name, const char* keys)
    {
        NumericField* f = field(name);
        f->setFocus();
        QTest::keyClicks(f, keys); // focus selected the old text, so typing replaces it
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        w = ui::forms().form(1);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void startValues()
    {
        for (const char* n : {"Text1_0", "Text1_1", "Text1_2", "Text2_0", "Text2_1", "Text2_2", "Text2_3"})
            QCOMPARE(field(n)->text(), QString("0"));
        QVERIFY(field("Text1_2")->isReadOnly());
        QVERIFY(field("Text1_0")->hasFocus());
        QCOMPARE(QApplication::focusWidget(), field("Text1_0"));
        QVERIFY(!button("Button2_2")->isVisibleTo(w));
        QCOMPARE(button("Button1_0")->toolTip(), QString("等级0-155级"));
        QCOMPARE(button("Button2_0")->toolTip(), QString("经验最高可输入9个9,等级0-155级"));
    }

    void levelToExperienceByKeyboard()
    {
        type("Text1_0", "15");
        QTest::keyClick(field("Text1_0"), Qt::Key_Return);
        QVERIFY(field("Text1_1")->hasFocus());
        QTest::keyClicks(field("Text1_1"), "16");
        QTest::keyClick(field("Text1_1"), Qt::Key_Return);
        QVERIFY(button("Button1_0")->hasFocus());
        QTest::keyClick(button("Button1_0"), Qt::Key_Return);
        QCOMPARE(field("Text1_2")->text(), QString("20236"));
        QCOMPARE(field("Text1_2")->toolTip(), QString("是2万236点经验"));
        QVERIFY(field("Text1_0")->hasFocus());
        QCOMPARE(field("Text1_0")->selectedText(), QString("15"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void levelToExperienceRefusals()
    {
        type("Text1_0", "156");
        type("Text1_1", "10");
        button("Button1_0")->press();
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("角色等级上限是155级！"));
        QCOMPARE(boxes[0].title, QString("警告！"));
        QCOMPARE(field("Text1_2")->text(), QString("0"));
        QCOMPARE(field("Text1_2")->toolTip(), QString("是0点经验"));
        QCOMPARE(field("Text1_0")->text(), QString("156")); // inputs keep their text
        QVERIFY(field("Text1_0")->hasFocus());

        field("Text1_1")->clear();
        button("Button1_0")->press();
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("待输入项均不能为空！"));

        type("Text1_0", "10");
        type("Text1_1", "5");
        button("Button1_0")->press();
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(field("Text1_2")->text(), QString("0"));
    }

    void levelToExperienceReset()
    {
        type("Text1_0", "0");
        type("Text1_1", "155");
        button("Button1_0")->press();
        QCOMPARE(field("Text1_2")->text(), QString("1275784934"));
        QCOMPARE(field("Text1_2")->toolTip(), QString("是12亿7578万4934点经验"));
        field("Text1_1")->setFocus();
        button("Button1_1")->press();
        for (const char* n : {"Text1_0", "Text1_1", "Text1_2"})
            QCOMPARE(field(n)->text(), QString("0"));
        QCOMPARE(field("Text1_2")->toolTip(), QString("是0点经验"));
        QVERIFY(field("Text1_0")->hasFocus());
    }

    void experienceToLevel()
    {
        type("Text2_0", "999999999");
        type("Text2_1", "0");
        QTest::keyClick(field("Text2_1"), Qt::Key_Return);
        QVERIFY(button("Button2_0")->hasFocus());
        button("Button2_0")->press();
        QCOMPARE(field("Text2_2")->text(), QString("151"));
        QCOMPARE(field("Text2_3")->text(), QString("44202100"));
        QCOMPARE(field("Text2_0")->toolTip(), QString("是9亿9999万9999点经验"));
        QCOMPARE(field("Text2_3")->toolTip(), QString("是4420万2100点经验"));
        QVERIFY(field("Text2_0")->hasFocus());

        // Reset clears the boxes and leaves both tooltips.
        button("Button2_1")->press();
        for (const char* n : {"Text2_0", "Text2_1", "Text2_2", "Text2_3"})
            QCOMPARE(field(n)->text(), QString("0"));
        QCOMPARE(field("Text2_3")->toolTip(), QString("是4420万2100点经验"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void experienceToLevelRefusals()
    {
        type("Text2_0", "1234");
        type("Text2_1", "156");
        button("Button2_0")->press();
        auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("角色等级上限是155级！"));
        QCOMPARE(field("Text2_2")->text(), QString("0"));
        QCOMPARE(field("Text2_3")->text(), QString("0"));
        QCOMPARE(field("Text2_0")->toolTip(), QString("是1234点经验"));
        QCOMPARE(field("Text2_3")->toolTip(), QString("是0点经验"));

        field("Text2_0")->clear();
        button("Button2_0")->press();
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("待输入项均不能为空！"));
        QCOMPARE(field("Text2_0")->toolTip(), QString("是点经验"));

        type("Text2_0", "0050");
        type("Text2_1", "0");
        button("Button2_0")->press();
        QCOMPARE(field("Text2_0")->toolTip(), QString("是0050点经验"));
        QCOMPARE(field("Text2_2")->text(), QString("1"));
        QCOMPARE(field("Text2_3")->text(), QString("10"));
    }
};

QTEST_MAIN(ExperienceFramesTest)
#include "experience_frames_test.moc"
