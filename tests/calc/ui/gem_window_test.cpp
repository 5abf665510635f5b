// Form31, the gem window, and its launcher in the forging frame of the 其它 panel.
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

class GemWindowTest : public QObject {
    Q_OBJECT

    QStringList results(QWidget* w)
    {
        QStringList out;
        for (int i = 0; i < 6; ++i)
            out << test::control<QLabel>(w, QStringLiteral("Label2_%1").arg(i))->text();
        return out;
    }
    QLineEdit* price(QWidget* w) { return test::control<QLineEdit>(w, "Text1"); }
    QComboBox* level(QWidget* w) { return test::control<QComboBox>(w, "Combo1"); }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init() { ui::BoxRecorder::start(); }
    void cleanup() { ui::forms().reset(); }

    void opensWithLevelOneFilledIn()
    {
        QWidget* w = ui::forms().showModeless(31);
        QCOMPARE(w->windowTitle(), QStringLiteral("宝石计算"));
        QCOMPARE(level(w)->count(), 20);
        QCOMPARE(level(w)->itemText(19), QStringLiteral("20"));
        QCOMPARE(level(w)->currentText(), QStringLiteral("1"));
        QCOMPARE(price(w)->text(), QStringLiteral("0"));
        QCOMPARE(results(w), (QStringList{"1", "1", "0", "1", "1", "0"}));
        QVERIFY(!(price(w)->focusPolicy() & Qt::TabFocus));
    }

    void followsLevelAndPrice_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("1 at 100") << "1" << "100" << QStringList{"1", "1", "100", "1", "1", "100"};
        QTest::newRow("3 at 100") << "3" << "100" << QStringList{"3", "4", "400", "3", "7", "700"};
        QTest::newRow("20 at 999999") << "20" << "999999"
                                      << QStringList{"20", "524288", "524287475712", "20", "1048575", "1048573951425"};
    }
    void followsLevelAndPrice()
    {
        QFETCH(QString, level);
        QFETCH(QString, price);
        QWidget* w = ui::forms().showModeless(31);
        this->price(w)->setText(price);
        QVERIFY(ui::pickEntry(this->level(w), level));
        QTEST(results(w), "expected");
        // The other order gives the same figures.
        ui::pickEntry(this->level(w), "1");
        this->price(w)->setText("0");
        this->price(w)->setText(price);
        ui::pickEntry(this->level(w), level);
        QTEST(results(w), "expected");
    }

    void eachKeystrokeRecomputes()
    {
        QWidget* w = ui::forms().showModeless(31);
        ui::pickEntry(level(w), "3");
        price(w)->setFocus();
        price(w)->selectAll();
        QTest::keyClick(price(w), Qt::Key_1);
        QCOMPARE(results(w)[2], QStringLiteral("4"));
        QTest::keyClick(price(w), Qt::Key_2);
        QCOMPARE(results(w)[2], QStringLiteral("48"));
        QCOMPARE(results(w)[5], QStringLiteral("84"));
        QTest::keyClick(price(w), Qt::Key_A); // filtered away
        QCOMPARE(price(w)->text(), QStringLiteral("12"));
    }

    void emptyPriceTurnsBackIntoZero()
    {
        QWidget* w = ui::forms().showModeless(31);
        ui::pickEntry(level(w), "3");
        price(w)->setText("100");
        price(w)->setFocus();
        price(w)->selectAll();
        QTest::keyClick(price(w), Qt::Key_Backspace);
        QCOMPARE(price(w)->text(), QStringLiteral("0"));
        QCOMPARE(results(w), (QStringList{"3", "4", "0", "3", "7", "0"}));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    void launcherOpensItModally()
    {
        QWidget* main = ui::forms().form(1);
        main->show();
        static_cast<app::ui::MainWindow*>(main)->tabClick(6); // the 其它 panel
        auto* launcher = test::control<ui::DcButton>(main, "Button16_1");
        QVERIFY(launcher);
        QCOMPARE(launcher->text(), QStringLiteral("宝石计算"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = ui::forms().loaded(31);
            QVERIFY(w);
            wasModal = w->isModal() && w->isVisible();
            price(w)->setText("100");
            w->close();
        });
        launcher->QAbstractButton::click();
        QVERIFY(wasModal);
        QVERIFY(!ui::forms().isLoaded(31));
        QVERIFY(main->isVisible());
        QWidget* again = ui::forms().form(31);
        QCOMPARE(price(again)->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(GemWindowTest)
#include "gem_window_test.moc"
