// The window registry: one instance per class, close handlers, shut-down order.

#include "common/ui/forms.h"

#include <QtTest>

namespace {

QStringList journal;

class Probe : public ui::FormWindow {
public:
    explicit Probe(int n, bool returnsToMain = false) : FormWindow(n), m_returns(returnsToMain)
    {
        journal << QStringLiteral("load %1").arg(n);
    }
    void queryUnload() override
    {
        journal << QStringLiteral("close %1").arg(formNumber());
        if (m_returns)
            ui::forms().setMainVisible();
    }

private:
    bool m_returns;
};

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        journal.clear();
        ui::Forms& f = ui::forms();
        f.registerForm(1, [] { return new Probe(1); });
        for (int n : {3, 7, 19, 25, 34})
            f.registerForm(n, [n] { return new Probe(n, true); });
    }
    void cleanup() { ui::forms().reset(); }

    void createdOnFirstUseOnly()
    {
        ui::Forms& f = ui::forms();
        QVERIFY(!f.isLoaded(25));
        QVERIFY(f.loaded(25) == nullptr);
        ui::FormWindow* w = f.form(25);
        QCOMPARE(w->objectName(), QString("Form25"));
        QCOMPARE(f.form(25), w);
        QCOMPARE(journal, QStringList{"load 25"});
        QVERIFY(f.form(12) == nullptr); // no class registered: nothing happens
        f.showModal(12);
        QVERIFY(f.showModeless(12) == nullptr);
    }

    void closingRunsTheHandlerAndUnloads()
    {
        ui::Forms& f = ui::forms();
        ui::FormWindow* main = f.form(1);
        main->hide();
        f.showModeless(19)->close();
        QCOMPARE(journal, (QStringList{"load 1", "load 19", "close 19"}));
        QVERIFY(!f.isLoaded(19));
        QVERIFY(main->isVisible()); // the handler gave the main window back
        f.unload(7);                // never loaded: nothing runs
        QCOMPARE(journal.size(), 3);
        f.form(19);
        QCOMPARE(journal.last(), QString("load 19")); // loaded afresh
    }

    void stateSurvivesUnload()
    {
        ui::Forms& f = ui::forms();
        f.form(3);
        f.state<QString>(3) = "saved";
        f.unload(3);
        QCOMPARE(f.state<QString>(3), QString("saved"));
    }

    void modalReturnsWhenTheWindowCloses()
    {
        ui::Forms& f = ui::forms();
        QTimer::singleShot(50, [] {
            QVERIFY(ui::forms().loaded(25)->isModal());
            ui::forms().loaded(25)->close();
        });
        f.showModal(25);
        // Its close handler gave the main window back, creating it as it did not exist yet.
        QCOMPARE(journal, (QStringList{"load 25", "close 25", "load 1"}));
    }

    void shutDownUnloadsLastToFirstAndShowsNothing()
    {
        ui::Forms& f = ui::forms();
        bool ended = false;
        f.setAfterShutDown([&] { ended = true; });
        ui::FormWindow* main = f.form(1);
        main->show();
        f.showModeless(7);
        f.showModeless(34)->hide();
        f.showModeless(3);
        main->hide();
        QObject::connect(main, &QObject::destroyed, [] { journal << "main gone"; });
        int shownDuringShutDown = 0;
        struct ShowSpy : QObject {
            int* count;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Show)
                    ++*count;
                return false;
            }
        } spy;
        spy.count = &shownDuringShutDown;
        main->installEventFilter(&spy);
        journal.clear();
        main->close(); // the player closes the main window
        QCOMPARE(journal, (QStringList{"close 34", "close 7", "close 3", "close 1"}));
        QCOMPARE(shownDuringShutDown, 0);
        QVERIFY(ended);
        for (int n : {1, 3, 7, 19, 25, 34})
            QVERIFY(!f.isLoaded(n));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(journal.last(), QString("main gone"));
        f.setAfterShutDown({});
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
