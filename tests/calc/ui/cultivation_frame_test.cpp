// The cultivation calculator "角色修炼" on the main window, and its button to Form26.

#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class CultivationFrameTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;

    template <typename T>
    T* find(const char* name)
    {
        return test::control<T>(m_main, QLatin1String(name));
    }
    QLineEdit* text(int i) { return find<QLineEdit>(QStringLiteral("Text6_%1").arg(i).toLatin1().constData()); }
    ui::DcButton* button(int i) { return find<ui::DcButton>(QStringLiteral("Button6_%1").arg(i).toLatin1().constData()); }
    void setInputs(const char* a, const char* w, const char* b)
    {
        text(0)->setText(QString::fromUtf8(a));
        text(1)->setText(QString::fromUtf8(w));
        text(2)->setText(QString::fromUtf8(b));
    }
    QStringList results()
    {
        QStringList out;
        for (int i = 3; i <= 7; ++i)
            out << text(i)->text();
        return out;
    }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow(1);
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::stop();
    }

    void startState()
    {
        QVERIFY(find<QRadioButton>("Option2_0")->isChecked());
        QVERIFY(!find<QRadioButton>("Option2_1")->isChecked());
        for (int i = 0; i <= 7; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        for (int i = 3; i <= 7; ++i)
            QVERIFY(text(i)->isReadOnly());
        QCOMPARE(text(0)->maxLength(), 2);
        QCOMPARE(text(1)->maxLength(), 4);
        QCOMPARE(text(2)->maxLength(), 2);
        QCOMPARE(button(0)->toolTip(), QStringLiteral("修炼等级输入0-25级"));
        QCOMPARE(button(2)->text(), QStringLiteral("飞升降修"));
    }

    void compute()
    {
        struct Case {
            bool defence;
            const char *a, *w, *b;
            const char* warning; // "" = no box
            const char* heldAfter;
            QStringList results;
        };
        const QStringList zeros{"0", "0", "0", "0", "0"};
        const Case cases[] = {
            {false, "0", "0", "25", "", "0", {"67750", "20325", "3750", "33875", "145"}},
            {true, "10", "1234", "15", "", "1230", {"9820", "1964", "2250", "4910", "95"}},
            {false, "5", "655", "6", "", "0", {"650", "195", "900", "325", "50"}},
            {false, "3", "9", "4", "", "0", {"390", "117", "600", "195", "40"}},
            {false, "7", "1234", "7", "", "1234", zeros},
            {false, "26", "5", "25", "等级1和2不能大于25！", "5", zeros},
            {false, "6", "15", "5", "等级1不能大于等级2！", "15", zeros},
            {false, "", "0", "5", "待输入项不能为空！", "0", zeros},
            {false, "1", "", "5", "待输入项不能为空！", "", zeros},
            {false, "1", "0", "", "待输入项不能为空！", "0", zeros},
        };
        for (const Case& c : cases) {
            find<QRadioButton>(c.defence ? "Option2_1" : "Option2_0")->click();
            // a previous result is there to be overwritten
            text(3)->setText("123");
            setInputs(c.a, c.w, c.b);
            QTest::mouseClick(button(0), Qt::LeftButton);
            const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
            if (*c.warning) {
                QCOMPARE(boxes.size(), 1);
                QCOMPARE(boxes[0].text, QString::fromUtf8(c.warning));
                QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
            } else {
                QVERIFY(boxes.isEmpty());
            }
            QCOMPARE(text(1)->text(), QString::fromUtf8(c.heldAfter));
            QCOMPARE(results(), c.results);
            QCOMPARE(m_main->focusWidget(), text(0));
        }
    }

    void optionDoesNotRecompute()
    {
        setInputs("0", "0", "25");
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(text(4)->text(), QStringLiteral("20325"));
        find<QRadioButton>("Option2_1")->click();
        QCOMPARE(text(4)->text(), QStringLiteral("20325"));
        QCOMPARE(m_main->focusWidget(), text(0));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(text(4)->text(), QStringLiteral("13550"));
    }

    void reset()
    {
        setInputs("3", "100", "9");
        QTest::mouseClick(button(0), Qt::LeftButton);
        QTest::mouseClick(button(1), Qt::LeftButton);
        for (int i = 0; i <= 7; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(m_main->focusWidget(), text(0));
    }

    void enterWalksToCompute()
    {
        QApplication::setActiveWindow(m_main);
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        text(0)->setFocus();
        QTest::keyClick(text(0), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), text(1));
        QTest::keyClick(text(1), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), text(2));
        QTest::keyClick(text(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button(0));
    }

    void opensTheStepsWindowModally()
    {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            ui::FormWindow* steps = ui::forms().loaded(26);
            QVERIFY(steps);
            seen = steps->isVisible() && steps->isModal();
            QCOMPARE(steps->windowTitle(), QStringLiteral("飞升降修计算"));
            steps->close();
        });
        QTest::mouseClick(button(2), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!ui::forms().loaded(26));
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_main->focusWidget(), text(0));
    }
};

QTEST_MAIN(CultivationFrameTest)
#include "cultivation_frame_test.moc"
