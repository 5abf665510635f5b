// Form23 "阵法介绍": both columns, the diagram and texts that follow them, the legend,
// the counter-table view and the way back to the main window.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"
#include "reference/skills/ui/formation_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

using skills::ui::FormationWindow;
using skills::ui::LineShape;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

QString name(const char* base, int index) { return ui::controlName(base, index); }

// &HBBGGRR of the legend and the diagram, as colours.
QColor bgr(std::uint32_t v) { return ui::bgr(v); }

const QString kPlain = QStringLiteral("【普通阵】\n普通的一字阵形，没有什么特别效果");

} // namespace

class FormationWindowTest : public QObject {
    Q_OBJECT

    FormationWindow* m_w = nullptr;

    QRadioButton* option(const char* base, int k) { return test::control<QRadioButton>(m_w, name(base, k)); }
    void opponent(int k) { option("Option1", k)->click(); }
    void own(int k) { option("Option2", k)->click(); }
    QLabel* label(const char* base, int i) { return test::control<QLabel>(m_w, name(base, i)); }
    QString text(int i) { return test::control<QPlainTextEdit>(m_w, name("Text1", i))->toPlainText(); }
    QWidget* widget(const char* base, int i) { return test::control<QWidget>(m_w, name(base, i)); }
    QColor lineColour(int i) { return bgr(test::control<LineShape>(m_w, name("Line1", i))->colour()); }
    QColor fore(QWidget* w) { return w->palette().color(QPalette::WindowText); }
    void view(int i) { QTest::mouseClick(test::control<ui::DcButton>(m_w, name("dcButton1", i)), Qt::LeftButton); }
    int visiblePicture(const char* base)
    {
        int shown = -1;
        for (int k = 0; k < 9; ++k)
            if (widget(base, k)->isVisible()) {
                if (shown >= 0)
                    return -2; // more than one
                shown = k;
            }
        return shown;
    }
    // The two value labels and the four lines for the pair on show.
    void checkDiagram(const char* opponentCaption, QColor opponentColour, const char* ownCaption, QColor ownColour)
    {
        QCOMPARE(label("Label2", 1)->text(), QString::fromUtf8(opponentCaption));
        QCOMPARE(fore(label("Label2", 1)), opponentColour);
        QCOMPARE(lineColour(2), opponentColour);
        QCOMPARE(lineColour(3), opponentColour);
        QCOMPARE(label("Label2", 0)->text(), QString::fromUtf8(ownCaption));
        QCOMPARE(fore(label("Label2", 0)), ownColour);
        QCOMPARE(lineColour(0), ownColour);
        QCOMPARE(lineColour(1), ownColour);
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void init()
    {
        ui::BoxRecorder::start();
        m_w = static_cast<FormationWindow*>(ui::forms().showModeless(FormationWindow::kNumber));
        QVERIFY(QTest::qWaitForWindowExposed(m_w));
    }
    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void opensWithPlainAgainstPlain()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral("阵法介绍"));
        QCOMPARE(m_w->size(), QSize(455, 422));
        QVERIFY(widget("Frame1", 0)->isVisible());
        QVERIFY(!widget("Frame1", 1)->isVisible());
        QVERIFY(!widget("Text1", 2)->isVisible());
        QCOMPARE(text(0), kPlain);
        QCOMPARE(text(1), kPlain);
        QCOMPARE(label("Label3", 0)->text(), QStringLiteral("【普通阵】"));
        QCOMPARE(label("Label3", 1)->text(), QStringLiteral("【普通阵】"));
        QCOMPARE(label("Label1", 0)->text(), QStringLiteral("对方"));
        QCOMPARE(fore(label("Label1", 0)), kRed);
        QCOMPARE(label("Label1", 1)->text(), QStringLiteral("己方"));
        QCOMPARE(fore(label("Label1", 1)), kBlue);
        checkDiagram("0", kMagenta, "0", kMagenta);
        QCOMPARE(visiblePicture("Image1"), 0);
        QCOMPARE(visiblePicture("Image2"), 0);
        const char* captions[] = {"普通阵", "天覆阵", "地截阵", "风扬阵", "云垂阵", "龙飞阵", "虎翼阵", "鸟翔阵", "蛇蟠阵"};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(option("Option1", k)->text(), QString::fromUtf8(captions[k]));
            QCOMPARE(option("Option2", k)->text(), QString::fromUtf8(captions[k]));
            QCOMPARE(fore(option("Option2", k)), bgr(0x80000012));
            QCOMPARE(option("Option1", k)->isChecked(), k == 0);
            QCOMPARE(option("Option2", k)->isChecked(), k == 0);
        }
        QCOMPARE(text(2), QStringLiteral("阵法颜色说明(右边):\n黑色即互为不克制(同一阵法)\n深蓝色为左克制右+10%\n"
                                         "浅蓝色为左克制右+5%\n红色为左被克制-10%\n粉红色为左被克制-5%\n"));
        QCOMPARE(m_w->opponentFormation(), 0);
        QCOMPARE(m_w->ownFormation(), 0);
    }

    void theWorkedExample()
    {
        own(2); // 地截阵
        QCOMPARE(text(1), QStringLiteral("【地截阵】：防御型阵法。\n①受到的物理和法术伤害结果-15%\n②受到的物理和法术伤害结果-15%\n"
                                         "③受到的物理和法术伤害结果-15%\n④受到的物理和法术伤害结果-15%\n"
                                         "⑤受到的物理和法术伤害结果-15%"));
        QCOMPARE(label("Label3", 0)->text(), QStringLiteral("【地截阵】"));
        QCOMPARE(visiblePicture("Image2"), 2);
        opponent(1); // 天覆阵
        QCOMPARE(text(0), QStringLiteral("【天覆阵】：攻击型阵法。\n①对敌人任何伤害结果+20%,速度-10%\n②对敌人任何伤害结果+20%,速度-10%\n"
                                         "③对敌人任何伤害结果+20%,速度-10%\n④对敌人任何伤害结果+20%,速度-10%\n"
                                         "⑤对敌人任何伤害结果+20%,速度-10%"));
        QCOMPARE(label("Label3", 1)->text(), QStringLiteral("【天覆阵】"));
        const std::uint32_t colours[] = {0xFF5050, 0x80000012, 0xC00000, 0xFF,    0xFF00FF,
                                         0xC00000, 0xFF00FF,   0xFF5050, 0xFF};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(fore(option("Option2", k)), bgr(colours[k]));
            QCOMPARE(fore(option("Option1", k)), bgr(0x80000012)); // the left list is never coloured
        }
        checkDiagram("+10%", kBlue, "-10%", kRed);
        QCOMPARE(visiblePicture("Image1"), 1);
        QVERIFY(text(1).startsWith(QStringLiteral("【地截阵】：防御型阵法。")));
    }

    void diagramFollowsTheLastChoiceOfEitherColumn()
    {
        struct Step {
            bool opponentSide;
            int formation;
            const char* opponentCaption;
            QColor opponentColour;
            const char* ownCaption;
            QColor ownColour;
        } const steps[] = {
            {true, 1, "+5%", kBlue, "-5%", kRed},          // 天覆阵 against 普通阵 (own untouched)
            {false, 1, "0", kMagenta, "0", kMagenta},      // the same formation on both sides
            {true, 3, "+10%", kBlue, "-10%", kRed},        // opponent 风扬阵, own 天覆阵
            {false, 3, "0", kMagenta, "0", kMagenta},
            {true, 1, "-10%", kRed, "+10%", kBlue},        // opponent 天覆阵, own 风扬阵
            {true, 0, "-5%", kRed, "+5%", kBlue},          // 普通阵 against 风扬阵
            {false, 2, "+5%", kBlue, "-5%", kRed},         // own 地截阵 against 普通阵
        };
        for (const Step& s : steps) {
            s.opponentSide ? opponent(s.formation) : own(s.formation);
            checkDiagram(s.opponentCaption, s.opponentColour, s.ownCaption, s.ownColour);
        }
    }

    // Each value label stands beside its arrow and never across the arrow's shaft: the
    // opponent's value left of the shaft that points at the own picture (Line1(2)), the own
    // value right of the shaft that points at the opponent picture (Line1(0)), whatever the
    // caption's width ("0", "+5%", "-10%").
    void valueLabelsStandBesideTheirArrows()
    {
        // Where a shaft, given in twips, passes at the height y (pixels).
        const auto shaftX = [this](int line, int y) {
            const auto* l = test::control<LineShape>(m_w, name("Line1", line));
            const QPointF a(ui::tw(l->from().x()), ui::tw(l->from().y()));
            const QPointF b(ui::tw(l->to().x()), ui::tw(l->to().y()));
            return a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
        };
        const struct {
            int opponentFormation, ownFormation;
        } pairs[] = {{0, 0}, {1, 0}, {0, 1}, {3, 1}, {1, 3}};
        for (const auto& p : pairs) {
            own(p.ownFormation);
            opponent(p.opponentFormation);
            const QRect theirs = label("Label2", 1)->geometry();
            const QRect mine = label("Label2", 0)->geometry();
            // Both shafts run down to the right, so the label's top right (and bottom
            // left) corner is the one nearest to the shaft.
            QVERIFY2(theirs.right() < shaftX(2, theirs.top()), qPrintable(label("Label2", 1)->text()));
            QVERIFY2(mine.left() > shaftX(0, mine.bottom()), qPrintable(label("Label2", 0)->text()));
        }
    }

    void ownChoiceLeavesTheListColoursAlone()
    {
        own(6);
        for (int k = 0; k < 9; ++k)
            QCOMPARE(fore(option("Option2", k)), bgr(0x80000012));
        opponent(4); // 云垂阵 meets each own formation
        QCOMPARE(fore(option("Option2", 4)), bgr(0x80000012));
        const QColor before = fore(option("Option2", 7));
        QCOMPARE(before, bgr(0xC00000)); // 云垂阵 counters 鸟翔阵 by 10
        own(7);
        QCOMPARE(fore(option("Option2", 7)), before);
        QCOMPARE(label("Label3", 1)->text(), QStringLiteral("【云垂阵】"));
        QCOMPARE(text(0).left(5), QStringLiteral("【云垂阵】"));
    }

    void choosingTheShownPictureAgainKeepsIt()
    {
        opponent(0); // the picture of 普通阵 is already the one shown
        QCOMPARE(visiblePicture("Image1"), 0);
        const std::uint32_t row0[] = {0x80000012, 0xFF00FF, 0xFF5050, 0xFF00FF, 0xFF5050,
                                      0xFF00FF,   0xFF5050, 0xFF00FF, 0xFF5050};
        for (int k = 0; k < 9; ++k)
            QCOMPARE(fore(option("Option2", k)), bgr(row0[k]));
        own(5);
        own(5);
        QCOMPARE(visiblePicture("Image2"), 5);
        QCOMPARE(m_w->ownFormation(), 5);
        QCOMPARE(text(1).count('\n'), 5);
    }

    void viewButtonsAndTheLegend()
    {
        view(0); // already shown: nothing changes
        QVERIFY(widget("Frame1", 0)->isVisible());
        view(2);
        QVERIFY(widget("Text1", 2)->isVisible());
        own(3); // written beneath the legend
        QVERIFY(text(1).startsWith(QStringLiteral("【风扬阵】")));
        view(2);
        QVERIFY(!widget("Text1", 2)->isVisible());
        QVERIFY(widget("Text1", 1)->isVisible());

        view(1);
        QVERIFY(widget("Frame1", 1)->isVisible());
        QVERIFY(!widget("Frame1", 0)->isVisible());
        view(1);
        QVERIFY(widget("Frame1", 1)->isVisible());
        view(2); // no visible effect now; the legend shows when the diagram view comes back
        QVERIFY(!widget("Text1", 2)->isVisible());
        view(0);
        QVERIFY(widget("Text1", 2)->isVisible());
    }

    void theCounterTableView()
    {
        view(1);
        auto* table = test::control<QTableWidget>(m_w, "Image3");
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->columnCount(), 10);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("阵法名"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("地载阵"));
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("地载阵"));
        struct Cell {
            int row, column;
            const char* text;
            QColor colour;
        } const cells[] = {
            {1, 2, "-5%", kRed},    // 普通阵 meets 天覆阵
            {2, 1, "5%", kBlue},    // 天覆阵 meets 普通阵
            {2, 3, "10%", kBlue},   // 天覆阵 meets 地载阵
            {9, 5, "-10%", kRed},   // 蛇蟠阵 meets 云垂阵
            {5, 5, "0", QColor(0, 128, 0)},
        };
        for (const Cell& c : cells) {
            QCOMPARE(table->item(c.row, c.column)->text(), QString::fromUtf8(c.text));
            QCOMPARE(table->item(c.row, c.column)->foreground().color(), c.colour);
        }
        const QString explanation = test::control<QPlainTextEdit>(m_w, "Text2")->toPlainText();
        QVERIFY(explanation.startsWith(QStringLiteral("\u3000 游戏中可以学习的阵法有8种")));
        QVERIFY(explanation.contains(QStringLiteral("\n\n \u3000上表列出了")));
        QVERIFY(explanation.contains(QStringLiteral("当普通阵遇到地载阵时")));
        QVERIFY(explanation.endsWith(QStringLiteral("情况刚好相反。\n")));
    }

    void closingGivesTheMainWindowBackAndReopensAfresh()
    {
        ui::FormWindow* main = ui::forms().form(ui::kMainForm);
        main->hide();
        opponent(6);
        own(8);
        view(2);
        m_w->close();
        QVERIFY(!ui::forms().isLoaded(FormationWindow::kNumber));
        QVERIFY(main->isVisible());
        m_w = static_cast<FormationWindow*>(ui::forms().showModeless(FormationWindow::kNumber));
        QCOMPARE(text(0), kPlain);
        QCOMPARE(text(1), kPlain);
        QVERIFY(!widget("Text1", 2)->isVisible());
        checkDiagram("0", kMagenta, "0", kMagenta);
        QCOMPARE(fore(option("Option2", 1)), bgr(0x80000012));
        QVERIFY(option("Option1", 0)->isChecked());
        QCOMPARE(visiblePicture("Image1"), 0);
        QCOMPARE(visiblePicture("Image2"), 0);
    }

    void theLauncherHidesTheMainWindow()
    {
        ui::forms().reset();
        app::ui::MainWindow* main = test::openMainWindow();
        main->tabClick(6);
        QTest::mouseClick(main->findChild<ui::DcButton*>("dcButton15"), Qt::LeftButton);
        ui::FormWindow* w = ui::forms().loaded(FormationWindow::kNumber);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        w->close();
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(FormationWindowTest)
#include "formation_window_test.moc"
