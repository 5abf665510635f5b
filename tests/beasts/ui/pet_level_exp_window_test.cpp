// Form13, the beast level-experience window.
#include "app/ui/program.h"
#include "beasts/ui/pet_level_exp_window.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

class PetLevelExpWindowTest : public QObject {
    Q_OBJECT
private:
    ui::FormWindow* m_w = nullptr;
    QLineEdit* box(int i) { return test::control<QLineEdit>(m_w, QStringLiteral("Text1_%1").arg(i)); }
    QStringList boxes()
    {
        QStringList out;
        for (int i = 0; i < 5; ++i)
            out << box(i)->text();
        return out;
    }
    ui::DcButton* button(int i) { return test::control<ui::DcButton>(m_w, QStringLiteral("dcButton1_%1").arg(i)); }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        app::ui::registerForms();
        m_w = ui::forms().form(13);
        m_w->show();
        m_w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w));
    }
    void cleanup() { ui::forms().reset(); }

    void opensWithZeros()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral("召唤兽升级经验"));
        QCOMPARE(boxes(), QStringList({"0", "0", "0", "0", "0"}));
        QCOMPARE(QApplication::focusWidget(), box(0));
        QVERIFY(box(2)->isReadOnly() && box(3)->isReadOnly() && box(4)->isReadOnly());
        // Enter walks level 1, level 2, then 确定.
        QTest::keyClick(box(0), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(1));
        QTest::keyClick(box(1), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button(0));
    }

    void compute_data()
    {
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("l2");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("0→0") << "0" << "0" << "" << QStringList{"0", "0", "0", "0", "0"};
        QTest::newRow("0→1") << "0" << "1" << "" << QStringList{"0", "1", "50", "1", "50"};
        QTest::newRow("1→2") << "1" << "2" << "" << QStringList{"1", "2", "200", "2", "200"};
        QTest::newRow("10→10") << "10" << "10" << "" << QStringList{"10", "10", "0", "10", "5000"};
        QTest::newRow("0→160") << "0" << "160" << "" << QStringList{"0", "160", "68908000", "160", "1280000"};
        QTest::newRow("160→160") << "160" << "160" << "" << QStringList{"160", "160", "0", "160", "1280000"};
        QTest::newRow("007") << "0" << "007" << "" << QStringList{"0", "007", "7000", "007", "2450"};
        QTest::newRow("cap first") << "170" << "100" << "输入错误！等级不能高于160级！"
                                   << QStringList{"170", "100", "0", "0", "0"};
        QTest::newRow("order") << "100" << "50" << "输入错误！等级1不能高于等级2！"
                               << QStringList{"100", "50", "0", "0", "0"};
        QTest::newRow("empty") << "" << "50" << "请输入召唤兽等级！" << QStringList{"", "50", "0", "0", "0"};
    }
    void compute()
    {
        QFETCH(QString, l1);
        QFETCH(QString, l2);
        QFETCH(QString, warning);
        box(0)->setText(l1);
        box(1)->setText(l2);
        QTest::mouseClick(button(0), Qt::LeftButton);
        const QList<ui::RecordedBox> recorded = ui::BoxRecorder::take();
        if (warning.isEmpty()) {
            QVERIFY(recorded.isEmpty());
        } else {
            QCOMPARE(recorded.size(), 1);
            QCOMPARE(recorded[0].text, warning);
            QCOMPARE(recorded[0].title, QStringLiteral("警告！"));
        }
        QTEST(boxes(), "after");
    }

    void warningKeepsResults()
    {
        box(1)->setText("2");
        QTest::mouseClick(button(0), Qt::LeftButton);
        box(0)->setFocus();
        box(0)->selectAll();
        QTest::keyClick(box(0), Qt::Key_Backspace);
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        QCOMPARE(boxes(), QStringList({"", "2", "250", "2", "200"}));
    }

    void resetLeavesTheFocus()
    {
        QTest::keyClicks(box(0), QStringLiteral("1a-"));
        QCOMPARE(box(0)->text(), QStringLiteral("1"));
        box(1)->setText("5");
        QTest::mouseClick(button(0), Qt::LeftButton);
        box(1)->setFocus();
        static_cast<beasts::ui::PetLevelExpWindow*>(m_w)->dcButton1Click(1); // the handler itself leaves the focus alone
        QCOMPARE(boxes(), QStringList({"0", "0", "0", "0", "0"}));
        QCOMPARE(QApplication::focusWidget(), box(1));
    }
};

QTEST_MAIN(PetLevelExpWindowTest)
#include "pet_level_exp_window_test.moc"
