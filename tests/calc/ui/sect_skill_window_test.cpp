// Form2 "门派技能详细计算".

#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"

class SectSkillWindowTest : public QObject {
    Q_OBJECT

    QWidget* m_form = nullptr;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return test::control<T>(m_form, name);
    }
    QLineEdit* box(const char* base, int i = -1) const
    {
        return find<QLineEdit>(i < 0 ? QString::fromLatin1(base) : QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i));
    }
    QCheckBox* check(int i) const { return find<QCheckBox>(QStringLiteral("Check1_%1").arg(i)); }
    void click(int index) { QTest::mouseClick(find(QStringLiteral("Button1_%1").arg(index)), Qt::LeftButton); }
    void allRows(const QString& from, const QString& to)
    {
        for (int i = 0; i < 7; ++i) {
            box("Text1", i)->setText(from);
            box("Text2", i)->setText(to);
        }
    }
    void open()
    {
        m_form = ::ui::forms().form(2);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void expectRow(int i, const char* exp, const char* money, bool ticked)
    {
        QCOMPARE(box("Text3", i)->text(), QString::fromLatin1(exp));
        QCOMPARE(box("Text4", i)->text(), QString::fromLatin1(money));
        QCOMPARE(check(i)->isChecked(), ticked);
    }
    void expectTotals(const char* exp, const char* money, const char* count)
    {
        QCOMPARE(box("Text5")->text(), QString::fromLatin1(exp));
        QCOMPARE(box("Text6")->text(), QString::fromLatin1(money));
        QCOMPARE(box("Text7")->text(), QString::fromLatin1(count));
    }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        app::ui::registerForms();
        open();
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void layoutAndStart()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("门派技能详细计算"));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(check(i)->text(), QStringLiteral("技能%1由").arg(i + 1));
            expectRow(i, "0", "0", true);
            QCOMPARE(box("Text1", i)->maxLength(), 3);
            QVERIFY(box("Text3", i)->isReadOnly());
            QCOMPARE(box("Text3", i)->focusPolicy(), Qt::ClickFocus);
        }
        expectTotals("0", "0", "7");
        QVERIFY(box("Text5")->isReadOnly());
    }

    void everyRowZeroToTen()
    {
        allRows("0", "10");
        click(0);
        QVERIFY(::ui::BoxRecorder::take().isEmpty());
        for (int i = 0; i < 7; ++i)
            expectRow(i, "1491", "556", true);
        expectTotals("10437", "3892", "7");
        QCOMPARE(m_form->focusWidget(), box("Text1", 0));
    }

    void reversedRowIsUnticked()
    {
        allRows("0", "10");
        box("Text1", 6)->setText("10");
        box("Text2", 6)->setText("5");
        click(0);
        QVERIFY(::ui::BoxRecorder::take().isEmpty());
        expectRow(6, "0", "0", false);
        expectTotals("8946", "3336", "6");
    }

    void levelAboveCapStopsAtThatRow()
    {
        allRows("0", "10");
        box("Text2", 3)->setText("200");
        click(0);
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("等级均不能大于160！"));
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        for (int i = 0; i < 3; ++i)
            expectRow(i, "1491", "556", true);
        for (int i = 3; i < 7; ++i)
            expectRow(i, "0", "0", true);
        expectTotals("4473", "1668", "7");
    }

    // A reversed row before the row above 160 is already unticked while the warning is
    // up; the costs appear once it is answered.
    void reversedRowUntickedBeforeTheWarning()
    {
        allRows("0", "10");
        box("Text1", 1)->setText("9");
        box("Text2", 1)->setText("3");
        box("Text2", 4)->setText("161");
        ::ui::BoxRecorder::stop(); // a real modal box this time
        bool boxSeen = false;
        bool untickedBehind = false;
        QString costBehind;
        QTimer::singleShot(0, this, [&] {
            QWidget* warning = QApplication::activeModalWidget();
            boxSeen = warning != nullptr && warning != m_form;
            untickedBehind = !check(1)->isChecked();
            costBehind = box("Text3", 0)->text();
            if (boxSeen)
                warning->close();
        });
        emit find<::ui::DcButton>("Button1_0")->click(0);
        ::ui::BoxRecorder::start();
        QVERIFY(boxSeen);
        QVERIFY(untickedBehind);
        QCOMPARE(costBehind, QStringLiteral("0"));
        expectRow(0, "1491", "556", true);
        expectRow(1, "0", "0", false);
        expectRow(4, "0", "0", true);
        expectTotals(QByteArray::number(3 * 1491).constData(), QByteArray::number(3 * 556).constData(), "6");
    }

    void untickedRowShowsItsCost()
    {
        allRows("0", "10");
        check(2)->setChecked(false);
        box("Text1", 4)->setText("5");
        box("Text2", 4)->setText("5");
        click(0);
        expectRow(2, "1491", "556", false);
        expectRow(4, "0", "0", true);
        expectTotals("7455", "2780", "6");
    }

    void emptyBoxChangesNothing()
    {
        allRows("0", "10");
        click(0);
        box("Text2", 5)->setText("");
        box("Text1", 0)->setText("3");
        click(0);
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("待输入项不能为空！"));
        expectRow(0, "1491", "556", true);
        expectTotals("10437", "3892", "7");
        QCOMPARE(m_form->focusWidget(), find("Button1_0")); // where the click put it, not Text1(0)
    }

    void resetAndReopen()
    {
        allRows("0", "10");
        box("Text1", 1)->setText("20");
        click(0);
        click(1); // 重设
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(box("Text1", i)->text(), QStringLiteral("0"));
            QCOMPARE(box("Text2", i)->text(), QStringLiteral("0"));
            expectRow(i, "0", "0", true);
        }
        expectTotals("0", "0", "7");
        QCOMPARE(m_form->focusWidget(), box("Text1", 0));

        allRows("1", "9");
        check(0)->setChecked(false);
        click(2); // 关闭 unloads
        QVERIFY(!::ui::forms().isLoaded(2));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
        QCOMPARE(box("Text1", 0)->text(), QStringLiteral("0"));
        QVERIFY(check(0)->isChecked());
        expectTotals("0", "0", "7");
    }

    void enterWalksTheLevelsToCompute()
    {
        box("Text1", 0)->setFocus();
        QWidget* expected[] = {box("Text2", 0), box("Text1", 1)};
        for (QWidget* w : expected) {
            QTest::keyClick(m_form->focusWidget(), Qt::Key_Return);
            QCOMPARE(m_form->focusWidget(), w);
        }
        box("Text2", 6)->setFocus();
        QTest::keyClick(box("Text2", 6), Qt::Key_Return);
        QCOMPARE(m_form->focusWidget(), find("Button1_0"));
    }
};

QTEST_MAIN(SectSkillWindowTest)
#include "sect_skill_window_test.moc"
