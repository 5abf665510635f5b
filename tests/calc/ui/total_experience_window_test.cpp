// Form25 "总经验计算", opened from the main window, and the potential fruit window it opens.

#include "app/ui/program.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"

class TotalExperienceWindowTest : public QObject {
    Q_OBJECT

    QWidget* m_form = nullptr;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return test::control<T>(m_form, name);
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QList<QLineEdit*> inputs() const
    {
        QList<QLineEdit*> list{box("Text1"), box("Text11")};
        for (int i = 0; i < 7; ++i)
            list << box(QStringLiteral("Text2_%1").arg(i));
        for (int i = 0; i < 13; ++i)
            list << box(QStringLiteral("Text3_%1").arg(i));
        list << box("Text4") << box("Text5");
        return list;
    }
    QStringList results() const
    {
        return {box("Text6")->text(), box("Text7")->text(), box("Text8")->text()};
    }
    void click(const char* name) { QTest::mouseClick(find(QLatin1String(name)), Qt::LeftButton); }
    void open()
    {
        m_form = ::ui::forms().form(25);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }

private slots:
    void init()
    {
        ::ui::BoxRecorder::start();
        app::ui::registerForms();
    }
    void cleanup()
    {
        ::ui::forms().reset();
        ::ui::BoxRecorder::take();
    }

    void startState()
    {
        open();
        QCOMPARE(m_form->windowTitle(), QStringLiteral("总经验计算"));
        QCOMPARE(inputs().size(), 24);
        for (QLineEdit* t : inputs()) {
            QCOMPARE(t->text(), QStringLiteral("0"));
            QCOMPARE(t->maxLength(), t->objectName() == "Text5" ? 10 : 3);
        }
        for (const char* r : {"Text6", "Text7", "Text8", "Text9", "Text10"}) {
            QCOMPARE(box(r)->text(), QStringLiteral("0"));
            QVERIFY(box(r)->isReadOnly());
            QCOMPARE(box(r)->focusPolicy(), Qt::ClickFocus);
        }
    }

    void computes_data()
    {
        QTest::addColumn<QStringList>("settings"); // name=value pairs on top of all "0"
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("results"); // total, normal death, PK death
        QTest::newRow("level 100") << QStringList{"Text1=100"} << "" << QStringList{"122593634", "245187", "1000500"};
        QTest::newRow("level 15") << QStringList{"Text1=15"} << "" << QStringList{"73428", "0", "0"};
        QTest::newRow("level 16") << QStringList{"Text1=16"} << "" << QStringList{"93664", "187", "4596"};
        QTest::newRow("ascension 135") << QStringList{"Text11=135"} << "" << QStringList{"194683733", "0", "0"};
        QTest::newRow("one fruit") << QStringList{"Text4=1"} << "" << QStringList{"10000000", "0", "0"};
        QTest::newRow("everything at its top")
            << QStringList{"Text1=155", "Text11=145", "Text2_0=160", "Text2_1=160", "Text2_2=160", "Text2_3=160",
                           "Text2_4=160", "Text2_5=160", "Text2_6=160", "Text3_0=150", "Text3_1=150", "Text3_2=150",
                           "Text3_3=150", "Text3_4=150", "Text3_5=150", "Text3_6=150", "Text3_7=150", "Text3_8=150",
                           "Text3_9=150", "Text3_10=150", "Text3_11=150", "Text3_12=150", "Text4=100",
                           "Text5=9999999999"}
            << "" << QStringList{"16002853080", "32005706", "3724375"};
        const QStringList kept{"1", "2", "3"};
        QTest::newRow("empty carried") << QStringList{"Text5="} << "请输入所有数据！" << kept;
        QTest::newRow("empty auxiliary") << QStringList{"Text3_12="} << "请输入所有数据！" << kept;
        QTest::newRow("level 156") << QStringList{"Text1=156"} << "等级最高为155级！" << kept;
        QTest::newRow("first fault only") << QStringList{"Text1=200", "Text2_0=200"} << "等级最高为155级！" << kept;
        QTest::newRow("sect 161") << QStringList{"Text2_6=161"} << "门派技能等级最高为160级！" << kept;
        QTest::newRow("auxiliary 151") << QStringList{"Text3_9=151"} << "辅助技能等级最高为150级！" << kept;
        QTest::newRow("101 fruits") << QStringList{"Text4=101"} << "潜力果最多只能换取100个！" << kept;
        QTest::newRow("ascension 134") << QStringList{"Text11=134"} << "允许飞升等级最低为135级,最高为145级！" << kept;
        QTest::newRow("ascension 146") << QStringList{"Text11=146"} << "允许飞升等级最低为135级,最高为145级！" << kept;
        QTest::newRow("ascension 1") << QStringList{"Text11=1"} << "允许飞升等级最低为135级,最高为145级！" << kept;
    }
    void computes()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, warning);
        QFETCH(QStringList, results);
        open();
        box("Text6")->setText("1");
        box("Text7")->setText("2");
        box("Text8")->setText("3");
        for (const QString& s : settings) {
            const QStringList kv = s.split('=');
            box(kv[0])->setText(kv[1]);
        }
        box("Text5")->setFocus();
        click("dcButton1_0");
        const QList<::ui::RecordedBox> boxes = ::ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty()) {
            QCOMPARE(boxes[0].text, warning);
            QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        }
        QCOMPARE(this->results(), results);
        QCOMPARE(m_form->focusWidget(), box("Text1"));
    }

    void fruitPreview()
    {
        open();
        box("Text4")->setFocus();
        box("Text4")->selectAll();
        QTest::keyClick(box("Text4"), Qt::Key_5);
        QCOMPARE(box("Text9")->text(), QStringLiteral("5"));
        QCOMPARE(box("Text10")->text(), QStringLiteral("1060"));
        box("Text4")->setText("101");
        QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
        QCOMPARE(box("Text10")->text(), QStringLiteral("0"));
        box("Text4")->setText("100");
        QCOMPARE(box("Text10")->text(), QStringLiteral("2485"));
        box("Text4")->setText("");
        QCOMPARE(box("Text9")->text(), QStringLiteral("0"));
        QCOMPARE(box("Text10")->text(), QStringLiteral("0"));
    }

    void resetBringsEverythingBack()
    {
        open();
        for (QLineEdit* t : inputs())
            t->setText("12");
        box("Text11")->setText("140");
        click("dcButton1_0");
        QVERIFY(::ui::BoxRecorder::take().isEmpty());
        QCOMPARE(box("Text10")->text(), QStringLiteral("1165"));
        QVERIFY(box("Text6")->text() != "0");
        click("dcButton1_1");
        for (QLineEdit* t : inputs())
            QCOMPARE(t->text(), QStringLiteral("0"));
        for (const char* r : {"Text6", "Text7", "Text8", "Text9", "Text10"})
            QCOMPARE(box(r)->text(), QStringLiteral("0"));
        QCOMPARE(m_form->focusWidget(), box("Text1"));
    }

    void enterWalksEveryInputToCompute()
    {
        open();
        const QList<QLineEdit*> list = inputs();
        list.first()->setFocus();
        for (qsizetype i = 1; i < list.size(); ++i) {
            QTest::keyClick(m_form->focusWidget(), Qt::Key_Return);
            QCOMPARE(m_form->focusWidget(), list[i]);
        }
        QTest::keyClick(m_form->focusWidget(), Qt::Key_Return);
        QCOMPARE(m_form->focusWidget(), find("dcButton1_0"));
    }

    // Main window → 总经验计算 → 潜力果 → back, each window modal over the one below.
    void modalRoundTrip()
    {
        QWidget* main = ::ui::forms().form(1);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QStringList steps;
        QTimer::singleShot(0, this, [&] {
            m_form = ::ui::forms().loaded(25);
            QVERIFY(m_form && m_form->isVisible() && m_form->isModal());
            steps << "form25";
            box("Text1")->setText("16");
            QTimer::singleShot(0, this, [&] {
                QWidget* fruit = ::ui::forms().loaded(7);
                QVERIFY(fruit && fruit->isVisible() && fruit->isModal());
                steps << "form7";
                test::control<QLineEdit>(fruit, "Text1_0")->setText("5");
                test::control<QLineEdit>(fruit, "Text1_1")->setText("10");
                QTest::mouseClick(test::control(fruit, "dcButton1_0"), Qt::LeftButton);
                QCOMPARE(test::control<QLineEdit>(fruit, "Text1_2")->text(), QStringLiteral("5525"));
                fruit->close();
            });
            click("dcButton2"); // returns when the fruit window has closed
            steps << "back in form25";
            QVERIFY(!::ui::forms().isLoaded(7));
            click("dcButton1_0");
            QCOMPARE(box("Text6")->text(), QStringLiteral("93664"));
            m_form->close();
        });
        QTest::mouseClick(test::control(main, "Button2_3"), Qt::LeftButton);
        steps << "back in main";
        QCOMPARE(steps, (QStringList{"form25", "form7", "back in form25", "back in main"}));
        QVERIFY(!::ui::forms().isLoaded(25));
        QVERIFY(main->isVisible());

        // Opened again, the window starts afresh.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QString level;
        QTimer::singleShot(0, this, [&] {
            m_form = ::ui::forms().loaded(25);
            level = box("Text1")->text() + "/" + box("Text6")->text();
            m_form->close();
        });
        QTest::mouseClick(test::control(main, "Button2_3"), Qt::LeftButton);
        QCOMPARE(level, QStringLiteral("0/0"));
    }
};

QTEST_MAIN(TotalExperienceWindowTest)
#include "total_experience_window_test.moc"
