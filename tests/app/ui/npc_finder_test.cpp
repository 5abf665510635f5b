#include "app/npc_directory.h"
#include "app/ui/main_window.h"
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window.h"

class NpcFinderTest : public QObject {
    Q_OBJECT

    app::ui::MainWindow* m_main = nullptr;
    QLineEdit* m_box = nullptr;
    QListWidget* m_list = nullptr;

    QStringList lines() const
    {
        QStringList l;
        for (int i = 0; i < m_list->count(); ++i)
            l << m_list->item(i)->text();
        return l;
    }

private slots:
    void initTestCase() { app::ui::registerForms(); }

    void init()
    {
        ui::BoxRecorder::start();
        m_main = test::openMainWindow(6);
        m_box = test::control<QLineEdit>(m_main, "Text24");
        m_list = test::control<QListWidget>(m_main, "List1");
        QVERIFY(m_box && m_list);
        QCOMPARE(m_box->parentWidget()->objectName(), QString("Frame9_5"));
    }

    void cleanup()
    {
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        ui::forms().reset();
    }

    void tabGivesTheBoxTheFocus() { QCOMPARE(QApplication::focusWidget(), m_box); }

    void typingNarrowsAndWidens()
    {
        QTest::keyClicks(m_box, "294");
        QVERIFY(m_list->count() >= 1);
        QCOMPARE(m_list->item(0)->text(), QString("长安城 5号考官(294：54)"));
        QTest::keyClicks(m_box, "x");
        QCOMPARE(m_list->count(), 0);
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(m_list->item(0)->text(), QString("长安城 5号考官(294：54)"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(m_box->text(), QString());
        QCOMPARE(m_list->count(), 0);
    }

    void listsWholeEntriesInDirectoryOrder()
    {
        struct Case {
            const char* text;
            int count;
        };
        const Case cases[] = {
            {" ", int(app::kNpcEntries)}, {"：", 0}, {")", 0}, {"(", 0}, {"（", 0}, {"长安城", 132}, {"凌霄宝殿", 1},
        };
        for (const Case& c : cases) {
            m_box->setText(QString::fromUtf8(c.text));
            QCOMPARE(m_list->count(), c.count);
        }
        m_box->setText(" ");
        const QStringList all = lines();
        for (int i = 0; i < all.size(); ++i)
            QCOMPARE(all[i], QString::fromUtf8(app::NpcDirectory[std::size_t(i)].data(),
                                               qsizetype(app::NpcDirectory[std::size_t(i)].size())));
        // Each change starts the list afresh: no line is ever added twice.
        m_box->setText("天宫 玉皇大帝");
        m_box->setText("天宫 玉皇大帝 ");
        QCOMPARE(lines(), QStringList{"天宫 玉皇大帝 凌霄宝殿(28,46)"});
        // The list only selects.
        m_list->setCurrentRow(0);
        QCOMPARE(m_box->text(), QString("天宫 玉皇大帝 "));
    }

    void escapeClearsBoxAndList()
    {
        m_box->setText("长安城");
        QTest::keyClick(m_box, Qt::Key_Escape);
        QCOMPARE(m_box->text(), QString());
        QCOMPARE(m_list->count(), 0);
        QCOMPARE(QApplication::focusWidget(), m_box);
        QVERIFY(m_main->isVisible()); // Esc does not close anything
    }

    void escapeDoesNothingWhileThePanelIsAway()
    {
        m_box->setText("长安城");
        m_main->tabClick(0);
        QVERIFY(!m_box->isVisible());
        QTest::keyClick(m_box, Qt::Key_Escape);
        QCOMPARE(m_box->text(), QString("长安城"));
        QCOMPARE(m_list->count(), 132);
    }

    void clearButtonClearsAndFocuses()
    {
        m_box->setText("地府");
        QVERIFY(m_list->count() > 0);
        auto* clear = test::control<ui::DcButton>(m_main, "Button21");
        QVERIFY(clear);
        QCOMPARE(clear->text(), QString("清空"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(m_box->text(), QString());
        QCOMPARE(m_list->count(), 0);
        QCOMPARE(QApplication::focusWidget(), m_box);
    }
};

QTEST_MAIN(NpcFinderTest)
#include "npc_finder_test.moc"
