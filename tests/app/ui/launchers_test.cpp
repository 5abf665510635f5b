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
#include <QSet>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

namespace {

// What a tool window gives back to the main window when it closes.
enum class Back { Nothing, Visible, NormalAndVisible };

// A stand-in for a tool window not built yet: a first field Text1 and a picker Combo1. It
// gives nothing back when it closes, so only what the launcher itself does is tested with it.
class ToolWindow : public ui::FormWindow {
public:
    explicit ToolWindow(int n) : FormWindow(n)
    {
        setWindowTitle(QStringLiteral("Form%1").arg(n));
        resize(200, 100);
        auto* combo = new QComboBox(this);
        combo->setObjectName("Combo1");
        auto* text = new QLineEdit(this);
        text->setObjectName("Text1");
        text->move(0, 40);
    }
};

struct Case {
    const char* button;
    int panel;
    int form;
    bool hidesMain;
    const char* focus;
    Back back; // what the real window gives back when it closes
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
    QSet<int> m_real; // the launched windows that are built

    ui::DcButton* button(const char* name) const { return test::control<ui::DcButton>(m_main, name); }

    // Clicks a launcher as the player does, with a search left in the NPC finder, and checks
    // what the launcher does: its window up and modeless, the main window hidden or not, the focus.
    ui::FormWindow* launch(const Case& c)
    {
        m_main->tabClick(6);
        test::control<QLineEdit>(m_main, "Text24")->setText("长安城");
        m_main->tabClick(c.panel);
        QTest::mouseClick(button(c.button), Qt::LeftButton);

        ui::FormWindow* target = ui::forms().loaded(c.form);
        if (!target || !target->isVisible()) {
            qWarning("%s opened no window", c.button);
            return nullptr;
        }
        if (m_main->isVisible() == c.hidesMain) {
            qWarning("%s left the main window %s", c.button, c.hidesMain ? "shown" : "hidden");
            return nullptr;
        }
        if (target->isModal()) {
            qWarning("%s opened its window modally", c.button);
            return nullptr;
        }
        if (c.focus && target->focusWidget() != test::control(target, c.focus)) {
            qWarning("%s did not focus %s", c.button, c.focus);
            return nullptr;
        }
        return target;
    }

private slots:
    void initTestCase()
    {
        app::ui::registerForms();
        for (const Case& c : kCases) {
            if (ui::forms().hasForm(c.form))
                m_real.insert(c.form);
            else
                ui::forms().registerForm(c.form, [n = c.form] { return new ToolWindow(n); });
        }
    }

    void init()
    {
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
            QCOMPARE(b->text(), QString::fromUtf8(p.caption));
            QCOMPARE(b->parentWidget()->objectName(), QString(p.parent));
        }
        // Every button of the 其它 grid is 975 x 375 twips, in three columns.
        QCOMPARE(button("dcButton9")->geometry(), QRect(296, 160, 65, 25));
        QCOMPARE(button("dcButton6")->geometry(), QRect(440, 256, 65, 25));
    }

    // What each launcher does, with the real window where it is built and a stand-in where not.
    void eachLauncherOpensItsWindow()
    {
        for (const Case& c : kCases) {
            ui::FormWindow* target = launch(c);
            QVERIFY2(target, c.button);
            target->close();
            QTRY_VERIFY(!ui::forms().isLoaded(c.form));
            m_main->show(); // a stand-in gives nothing back
        }
        ui::BoxRecorder::take(); // whatever the real windows themselves reported
    }

    // Bringing the main window back is the real windows' own doing: drive them. The main
    // window comes back on the panel it was left on, with the search it held.
    void realWindowsBringTheMainWindowBack()
    {
        int driven = 0;
        for (const Case& c : kCases) {
            if (!m_real.contains(c.form))
                continue; // not built yet: missingWindowsLeaveTheMainWindowAlone
            ui::FormWindow* target = launch(c);
            QVERIFY2(target, c.button);
            if (c.back == Back::NormalAndVisible)
                m_main->setWindowState(Qt::WindowMinimized);
            target->close();
            QTRY_VERIFY(!ui::forms().isLoaded(c.form));
            QVERIFY2(m_main->isVisible(), c.button);
            if (c.back == Back::NormalAndVisible)
                QVERIFY2(!(m_main->windowState() & Qt::WindowMinimized), c.button);
            QCOMPARE(m_main->currentTab(), c.panel);
            QVERIFY(m_main->panel(c.panel)->isVisible());
            QCOMPARE(test::control<QLineEdit>(m_main, "Text24")->text(), QString("长安城"));
            ++driven;
        }
        QVERIFY(driven > 0); // the beast-shop window at least is built
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
            // The focus moves to another control of the window before the second click.
            QWidget* text1 = test::control(first, "Text1");
            for (QWidget* w : first->findChildren<QWidget*>())
                if (w != text1 && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(first)) {
                    w->setFocus();
                    break;
                }
            QVERIFY(first->focusWidget() != text1);
            QTest::mouseClick(button(name), Qt::LeftButton);
            QCOMPARE(ui::forms().loaded(first->formNumber()), first);
            QCOMPARE(first->focusWidget(), text1);
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
            QCOMPARE(test::control<QLabel>(about, "Label1")->text(), QString("百宝算匣4.08版"));
            QVERIFY(test::control<QLabel>(about, "Label1")->font().bold());
            QVERIFY(!test::control<QLabel>(about, "Label2")->text().isEmpty());
            QVERIFY(!test::control<QLabel>(about, "Image1")->pixmap().isNull());
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
