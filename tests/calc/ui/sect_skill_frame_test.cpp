// The "门派技能" frame of the main window and its launcher of the detail window.

#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class SectSkillFrameTest : public QObject {
    Q_OBJECT

    QWidget* m_main = nullptr;

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return test::control<T>(m_main, QLatin1String(name));
    }
    QLineEdit* text(int i) const { return find<QLineEdit>(QStringLiteral("Text3_%1").arg(i).toLatin1().constData()); }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void enter(const QString& from, const QString& to)
    {
        text(0)->setText(from);
        text(1)->setText(to);
    }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        m_main = test::openMainWindow();
        m_main->activateWindow();
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void startState()
    {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QVERIFY(!find<QLabel>("Label24")->isVisible());
        QVERIFY(text(2)->isReadOnly());
        QCOMPARE(text(2)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(text(0)->maxLength(), 3);
        QCOMPARE(find("Button3_0")->toolTip(), QStringLiteral("等级输入0-160级"));
    }

    void computes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("exp");
        QTest::addColumn<QString>("money");
        QTest::addColumn<bool>("noteShown");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("expTip");
        QTest::addColumn<QString>("moneyTip");
        // Tooltips of "-" are those of a previous computation (0 to 1 with X1), kept.
        QTest::newRow("0-1 x1") << "0" << "1" << "Button3_0" << "" << "16" << "6" << true << "(X1项)" << "16点经验" << "6两";
        QTest::newRow("0-10 x7") << "0" << "10" << "Button3_6" << "" << "10437" << "3892" << true << "(X7项)"
                                 << "1万437点经验" << "3892两";
        QTest::newRow("149-150 x1") << "149" << "150" << "Button3_0" << "" << "3242400" << "1215900" << true << "(X1项)"
                                    << "324万2400点经验" << "121万5900两";
        QTest::newRow("0-160 x1") << "0" << "160" << "Button3_0" << "" << "197439611" << "74040583" << true << "(X1项)"
                                  << "1亿9743万9611点经验" << "7404万583两";
        QTest::newRow("0-160 x7") << "0" << "160" << "Button3_6" << "" << "1382077277" << "518284081" << true << "(X7项)"
                                  << "13亿8207万7277点经验" << "5亿1828万4081两";
        QTest::newRow("50-50 x3") << "50" << "50" << "Button3_2" << "" << "0" << "0" << true << "(X3项)" << "0点经验"
                                  << "0两";
        QTest::newRow("60-50") << "60" << "50" << "Button3_0" << "等级1不能大于等级2！" << "0" << "0" << false << ""
                               << "0点经验" << "0两";
        QTest::newRow("161") << "0" << "161" << "Button3_0" << "门派技能最高等级为160级！" << "0" << "0" << false << ""
                             << "-" << "-";
        QTest::newRow("empty") << "" << "10" << "Button3_0" << "待输入项不能为空！" << "0" << "0" << false << "" << "-"
                               << "-";
    }
    void computes()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, button);
        QFETCH(QString, warning);
        QFETCH(QString, exp);
        QFETCH(QString, money);
        QFETCH(bool, noteShown);
        QFETCH(QString, note);
        QFETCH(QString, expTip);
        QFETCH(QString, moneyTip);

        enter("0", "1");
        click("Button3_0");
        text(1)->setFocus();
        enter(from, to);
        click(button.toLatin1().constData());

        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        if (warning.isEmpty()) {
            QVERIFY(boxes.isEmpty());
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, warning);
            QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
            QCOMPARE(boxes[0].icon, ::ui::BoxIcon::Warning);
        }
        QCOMPARE(text(2)->text(), exp);
        QCOMPARE(text(3)->text(), money);
        QCOMPARE(text(2)->toolTip(), expTip == "-" ? QStringLiteral("16点经验") : expTip);
        QCOMPARE(text(3)->toolTip(), moneyTip == "-" ? QStringLiteral("6两") : moneyTip);
        auto* label = find<QLabel>("Label24");
        QCOMPARE(label->isVisible(), noteShown);
        if (noteShown)
            QCOMPARE(label->text(), note);
        QCOMPARE(text(0)->text(), from); // inputs keep their text
        QCOMPARE(m_main->focusWidget(), text(0));
    }

    void resetKeepsTooltips()
    {
        enter("0", "10");
        click("Button3_6");
        click("Button3_7");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(text(i)->text(), QStringLiteral("0"));
        QVERIFY(!find<QLabel>("Label24")->isVisible());
        QCOMPARE(text(2)->toolTip(), QStringLiteral("1万437点经验"));
        QCOMPARE(m_main->focusWidget(), text(0));
    }

    void largeFiguresStayReadable()
    {
        enter("0", "160");
        click("Button3_6");
        for (int i : {2, 3}) {
            QLineEdit* cell = text(i);
            QVERIFY2(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <= cell->width() - 6,
                     qPrintable(cell->text()));
        }
        click("Button3_7");
        QCOMPARE(text(2)->font(), m_main->font()); // a reset brings back the window's font
    }

    void enterWalksToCompute()
    {
        text(0)->setFocus();
        QTest::keyClick(text(0), Qt::Key_Return);
        QCOMPARE(m_main->focusWidget(), text(1));
        QTest::keyClick(text(1), Qt::Key_Return);
        QCOMPARE(m_main->focusWidget(), find("Button3_0"));
        QCOMPARE(text(1)->text(), QStringLiteral("0"));
    }

    void typingIsFiltered()
    {
        text(0)->setFocus();
        QTest::keyClicks(text(0), "1a2-3");
        QCOMPARE(text(0)->text(), QStringLiteral("123"));
        QTest::keyClicks(text(0), "4");
        QCOMPARE(text(0)->text(), QStringLiteral("123")); // at most three characters
    }

    // While the warning is up, the "(Xn项)" note of the last computation is still shown
    // for an empty box and already hidden for a refused level.
    void noteBehindTheWarning_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("shownBehind");
        QTest::newRow("empty") << "" << "10" << true;
        QTest::newRow("161") << "161" << "10" << false;
        QTest::newRow("reversed") << "60" << "50" << false;
    }
    void noteBehindTheWarning()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, shownBehind);
        enter("0", "10");
        click("Button3_2");
        QVERIFY(find<QLabel>("Label24")->isVisible());
        ::ui::BoxRecorder::stop(); // a real modal box this time
        enter(from, to);
        bool boxSeen = false;
        bool noteVisible = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            boxSeen = box != nullptr;
            noteVisible = find<QLabel>("Label24")->isVisible();
            if (box)
                box->close();
        });
        emit find<::ui::DcButton>("Button3_0")->click(0);
        ::ui::BoxRecorder::start();
        QVERIFY(boxSeen);
        QCOMPARE(noteVisible, shownBehind);
        QVERIFY(!find<QLabel>("Label24")->isVisible());
        QCOMPARE(text(2)->text(), QStringLiteral("0"));
    }

    void detailOpensModallyAndComesBack()
    {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* detail = ::ui::forms().loaded(2);
            QVERIFY(detail);
            seen = detail->isVisible() && detail->isModal();
            QCOMPARE(detail->windowTitle(), QStringLiteral("门派技能详细计算"));
            QTest::mouseClick(test::control(detail, "Button1_2"), Qt::LeftButton); // 关闭
        });
        click("Button3_8");
        QVERIFY(seen);
        QVERIFY(!::ui::forms().isLoaded(2));
        QVERIFY(m_main->isVisible());
    }
};

QTEST_MAIN(SectSkillFrameTest)
#include "sect_skill_frame_test.moc"
