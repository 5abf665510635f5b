// The "携带金钱" frame of the main window.

#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class MoneyLimitFrameTest : public QObject {
    Q_OBJECT

    QWidget* m_main = nullptr;

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return test::control<T>(m_main, QLatin1String(name));
    }
    QLineEdit* level() const { return find<QLineEdit>("Text4_0"); }
    QLineEdit* limit() const { return find<QLineEdit>("Text4_1"); }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        m_main = test::openMainWindow();
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void startState()
    {
        QCOMPARE(level()->text(), QStringLiteral("0"));
        QCOMPARE(limit()->text(), QStringLiteral("10000"));
        QVERIFY(!limit()->isReadOnly());
        QCOMPARE(limit()->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(find("Button4_0")->toolTip(), QStringLiteral("等级输入0-155级"));
        QCOMPARE(find<QLabel>("Label30")->text(), QStringLiteral("听雨轩"));
    }

    void computes_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("limit");
        QTest::newRow("0") << "0" << "" << "10000";
        QTest::newRow("1") << "1" << "" << "12000";
        QTest::newRow("10") << "10" << "" << "210000";
        QTest::newRow("50") << "50" << "" << "5010000";
        QTest::newRow("99") << "99" << "" << "19612000";
        QTest::newRow("100") << "100" << "" << "20000000";
        QTest::newRow("155") << "155" << "" << "20000000";
        QTest::newRow("156") << "156" << "角色等级最高为155级！" << "0";
        QTest::newRow("999") << "999" << "角色等级最高为155级！" << "0";
        QTest::newRow("empty") << "" << "待输入项不能为空！" << "0";
    }
    void computes()
    {
        QFETCH(QString, level);
        QFETCH(QString, warning);
        QFETCH(QString, limit);
        this->level()->setText(level);
        QTest::mouseClick(find("Button4_0"), Qt::LeftButton);
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty()) {
            QCOMPARE(boxes[0].text, warning);
            QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        }
        QCOMPARE(this->limit()->text(), limit);
        QCOMPARE(this->level()->text(), level);
        QCOMPARE(m_main->focusWidget(), this->level());
        QVERIFY(this->limit()->toolTip().isEmpty());
    }

    void resetAndTypedLimit()
    {
        level()->setText("50");
        QTest::mouseClick(find("Button4_0"), Qt::LeftButton);
        limit()->setFocus();
        limit()->setText("");
        QTest::keyClicks(limit(), "12x3");
        QCOMPARE(limit()->text(), QStringLiteral("123")); // digits are taken, nothing reads them
        QTest::mouseClick(find("Button4_1"), Qt::LeftButton);
        QCOMPARE(level()->text(), QStringLiteral("0"));
        QCOMPARE(limit()->text(), QStringLiteral("10000"));
        QCOMPARE(m_main->focusWidget(), level());
    }

    void enterReachesCompute()
    {
        level()->setFocus();
        QTest::keyClick(level(), Qt::Key_Return);
        QCOMPARE(m_main->focusWidget(), find("Button4_0"));
    }
};

QTEST_MAIN(MoneyLimitFrameTest)
#include "money_limit_frame_test.moc"
