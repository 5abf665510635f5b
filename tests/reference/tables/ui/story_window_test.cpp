// Form18, the story guide window: the list, the section buttons and the pages.
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "support/controls.h"
#include "support/main_window.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using test::control;

class StoryWindowTest : public QObject {
    Q_OBJECT

    // The names of the visible pages.
    QStringList shownPages(QWidget* w)
    {
        QStringList out;
        for (QPlainTextEdit* p : w->findChildren<QPlainTextEdit*>())
            if (p->isVisibleTo(w))
                out << p->objectName();
        return out;
    }
    QList<bool> buttonsEnabled(QWidget* w)
    {
        QList<bool> out;
        for (int i = 0; i < 5; ++i)
            out << control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i))->isEnabled();
        return out;
    }
    const QList<bool> allOn = QList<bool>(5, true);
    const QList<bool> allOff = QList<bool>(5, false);
    QListWidget* list(QWidget* w) { return control<QListWidget>(w, "List1"); }
    void choose(QWidget* w, int line)
    {
        QListWidget* l = list(w);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(line)).center());
    }
    void section(QWidget* w, int i) { control<ui::DcButton>(w, QStringLiteral("dcButton1_%1").arg(i))->press(); }

private slots:
    void initTestCase() { app::ui::registerForms(); }
    void cleanup() { ui::forms().reset(); }

    void opensOnThePreface()
    {
        QWidget* w = ui::forms().showModeless(18);
        QCOMPARE(w->windowTitle(), QStringLiteral("剧情攻略"));
        QCOMPARE(list(w)->count(), 37);
        QCOMPARE(list(w)->currentRow(), 1);
        QCOMPARE(list(w)->item(1)->text(), QStringLiteral("剧情前言"));
        QCOMPARE(shownPages(w), QStringList{"Text1"});
        QVERIFY(control<QPlainTextEdit>(w, "Text1")->toPlainText().startsWith(QStringLiteral("剧情前言：\n")));
        QCOMPARE(buttonsEnabled(w), allOff);
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(list(w)));
    }

    void linesWithoutAPageLeaveItBlank_data()
    {
        QTest::addColumn<int>("line");
        QTest::newRow("empty") << 2;
        QTest::newRow("剧情任务四：") << 9;
        QTest::newRow("last") << 36;
    }
    void linesWithoutAPageLeaveItBlank()
    {
        QFETCH(int, line);
        QWidget* w = ui::forms().showModeless(18);
        choose(w, 3);
        choose(w, line);
        QCOMPARE(shownPages(w), QStringList());
        QCOMPARE(buttonsEnabled(w), allOff);
    }

    void questSectionsSwitch()
    {
        QWidget* w = ui::forms().showModeless(18);
        choose(w, 3); // 剧情任务一：商人的鬼魂
        QCOMPARE(shownPages(w), QStringList{"Text2_0"});
        QCOMPARE(buttonsEnabled(w), allOn);
        QVERIFY(control<QPlainTextEdit>(w, "Text2_0")->toPlainText().startsWith(QStringLiteral("<商人的鬼魂>剧情简介：")));
        section(w, 2);
        QCOMPARE(shownPages(w), QStringList{"Text2_2"});
        section(w, 2);
        QCOMPARE(shownPages(w), QStringList{"Text2_2"});
        // Choosing the same quest again starts at its synopsis.
        choose(w, 3);
        QCOMPARE(shownPages(w), QStringList{"Text2_0"});
        section(w, 3);
        QCOMPARE(shownPages(w), QStringList{"Text2_3"});
        section(w, 4);
        choose(w, 35); // 蓬莱仙岛任务
        QCOMPARE(shownPages(w), QStringList{"Text17_0"});
        section(w, 4);
        QCOMPARE(control<QPlainTextEdit>(w, "Text17_4")->toPlainText(), QStringLiteral("<蓬莱仙岛任务>剧情注意事项：\n"));
        choose(w, 3);
        QCOMPARE(shownPages(w), QStringList{"Text2_0"});
        choose(w, 1);
        QCOMPARE(shownPages(w), QStringList{"Text1"});
        QCOMPARE(buttonsEnabled(w), allOff);
    }

    void arrowKeysWalkThroughTheLines()
    {
        QWidget* w = ui::forms().showModeless(18);
        QListWidget* l = list(w);
        choose(w, 3);
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(l->currentRow(), 4);
        QCOMPARE(shownPages(w), QStringList());
        QCOMPARE(buttonsEnabled(w), allOff);
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(shownPages(w), QStringList{"Text3_0"});
        QCOMPARE(buttonsEnabled(w), allOn);
    }

    void aPageKeepsItsScrollPosition()
    {
        QWidget* w = ui::forms().showModeless(18);
        auto* preface = control<QPlainTextEdit>(w, "Text1");
        preface->setPlainText(preface->toPlainText() + QString(200, QChar('\n')));
        QScrollBar* bar = preface->verticalScrollBar();
        QVERIFY(bar->maximum() > 10);
        bar->setValue(10);
        choose(w, 3);
        choose(w, 1);
        QCOMPARE(bar->value(), 10);
    }

    void closingGivesTheMainWindowBack()
    {
        app::ui::MainWindow* main = test::openMainWindow(6);
        control<ui::DcButton>(main, "dcButton3")->press();
        QWidget* w = ui::forms().loaded(18);
        QVERIFY(w && w->isVisible());
        QVERIFY(!main->isVisible());
        choose(w, 5);
        section(w, 1);
        w->close();
        QVERIFY(!ui::forms().isLoaded(18));
        QVERIFY(main->isVisible());
        control<ui::DcButton>(main, "dcButton3")->press();
        w = ui::forms().loaded(18);
        QCOMPARE(shownPages(w), QStringList{"Text1"});
        QCOMPARE(buttonsEnabled(w), allOff);
    }
};

QTEST_MAIN(StoryWindowTest)
#include "story_window_test.moc"
