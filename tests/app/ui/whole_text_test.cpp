// Every window, filled with the longest values its lists and calculators produce, shows
// each value and caption whole: no one-line box or value label cuts or scrolls its text,
// every check box, option button, push button and frame shows its whole caption, and no
// control stands over any of them.
//
// Each window is opened in the program's own look (style and font), then driven: every
// entry of every list is picked, every number box is filled with the largest values it
// takes, and every button is pressed with the left and the right mouse button, the lists
// being walked again with those inputs. After each step every box the player sees is
// measured.
#include "../../support/controls.h"
#include "../../support/main_window.h"
#include "../../support/recording_keyboard.h"
#include "../../support/whole_text.h"
#include "app/ui/program.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Boxes a player writes free text into, longer than any box: they scroll as they should.
const QStringList kFreeTextBoxes = {
    QStringLiteral("Form16/Text2"), // the chat line the hot-key sender types
};

// Labels a picture covers on purpose: the skill window's 装备特技 names, which stand
// under their tiles in the picture view and show in the text view.
bool coveredOnPurpose(const QString& fault)
{
    return fault.startsWith(QLatin1String("Form15/Label1_")) && fault.contains(QLatin1String("lies under Image1_"));
}

// The largest text of `length` characters a number box takes: all nines.
QString nines(int length) { return QString(std::min(length, 15), QLatin1Char('9')); }

class Sweep {
public:
    explicit Sweep(QWidget* root) : m_root(root) {}

    QStringList run()
    {
        look();
        walkLists();
        // The largest numbers the boxes hold, then values at the caps the calculators know.
        for (const QString& value : {QString(), QStringLiteral("175"), QStringLiteral("155"), QStringLiteral("99")}) {
            if (!m_root)
                break;
            fill(value);
            pressButtons();
            m_walked.clear();
            walkLists();
        }
        return QStringList(m_faults.begin(), m_faults.end());
    }

private:
    void look()
    {
        if (!m_root)
            return;
        for (const QString& f : test::unreadableTexts(m_root))
            if (!kFreeTextBoxes.contains(f.section(QLatin1Char(':'), 0, 0)) && !coveredOnPurpose(f))
                m_faults.insert(f);
    }

    // Picks every entry of every list the player sees now, as the player does.
    void walkLists()
    {
        if (!m_root)
            return;
        for (const QPointer<QComboBox> c : m_root->findChildren<QComboBox*>()) {
            if (!c || m_walked.contains(c) || !c->isVisibleTo(m_root) || !c->isEnabled())
                continue;
            m_walked.insert(c);
            const int start = c->currentIndex();
            for (int i = 0; c && m_root && i < c->count(); ++i) {
                c->setCurrentIndex(i);
                emit c->activated(i);
                look();
            }
            if (c && m_root && start >= 0) {
                c->setCurrentIndex(start);
                emit c->activated(start);
            }
        }
        if (!m_root)
            return;
        for (const QPointer<QListWidget> l : m_root->findChildren<QListWidget*>()) {
            if (!l || m_walked.contains(l) || !l->isVisibleTo(m_root) || !l->isEnabled())
                continue;
            m_walked.insert(l);
            for (int i = 0; l && m_root && i < l->count(); ++i) {
                l->setCurrentRow(i);
                emit l->itemClicked(l->item(i));
                look();
            }
        }
    }

    // Every box the player may type into gets `value` (or, when empty, the largest number
    // it holds); boxes whose limit is shorter than `value` keep the largest they hold.
    void fill(const QString& value)
    {
        for (QLineEdit* e : m_root->findChildren<QLineEdit*>()) {
            if (e->isReadOnly() || !e->isEnabled() || e->parentWidget()->inherits("QComboBox"))
                continue;
            if (auto* n = qobject_cast<ui::NumericField*>(e)) {
                if (!n->allowed().empty() && n->allowed().find(U'9') == std::u32string_view::npos)
                    continue;
                // A box without a limit takes whatever the player types, and scrolls as any
                // box does: it gets the cap values only.
                const int limit = n->typingLimit();
                if (limit >= 32767 && value.isEmpty())
                    continue;
                n->setText(value.isEmpty() || value.size() > limit ? nines(limit) : value);
                emit n->textEdited(n->text());
            } else if (e->maxLength() < 32767 && value.isEmpty()) {
                e->setText(nines(e->maxLength()));
                emit e->textEdited(e->text());
            }
        }
        look();
    }

    void pressButtons()
    {
        for (const QPointer<QAbstractButton> b : m_root->findChildren<QAbstractButton*>()) {
            for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
                if (!b || !m_root || !b->isVisible() || !b->isEnabled())
                    break;
                // A window the button opens modally is closed again at once.
                QTimer::singleShot(0, [] {
                    if (QWidget* modal = QApplication::activeModalWidget())
                        modal->hide();
                });
                QTest::mouseClick(b, mouse);
                if (!m_root)
                    return;
                if (!m_root->isVisible())
                    m_root->show(); // launchers hide the main window
                look();
                walkLists();
            }
        }
    }

    QPointer<QWidget> m_root;
    QSet<QString> m_faults;
    QSet<const QObject*> m_walked;
};

} // namespace

class WholeTextTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    test::RecordingKeyboard m_keyboard;

private slots:
    void initTestCase()
    {
        app::ui::setUpApplication(*qApp);
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile bank(QStringLiteral("test.dat"));
        QVERIFY(bank.open(QIODevice::WriteOnly));
    }
    void init() { ui::BoxRecorder::start(); }
    void cleanup()
    {
        ui::forms().reset();
        ui::BoxRecorder::take();
    }

    void everyWindowShowsItsValuesWhole_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 8; ++tab)
            QTest::addRow("Form1 tab %d", tab) << ui::kMainForm << tab;
        app::ui::registerForms();
        for (int n = ui::kMainForm + 1; n <= ui::kLastForm; ++n)
            if (ui::forms().hasForm(n))
                QTest::addRow("Form%d", n) << n << -1;
    }
    void everyWindowShowsItsValuesWhole()
    {
        QFETCH(int, form);
        QFETCH(int, tab);
        QWidget* main = test::openMainWindow(tab < 0 ? 0 : tab);
        QWidget* w = form == ui::kMainForm ? main : ui::forms().showModeless(form);
        QVERIFY(w);
        const QStringList faults = Sweep(w).run();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WholeTextTest)
#include "whole_text_test.moc"
