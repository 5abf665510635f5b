// Form19, the beast-shop budget window, and the PetShopOpen flag.
#include "app/ui/program.h"
#include "common/shared_state.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/controls.h"

namespace {
// Stands in for the beast-HP window: on close it returns to the shop while the shop is open.
class BeastHpStandIn : public ui::FormWindow {
public:
    BeastHpStandIn() : FormWindow(5) {}
    void queryUnload() override
    {
        if (common::PetShopOpen) {
            if (ui::FormWindow* shop = ui::forms().form(19))
                shop->setVisible(true);
        } else {
            ui::forms().setMainVisible();
        }
    }
};
} // namespace

class BeastShopWindowTest : public QObject {
    Q_OBJECT

    QWidget* m_shop = nullptr;

    QLineEdit* field(const QString& name) { return test::control<QLineEdit>(m_shop, name); }
    QLineEdit* budget(int i) { return field(QStringLiteral("Text4_%1").arg(i)); }
    void click(int i)
    {
        test::control<ui::DcButton>(m_shop, QStringLiteral("dcButton1_%1").arg(i))->QAbstractButton::click();
    }
    QStringList figures()
    {
        QStringList out;
        for (int i = 7; i <= 10; ++i)
            out << budget(i)->text();
        return out;
    }
    QStringList messages()
    {
        QStringList out;
        for (const ui::RecordedBox& b : ui::BoxRecorder::take())
            out << b.title + b.text;
        return out;
    }
    void fillExample()
    {
        field("Text1")->setText("100");
        const char* values[] = {"5", "5", "24", "1000", "2", "10000"};
        for (int i = 1; i <= 6; ++i)
            budget(i)->setText(values[i - 1]);
    }

private slots:
    void initTestCase()
    {
        app::ui::registerForms();
        ui::forms().registerForm(5, [] { return new BeastHpStandIn; });
    }
    void init()
    {
        ui::BoxRecorder::start();
        common::PetShopOpen = false;
        ui::forms().form(1)->show();
        m_shop = ui::forms().showModeless(19);
    }
    void cleanup()
    {
        ui::forms().unload(19);
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void opensWithZeros()
    {
        QCOMPARE(m_shop->windowTitle(), QStringLiteral("商会系统(召唤兽店)"));
        for (const char* name : {"Text1", "Text2", "Text3"})
            QCOMPARE(field(name)->text(), QStringLiteral("0"));
        for (int i = 0; i <= 10; ++i) {
            QCOMPARE(budget(i)->text(), QStringLiteral("0"));
            QCOMPARE(budget(i)->isReadOnly(), i == 0 || i >= 7);
        }
        QCOMPARE(budget(3)->maxLength(), 4);
        QCOMPARE(budget(6)->maxLength(), 6);
        // Result cells are pale green, the budget inputs white.
        const auto back = [](QWidget* w) { return w->palette().color(QPalette::Base); };
        QCOMPARE(back(field("Text3")), ui::bgr(0xC0FFC0));
        QVERIFY(field("Text3")->isReadOnly());
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(back(budget(i)), ui::bgr(i >= 1 && i <= 6 ? 0xFFFFFF : 0xC0FFC0));
    }

    void petShopOpenWhileLoaded()
    {
        QVERIFY(common::PetShopOpen);
        ui::forms().form(1)->hide();
        m_shop->close();
        QVERIFY(!common::PetShopOpen);
        QVERIFY(!ui::forms().isLoaded(19));
        QVERIFY(ui::forms().form(1)->isVisible());
        m_shop = ui::forms().showModeless(19);
        QVERIFY(common::PetShopOpen);
        QCOMPARE(field("Text1")->text(), QStringLiteral("0"));
    }

    void newShopCost()
    {
        field("Text1")->setText("100");
        field("Text2")->setText("1");
        QCOMPARE(field("Text3")->text(), QStringLiteral("61.8"));
        QCOMPARE(budget(0)->text(), QStringLiteral("100"));
        field("Text2")->setText("11");
        QCOMPARE(field("Text3")->text(), QStringLiteral("0"));
        QCOMPARE(field("Text2")->text(), QStringLiteral("11"));
        QCOMPARE(messages(), QStringList{"警告！商店柜台数不能多于10！"});
        // A new index does not price the refused count.
        field("Text1")->setText("50");
        QCOMPARE(field("Text3")->text(), QStringLiteral("0"));
        QCOMPARE(budget(0)->text(), QStringLiteral("50"));
        QVERIFY(messages().isEmpty());
        field("Text2")->clear();
        QCOMPARE(messages(), QStringList{"警告！商店柜台数不能为空！"});
        field("Text1")->setText("050");
        QCOMPARE(budget(0)->text(), QStringLiteral("050"));
    }

    void emptyIndex()
    {
        field("Text1")->setText("100");
        field("Text2")->setText("2");
        field("Text1")->clear();
        QCOMPARE(messages(), QStringList{"警告！商业指数不能为空！"});
        QCOMPARE(field("Text1")->text(), QString());
        QCOMPARE(field("Text3")->text(), QStringLiteral("0"));
        QCOMPARE(budget(0)->text(), QStringLiteral("0"));
        click(0); // computes with I = 0
        QCOMPARE(figures()[0], QStringLiteral("0.00"));
    }

    void typingTwelveCounters()
    {
        fillExample();
        click(0);
        budget(1)->setFocus();
        budget(1)->selectAll();
        QTest::keyClick(budget(1), Qt::Key_1);
        QVERIFY(messages().isEmpty());
        QTest::keyClick(budget(1), Qt::Key_2);
        QCOMPARE(messages(), QStringList{"警告！总柜台数不能大于10！"}); // once only
        QCOMPARE(budget(1)->text(), QStringLiteral("0"));
        QCOMPARE(figures(), (QStringList{"0", "0", "0", "0"}));
    }

    void fieldRefusals_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("total empty") << 1 << "" << "总柜台数不能为空！";
        QTest::newRow("open empty") << 2 << "" << "营业中柜台数不能为空！";
        QTest::newRow("open 11") << 2 << "11" << "营业中柜台数不能大于10！";
        QTest::newRow("open above total") << 2 << "6" << "柜台数不能大于总柜台数！";
        QTest::newRow("hours") << 3 << "" << "营业总时间不能为空！";
        QTest::newRow("price") << 4 << "" << "平均单价不能为空！";
        QTest::newRow("restocks") << 5 << "" << "补店次数不能为空！";
        QTest::newRow("extra") << 6 << "" << "额外支出不能为空！";
    }
    void fieldRefusals()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, message);
        fillExample();
        click(0);
        QVERIFY(messages().isEmpty());
        budget(index)->setText(text);
        QCOMPARE(messages(), QStringList{QStringLiteral("警告！") + message});
        QCOMPARE(budget(index)->text(), QStringLiteral("0"));
        QCOMPARE(figures(), (QStringList{"0", "0", "0", "0"}));
    }

    void computesTheExample()
    {
        fillExample();
        click(0);
        QCOMPARE(figures(), (QStringList{"150.00", "16.00", "49.32", "-34.32"}));
        QVERIFY(messages().isEmpty());
        QTRY_VERIFY(field("Text1")->hasFocus() || !m_shop->isActiveWindow());
    }

    void computeRefusesMoreOpenThanTotal()
    {
        fillExample();
        click(0);
        budget(1)->setText("3"); // lowering the total is not refused by itself
        QVERIFY(messages().isEmpty());
        click(0);
        QCOMPARE(messages(), QStringList{"警告！柜台数不能大于总柜台数！"});
        QCOMPARE(figures(), (QStringList{"0", "0", "0", "0"}));
    }

    void clearKeepsTheResults()
    {
        fillExample();
        field("Text2")->setText("3");
        click(0);
        click(1);
        for (const char* name : {"Text1", "Text2", "Text3"})
            QCOMPARE(field(name)->text(), QStringLiteral("0"));
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(budget(i)->text(), QStringLiteral("0"));
        QCOMPARE(figures(), (QStringList{"150.00", "16.00", "49.32", "-34.32"}));
        QVERIFY(messages().isEmpty());
    }

    void wordsAndFiguresStayInside()
    {
        // The widest inputs give the widest figures.
        field("Text1")->setText("999");
        const char* values[] = {"10", "10", "9999", "99999", "99", "999999"};
        for (int i = 1; i <= 6; ++i)
            budget(i)->setText(values[i - 1]);
        click(0);
        QCOMPARE(figures(), (QStringList{"2997.00", "158398.42", "408103.52", "-249805.10"}));
        for (int i = 7; i <= 10; ++i)
            QVERIFY2(budget(i)->fontMetrics().horizontalAdvance(budget(i)->text()) <= budget(i)->width() - 6,
                     qPrintable(budget(i)->text()));
        // The words after each field end short of the frame's border.
        QWidget* frame = test::control(m_shop, "Frame1");
        for (QLabel* l : frame->findChildren<QLabel*>()) {
            const int right = l->x() + l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(right <= frame->width() - 3, qPrintable(l->text()));
        }
        QVERIFY(frame->geometry().right() < m_shop->width());
    }

    void tabOrderEndsOnCompute()
    {
        QStringList order;
        QWidget* w = field("Text1");
        for (int k = 0; k < 9; ++k) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"Text1", "Text2", "Text4_1", "Text4_2", "Text4_3", "Text4_4", "Text4_5",
                                     "Text4_6", "dcButton1_0"}));
    }

    void beastHpTableReturnsHere()
    {
        ui::forms().form(1)->hide();
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* hp = ui::forms().loaded(5);
            QVERIFY(hp);
            wasModal = hp->isModal() && hp->isVisible();
            hp->close();
        });
        click(2);
        QVERIFY(wasModal);
        QVERIFY(!ui::forms().isLoaded(5));
        QVERIFY(m_shop->isVisible());
        QVERIFY(!ui::forms().form(1)->isVisible());
        // With the shop closed, the beast-HP window returns to the main window.
        m_shop->close();
        QVERIFY(ui::forms().form(1)->isVisible());
        ui::forms().form(1)->hide();
        ui::forms().showModeless(5)->close();
        QVERIFY(ui::forms().form(1)->isVisible());
    }
};

QTEST_MAIN(BeastShopWindowTest)
#include "beast_shop_window_test.moc"
