// The forging requirement and sworn-title frames of the 其它 panel.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

class ForgingSwornFramesTest : public QObject {
    Q_OBJECT

    QWidget* m_main = nullptr;

    QStringList forgeValues()
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << test::control<QLabel>(m_main, QStringLiteral("Label16_%1").arg(i))->text();
        return out;
    }
    QLineEdit* text38(int i) { return test::control<QLineEdit>(m_main, QStringLiteral("Text38_%1").arg(i)); }
    QComboBox* combo9(int i) { return test::control<QComboBox>(m_main, QStringLiteral("Combo9_%1").arg(i)); }
    void preview() { test::control<ui::DcButton>(m_main, "dcButton17")->QAbstractButton::click(); }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        m_main = ui::forms().form(1);
        static_cast<app::ui::MainWindow*>(m_main)->tabClick(6); // the 其它 panel
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void forgingIsEmptyBeforeAPick()
    {
        auto* combo = test::control<QComboBox>(m_main, "Combo4");
        QCOMPARE(combo->count(), 15);
        QCOMPARE(combo->itemText(0), QStringLiteral("10"));
        QCOMPARE(combo->itemText(14), QStringLiteral("150"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(forgeValues(), (QStringList{"", "", "", ""}));
    }

    void forgingFollowsThePick_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("30") << "30" << QStringList{"0", "90", "3000", "2"};
        QTest::newRow("40") << "40" << QStringList{"160", "110", "4000", "3"};
        QTest::newRow("120") << "120" << QStringList{"1440", "270", "12000", "30"};
        QTest::newRow("150") << "150" << QStringList{"2250", "330", "15000", "30"};
    }
    void forgingFollowsThePick()
    {
        QFETCH(QString, level);
        QVERIFY(ui::pickEntry(test::control<QComboBox>(m_main, "Combo4"), level));
        QTEST(forgeValues(), "values");
    }

    void attributeListOpensTheForgeTables()
    {
        m_main->show();
        auto* button = test::control<ui::DcButton>(m_main, "Button16_0");
        QCOMPARE(button->text(), QStringLiteral("属性列表"));
        button->QAbstractButton::click();
        ui::FormWindow* tables = ui::forms().loaded(33);
        QVERIFY(tables && tables->isVisible());
        QVERIFY(!m_main->isVisible());
        tables->close();
        QVERIFY(!ui::forms().isLoaded(33));
        QVERIFY(m_main->isVisible());
    }

    void swornTitle()
    {
        QCOMPARE(combo9(0)->count(), 31);
        QCOMPARE(combo9(1)->count(), 4);
        QCOMPARE(text38(0)->maxLength(), 1);
        QVERIFY(text38(2)->isReadOnly());
        text38(0)->setText("东");
        text38(1)->setText("西");
        preview(); // nothing picked yet
        QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("请补充完整！"));
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
        QCOMPARE(text38(2)->text(), QString());

        ui::pickEntry(combo9(0), "灵");
        ui::pickEntry(combo9(1), "三");
        preview();
        QCOMPARE(text38(2)->text(), QStringLiteral("金兰之东灵三西"));
        // A later change waits for the next preview; a refusal keeps the old title.
        text38(1)->setText(" ");
        QCOMPARE(text38(2)->text(), QStringLiteral("金兰之东灵三西"));
        preview();
        QCOMPARE(text38(2)->text(), QStringLiteral("金兰之东灵三 "));
        text38(0)->clear();
        preview();
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        QCOMPARE(text38(2)->text(), QStringLiteral("金兰之东灵三 "));
    }
};

QTEST_MAIN(ForgingSwornFramesTest)
#include "forging_sworn_frames_test.moc"
