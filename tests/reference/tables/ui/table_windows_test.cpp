// Form6, Form17 and Form33: the official-rank, equipment and forge tables.
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QTableWidget>
#include <QtTest>

using test::control;

class TableWindowsTest : public QObject {
    Q_OBJECT

    QList<int> shown(QWidget* w, const char* array, int count)
    {
        QList<int> out;
        for (int i = 0; i < count; ++i)
            if (control(w, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))->isVisibleTo(w))
                out << i;
        return out;
    }
    void press(QWidget* w, int i) { control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i))->press(); }
    QString cell(QWidget* w, const QString& table, int row, int column)
    {
        QTableWidget* t = control<QTableWidget>(w, table);
        return t->item(row, column) ? t->item(row, column)->text() : QString();
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void officialRanks()
    {
        QWidget* w = ui::forms().showModeless(6);
        QCOMPARE(w->windowTitle(), QStringLiteral("各官职所需贡献"));
        auto* t = control<QTableWidget>(w, "Picture1");
        QCOMPARE(t->rowCount(), 23);
        QCOMPARE(t->columnCount(), 6);
        QCOMPARE(cell(w, "Picture1", 0, 1), QStringLiteral("官职名称"));
        QCOMPARE(cell(w, "Picture1", 1, 1), QStringLiteral("九品将仕郎"));
        QCOMPARE(cell(w, "Picture1", 1, 2), QStringLiteral("300"));
        QCOMPARE(cell(w, "Picture1", 22, 0), QStringLiteral("22"));
        QCOMPARE(cell(w, "Picture1", 10, 3), QStringLiteral("32"));
        QCOMPARE(cell(w, "Picture1", 10, 5), QStringLiteral("12200"));
        QCOMPARE(cell(w, "Picture1", 19, 4), QStringLiteral("一品膘骑大将军"));
        QCOMPARE(cell(w, "Picture1", 19, 5), QStringLiteral("17150"));
        QCOMPARE(cell(w, "Picture1", 21, 5), QStringLiteral("19000"));
        QCOMPARE(cell(w, "Picture1", 22, 4), QString()); // the right block's empty row
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void equipmentButtonsShowOneTableEach()
    {
        QWidget* w = ui::forms().showModeless(17);
        QCOMPARE(w->windowTitle(), QStringLiteral("非打造装备基础属性"));
        QCOMPARE(shown(w, "Image1", 7), QList<int>{0});
        press(w, 0);
        QCOMPARE(shown(w, "Image1", 7), QList<int>{0});
        for (int i : {6, 0, 3, 3, 5, 1, 2, 4}) {
            press(w, i);
            QCOMPARE(shown(w, "Image1", 7), QList<int>{i});
        }
        QCOMPARE(cell(w, "Image1_0", 0, 0), QStringLiteral("武器1"));
        QCOMPARE(cell(w, "Image1_0", 0, 4), QStringLiteral("要求伤害"));
        QCOMPARE(cell(w, "Image1_0", 8, 0), QStringLiteral("80级"));
        QCOMPARE(cell(w, "Image1_0", 8, 4), QStringLiteral("202"));
        QCOMPARE(cell(w, "Image1_1", 1, 3), QStringLiteral("43"));
        QCOMPARE(control<QTableWidget>(w, "Image1_2")->columnCount(), 3);
        QCOMPARE(cell(w, "Image1_5", 8, 2), QStringLiteral("93"));
    }

    void forgeButtonsShowOneSheetEach()
    {
        QWidget* w = ui::forms().showModeless(33);
        QCOMPARE(w->windowTitle(), QStringLiteral("打造裁缝炼金基础数值"));
        QCOMPARE(shown(w, "OLE1", 6), QList<int>{0});
        for (int i : {5, 0, 4, 4, 2, 1, 3}) {
            press(w, i);
            QCOMPARE(shown(w, "OLE1", 6), QList<int>{i});
        }
        auto* weapon = control<QTableWidget>(w, "OLE1_0");
        QCOMPARE(weapon->rowCount(), 17);
        QCOMPARE(weapon->columnCount(), 7);
        QCOMPARE(cell(w, "OLE1_0", 16, 2), QStringLiteral("535"));
        QCOMPARE(cell(w, "OLE1_0", 16, 3), QStringLiteral("460"));
        QCOMPARE(cell(w, "OLE1_0", 16, 5), QStringLiteral("561"));
        QCOMPARE(cell(w, "OLE1_0", 16, 6), QStringLiteral("483"));
        QCOMPARE(weapon->columnSpan(0, 2), 2); // 非强化基础 over C1:D1
        QCOMPARE(weapon->rowSpan(0, 1), 17);   // the separator column B
        auto* necklace = control<QTableWidget>(w, "OLE1_4");
        QCOMPARE(necklace->columnSpan(16, 2), 2);
        QCOMPARE(cell(w, "OLE1_4", 16, 5), QStringLiteral("194"));
    }

    void launchersOpenThemAndClosingGivesTheMainWindowBack()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        struct Case {
            int tab;
            const char* button;
            int form;
        };
        for (const Case& c : {Case{6, "Button15", 6}, Case{4, "dcButton12_1", 17}, Case{6, "Button16_0", 33}}) {
            main->tabClick(c.tab);
            control<ui::DcButton>(main, c.button)->press();
            QWidget* w = ui::forms().loaded(c.form);
            QVERIFY2(w && w->isVisible(), c.button);
            QVERIFY(!main->isVisible());
            if (c.form != 6)
                press(w, 2);
            w->close();
            QVERIFY(!ui::forms().isLoaded(c.form));
            QVERIFY2(main->isVisible(), c.button);
            if (c.form != 6) {
                // Opening again starts on the first table.
                control<ui::DcButton>(main, c.button)->press();
                w = ui::forms().loaded(c.form);
                QCOMPARE(shown(w, c.form == 17 ? "Image1" : "OLE1", c.form == 17 ? 7 : 6), QList<int>{0});
                w->close();
            }
        }
    }

    void closingAMinimisedRankWindowRestoresItFirst()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        control<ui::DcButton>(main, "Button15")->press();
        ui::FormWindow* w = ui::forms().loaded(6);
        w->setWindowState(Qt::WindowMinimized);
        w->queryUnload();
        QVERIFY(!(w->windowState() & Qt::WindowMinimized));
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(TableWindowsTest)
#include "table_windows_test.moc"
