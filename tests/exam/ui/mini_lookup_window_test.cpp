// Form8, the mini look-up window: its own reading of the bank file, search, paging by
// buttons and keys, the corner button, the keep-on-top box and the way back.
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "platform/ui/window_order.h"
#include "support/controls.h"
#include "support/outer_rect.h"
#include "support/window_manager.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using test::control;

class MiniLookupWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_startDir;

    void writeBank(const QByteArray& utf8)
    {
        QFile f(m_dir.filePath("test.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(utf8);
    }
    QWidget* open()
    {
        QWidget* w = ui::forms().showModeless(8);
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            qFatal("the mini window did not become active");
        control<QLineEdit>(w, "Text1")->setFocus();
        return w;
    }
    QString counter(QWidget* w)
    {
        return control<QLabel>(w, "Label1_0")->text() + "/" + control<QLabel>(w, "Label1_1")->text();
    }
    QString answer(QWidget* w) { return control<QPlainTextEdit>(w, "Text3")->toPlainText(); }
    bool previousOn(QWidget* w) { return control<ui::DcButton>(w, "Button2_0")->isEnabled(); }
    bool nextOn(QWidget* w) { return control<ui::DcButton>(w, "Button2_1")->isEnabled(); }

private slots:
    void initTestCase()
    {
        app::ui::registerForms();
        m_startDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }
    void init()
    {
        ui::BoxRecorder::start();
        writeBank(" 1,历史知识,刘徽注释了哪部算书？,九章算术,周髀算经,孙子算经,海岛算经\r\n"
                  " 2,古代常识,古代的“五谷”不包括下列哪一种？,玉米,稻,黍,稷\r\n"
                  " 3,历史知识,刘徽是哪个朝代的人？,魏晋,秦,隋,元\r\n"
                  " 4,其它题目,(刘徽)割圆术用来求什么？,圆周率,勾股,开方,体积\r\n");
    }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void opensOnTopAtTheBottomRightCorner()
    {
        QWidget* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("科举查询(迷你)"));
        QVERIFY(control<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(platform::isKeptOnTop(w));
        // By the outer rectangle, frame included, 1200 twips above the bottom (QTRY_: under
        // a window manager the frame comes a moment after the window is up).
        const QRect screen = test::screenRect();
        QTRY_VERIFY(test::framed(w));
        QTRY_COMPARE(test::outerRect(w).bottomRight(), screen.bottomRight() - QPoint(0, test::px(80)));
        QCOMPARE(counter(w), QStringLiteral("0/0"));
        QVERIFY(!previousOn(w) && !nextOn(w));
        QVERIFY(ui::BoxRecorder::take().isEmpty());
    }

    // A window manager that frames the window seconds after it opened (stopped meanwhile)
    // still sees it in its corner once the frame is there.
    void opensAtTheCornerThoughTheFrameComesLate()
    {
        test::StoppedWindowManager late(5000);
        if (!late.stopped())
            QSKIP("needs a window manager of the desktop tests to stop");
        QWidget* w = ui::forms().showModeless(8);
        QVERIFY(w);
        const QRect screen = test::screenRect();
        QVERIFY(test::framedLate(w));
        QTRY_COMPARE_WITH_TIMEOUT(test::outerRect(w).bottomRight(), screen.bottomRight() - QPoint(0, test::px(80)), 5000);
    }

    void searchPagesByButtonsAndKeys()
    {
        QWidget* w = open();
        auto* keyword = control<QLineEdit>(w, "Text1");
        keyword->setText(QStringLiteral("刘徽"));
        QCOMPARE(counter(w), QStringLiteral("1/3"));
        QCOMPARE(control<QPlainTextEdit>(w, "Text2")->toPlainText(), QStringLiteral("刘徽注释了哪部算书？"));
        QCOMPARE(answer(w), QStringLiteral("九章算术"));
        QVERIFY(!previousOn(w) && nextOn(w));

        control<ui::DcButton>(w, "Button2_1")->press();
        control<ui::DcButton>(w, "Button2_1")->press();
        QCOMPARE(counter(w), QStringLiteral("3/3"));
        QCOMPARE(answer(w), QStringLiteral("圆周率"));
        QVERIFY(previousOn(w) && !nextOn(w));
        QVERIFY(keyword->hasFocus());
        control<QPlainTextEdit>(w, "Text3")->setFocus();
        QTest::mouseClick(control<QPlainTextEdit>(w, "Text2")->viewport(), Qt::LeftButton);
        QVERIFY(keyword->hasFocus());

        QTest::keyClick(keyword, Qt::Key_PageUp);
        QCOMPARE(counter(w), QStringLiteral("2/3"));
        QVERIFY(previousOn(w) && nextOn(w));
        QTest::keyClick(keyword, Qt::Key_Up);
        QCOMPARE(counter(w), QStringLiteral("1/3"));
        QTest::keyClick(keyword, Qt::Key_Up); // at the first hit: nothing
        QCOMPARE(counter(w), QStringLiteral("1/3"));
        QTest::keyClick(keyword, Qt::Key_Down);
        QTest::keyClick(keyword, Qt::Key_PageDown);
        QCOMPARE(counter(w), QStringLiteral("3/3"));
        QTest::keyClick(keyword, Qt::Key_Down); // at the last hit: nothing
        QCOMPARE(counter(w), QStringLiteral("3/3"));
    }

    void oneHitNoHitIgnoredTextAndEsc()
    {
        QWidget* w = open();
        auto* keyword = control<QLineEdit>(w, "Text1");
        keyword->setText(QStringLiteral("五谷"));
        QCOMPARE(counter(w), QStringLiteral("1/1"));
        QCOMPARE(answer(w), QStringLiteral("玉米"));
        QVERIFY(!previousOn(w) && !nextOn(w));
        QTest::keyClick(keyword, Qt::Key_Down);
        QCOMPARE(counter(w), QStringLiteral("1/1"));

        keyword->setText(QStringLiteral("（"));
        QCOMPARE(counter(w), QStringLiteral("0/0"));
        QVERIFY(answer(w).isEmpty());
        keyword->setText(QStringLiteral("("));
        QCOMPARE(counter(w), QStringLiteral("1/1"));

        QTest::keyClick(keyword, Qt::Key_Escape);
        QVERIFY(keyword->text().isEmpty());
        QCOMPARE(counter(w), QStringLiteral("0/0"));
        QVERIFY(answer(w).isEmpty());

        keyword->setText(QStringLiteral("刘徽"));
        control<ui::DcButton>(w, "Button1")->press(); // 清空
        QVERIFY(keyword->text().isEmpty());
        QCOMPARE(counter(w), QStringLiteral("0/0"));
    }

    void cornerButtonCyclesThroughThreeCorners()
    {
        QWidget* w = open();
        const QRect screen = test::screenRect();
        const int gap = test::px(80); // 1200 twips
        QTRY_COMPARE(test::outerRect(w).bottomRight(), screen.bottomRight() - QPoint(0, gap));
        const QSize size = test::outerRect(w).size();
        auto* corner = control<ui::DcButton>(w, "Button3");
        const QPoint expected[] = {
            {screen.left(), screen.bottom() + 1 - size.height() - gap},
            {screen.right() + 1 - size.width(), screen.top()},
            {screen.right() + 1 - size.width(), screen.bottom() + 1 - size.height() - gap},
        };
        for (const QPoint& p : expected) {
            corner->press();
            QTRY_COMPARE(test::outerRect(w).topLeft(), p);
            QCOMPARE(test::outerRect(w).size(), size);
        }
    }

    void keepOnTopBoxTogglesTheWindowOrder()
    {
        QWidget* w = open();
        auto* box = control<QCheckBox>(w, "Check1");
        box->click();
        QVERIFY(!platform::isKeptOnTop(w));
        QVERIFY(w->isVisible());
        box->click();
        QVERIFY(platform::isKeptOnTop(w));
    }

    // On a real X display the box reaches the window manager: the window's _NET_WM_STATE
    // holds "above" while the box is ticked. Run by the desktop tests on the xcb platform.
    void keepOnTopReachesTheWindowManager()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display with a window manager");
        QWidget* w = open();
        const auto above = [w] {
            QProcess xprop;
            xprop.start("xprop", {"-id", QString::number(w->window()->winId()), "_NET_WM_STATE"});
            xprop.waitForFinished(5000);
            return QString::fromLatin1(xprop.readAllStandardOutput()).contains("_NET_WM_STATE_ABOVE");
        };
        QTRY_VERIFY(above());
        auto* box = control<QCheckBox>(w, "Check1");
        box->click();
        QTRY_VERIFY(!above());
        QVERIFY(w->isVisible());
        box->click();
        QTRY_VERIFY(above());
    }

    void readsTheFileAfreshAtEachOpening()
    {
        QWidget* w = open();
        control<QLineEdit>(w, "Text1")->setText(QStringLiteral("新题"));
        QCOMPARE(counter(w), QStringLiteral("0/0"));
        w->close();
        writeBank(" 1,其它题目,这是一道新题？,对,错,不对,不是\r\n");
        w = open();
        control<QLineEdit>(w, "Text1")->setText(QStringLiteral("新题"));
        QCOMPARE(counter(w), QStringLiteral("1/1"));
    }

    void missingOrMalformedFileWarnsAndTheWindowStillWorks()
    {
        // No file, a pipe (a read would wait for a writer) and a link to an endless device
        // get the 科举 tab's warning.
        const QString bank = m_dir.filePath("test.dat");
        QWidget* w = nullptr;
        for (const char* kind : {"missing", "pipe", "zero"}) {
            QFile::remove(bank);
            if (kind == std::string_view("pipe"))
                QCOMPARE(::mkfifo(QFile::encodeName(bank).constData(), 0600), 0);
            else if (kind == std::string_view("zero"))
                QVERIFY(QFile::link("/dev/zero", bank));
            w = open();
            const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
            QVERIFY2(boxes.size() == 1, kind);
            QCOMPARE(boxes[0].text, QStringLiteral("对不起，找不到科举题库文件！"));
            QCOMPARE(boxes[0].title, QStringLiteral("警告！"));
            control<QLineEdit>(w, "Text1")->setText(QStringLiteral("刘徽"));
            QCOMPARE(counter(w), QStringLiteral("0/0"));
            w->close();
        }
        QFile::remove(bank);

        writeBank(" 1,历史知识,刘徽是哪个朝代的人？,魏晋,秦,隋,元\r\n半行,没有\r\n");
        w = open();
        const QList<ui::RecordedBox> boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("科举题库文件第2行格式有误，已跳过！"));
        control<QLineEdit>(w, "Text1")->setText(QStringLiteral("刘徽"));
        QCOMPARE(counter(w), QStringLiteral("1/1"));
    }

    void closingBringsTheMainWindowBack()
    {
        QWidget* main = ui::forms().form(ui::kMainForm);
        main->hide();
        QWidget* w = open();
        w->close();
        QVERIFY(main->isVisible());
        QVERIFY(!ui::forms().isLoaded(8));
    }
};

QTEST_MAIN(MiniLookupWindowTest)
#include "mini_lookup_window_test.moc"
