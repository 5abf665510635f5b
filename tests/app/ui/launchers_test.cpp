#include "app/ui/launchers.h"
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "support/main_window.h"

namespace {

// What a stand-in tool window gives back to the main window when it closes.
enum class Back { Nothing, Visible, NormalAndVisible };

// A stand-in for a tool window: a first field Text1, a picker Combo1 and the close
// behaviour of the real window.
class ToolWindow : public ui::FormWindow {
public:
    ToolWindow(int n, Back back) : FormWindow(n), m_back(back)
    {
        setWindowTitle(QStringLiteral("Form%1").arg(n));
        resize(200, 100);
        auto* combo = new QComboBox(this);
        combo->setObjectName("Combo1");
        auto* text = new QLineEdit(this);
        text->setObjectName("Text1");
        text->move(0, 40);
    }
    void queryUnload() override
    {
        if (m_back == Back::Visible)
            ui::forms().setMainVisible();
        else if (m_back == Back::NormalAndVisible)
            ui::forms().setMainNormalAndVisible();
    }

private:
    Back m_back;
};

struct Case {
    const char* button;
    int panel;
    int form;
    bool hidesMain;
    const char* focus;
    Back back;
};

const Case kCases[] = {
    {"dcButton9", 6, 3, false, "Text1", Back::Nothing},
    {"dcButton16", 6, 14, false, "Text1", Back::Nothing},
    {"dcButton5", 6, 20, false, nullptr, Back::Nothing},
    {"dcButton2", 6, 19, true, nullptr, Back::Visible},
    {"Button20", 6, 11, true, nullptr, Back::Visible},
    {"dcButton3", 6, 18, true, nullptr, Back::Visible},
    {"Button15", 6, 6, true, nullptr, Back::Visible},
    {"dcButton7", 6, 15, true, nullptr, Back::Visible},
    {"dcButton15", 6, 23, true, nullptr, Back::Visible},
    {"dcButton10", 6, 16, false, "Text1", Back::Nothing},
    {"dcButton8", 6, 28, true, nullptr, Back::Visible},
    {"dcButton6", 6, 32, true, "Combo1", Back::NormalAndVisible},
    {"dcButton12_0", 4, 24, true, nullptr, Back::Visible},
    {"dcButton12_2", 4, 9, true, nullptr, Back::Visible},
    {"dcButton12_1", 4, 17, true, nullptr, Back::Visible},
    {"dcButton12_3", 4, 30, true, nullptr, Back::Visible},
};

} // namespace

class LaunchersTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;

    ui::DcButton* button(const char* name) const { return m_main->findChild<ui::DcButton*>(QLatin1String(name)); }

private slots:
    void init()
    {
        // Stand-ins for the tool windows, whether or not the real ones are built.
        app::ui::registerForms();
        for (const Case& c : kCases)
            ui::forms().registerForm(c.form, [c] { return new ToolWindow(c.form, c.back); });
        ui::BoxRecorder::start();
        m_main = test::openMainWindow();
    }

    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void placedOnTheirPanels()
    {
        struct Place {
            const char* button;
            const char* caption;
            const char* parent;
        };
        const Place places[] = {
            {"dcButton9", "密道师徒", "Frame2_6"},    {"dcButton16", "战神箱子", "Frame2_6"},
            {"dcButton5", "跑商时钟", "Frame2_6"},    {"dcButton2", "商会系统", "Frame2_6"},
            {"Button20", "家具配方", "Frame2_6"},     {"dcButton3", "剧情介绍", "Frame2_6"},
            {"Button15", "官职贡献", "Frame2_6"},     {"dcButton7", "技能特技", "Frame2_6"},
            {"dcButton15", "阵法介绍", "Frame2_6"},   {"dcButton10", "热键配置", "Frame2_6"},
            {"dcButton8", "法宝传奇", "Frame2_6"},    {"dcButton6", "变身卡片", "Frame2_6"},
            {"dcButton12_4", "养育计划", "Frame2_4"}, {"dcButton12_2", "孩子教导", "Frame2_4"},
            {"dcButton12_1", "装备属性", "Frame2_4"}, {"dcButton12_3", "成本统计", "Frame2_4"},
            {"dcButton12_0", "资质档次", "Frame14"},  {"dcButton1", "", "Frame2_7"},
        };
        m_main->ensureAllPanels(); // panels are built when their tab first opens
        for (const Place& p : places) {
            ui::DcButton* b = button(p.button);
            QVERIFY2(b, p.button);
            QCOMPARE(b->text(), QString::fromUtf8(p.caption));
            QCOMPARE(b->parentWidget()->objectName(), QString(p.parent));
        }
        // Every button of the 其它 grid is 975 x 375 twips, in three columns.
        QCOMPARE(button("dcButton9")->geometry(), QRect(296, 160, 65, 25));
        QCOMPARE(button("dcButton6")->geometry(), QRect(440, 256, 65, 25));
    }

    void eachLauncherOpensItsWindowAndTheMainWindowComesBack()
    {
        for (const Case& c : kCases) {
            m_main->tabClick(6);
            auto* search = m_main->findChild<QLineEdit*>("Text24");
            search->setText("长安城");
            m_main->tabClick(c.panel);
            ui::DcButton* b = button(c.button);
            QVERIFY2(b, c.button);
            QTest::mouseClick(b, Qt::LeftButton);

            ui::FormWindow* target = ui::forms().loaded(c.form);
            QVERIFY2(target && target->isVisible(), c.button);
            QCOMPARE(m_main->isVisible(), !c.hidesMain);
            QVERIFY(!target->isModal());
            if (c.focus)
                QCOMPARE(target->focusWidget(), target->findChild<QWidget*>(c.focus));

            target->close();
            QTRY_VERIFY(!ui::forms().isLoaded(c.form));
            QVERIFY2(m_main->isVisible(), c.button);
            QCOMPARE(m_main->currentTab(), c.panel);
            QVERIFY(m_main->panel(c.panel)->isVisible());
            QCOMPARE(search->text(), QString("长安城"));
        }
    }

    void realWindowsBringTheMainWindowBack()
    {
        app::ui::registerForms();
        for (const Case& c : kCases) {
            if (!ui::forms().hasForm(c.form))
                continue; // not built yet: covered by missingWindowsLeaveTheMainWindowAlone
            m_main->tabClick(6);
            auto* search = m_main->findChild<QLineEdit*>("Text24");
            search->setText("长安城");
            m_main->tabClick(c.panel);
            QTest::mouseClick(button(c.button), Qt::LeftButton);
            ui::FormWindow* target = ui::forms().loaded(c.form);
            QVERIFY2(target && target->isVisible(), c.button);
            QCOMPARE(m_main->isVisible(), !c.hidesMain);
            target->close();
            QTRY_VERIFY(!ui::forms().isLoaded(c.form));
            QVERIFY2(m_main->isVisible(), c.button);
            QCOMPARE(m_main->currentTab(), c.panel);
            QCOMPARE(search->text(), QString("长安城"));
        }
        ui::BoxRecorder::take(); // whatever the windows themselves reported
    }

    void besideWindowsComeForwardAgainWithTheFocus()
    {
        for (const char* name : {"dcButton9", "dcButton16", "dcButton10"}) {
            m_main->tabClick(6);
            QTest::mouseClick(button(name), Qt::LeftButton);
            ui::FormWindow* first = nullptr;
            for (const Case& c : kCases)
                if (qstrcmp(c.button, name) == 0)
                    first = ui::forms().loaded(c.form);
            QVERIFY(first);
            // Move the focus off Text1: a stand-in's picker, or a real window's answer box.
            QWidget* away = first->findChild<QWidget*>("Combo1");
            if (!away)
                away = first->findChild<QWidget*>("Text2");
            QVERIFY(away);
            away->setFocus();
            QTest::mouseClick(button(name), Qt::LeftButton);
            QCOMPARE(ui::forms().loaded(first->formNumber()), first);
            QCOMPARE(first->focusWidget(), first->findChild<QWidget*>("Text1"));
            QVERIFY(m_main->isVisible());
        }
    }

    void officialRanksShowsItsWindowNormalEvenIfLeftMinimised()
    {
        for (Qt::WindowStates left : {Qt::WindowStates(Qt::WindowMinimized), Qt::WindowStates(Qt::WindowMaximized),
                                      Qt::WindowMinimized | Qt::WindowMaximized}) {
            ui::FormWindow* w = ui::forms().form(6);
            w->show();
            w->setWindowState(left);
            m_main->setVisible(true);
            m_main->tabClick(6);
            QTest::mouseClick(button("Button15"), Qt::LeftButton);
            QCOMPARE(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowStates());
            QVERIFY(w->isVisible());
            QVERIFY(!m_main->isVisible());
        }
    }

    void missingWindowsLeaveTheMainWindowAlone()
    {
        using app::ui::LaunchKind;
        for (LaunchKind k : {LaunchKind::ShowThenHide, LaunchKind::HideThenShow, LaunchKind::NormalVisibleHide,
                             LaunchKind::Beside, LaunchKind::Modal}) {
            app::ui::launch(m_main, {"dcButtonX", -1, 99, k, "Text1"});
            QVERIFY(m_main->isVisible());
            QVERIFY(!ui::forms().isLoaded(99));
        }
    }

    void upbringingPlanOnlyShowsItsMessage()
    {
        m_main->tabClick(4);
        QTest::mouseClick(button("dcButton12_4"), Qt::LeftButton);
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].kind, ui::RecordedBox::Message);
        QCOMPARE(boxes[0].icon, ui::BoxIcon::None);
        QCOMPARE(boxes[0].title, QString("信息"));
        QCOMPARE(boxes[0].text, QString("制作中，敬请期待..."));
        for (int n = 2; n <= ui::kLastForm; ++n)
            QVERIFY(!ui::forms().isLoaded(n));
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_main->currentTab(), 4);
    }

    void aboutBoxIsModal()
    {
        m_main->tabClick(7);
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            ui::FormWindow* about = ui::forms().loaded(10);
            QVERIFY(about && about->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), about);
            QCOMPARE(about->windowTitle(), QString("说明"));
            QCOMPARE(about->size(), QSize(228, 102));
            QCOMPARE(about->findChild<QLabel*>("Label1")->text(), QString("百宝算匣4.08版"));
            QVERIFY(about->findChild<QLabel*>("Label1")->font().bold());
            QVERIFY(!about->findChild<QLabel*>("Label2")->text().isEmpty());
            QVERIFY(!about->findChild<QLabel*>("Image1")->pixmap().isNull());
            QVERIFY(m_main->isVisible());
            checked = true;
            about->close();
        });
        QTest::mouseClick(button("dcButton1"), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!ui::forms().isLoaded(10));
        QVERIFY(m_main->isVisible());
        QCOMPARE(button("dcButton1")->toolTip(), QString("版权说明"));
    }
};

QTEST_MAIN(LaunchersTest)
#include "launchers_test.moc"
