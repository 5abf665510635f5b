// Form15 "技能特技": its five pages, the marking of the chosen entries, the story-point
// counter and the way back to the main window.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "reference/skills/ui/skill_tiles.h"
#include "reference/skills/ui/skill_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

using skills::ui::SkillTile;
using skills::ui::SkillWindow;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QString name(const char* base, int index) { return ui::controlName(base, index); }

} // namespace

class SkillWindowTest : public QObject {
    Q_OBJECT

    SkillWindow* m_w = nullptr;

    SkillTile* tile(const char* base, int i) { return test::control<SkillTile>(m_w, name(base, i)); }
    QString text(const QString& box) { return test::control<QPlainTextEdit>(m_w, box)->toPlainText(); }
    ui::DcButton* button(const char* base, int i) { return test::control<ui::DcButton>(m_w, name(base, i)); }
    QWidget* widget(const char* base, int i) { return test::control<QWidget>(m_w, name(base, i)); }
    void press(const char* base, int i) { QTest::mouseClick(button(base, i), Qt::LeftButton); }
    void clickTile(const char* base, int i) { QTest::mouseClick(tile(base, i), Qt::LeftButton); }
    QComboBox* picker(int i) { return test::control<QComboBox>(m_w, name("Combo1", i)); }
    QLineEdit* used() { return test::control<QLineEdit>(m_w, "Text3_0"); }
    int borderedCount(const char* base, int count)
    {
        int n = 0;
        for (int i = 0; i < count; ++i)
            n += tile(base, i)->bordered();
        return n;
    }
    void pickLevels(const QList<int>& levels)
    {
        for (int i = 0; i < levels.size(); ++i)
            QVERIFY(ui::pickEntry(picker(i), QString::number(levels[i])));
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        m_w = static_cast<SkillWindow*>(ui::forms().showModeless(SkillWindow::kNumber));
        QVERIFY(QTest::qWaitForWindowExposed(m_w));
    }
    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void opensOnTheSectPageWithNothingMarked()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral("技能特技"));
        QCOMPARE(m_w->size(), QSize(503, 342));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(widget("Frame1", i)->isVisible(), i == 4);
        QCOMPARE(test::control<QLabel>(m_w, "Label4")->text(), QStringLiteral("听雨轩"));
        // No category button holds the focus, whose frame would read as the page in use.
        QApplication::setActiveWindow(m_w);
        QVERIFY(QTest::qWaitForWindowActive(m_w));
        QVERIFY(QApplication::focusWidget());
        QVERIFY2(!QApplication::focusWidget()->objectName().startsWith("dcButton1_"),
                 qPrintable(QApplication::focusWidget()->objectName()));
        QCOMPARE(borderedCount("Image1", 50) + borderedCount("Image2", 13) + borderedCount("Image3", 11) +
                     borderedCount("Image4", 88),
                 0);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(test::control<QLabel>(m_w, name("Label1", i))->palette().color(QPalette::WindowText), kBlue);
        // The start entries are no controls of their own.
        for (const char* hidden : {"Image1_50", "Label1_50", "Image2_13", "Image3_11", "Image4_88"})
            QVERIFY(!m_w->findChild<QWidget*>(hidden));
        QVERIFY(widget("Frame2", 0)->isVisible());
        QVERIFY(widget("Frame4", 999)->isVisible());
        QCOMPARE(static_cast<ui::CaptionFrame*>(widget("Frame4", 999))->caption(), QString());
        QCOMPARE(text("Text6_0"), QString());
        QCOMPARE(text("Text6_1"), QString());
        QCOMPARE(used()->text(), QStringLiteral("0"));
        QCOMPARE(test::control<QLineEdit>(m_w, "Text3_1")->text(), QStringLiteral("61"));
        const int entries[] = {6, 6, 6, 6, 6, 6, 11, 6, 6, 11, 4};
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(picker(i)->count(), entries[i]);
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(picker(10)->itemText(3), QStringLiteral("3"));
    }

    void eachCategoryButtonShowsItsPage()
    {
        struct Case {
            int button;
            const char* caption;
            const char* page;
        } const cases[] = {{0, "生活技能", "生活技能"}, {1, "装备特技", "装备特技"}, {2, "剧情技能", "剧情技能"},
                           {3, "唤兽技能", "召唤兽技能"}, {4, "门派技能", "门派技能"}, {2, "剧情技能", "剧情技能"}};
        // The button of page 4 stands leftmost.
        QVERIFY(button("dcButton1", 4)->x() < button("dcButton1", 0)->x());
        for (const Case& c : cases) {
            QCOMPARE(button("dcButton1", c.button)->text(), QString::fromUtf8(c.caption));
            press("dcButton1", c.button);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(widget("Frame1", i)->isVisible(), i == c.button);
            QCOMPARE(static_cast<ui::CaptionFrame*>(widget("Frame1", c.button))->caption(), QString::fromUtf8(c.page));
            QCOMPARE(m_w->currentCategory(), c.button);
            press("dcButton1", c.button); // the page already shown: nothing changes
            QVERIFY(widget("Frame1", c.button)->isVisible());
        }
    }

    void aPageComesBackAsItWasLeft()
    {
        press("dcButton1", 0);
        clickTile("Image2", 5);
        press("dcButton1", 2);
        pickLevels({1, 2});
        press("dcButton1", 0);
        QVERIFY(tile("Image2", 5)->bordered());
        QVERIFY(text("Text2_0").startsWith(QStringLiteral("【强身术】：")));
        press("dcButton1", 2);
        QCOMPARE(used()->text(), QStringLiteral("7"));
    }

    void specialSkillsMarkTheirIconAndName()
    {
        press("dcButton1", 1);
        QVERIFY(!button("dcButton3", 0)->isEnabled());
        QVERIFY(button("dcButton3", 1)->isEnabled());
        clickTile("Image1", 0);
        QCOMPARE(text("Text1"), QStringLiteral("【冰清诀】\n解除各种异常状态，并恢复1/4的气血（最高不超过人物等级×12）。\n\n"
                                               "消耗愤怒：100(80)"));
        QVERIFY(tile("Image1", 0)->bordered());
        QCOMPARE(borderedCount("Image1", 50), 1);
        auto* label0 = test::control<QLabel>(m_w, "Label1_0");
        QCOMPARE(label0->palette().color(QPalette::WindowText), kRed);

        // The chosen skill again: the text is not even rewritten.
        test::control<QPlainTextEdit>(m_w, "Text1")->setPlainText("x");
        clickTile("Image1", 0);
        QCOMPARE(text("Text1"), QStringLiteral("x"));

        // Text mode: names instead of pictures; a name click is the same choice.
        press("dcButton3", 1);
        QVERIFY(!tile("Image1", 0)->isVisible());
        QVERIFY(!button("dcButton3", 1)->isEnabled());
        QVERIFY(button("dcButton3", 0)->isEnabled());
        auto* label40 = test::control<QLabel>(m_w, "Label1_40");
        QVERIFY(label40->isVisible());
        QTest::mouseClick(label40, Qt::LeftButton);
        QCOMPARE(text("Text1"), QStringLiteral("【太极护法】\n受到的法术伤害减半，效果为3回合。\n\n消耗愤怒:90(72)"));
        QCOMPARE(label40->palette().color(QPalette::WindowText), kRed);
        QCOMPARE(label0->palette().color(QPalette::WindowText), kBlue);
        QCOMPARE(test::control<QLabel>(m_w, "Label1_5")->text(), QStringLiteral(" 残 月"));

        press("dcButton3", 0);
        QVERIFY(tile("Image1", 40)->isVisible());
        QVERIFY(tile("Image1", 40)->bordered());
        QVERIFY(!tile("Image1", 0)->bordered());
        QCOMPARE(tile("Image1", 40)->toolTip(), QStringLiteral("太极护法"));
    }

    void lifeSkillsRewriteOnEveryClick()
    {
        press("dcButton1", 0);
        clickTile("Image2", 5);
        QCOMPARE(text("Text2_0"), QStringLiteral("【强身术】：\n强身健体是习武之人的根本，每学习一级可以提高1%的气血上限。"));
        QCOMPARE(text("Text2_1"), QStringLiteral("特别说明：\n强身术研究的上限是120级。\n"
                                                 "强身术最终所加的血量值是一样的，所以早学迟学都一样。"
                                                 "早学的好处是血量多，不容易死。"));
        test::control<QPlainTextEdit>(m_w, "Text2_0")->setPlainText("x");
        clickTile("Image2", 5);
        QVERIFY(text("Text2_0").startsWith(QStringLiteral("【强身术】：")));
        QVERIFY(tile("Image2", 5)->bordered());
        clickTile("Image2", 10);
        QVERIFY(!tile("Image2", 5)->bordered());
        QVERIFY(tile("Image2", 10)->bordered());
        QVERIFY(text("Text2_0").startsWith(QStringLiteral("【中药医理】：")));
        QCOMPARE(tile("Image2", 10)->toolTip(), QStringLiteral("中药药理"));
    }

    void storySkillTexts()
    {
        press("dcButton1", 2);
        clickTile("Image3", 1);
        QCOMPARE(text("Text4_0"), QStringLiteral("【宝石工艺】\n传授：\n傲来国蝴蝶妹妹，每级消耗2点技能点，最高为5级。\n"
                                                 "学满共需要10点剧情点。"));
        QCOMPARE(text("Text4_1"), QStringLiteral("效果：\n效果：提高合成宝石的成功率。"));
        clickTile("Image3", 6);
        QVERIFY(tile("Image3", 6)->bordered());
        QVERIFY(!tile("Image3", 1)->bordered());
    }

    void storyPointCounter()
    {
        press("dcButton1", 2);
        const QColor normal = QApplication::palette().color(QPalette::Text);
        struct Case {
            QList<int> levels;
            const char* total;
            bool red;
        } const cases[] = {
            {{5, 0, 0, 0, 5, 0, 0, 0, 0, 7}, "61", false},       // 15 + 25 + 21
            {{5, 1, 0, 0, 5, 0, 0, 0, 0, 7}, "63", true},        // one more level of 宝石工艺
            {{5, 0, 0, 0, 5, 0, 0, 0, 0, 7}, "61", false},       // lowered again
            {{5, 5, 5, 5, 5, 5, 10, 5, 5, 10, 3}, "187", true},  // every skill at its top
        };
        for (const Case& c : cases) {
            pickLevels(c.levels);
            QCOMPARE(used()->text(), QString::fromUtf8(c.total));
            QCOMPARE(used()->palette().color(QPalette::Text), c.red ? kRed : normal);
            QCOMPARE(m_w->storyPointsUsed(), used()->text().toLongLong());
        }
        // 清零 counts again: the total is 0 in the normal colour, not a red figure left behind.
        press("dcButton4", -1);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(picker(i)->currentText(), QStringLiteral("0"));
        QCOMPARE(used()->text(), QStringLiteral("0"));
        QCOMPARE(used()->palette().color(QPalette::Text), normal);
        QCOMPARE(m_w->storyPointsUsed(), 0);
    }

    void beastSkillsOnTwoPages()
    {
        press("dcButton1", 3);
        QVERIFY(widget("Frame3", 0)->isVisible());
        QVERIFY(!widget("Frame3", 1)->isVisible());
        QVERIFY(!button("dcButton5", 0)->isEnabled());
        press("dcButton5", 1);
        QVERIFY(widget("Frame3", 1)->isVisible());
        QVERIFY(!widget("Frame3", 0)->isVisible());
        QVERIFY(!button("dcButton5", 1)->isEnabled());
        QVERIFY(button("dcButton5", 0)->isEnabled());
        clickTile("Image4", 43);
        const QString advanced = QStringLiteral("【高级反击】\n受到物理攻击时有30%几率自动反击，反击的伤害与正常攻击相同");
        QCOMPARE(text("Text5"), advanced);
        press("dcButton5", 0);
        // 反击 stands in the same cell, unmarked; the text still tells of 高级反击.
        QCOMPARE(tile("Image4", 0)->geometry(), tile("Image4", 43)->geometry());
        QVERIFY(!tile("Image4", 0)->bordered());
        QCOMPARE(text("Text5"), advanced);
        press("dcButton5", 1);
        QVERIFY(tile("Image4", 43)->bordered());
        press("dcButton5", 0);
        clickTile("Image4", 87);
        QCOMPARE(text("Text5"), QStringLiteral("【法术防御】\n极强的法术防御技能。可以防御法术攻击，减少65%的法术伤害，"
                                               "但无法防御物理攻击。效果可以持续6回合。"));
        QCOMPARE(tile("Image4", 87)->toolTip(), QString());
        QVERIFY(!tile("Image4", 43)->bordered());
        clickTile("Image4", 1);
        QCOMPARE(text("Text5"), QStringLiteral("【反震】\n暂缺"));
    }

    void sectsSkillsAndSpellFrames()
    {
        for (int s = 0; s < 12; ++s)
            QCOMPARE(button("dcButton2", s)->text(), static_cast<ui::CaptionFrame*>(widget("Frame2", s))->caption());
        press("dcButton2", 1); // 化生寺
        QVERIFY(widget("Frame2", 1)->isVisible());
        QVERIFY(!widget("Frame2", 0)->isVisible());
        clickTile("Image5", 12); // 歧黄之术
        QVERIFY(widget("Frame4", 12)->isVisible());
        QVERIFY(!widget("Frame4", 999)->isVisible());
        QCOMPARE(m_w->currentSpellFrame(), 12);
        press("dcButton2", 10); // 魔王寨: the spell frame and its texts stay
        QVERIFY(widget("Frame2", 10)->isVisible());
        QVERIFY(widget("Frame4", 12)->isVisible());
        QCOMPARE(text("Text6_0"), QStringLiteral("【歧黄之术】"));
        press("dcButton2", 10);
        QVERIFY(widget("Frame2", 10)->isVisible());

        press("dcButton2", 0);
        clickTile("Image5", 2); // 神兵鉴赏
        QCOMPARE(text("Text6_0"), QStringLiteral("【神兵鉴赏】"));
        QCOMPARE(text("Text6_1"), QString());
        QVERIFY(!widget("Frame4", 12)->isVisible());
        clickTile("Image5", 0);
        QCOMPARE(text("Text6_1"), QStringLiteral("学习效果：按技能等级提高伤害力"));

        press("dcButton2", 3);
        clickTile("Image5", 23); // 沉鱼落雁
        QCOMPARE(text("Text6_1"), QStringLiteral("暗器:\n25级秒2\n50级秒3\n75级秒4\n100级秒5\n125级秒6\n150级秒7"));

        // Skills whose frame holds no spell.
        for (int skill : {14, 21, 46, 49, 52, 73, 79}) {
            m_w->sectSkillClick(skill);
            auto* frame = static_cast<ui::CaptionFrame*>(widget("Frame4", skill));
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->caption(), test::control<SkillTile>(m_w, name("Image5", skill))->toolTip());
            QVERIFY(frame->findChildren<SkillTile*>().isEmpty());
        }
    }

    void spellsAndTheirPages()
    {
        press("dcButton2", 1);
        clickTile("Image5", 9); // 诵经
        clickTile("Image6", 8); // 唧唧歪歪
        QCOMPARE(text("Text6_0"), QStringLiteral("【唧唧歪歪】\n25级秒2\n50级秒3\n75级秒4\n100级秒5\n125级秒6\n150级秒7"));
        QCOMPARE(text("Text6_1"), QStringLiteral("功效：暂缺\n使用条件：暂缺\n消耗：暂缺"));
        clickTile("Image5", 9);
        QCOMPARE(text("Text6_0"), QStringLiteral("【诵经】"));
        QCOMPARE(text("Text6_1"), QString());

        press("dcButton2", 0);
        clickTile("Image5", 3); // 文韬武略
        clickTile("Image6", 3); // 反间之计
        QCOMPARE(text("Text6_1"), QStringLiteral("功效：令怪物处于混乱状态，不能用于玩家对战\n"
                                                 "使用条件：文韬武略技能达到20级\n消耗：30点魔法"));

        // 歧黄之术: "↓" shows the second page on the first three places.
        press("dcButton2", 1);
        clickTile("Image5", 12);
        auto* down = test::control<QPushButton>(m_w, "Command1_0");
        auto* up = test::control<QPushButton>(m_w, "Command1_1");
        QVERIFY(down->isEnabled());
        QVERIFY(!up->isEnabled());
        QVERIFY(!tile("Image6", 147)->isVisible());
        QTest::mouseClick(down, Qt::LeftButton);
        for (int i = 15; i <= 22; ++i)
            QVERIFY(!tile("Image6", i)->isVisible());
        for (int i : {23, 24, 147})
            QVERIFY(tile("Image6", i)->isVisible());
        QCOMPARE(tile("Image6", 147)->geometry(), tile("Image6", 17)->geometry());
        QVERIFY(!down->isEnabled());
        QVERIFY(up->isEnabled());
        clickTile("Image6", 147); // 舍生取义, only on page 2
        QVERIFY(text("Text6_0").startsWith(QStringLiteral("【舍生取义】")));

        // 符之术 pages on its own.
        press("dcButton2", 2);
        clickTile("Image5", 17);
        QVERIFY(test::control<QPushButton>(m_w, "Command1_2")->isEnabled());
        QVERIFY(tile("Image6", 28)->isVisible());
        QTest::mouseClick(test::control<QPushButton>(m_w, "Command1_2"), Qt::LeftButton);
        QVERIFY(tile("Image6", 148)->isVisible());
        QTest::mouseClick(test::control<QPushButton>(m_w, "Command1_3"), Qt::LeftButton);
        QVERIFY(tile("Image6", 28)->isVisible());
        QVERIFY(!tile("Image6", 148)->isVisible());

        // 歧黄之术 kept its second page meanwhile.
        press("dcButton2", 1);
        clickTile("Image5", 12);
        QVERIFY(tile("Image6", 23)->isVisible());
        QVERIFY(up->isEnabled());
        QTest::mouseClick(up, Qt::LeftButton);
        QVERIFY(tile("Image6", 15)->isVisible());
        QVERIFY(!tile("Image6", 23)->isVisible());
        QCOMPARE(tile("Image6", 15)->toolTip(), QStringLiteral("化瘀"));
        clickTile("Image6", 15);
        QCOMPARE(text("Text6_0"), QStringLiteral("【化淤】"));
    }

    void closingGivesTheMainWindowBackAndReopensAfresh()
    {
        ui::FormWindow* main = ui::forms().form(ui::kMainForm);
        main->hide();
        press("dcButton1", 0);
        clickTile("Image2", 3);
        m_w->close();
        QVERIFY(!ui::forms().isLoaded(SkillWindow::kNumber));
        QVERIFY(main->isVisible());
        m_w = static_cast<SkillWindow*>(ui::forms().showModeless(SkillWindow::kNumber));
        QCOMPARE(m_w->currentCategory(), 4);
        QVERIFY(widget("Frame1", 4)->isVisible());
        QCOMPARE(borderedCount("Image2", 13), 0);
        QCOMPARE(text("Text2_0"), QString());
    }

    void theLauncherHidesTheMainWindow()
    {
        ui::forms().reset();
        app::ui::MainWindow* main = test::openMainWindow();
        main->tabClick(6);
        QTest::mouseClick(main->findChild<ui::DcButton*>("dcButton7"), Qt::LeftButton);
        ui::FormWindow* w = ui::forms().loaded(SkillWindow::kNumber);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        w->close();
        QVERIFY(main->isVisible());
    }

    void shutDownDoesNotBringTheMainWindowBack()
    {
        ui::FormWindow* main = ui::forms().form(ui::kMainForm);
        main->hide();
        struct ShowSpy : QObject {
            int shows = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                shows += e->type() == QEvent::Show;
                return false;
            }
        } spy;
        main->installEventFilter(&spy);
        ui::forms().shutDown();
        QCOMPARE(spy.shows, 0);
        QVERIFY(!ui::forms().isLoaded(SkillWindow::kNumber));
    }
};

QTEST_MAIN(SkillWindowTest)
#include "skill_window_test.moc"
