// Form7 "潜力果经验计算".

#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

class PotentialFruitWindowTest : public QObject {
    Q_OBJECT

    QWidget* m_form = nullptr;

    QLineEdit* text(int i) const { return test::control<QLineEdit>(m_form, QStringLiteral("Text1_%1").arg(i)); }
    void click(int i)
    {
        QTest::mouseClick(test::control(m_form, QStringLiteral("dcButton1_%1").arg(i)), Qt::LeftButton);
    }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        app::ui::registerForms();
        m_form = ::ui::forms().form(7);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void startState()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("潜力果经验计算"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QVERIFY(text(2)->isReadOnly());
        QCOMPARE(text(2)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(text(0)->maxLength(), 3);
    }

    void computes_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("result"); // "7" = the previous result, kept
        QTest::newRow("0-10") << "0" << "10" << "" << "10675";
        QTest::newRow("0-100") << "0" << "100" << "" << "174250";
        QTest::newRow("5-10") << "5" << "10" << "" << "5525";
        QTest::newRow("10-10") << "10" << "10" << "" << "0";
        QTest::newRow("10-5") << "10" << "5" << "前一个数不能大于后一个数" << "7";
        QTest::newRow("101") << "101" << "5" << "待输入项不能大于100" << "7";
        QTest::newRow("0-101") << "0" << "101" << "待输入项不能大于100" << "7";
        QTest::newRow("empty") << "" << "999" << "待输入项不能为空" << "7";
    }
    void computes()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, warning);
        QFETCH(QString, result);
        text(2)->setText("7");
        text(1)->setFocus();
        text(0)->setText(a);
        text(1)->setText(b);
        click(0);
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty()) {
            QCOMPARE(boxes[0].text, warning);
            QCOMPARE(boxes[0].title, QStringLiteral("警告"));
        }
        QCOMPARE(text(2)->text(), result);
        QCOMPARE(m_form->focusWidget(), text(0));
    }

    void resetAndEnter()
    {
        text(0)->setText("3");
        text(1)->setText("9");
        click(0);
        click(1);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QCOMPARE(m_form->focusWidget(), text(0));
        QTest::keyClick(text(0), Qt::Key_Return);
        QCOMPARE(m_form->focusWidget(), text(1));
        QTest::keyClick(text(1), Qt::Key_Return);
        QCOMPARE(m_form->focusWidget(), test::control(m_form, "dcButton1_0"));
    }
};

QTEST_MAIN(PotentialFruitWindowTest)
#include "potential_fruit_window_test.moc"
