// Message and input boxes over windows that go away while the box is up, and the real
// boxes (not the recorder) read the way the recorded ones do.
#include "../../support/controls.h"
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"

#include <functional>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Runs `action` on the modal box once it is up (from the box's own event loop); no more
// once `owner` is gone.
void onceBoxIsUp(std::function<void(QWidget* box)> action, QObject* owner = nullptr)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(box);
        }
    });
    timer->start();
}

QString boxText(QWidget* box)
{
    if (auto* m = qobject_cast<QMessageBox*>(box))
        return m->text();
    if (auto* d = qobject_cast<QInputDialog*>(box))
        return d->labelText();
    return {};
}

enum class Helper { Warning, Message, Question, Confirm, Input };

// A window whose handler goes on using its own members after its box returns.
class BoxOwner : public ui::FormWindow {
public:
    BoxOwner() : FormWindow(34) { m_field = new QLineEdit(this); }
    // Raises the box of one helper and keeps what a question was answered.
    void handler(Helper helper)
    {
        const QString text = QStringLiteral("有误");
        switch (helper) {
        case Helper::Warning:
            ui::warningBox(this, text);
            break;
        case Helper::Message:
            ui::messageBox(this, text, QStringLiteral("提示"), ui::BoxIcon::Information);
            break;
        case Helper::Question:
            answeredYes = ui::questionBox(this, text, QStringLiteral("问"));
            break;
        case Helper::Confirm:
            answeredYes = ui::confirmBox(this, text, QStringLiteral("问"));
            break;
        case Helper::Input:
            answeredYes = ui::inputBox(this, text, QStringLiteral("问"), QStringLiteral("1")).has_value();
            break;
        }
        m_field->setText(QStringLiteral("0")); // the window must still be there
        ++handlersDone;
    }
    static inline int handlersDone = 0;
    static inline bool answeredYes = false;

private:
    QLineEdit* m_field;
};

} // namespace

Q_DECLARE_METATYPE(Helper)

class MessagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_startDir;

private slots:
    void initTestCase()
    {
        // test.dat and setting.ini of the windows that read them are the test's own.
        QVERIFY(m_dir.isValid());
        m_startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }
    void init()
    {
        ui::BoxRecorder::stop(); // real boxes
        app::ui::registerForms();
        ui::forms().registerForm(34, [] { return new BoxOwner; });
    }
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::forms().reset();
    }

    // Every box helper: the handler that raised the box finishes on a live window, a
    // question dismissed with its window answers no; the window goes after.
    void windowClosedByCodeWhileItsBoxIsUp_data()
    {
        QTest::addColumn<Helper>("helper");
        QTest::newRow("warningBox") << Helper::Warning;
        QTest::newRow("messageBox") << Helper::Message;
        QTest::newRow("questionBox") << Helper::Question;
        QTest::newRow("confirmBox") << Helper::Confirm;
        QTest::newRow("inputBox") << Helper::Input;
    }
    void windowClosedByCodeWhileItsBoxIsUp()
    {
        QFETCH(Helper, helper);
        auto* w = static_cast<BoxOwner*>(ui::forms().showModeless(34));
        QPointer<QWidget> guard(w);
        QString seen;
        onceBoxIsUp([&seen](QWidget* box) {
            seen = boxText(box);
            ui::forms().unload(34);
        });
        BoxOwner::handlersDone = 0;
        BoxOwner::answeredYes = true;
        w->handler(helper);
        QCOMPARE(seen, QStringLiteral("有误"));
        QCOMPARE(BoxOwner::handlersDone, 1);
        QVERIFY(!BoxOwner::answeredYes || helper == Helper::Warning || helper == Helper::Message);
        QVERIFY(!ui::forms().isLoaded(34));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    // The windows of the program, each closed by code while its own warning is up.
    void realWindowsClosedWhileTheirBoxIsUp_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("field");  // emptied first
        QTest::addColumn<QString>("button"); // clicked, or "" to double-click the field
        QTest::addColumn<QString>("text");   // set into the field instead of emptying it
        QTest::newRow("Form13") << 13 << "Text1_0" << "dcButton1_0" << "";
        QTest::newRow("Form29") << 29 << "Text1_0" << "dcButton1_0" << "";
        QTest::newRow("Form2") << 2 << "Text1_0" << "Button1_0" << "";
        QTest::newRow("Form25") << 25 << "Text1" << "dcButton1_0" << "";
        QTest::newRow("Form7") << 7 << "Text1_0" << "dcButton1_0" << "";
        QTest::newRow("Form19") << 19 << "Text2" << "" << "11";
        QTest::newRow("Form26") << 26 << "Text1_0" << "" << "";
    }
    void realWindowsClosedWhileTheirBoxIsUp()
    {
        QFETCH(int, form);
        QFETCH(QString, field);
        QFETCH(QString, button);
        QFETCH(QString, text);
        ui::FormWindow* w = ui::forms().showModeless(form);
        QPointer<QWidget> guard(w);
        auto* edit = test::control<QLineEdit>(w, field);
        bool boxSeen = false;
        onceBoxIsUp([&boxSeen, form](QWidget*) {
            boxSeen = true;
            ui::forms().unload(form);
        });
        if (!text.isEmpty()) {
            edit->setText(text); // its change handler warns
        } else if (!button.isEmpty()) {
            edit->clear();
            test::control<ui::DcButton>(w, button)->QAbstractButton::click();
        } else {
            QTest::mouseDClick(edit, Qt::LeftButton); // asks in an input box
        }
        QVERIFY(boxSeen);
        QVERIFY(!ui::forms().isLoaded(form));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    // The hot-key composer closed by code, or by the program's shut-down, while its
    // 确认清空？ is up: no crash, the box goes, the window goes once the box has returned.
    void hotkeyComposerClosedUnderItsConfirm_data()
    {
        QTest::addColumn<bool>("shutDown");
        QTest::newRow("unload") << false;
        QTest::newRow("shut-down") << true;
    }
    void hotkeyComposerClosedUnderItsConfirm()
    {
        QFETCH(bool, shutDown);
        ui::FormWindow* w = ui::forms().showModeless(16);
        QPointer<QWidget> guard(w);
        test::control<QPlainTextEdit>(w, "Text1")->setPlainText(QStringLiteral("收购四级家具"));
        QString seen;
        QStringList buttons;
        onceBoxIsUp([&seen, &buttons, shutDown](QWidget* box) {
            seen = boxText(box);
            for (QAbstractButton* b : qobject_cast<QMessageBox*>(box)->buttons())
                buttons << b->text();
            if (shutDown)
                ui::forms().shutDown();
            else
                ui::forms().unload(16);
        });
        test::control<ui::DcButton>(w, "dcButton3_0")->QAbstractButton::click();
        QCOMPARE(seen, QStringLiteral("确认清空？"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("取消"), QStringLiteral("确定")}));
        QVERIFY(!ui::forms().isLoaded(16));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    // A window closed by code (its own close, an unload, the program's shut-down) while
    // the warning its opening raised is up: the box goes, the window never shows, and the
    // next opening loads it afresh.
    void windowClosedUnderItsOpeningWarning_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("closer");
        const QByteArray bank = " 1,历史知识,刘徽是哪个朝代的人？,魏晋,秦,隋,元\r\n半行,没有\r\n";
        const QByteArray ini = "0\r\n25:00:00\r\n2026/12/10\r\n5\r\n"; // no hour 25
        const QString bankWarning = QStringLiteral("科举题库文件第2行格式有误，已跳过！");
        const QString iniWarning = QStringLiteral("对时记录setting.ini无法读取,请重新手动对时！");
        for (const char* closer : {"close", "unload", "shut-down"}) {
            QTest::addRow("Form8 %s", closer) << 8 << "test.dat" << bank << bankWarning << closer;
            QTest::addRow("Form20 %s", closer) << 20 << "setting.ini" << ini << iniWarning << closer;
            QTest::addRow("Form12 %s", closer) << 12 << "setting.ini" << ini << iniWarning << closer;
        }
    }
    void windowClosedUnderItsOpeningWarning()
    {
        QFETCH(int, form);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QFETCH(QString, closer);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(content), content.size());
        }
        QObject owner;
        QString seen;
        QPointer<QWidget> window;
        bool outlived = false;
        onceBoxIsUp(
            [&](QWidget* box) {
                seen = boxText(box);
                window = box->parentWidget() ? box->parentWidget()->window() : nullptr;
                if (closer == QLatin1String("close"))
                    window->close();
                else if (closer == QLatin1String("unload"))
                    ui::forms().unload(form);
                else
                    ui::forms().shutDown();
                // A box that stayed up is answered as the player would, with OK.
                QTimer::singleShot(300, &owner, [&outlived] {
                    if (auto* up = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                        outlived = true;
                        up->accept();
                    }
                });
            },
            &owner);
        ui::FormWindow* shown = ui::forms().showModeless(form);
        QCOMPARE(seen, warning);
        QVERIFY(window);
        QVERIFY(!outlived);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(shown == nullptr);
        QVERIFY(!ui::forms().isLoaded(form));
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        // Opened again, it loads afresh: the warning again, answered, and the window shows.
        ui::forms().reset();
        onceBoxIsUp([](QWidget* box) { static_cast<QDialog*>(box)->accept(); }, &owner);
        shown = ui::forms().showModeless(form);
        QVERIFY(shown != nullptr);
        QVERIFY(shown->isVisible());
        QVERIFY(ui::forms().isLoaded(form));
    }

    // The program's shut-down (the tray's 关闭) with a tool window's box and a main-window
    // box up: every window goes, each after its box has returned.
    void shutDownWithBoxesUp()
    {
        ui::FormWindow* main = ui::forms().showModeless(ui::kMainForm);
        ui::FormWindow* tool = ui::forms().showModeless(13);
        QPointer<QWidget> mainGuard(main), toolGuard(tool);
        int boxes = 0;
        onceBoxIsUp([&boxes, tool](QWidget*) {
            ++boxes;
            onceBoxIsUp([&boxes](QWidget*) {
                ++boxes;
                ui::forms().shutDown();
            });
            ui::warningBox(tool, QStringLiteral("第二个"));
        });
        ui::warningBox(main, QStringLiteral("第一个"));
        QCOMPARE(boxes, 2);
        QVERIFY(!ui::forms().isLoaded(ui::kMainForm));
        QVERIFY(!ui::forms().isLoaded(13));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(mainGuard.isNull());
        QVERIFY(toolGuard.isNull());
    }

    // Form26 reads every answer of its real input box alike: outside 0..25 warns.
    void cultivationLevelAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("level");
        QTest::newRow("99999") << "99999" << "输入有误，请重新输入！" << "0";
        QTest::newRow("99999999999") << "99999999999" << "输入有误，请重新输入！" << "0";
        QTest::newRow("26") << "26" << "输入有误，请重新输入！" << "0";
        QTest::newRow("-1") << "-1" << "输入有误，请重新输入！" << "0";
        QTest::newRow("abc") << "abc" << "输入有误，请重新输入！" << "0";
        QTest::newRow("25") << "25" << "" << "25";
        QTest::newRow("empty") << "" << "" << "0";
    }
    void cultivationLevelAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QString, warning);
        QFETCH(QString, level);
        ui::FormWindow* w = ui::forms().showModeless(26);
        auto* levelBox = test::control<QLineEdit>(w, "Text1_0");
        QString warned;
        onceBoxIsUp([&](QWidget* box) {
            auto* dlg = qobject_cast<QInputDialog*>(box);
            QVERIFY(dlg);
            dlg->setTextValue(answer);
            if (!warning.isEmpty())
                onceBoxIsUp([&warned](QWidget* next) {
                    warned = boxText(next);
                    static_cast<QDialog*>(next)->accept();
                });
            dlg->accept();
        });
        QTest::mouseDClick(levelBox, Qt::LeftButton);
        QCOMPARE(warned, warning);
        QCOMPARE(levelBox->text(), level);
    }
};

QTEST_MAIN(MessagesTest)
#include "messages_test.moc"
