// The 科举 panel: browsing by category, the keyword search with Esc and its ignore list,
// the toolbar, and the add and edit panels writing test.dat, checked in the file on disk.
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "exam/bank_state.h"
#include "exam/ui/bank_panel.h"
#include "support/controls.h"
#include "support/full_disk.h"
#include "support/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <iconv.h>

using test::control;

namespace {

// The system converter as the test's own reference.
QByteArray gbk(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    std::string src(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    std::string out(src.size() * 4 + 16, '\0');
    char* in = src.data();
    char* o = out.data();
    std::size_t inLeft = src.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

const QString kBank = QStringLiteral(" 1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n"
                                     " 2,其它题目,中国最长的河流是哪一条？,长江,黄河,珠江,黑龙江\r\n"
                                     " 3,诗词对联,“床前明月光”的下一句？,疑是地上霜,举头望明月,低头思故乡,春眠不觉晓\r\n"
                                     " 4,历史知识,唐朝的开国皇帝是谁？,李渊,李世民,杨坚,赵匡胤\r\n"
                                     " 5,自编题目,河流 abc 的名字？,甲,乙,丙,丁\r\n");

QByteArray fileBytes()
{
    QFile f("test.dat");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

class BankPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_startDir;
    app::ui::MainWindow* m_main = nullptr;

    QListView* list() { return control<QListView>(m_main, "List2"); }
    QStringList listed()
    {
        QStringList out;
        for (int r = 0; r < list()->model()->rowCount(); ++r)
            out << list()->model()->index(r, 0).data().toString();
        return out;
    }
    QLineEdit* keyword() { return control<QLineEdit>(m_main, "Text17"); }
    QLineEdit* box(const char* base, int i) { return control<QLineEdit>(m_main, ui::controlName(base, i)); }
    void press(const QString& name) { control<ui::DcButton>(m_main, name)->press(); }
    void choose(int k) { control<QRadioButton>(m_main, ui::controlName("Option3", k))->click(); }
    void clickItem(int item)
    {
        const QModelIndex i = list()->model()->index(item, 0);
        list()->setCurrentIndex(i);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(i).center());
    }
    // Puts a bank on disk and in memory, as a fresh load would.
    void useBank(const QByteArray& bytes)
    {
        QFile f("test.dat");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        exam::BankLoadResult r = exam::loadQuestionBankFile("test.dat");
        QVERIFY(r.readable);
        exam::bankState().bank = std::move(r.bank);
        exam::bankState().skippedLines = r.badLines.size();
        exam::ui::stampBankFile();
        press("Button17_0");
    }
    void fill(const char* base, const QStringList& texts)
    {
        for (int i = 0; i < 5; ++i)
            box(base, i)->setText(texts[i]);
    }
    void renderTo(QWidget* w, const QString& name)
    {
        if (qEnvironmentVariableIsSet("BANK_PANEL_PNG_DIR"))
            w->grab().save(qEnvironmentVariable("BANK_PANEL_PNG_DIR") + "/" + name);
    }

private slots:
    void initTestCase()
    {
        m_startDir = test::openBankTab(m_dir.path(), gbk(kBank), m_main);
        QVERIFY(exam::bankState().bankLoaded);
    }
    void cleanupTestCase()
    {
        ui::forms().reset();
        QDir::setCurrent(m_startDir);
    }
    void init()
    {
        useBank(gbk(kBank));
        ui::BoxRecorder::take();
    }

    void listsNothingUntilACategoryIsChosen()
    {
        QVERIFY(listed().isEmpty());
        choose(0);
        QCOMPARE(listed().size(), 5);
        QCOMPARE(listed()[4], QStringLiteral("<5>[自编题目] 河流 abc 的名字？"));
        choose(4); // 历史知识
        QCOMPARE(listed(), (QStringList{QStringLiteral("<1>[历史知识] 秦始皇的名字叫什么？"),
                                        QStringLiteral("<4>[历史知识] 唐朝的开国皇帝是谁？")}));
        QCOMPARE(exam::bankState().categoryFilterIndex, 4);
        choose(10); // 其它题目: the record of a foreign category is not in it
        QCOMPARE(listed(), QStringList{QStringLiteral("<2>[其它题目] 中国最长的河流是哪一条？")});
        renderTo(m_main, "bank_panel.png");
    }

    void clickShowsQuestionAndAnswer()
    {
        choose(4);
        clickItem(1);
        QCOMPARE(control<QPlainTextEdit>(m_main, "Text19_0")->toPlainText(),
                 QStringLiteral("<4>[历史知识] 唐朝的开国皇帝是谁？"));
        QCOMPARE(control<QPlainTextEdit>(m_main, "Text19_1")->toPlainText(), QStringLiteral("李渊"));
        QVERIFY(exam::bankState().bankItemChosen);
        choose(0);
        QVERIFY(!exam::bankState().bankItemChosen);
        QVERIFY(control<QPlainTextEdit>(m_main, "Text19_0")->toPlainText().isEmpty());
    }

    void keywordSearchesQuestionsOnly()
    {
        choose(4);
        const struct {
            QString key;
            QStringList numbers; // the list lines' beginnings
        } cases[] = {
            {QStringLiteral("河流"), {"<2>", "<5>"}},
            {QStringLiteral("皇"), {"<1>", "<4>"}},
            {QStringLiteral("嬴政"), {}}, // an answer is not searched
            {QStringLiteral("ABC"), {}},  // case-sensitive
            {QStringLiteral("abc"), {"<5>"}},
            {QStringLiteral(" a"), {"<5>"}},
            {QStringLiteral("？"), {}},  // ignored
            {QStringLiteral("("), {}},
            {QStringLiteral(" "), {}},
            {QStringLiteral("”的"), {"<3>"}},
        };
        for (const auto& c : cases) {
            keyword()->setText(c.key);
            QStringList got;
            for (const QString& l : listed())
                got << l.left(3);
            QCOMPARE(got, c.numbers);
            QCOMPARE(exam::bankState().categoryFilterIndex, 11);
        }
        QVERIFY(control<QRadioButton>(m_main, "Option3_11")->isChecked());
    }

    // This box ignores "？", "，", "：", ASCII "(" and ")" and one blank; every other form,
    // full-width or ASCII, is searched exactly, in a bank kept in either encoding.
    void ignoreListTakesEachFormOnItsOwn()
    {
        const QString bank = QStringLiteral(" 1,其它题目,\"半角,逗号\",对,错,错,错\r\n"
                                            " 2,其它题目,全角，逗号,对,错,错,错\r\n"
                                            " 3,其它题目,半角:冒号,对,错,错,错\r\n"
                                            " 4,其它题目,全角：冒号,对,错,错,错\r\n"
                                            " 5,其它题目,半角(括号),对,错,错,错\r\n"
                                            " 6,其它题目,全角（括号）,对,错,错,错\r\n"
                                            " 7,其它题目,半角?问号,对,错,错,错\r\n"
                                            " 8,其它题目,全角？问号,对,错,错,错\r\n"
                                            " 9,其它题目,笑😀脸 𠀀字,对,错,错,错\r\n"
                                            "10,其它题目,ＡＢＣ全角字母,对,错,错,错\r\n"
                                            "11,其它题目,ABC半角字母,对,错,错,错\r\n");
        const struct {
            QString key;
            QStringList numbers;
        } cases[] = {
            {QStringLiteral(","), {"1"}},      {QStringLiteral("，"), {}},
            {QStringLiteral(":"), {"3"}},      {QStringLiteral("："), {}},
            {QStringLiteral("("), {}},         {QStringLiteral("（"), {"6"}},
            {QStringLiteral(")"), {}},         {QStringLiteral("）"), {"6"}},
            {QStringLiteral("?"), {"7"}},      {QStringLiteral("？"), {}},
            {QStringLiteral(" "), {}},         {QStringLiteral("  "), {}},
            {QStringLiteral("　"), {}},        {QStringLiteral("脸 "), {"9"}},
            {QStringLiteral("😀"), {"9"}},     {QStringLiteral("😀脸 𠀀"), {"9"}},
            {QStringLiteral("𠀀"), {"9"}},     {QStringLiteral("😁"), {}},
            {QStringLiteral("ＡＢＣ"), {"10"}}, {QStringLiteral("ABC"), {"11"}},
            {QStringLiteral("ａｂｃ"), {}},     {QStringLiteral("abc"), {}},
        };
        for (const QByteArray& bytes : {gbk(bank), bank.toUtf8()}) {
            useBank(bytes);
            for (const auto& c : cases) {
                keyword()->setText(QStringLiteral("角")); // a keyword with hits before
                QVERIFY(!listed().isEmpty());
                keyword()->setText(c.key);
                QStringList got;
                for (const QString& l : listed())
                    got << l.mid(1, l.indexOf('>') - 1);
                QCOMPARE(got, c.numbers);
            }
        }
    }

    void escClearsTheKeywordAndTheList()
    {
        keyword()->setFocus();
        keyword()->setText(QStringLiteral("河流"));
        QCOMPARE(listed().size(), 2);
        QTest::keyClick(keyword(), Qt::Key_Escape);
        QVERIFY(keyword()->text().isEmpty());
        QVERIFY(listed().isEmpty());
        QVERIFY(keyword()->hasFocus());
    }

    void modifyNeedsAChosenItem()
    {
        press("Button17_2");
        QVERIFY(!m_main->panel(10)->isVisible());
        choose(0);
        press("Button17_2");
        QVERIFY(!m_main->panel(10)->isVisible());
    }

    void addAppendsToTheFileAndStaysOpen()
    {
        press("Button17_1");
        QVERIFY(m_main->panel(9)->isVisible());
        QVERIFY(!m_main->panel(5)->isVisible());
        QCOMPARE(box("Text23", -1)->text(), QStringLiteral("6"));
        QCOMPARE(control<QComboBox>(m_main, "Combo5")->currentText(), QStringLiteral("其它题目"));
        renderTo(m_main, "add_panel.png");
        // An empty (blank-only) field writes nothing.
        fill("Text18", {"问", "答", "错", "错", " "});
        press("Button22_0");
        QCOMPARE(control<QLabel>(m_main, "Label19")->text(), QStringLiteral("待输入框不能为空！"));
        QCOMPARE(fileBytes(), gbk(kBank));
        control<QComboBox>(m_main, "Combo5")->setCurrentText(QStringLiteral("茶酒中药"));
        fill("Text18", {"龙井茶产于哪里？", "杭州", "苏州", "黄山", "福建"});
        press("Button22_0");
        QCOMPARE(control<QLabel>(m_main, "Label19")->text(), QStringLiteral("添加完毕!"));
        QCOMPARE(box("Text23", -1)->text(), QStringLiteral("7"));
        QCOMPARE(control<QComboBox>(m_main, "Combo5")->currentText(), QStringLiteral("其它题目"));
        QVERIFY(box("Text18", 0)->text().isEmpty());
        QCOMPARE(fileBytes(), gbk(kBank + QStringLiteral(" 6,茶酒中药,龙井茶产于哪里？,杭州,苏州,黄山,福建\r\n")));
        QCOMPARE(exam::bankState().bank.count(), 6u);
        press("Button22_2");
        QVERIFY(m_main->panel(5)->isVisible());
        QVERIFY(!m_main->panel(9)->isVisible());
    }

    void addRefusesWhatWouldBreakTheFile()
    {
        press("Button17_1");
        const QStringList bad[] = {{"a,b", "答", "错", "错", "错"},
                                   {"问", "\"答\"", "错", "错", "错"},
                                   {"问", "答", "笑😀", "错", "错"}};
        for (const QStringList& fields : bad) {
            fill("Text18", fields);
            press("Button22_0");
            const auto boxes = ui::BoxRecorder::take();
            QCOMPARE(boxes.size(), 1);
            QVERIFY(control<QLabel>(m_main, "Label19")->text() != QStringLiteral("添加完毕!"));
            QCOMPARE(fileBytes(), gbk(kBank));
        }
        press("Button22_2");
    }

    void typingRulesConvertTheFileBreakers()
    {
        press("Button17_1");
        QLineEdit* b = box("Text18", 0);
        b->setFocus();
        exam::bankState().quoteToggle = false;
        QTest::keyClicks(b, "a,b?<x>(y):z;");
        QCOMPARE(b->text(), QStringLiteral("a，b？《x》（y）：z；"));
        b->clear();
        QTest::keyClicks(b, "\"\"\"");
        QCOMPARE(b->text(), QStringLiteral("“”“"));
        QTest::keyClick(b, Qt::Key_Return);
        QVERIFY(box("Text18", 1)->hasFocus());
        QVERIFY(box("Text18", 0)->text().endsWith(QStringLiteral("“")));
        QTest::keyClicks(box("Text18", 1), "\"");
        QCOMPARE(box("Text18", 1)->text(), QStringLiteral("”"));
        QCOMPARE(control<QPlainTextEdit>(m_main, "Text29")->toPlainText(), QStringLiteral("”"));
        press("Button22_2");
    }

    void editChangesTheChosenRecordAfterTwoPresses()
    {
        choose(0);
        clickItem(4); // the record of a foreign category
        press("Button17_2");
        QVERIFY(m_main->panel(10)->isVisible());
        QCOMPARE(box("Text25", -1)->text(), QStringLiteral("5"));
        QCOMPARE(control<QComboBox>(m_main, "Combo6")->currentText(), QStringLiteral("自编题目"));
        QCOMPARE(box("Text26", 0)->text(), QStringLiteral("河流 abc 的名字？"));
        renderTo(m_main, "edit_panel.png");
        box("Text26", 1)->setText(QStringLiteral("甲乙"));
        press("Button23_0");
        QCOMPARE(control<QLabel>(m_main->panel(10), "Label20")->text(), QStringLiteral("请再按一次“修改”键确认！"));
        QCOMPARE(fileBytes(), gbk(kBank));
        press("Button23_0");
        QVERIFY(!m_main->panel(10)->isVisible());
        QVERIFY(m_main->panel(5)->isVisible());
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("修改完毕!"));
        QCOMPARE(fileBytes(), gbk(QStringLiteral("1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n"
                                                 "2,其它题目,中国最长的河流是哪一条？,长江,黄河,珠江,黑龙江\r\n"
                                                 "3,诗词对联,“床前明月光”的下一句？,疑是地上霜,举头望明月,低头思故乡,春眠不觉晓\r\n"
                                                 "4,历史知识,唐朝的开国皇帝是谁？,李渊,李世民,杨坚,赵匡胤\r\n"
                                                 "5,自编题目,河流 abc 的名字？,甲乙,乙,丙,丁\r\n")));
        QVERIFY(listed().isEmpty());
        QVERIFY(!exam::bankState().bankItemChosen);
    }

    void deleteMovesTheLastRecordIntoTheGap()
    {
        choose(0);
        clickItem(2);
        press("Button17_2");
        press("Button23_1");
        QCOMPARE(control<QLabel>(m_main->panel(10), "Label20")->text(), QStringLiteral("请再按一次“删除”键确认!"));
        press("Button23_3");
        QCOMPARE(control<QLabel>(m_main->panel(10), "Label20")->text(), QStringLiteral("修改/删除已被取消了！"));
        press("Button23_1");
        press("Button23_1");
        QCOMPARE(ui::BoxRecorder::take().value(0).text, QStringLiteral("删除完毕!"));
        QCOMPARE(fileBytes(), gbk(QStringLiteral(" 1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n"
                                                 " 2,其它题目,中国最长的河流是哪一条？,长江,黄河,珠江,黑龙江\r\n"
                                                 " 3,自编题目,河流 abc 的名字？,甲,乙,丙,丁\r\n"
                                                 " 4,历史知识,唐朝的开国皇帝是谁？,李渊,李世民,杨坚,赵匡胤\r\n")));
        QCOMPARE(exam::bankState().bank.count(), 4u);
    }

    // Each button disarms the other: only a press straight after one of its own confirms.
    void pressesConfirmOnlyTheirOwnFirstPress_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("done");   // the box of a write; empty while a press awaits confirming
        QTest::addColumn<QString>("status"); // Label20 while the panel stays open
        const QString askModify = QStringLiteral("请再按一次“修改”键确认！");
        const QString askDelete = QStringLiteral("请再按一次“删除”键确认!");
        QTest::newRow("删除 修改 删除") << QStringList{"删除", "修改", "删除"} << QString() << askDelete;
        QTest::newRow("修改 删除 修改") << QStringList{"修改", "删除", "修改"} << QString() << askModify;
        QTest::newRow("修改 删除 删除") << QStringList{"修改", "删除", "删除"} << QStringLiteral("删除完毕!") << QString();
        QTest::newRow("删除 修改 修改") << QStringList{"删除", "修改", "修改"} << QStringLiteral("修改完毕!") << QString();
        QTest::newRow("修改 取消 修改") << QStringList{"修改", "取消", "修改"} << QString() << askModify;
        QTest::newRow("删除 取消 删除") << QStringList{"删除", "取消", "删除"} << QString() << askDelete;
    }
    void pressesConfirmOnlyTheirOwnFirstPress()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, done);
        const QHash<QString, QString> buttons{{QStringLiteral("修改"), "Button23_0"},
                                              {QStringLiteral("删除"), "Button23_1"},
                                              {QStringLiteral("取消"), "Button23_3"}};
        choose(0);
        clickItem(1);
        press("Button17_2");
        box("Text26", 1)->setText(QStringLiteral("长江水"));
        for (const QString& p : presses)
            press(buttons.value(p));
        const auto boxes = ui::BoxRecorder::take();
        if (done.isEmpty()) {
            QVERIFY(boxes.isEmpty());
            QVERIFY(m_main->panel(10)->isVisible());
            QTEST(control<QLabel>(m_main->panel(10), "Label20")->text(), "status");
            QCOMPARE(fileBytes(), gbk(kBank));
            QCOMPARE(exam::bankState().bank.count(), 5u);
            press("Button23_2");
            return;
        }
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, done);
        QVERIFY(!m_main->panel(10)->isVisible());
        const bool deleted = done == QStringLiteral("删除完毕!");
        QCOMPARE(exam::bankState().bank.count(), deleted ? 4u : 5u);
        // A delete moves the last record into the gap; a change writes the edited answer.
        QCOMPARE(exam::bankState().bank.record(1).correct, std::string_view(deleted ? "甲" : "长江水"));
        QVERIFY(fileBytes() != gbk(kBank));
    }

    void theOnlyRecordIsKept()
    {
        const QByteArray one = gbk(QStringLiteral("1,历史知识,问,答,错,错,错\r\n"));
        useBank(one);
        choose(0);
        clickItem(0);
        press("Button17_2");
        press("Button23_1");
        press("Button23_1");
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].text != QStringLiteral("删除完毕!"));
        QCOMPARE(fileBytes(), one);
        QCOMPARE(exam::bankState().bank.count(), 1u);
        // The refusal disarms the delete: no prompt stays, and the next press asks again.
        QCOMPARE(control<QLabel>(m_main->panel(10), "Label20")->text(), QString());
        press("Button23_1");
        QVERIFY(ui::BoxRecorder::take().isEmpty());
        QCOMPARE(control<QLabel>(m_main->panel(10), "Label20")->text(), QStringLiteral("请再按一次“删除”键确认!"));
        press("Button23_2");
    }

    void aFailedWriteLeavesFileAndBankAsTheyWere()
    {
        // The folder is made read-only; the super-user, whom that does not stop, gets an
        // immutable folder instead where the system allows it.
        struct Unlock {
            bool immutable = false;
            ~Unlock()
            {
                if (immutable)
                    QProcess::execute("chattr", {"-i", "."});
                QFile::setPermissions(".", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            }
        } unlock;
        const auto writable = [] {
            QFile probe("probe.tmp");
            const bool ok = probe.open(QIODevice::WriteOnly);
            if (ok)
                probe.remove();
            return ok;
        };
        QFile::setPermissions(".", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (writable()) {
            unlock.immutable = QProcess::execute("chattr", {"+i", "."}) == 0;
            if (writable())
                QSKIP("the folder cannot be made read-only for this user");
        }
        choose(0);
        clickItem(1);
        press("Button17_2");
        box("Text26", 0)->setText(QStringLiteral("中国最长的河流叫什么？"));
        press("Button23_0");
        press("Button23_0");
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains(QStringLiteral("没有写成")), qPrintable(boxes[0].text));
        QVERIFY(m_main->panel(10)->isVisible()); // the change can be tried again
        QCOMPARE(fileBytes(), gbk(kBank));
        QCOMPARE(exam::bankState().bank.record(1).question, std::string_view("中国最长的河流是哪一条？"));
        QCOMPARE(QDir(".").entryList(QDir::Files), QStringList{"test.dat"});
        press("Button23_2");
        press("Button17_1");
        fill("Text18", {"问", "答", "错", "错", "错"});
        press("Button22_0");
        QCOMPARE(ui::BoxRecorder::take().size(), 1);
        QVERIFY(control<QLabel>(m_main, "Label19")->text() != QStringLiteral("添加完毕!"));
        QCOMPARE(fileBytes(), gbk(kBank));
        QCOMPARE(exam::bankState().bank.count(), 5u);
        press("Button22_2");
    }

    // A full disk: every write to the folder fails with ENOSPC. Neither an add, an edit nor a
    // delete may leave a short file behind or claim success.
    void aFullDiskLeavesFileAndBankAsTheyWere()
    {
        const QStringList files = QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const auto reported = [this](const char* what) {
            const auto boxes = ui::BoxRecorder::take();
            QVERIFY2(boxes.size() == 1, what);
            QVERIFY2(boxes[0].text.startsWith(QStringLiteral("题库文件没有写成（")) &&
                         boxes[0].text.endsWith(QStringLiteral("），文件和题库都保持原样。")),
                     qPrintable(boxes[0].text));
            QVERIFY2(test::fullDisk::refused() > 0, what);
        };
        test::fullDisk::Filled full(QDir::currentPath());

        press("Button17_1");
        fill("Text18", {"问", "答", "错", "错", "错"});
        press("Button22_0");
        reported("add");
        QVERIFY(control<QLabel>(m_main, "Label19")->text() != QStringLiteral("添加完毕!"));
        QCOMPARE(box("Text23", -1)->text(), QStringLiteral("6"));
        QCOMPARE(box("Text18", 0)->text(), QStringLiteral("问")); // the fields stay for another try
        QCOMPARE(exam::bankState().bank.count(), 5u);
        press("Button22_2");

        choose(0);
        clickItem(1);
        press("Button17_2");
        box("Text26", 0)->setText(QStringLiteral("中国最长的河流叫什么？"));
        press("Button23_0");
        press("Button23_0");
        reported("edit");
        QVERIFY(m_main->panel(10)->isVisible());
        QCOMPARE(exam::bankState().bank.record(1).question, std::string_view("中国最长的河流是哪一条？"));
        press("Button23_2");

        choose(0);
        clickItem(2);
        press("Button17_2");
        press("Button23_1");
        press("Button23_1");
        reported("delete");
        QVERIFY(m_main->panel(10)->isVisible());
        QCOMPARE(exam::bankState().bank.count(), 5u);
        press("Button23_2");

        QCOMPARE(fileBytes(), gbk(kBank));
        QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
    }

    void aFileChangedOnDiskIsReadAgainFirst()
    {
        const QByteArray other = gbk(kBank + QStringLiteral(" 6,其它题目,别人加的题,对,错,错,错\r\n"));
        {
            QFile f("test.dat");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(other);
        }
        press("Button17_1");
        fill("Text18", {"问", "答", "错", "错", "错"});
        press("Button22_0");
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].text.contains(QStringLiteral("重新读入")));
        QCOMPARE(fileBytes(), other);
        QCOMPARE(exam::bankState().bank.count(), 6u);
        QCOMPARE(box("Text23", -1)->text(), QStringLiteral("7"));
        press("Button22_0"); // now it goes through
        QCOMPARE(control<QLabel>(m_main, "Label19")->text(), QStringLiteral("添加完毕!"));
        QCOMPARE(fileBytes(), other + gbk(QStringLiteral(" 7,其它题目,问,答,错,错,错\r\n")));
        press("Button22_2");
    }

    void anEditOfAFileChangedOnDiskLeavesThePanel()
    {
        choose(0);
        clickItem(0);
        press("Button17_2");
        const QByteArray other = gbk(QStringLiteral(" 1,其它题目,别人的题,对,错,错,错\r\n") + kBank);
        {
            QFile f("test.dat");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(other);
        }
        box("Text26", 1)->setText(QStringLiteral("改"));
        press("Button23_1");
        press("Button23_1");
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].text.contains(QStringLiteral("重新读入")));
        QCOMPARE(fileBytes(), other);
        QVERIFY(!m_main->panel(10)->isVisible());
        QVERIFY(m_main->panel(5)->isVisible());
        QVERIFY(!exam::bankState().bankItemChosen);
        QCOMPARE(exam::bankState().bank.count(), 6u);
    }

    // After a reading that failed, each write says the bank could not be read and writes
    // nothing; it says the file was read again only once that happened.
    void anUnreadableBankIsNeitherWrittenNorSaidReread()
    {
        m_main->tabClick(0);
        exam::resetBankState();
        const qint64 tooLarge = static_cast<qint64>(exam::kMaxBankFileBytes) + 1;
        QVERIFY(QFile::resize("test.dat", tooLarge)); // sparse: no memory, no disk
        m_main->tabClick(5);
        QCOMPARE(ui::BoxRecorder::take().value(0).text, QStringLiteral("科举题库文件太大，无法读取！"));
        press("Button17_1");
        fill("Text18", {"问", "答", "错", "错", "错"});
        for (int i = 0; i < 2; ++i) {
            press("Button22_0");
            const auto boxes = ui::BoxRecorder::take();
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QStringLiteral("科举题库文件太大，无法读取，这次没有写入。"));
            QVERIFY(control<QLabel>(m_main, "Label19")->text() != QStringLiteral("添加完毕!"));
            QCOMPARE(QFileInfo("test.dat").size(), tooLarge);
        }
        // The file is mended: the next press reads it, and the one after writes.
        QVERIFY(QFile::resize("test.dat", 0));
        {
            QFile f("test.dat");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(gbk(kBank));
        }
        press("Button22_0");
        const auto boxes = ui::BoxRecorder::take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("题库文件已经重新读入，这次没有写入。请核对后再做一次。"));
        QCOMPARE(fileBytes(), gbk(kBank));
        QCOMPARE(exam::bankState().bank.count(), 5u);
        QCOMPARE(box("Text23", -1)->text(), QStringLiteral("6"));
        press("Button22_0");
        QCOMPARE(control<QLabel>(m_main, "Label19")->text(), QStringLiteral("添加完毕!"));
        QCOMPARE(fileBytes(), gbk(kBank + QStringLiteral(" 6,其它题目,问,答,错,错,错\r\n")));
        press("Button22_2");
    }

    void writersRefuseWhileLinesWereSkipped()
    {
        // A line of the wrong shape, and a line with a byte that does not decode.
        for (const QByteArray& broken :
             {gbk(kBank + QStringLiteral("坏行\r\n")), gbk(kBank) + QByteArray("6,a,\xFF,c,d,e,f\r\n")}) {
            useBank(broken);
            QCOMPARE(exam::bankState().bank.count(), 5u);
            press("Button17_1");
            fill("Text18", {"问", "答", "错", "错", "错"});
            press("Button22_0");
            const auto boxes = ui::BoxRecorder::take();
            QCOMPARE(boxes.size(), 1);
            QVERIFY(boxes[0].text.contains(QStringLiteral("没有读懂")));
            QCOMPARE(fileBytes(), broken);
            press("Button22_2");
        }
    }

    void toolbarOpensExamAndMini()
    {
        press("Button17_3");
        QVERIFY(m_main->panel(8)->isVisible());
        QVERIFY(!m_main->panel(5)->isVisible());
        press("Button18_2"); // 放弃
        m_main->panel(5)->setVisible(true);
        m_main->panel(8)->setVisible(false);
        press("Button17_4");
        QVERIFY(ui::forms().isLoaded(8));
        ui::forms().unload(8);
    }
};

QTEST_MAIN(BankPanelTest)
#include "bank_panel_test.moc"
