// The 召唤兽 panel of the main window: catalogue, growth switch, converter, born-baby
// test and the catalogue's tool buttons.
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "beasts/pet_catalogue.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class BeastPanelTest : public QObject {
    Q_OBJECT
private:
    app::ui::MainWindow* m_main = nullptr;

    template <typename T = QLineEdit>
    T* find(const char* name)
    {
        return test::control<T>(m_main, QLatin1String(name));
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    QComboBox* combo1() { return find<QComboBox>("Combo1"); }
    void pick(const QString& species)
    {
        const int i = combo1()->findText(species);
        QVERIFY(i >= 0);
        combo1()->setCurrentIndex(i);
        emit combo1()->activated(i);
    }
    ui::DcButton* button(const char* name) { return find<ui::DcButton>(name); }

private slots:
    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        m_main->tabClick(3);
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void catalogueStartsWithTheTurtle()
    {
        QCOMPARE(combo1()->count(), 64);
        QCOMPARE(combo1()->currentText(), QStringLiteral("大海龟"));
        QCOMPARE(text("Text16_0"), QStringLiteral("0"));
        QCOMPARE(text("Text16_1"), QStringLiteral("0"));
        QCOMPARE(text("Text16_4"), QStringLiteral("3600"));
        QCOMPARE(text("Text16_11"), QStringLiteral("东海湾/沉船一层/东海岩洞"));
        auto* newPane = find<QPlainTextEdit>("Text16_10");
        auto* oldPane = find<QPlainTextEdit>("Text16_12");
        QCOMPARE(newPane->toPlainText(), QStringLiteral("[0.882] [0.891][0.900] [0.909][0.918]"));
        QCOMPARE(oldPane->toPlainText(), QStringLiteral("[2.638] [2.664][2.691] [2.718][2.745]"));
        QVERIFY(newPane->isVisible());
        QVERIFY(!oldPane->isVisible());
        QCOMPARE(button("dcButton14_0")->foreColour(), 0xFF0000u);
        QCOMPARE(button("dcButton14_1")->foreColour(), 0x000000u);
    }

    void catalogueRecords_data()
    {
        QTest::addColumn<QString>("species");
        QTest::addColumn<QString>("carry");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("defence");
        QTest::newRow("护卫") << "护卫" << "0" << "0" << "1150" << "1100";
        QTest::newRow("夜罗刹") << "夜罗刹" << "飞升" << "3000000" << "1500+" << "1450";
        QTest::newRow("大力金刚") << "大力金刚" << "飞升" << "3000000" << "1554" << "1432";
        QTest::newRow("龙龟") << "龙龟" << "飞升+135" << "3456000" << "1440" << "1560";
        QTest::newRow("净瓶女娲") << "净瓶女娲" << "105" << "2184000" << "1500+" << "1500+";
    }
    void catalogueRecords()
    {
        QFETCH(QString, species);
        pick(species);
        QTEST(text("Text16_0"), "carry");
        QTEST(text("Text16_1"), "fee");
        QTEST(text("Text16_2"), "attack");
        QTEST(text("Text16_3"), "defence");
        pick(species); // the same pick again rewrites the same texts
        QTEST(text("Text16_1"), "fee");
    }

    // Each pair differs in every field, so a field a pick leaves unwritten still shows the
    // species picked before.
    void pickReplacesEveryField_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const char* const pairs[][2] = {{"大海龟", "龙龟"}, {"山贼", "净瓶女娲"}};
        for (const auto& p : pairs) {
            QTest::addRow("%s→%s", p[0], p[1]) << QString::fromUtf8(p[0]) << QString::fromUtf8(p[1]);
            QTest::addRow("%s→%s", p[1], p[0]) << QString::fromUtf8(p[1]) << QString::fromUtf8(p[0]);
        }
    }
    void pickReplacesEveryField()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        // The catalogue's own texts, in the order of the fields below.
        const auto texts = [](const QString& species) {
            const beasts::PetSpeciesRecord* r = beasts::findPetSpecies(species.toStdString());
            if (!r)
                return QStringList{};
            const beasts::PetSpeciesDisplay d = beasts::displayOf(*r);
            QStringList out{QString::fromStdString(d.carryLevel), QString::fromStdString(d.fee)};
            for (const std::string& a : d.aptitudes)
                out << QString::fromStdString(a);
            out << QString::fromStdString(d.skills) << QString::fromStdString(d.newGrowth)
                << QString::fromStdString(d.oldGrowth) << QString::fromStdString(d.scenes);
            return out;
        };
        const char* const fields[] = {"Text16_0", "Text16_1", "Text16_2", "Text16_3",  "Text16_4",  "Text16_5",
                                      "Text16_6", "Text16_7", "Text16_9", "Text16_10", "Text16_12", "Text16_11"};
        const QStringList was = texts(before);
        const QStringList now = texts(after);
        QCOMPARE(was.size(), 12);
        QCOMPARE(now.size(), 12);
        for (int i = 0; i < 12; ++i)
            QVERIFY2(was[i] != now[i], fields[i]);
        pick(before);
        pick(after);
        for (int i = 0; i < 12; ++i) {
            QWidget* w = find<QWidget>(fields[i]);
            const auto* pane = qobject_cast<QPlainTextEdit*>(w);
            const auto* line = qobject_cast<QLineEdit*>(w);
            QVERIFY2(pane || line, fields[i]);
            const QString shown = pane ? pane->toPlainText() : line->text();
            QVERIFY2(shown == now[i], qPrintable(QStringLiteral("%1 shows %2, not %3").arg(fields[i], shown, now[i])));
        }
    }

    void guardIsOnlyHandedOut()
    {
        pick(QStringLiteral("护卫"));
        QCOMPARE(text("Text16_11"), QStringLiteral("无(只可在长安皇宫门口领取)"));
        QCOMPARE(text("Text16_9"), QStringLiteral("必杀/反击/强力"));
    }

    void growthSwitchSurvivesASpeciesChange()
    {
        auto* newPane = find<QPlainTextEdit>("Text16_10");
        auto* oldPane = find<QPlainTextEdit>("Text16_12");
        QTest::mouseClick(button("dcButton14_1"), Qt::LeftButton);
        QVERIFY(!newPane->isVisible());
        QVERIFY(oldPane->isVisible());
        QCOMPARE(button("dcButton14_0")->foreColour(), 0x000000u);
        QCOMPARE(button("dcButton14_1")->foreColour(), 0xFF0000u);
        QCOMPARE(QApplication::focusWidget(), combo1());

        pick(QStringLiteral("山贼"));
        QVERIFY(oldPane->isVisible());
        QCOMPARE(oldPane->toPlainText(), QStringLiteral("[2.972] [3.002][3.020] [3.065][3.095]"));
        QCOMPARE(newPane->toPlainText(), QStringLiteral("[0.994] [1.004][1.010] [1.025][1.035]"));

        pick(QStringLiteral("狼"));
        QCOMPARE(oldPane->toPlainText(), QStringLiteral("[2.958] [2.987][3.020] [3.050][3.080]"));
        QTest::mouseClick(button("dcButton14_0"), Qt::LeftButton);
        QVERIFY(newPane->isVisible());
        QVERIFY(!oldPane->isVisible());
        QCOMPARE(newPane->toPlainText(), QStringLiteral("[0.999] [1.009][1.020] [1.030][1.040]"));
        // 新 again changes nothing visible and still returns the focus to the picker.
        find<QLineEdit>("Text13_0")->setFocus();
        QTest::mouseClick(button("dcButton14_0"), Qt::LeftButton);
        QVERIFY(newPane->isVisible() && !oldPane->isVisible());
        QCOMPARE(button("dcButton14_0")->foreColour(), 0xFF0000u);
        QCOMPARE(QApplication::focusWidget(), combo1());
    }

    void converterTyping()
    {
        auto* in = find<QLineEdit>("Text13_0");
        auto* out = find<QLineEdit>("Text13_1");
        in->setFocus();
        QCOMPARE(in->selectedText(), QStringLiteral("0"));
        struct Step {
            const char* keys;
            const char* input;
            const char* output;
        };
        // Each step types into the box as it stands (focus selected the "0" first).
        const Step steps[] = {
            {"1", "1", "2.990"},
            {".", "1.", "2.990"},
            {".", "1.", "2.990"},      // a second point is taken back
            {"999", "1.999", "5.978"},
        };
        for (const Step& s : steps) {
            QTest::keyClicks(in, QLatin1String(s.keys));
            QCOMPARE(in->text(), QLatin1String(s.input));
            QCOMPARE(out->text(), QLatin1String(s.output));
        }
        // Clearing the box: "0" in the result, the input stays empty.
        in->selectAll();
        QTest::keyClick(in, Qt::Key_Backspace);
        QCOMPARE(in->text(), QString());
        QCOMPARE(out->text(), QStringLiteral("0"));
        // A point into an empty box gives a selected "0".
        QTest::keyClicks(in, QStringLiteral("."));
        QCOMPARE(in->text(), QStringLiteral("0"));
        QCOMPARE(in->selectedText(), QStringLiteral("0"));
        QCOMPARE(out->text(), QStringLiteral("0"));
        // The next digit replaces the selected "0"; 12 is out of range.
        QTest::keyClicks(in, QStringLiteral("12"));
        QCOMPARE(in->text(), QStringLiteral("0"));
        QCOMPARE(in->selectedText(), QStringLiteral("0"));
        QCOMPARE(out->text(), QStringLiteral("0"));
        // A digit put in front of 1.5 is taken back again.
        QTest::keyClicks(in, QStringLiteral("1.5"));
        QCOMPARE(out->text(), QStringLiteral("4.486"));
        in->setCursorPosition(0);
        QTest::keyClicks(in, QStringLiteral("2"));
        QCOMPARE(in->text(), QStringLiteral("1.5"));
        QCOMPARE(out->text(), QStringLiteral("4.486"));
        // Deleting the point from 1.5 makes 15: reset.
        in->setCursorPosition(2);
        QTest::keyClick(in, Qt::Key_Backspace);
        QCOMPARE(in->text(), QStringLiteral("0"));
        QCOMPARE(out->text(), QStringLiteral("0"));
        // 重置
        QTest::keyClicks(in, QStringLiteral("0.5"));
        QCOMPARE(out->text(), QStringLiteral("1.495"));
        combo1()->setFocus();
        QTest::mouseClick(button("Button11"), Qt::LeftButton);
        QCOMPARE(in->text(), QStringLiteral("0"));
        QCOMPARE(out->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), in);
        QCOMPARE(in->selectedText(), QStringLiteral("0"));
        // Enter in the converter's input reaches the 唤兽加点 launcher.
        QTest::keyClick(in, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button("Button13"));
    }

    void bornBaby()
    {
        auto set = [&](int g, int a, int p) {
            find<QLineEdit>("Text15_0")->setText(QString::number(g));
            for (int i = 1; i <= 5; ++i)
                find<QLineEdit>(QStringLiteral("Text15_%1").arg(i).toLatin1().constData())->setText(QString::number(a));
            find<QLineEdit>("Text15_6")->setText(QString::number(p));
        };
        // Start state: every attribute must be at least G + 10.
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("输入有误,导致结果出错！"));
        QCOMPARE(boxes[0].title, QStringLiteral("警告！"));

        set(0, 20, 0);
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        QCOMPARE(text("Text15_7"), QStringLiteral("召唤兽总点数100点.恭喜!是天生的宝宝!"));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("Text15_0"));

        // A refused input keeps the line.
        set(20, 30, 0);
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        QCOMPARE(text("Text15_7"), QStringLiteral("召唤兽总点数100点.恭喜!是天生的宝宝!"));

        set(0, 10, 0);
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        QCOMPARE(text("Text15_7"), QStringLiteral("召唤兽总点数50点.可能是合成或野生召唤兽!"));

        // An emptied field: the warning, then every input "0" and the line empty.
        find<QLineEdit>("Text15_3")->clear();
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("待输入项均不能为空！"));
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(text(QStringLiteral("Text15_%1").arg(i).toLatin1().constData()), QStringLiteral("0"));
        QCOMPARE(text("Text15_7"), QString());

        set(0, 10, 0);
        QTest::mouseClick(button("Button12_0"), Qt::LeftButton);
        QTest::mouseClick(button("Button12_1"), Qt::LeftButton);
        QCOMPARE(text("Text15_1"), QStringLiteral("0"));
        QCOMPARE(text("Text15_7"), QString());
        QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("Text15_0"));

        // Enter walks the inputs to 计算.
        auto* last = find<QLineEdit>("Text15_6");
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button("Button12_0"));
    }

    void homeTrainingLevel_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("41") << "41" << "结果！" << "角色等级 41 级，可在家训练的召唤兽最低等级为 0 级";
        QTest::newRow("43") << "43" << "结果！" << "角色等级 43 级，可在家训练的召唤兽最低等级为 1 级";
        QTest::newRow("155") << "155" << "结果！" << "角色等级 155 级，可在家训练的召唤兽最低等级为 79 级";
        QTest::newRow("100.5") << "100.5" << "结果！" << "角色等级 100.5 级，可在家训练的召唤兽最低等级为 41 级";
        QTest::newRow("abc") << "abc" << "结果！" << "角色等级 abc 级，可在家训练的召唤兽最低等级为 0 级";
        QTest::newRow("156") << "156" << "警告！" << "输入有误，请重新输入！";
        QTest::newRow("empty") << "" << "警告！" << "输入有误，请重新输入！";
    }
    void homeTrainingLevel()
    {
        QFETCH(QString, answer);
        ui::BoxRecorder::queueInput(answer);
        QTest::mouseClick(button("Button14_1"), Qt::LeftButton);
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].kind, ui::RecordedBox::Input);
        QCOMPARE(boxes[0].text, QStringLiteral("请输入你的角色等级"));
        QCOMPARE(boxes[0].title, QStringLiteral("在家训宠等级"));
        QTEST(boxes[1].title, "title");
        QTEST(boxes[1].text, "text");
        QCOMPARE(boxes[1].icon, boxes[1].title == QStringLiteral("结果！") ? ui::BoxIcon::None : ui::BoxIcon::Warning);
    }

    void homeTrainingCancelled()
    {
        QTest::mouseClick(button("Button14_1"), Qt::LeftButton); // no queued answer: Cancel
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].text, QStringLiteral("输入有误，请重新输入！"));
    }

    void hpTableReplacesTheMainWindow()
    {
        QTest::mouseClick(button("Button14_0"), Qt::LeftButton);
        ui::FormWindow* hp = ui::forms().loaded(5);
        QVERIFY(hp);
        QVERIFY(hp->isVisible());
        QVERIFY(!m_main->isVisible());
        hp->close();
        QVERIFY(m_main->isVisible());
        QVERIFY(!ui::forms().isLoaded(5));
    }

    void levelExperienceIsModal()
    {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            ui::FormWindow* w = ui::forms().loaded(13);
            seen = w && w->isVisible() && w->isModal() && m_main->isVisible();
            if (w)
                w->close();
        });
        QTest::mouseClick(button("Button14_2"), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!ui::forms().isLoaded(13));
        QVERIFY(m_main->isVisible());
    }

    void attributeLauncherOpensThePredictionWindow()
    {
        // A minimised prediction window comes back normal, and the main window hides.
        ui::FormWindow* w = ui::forms().form(4);
        w->setWindowState(Qt::WindowMinimized);
        QTest::mouseClick(button("Button13"), Qt::LeftButton);
        QCOMPARE(w->windowTitle(), QStringLiteral("召唤兽属性预测"));
        QVERIFY(w->isVisible());
        QVERIFY(!(w->windowState() & Qt::WindowMinimized));
        QVERIFY(!m_main->isVisible());
        // Closing it brings the main window back.
        w->close();
        QVERIFY(!ui::forms().isLoaded(4));
        QVERIFY(m_main->isVisible());
    }
};

QTEST_MAIN(BeastPanelTest)
#include "beast_panel_test.moc"
