// The numeric box: key filter, Enter moving on, selecting on focus, cleaned pastes.

#include "common/valitext.h"
#include "common/ui/numeric_field.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using ui::NumericField;

class NumericFieldTest : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    NumericField* digits = nullptr;
    NumericField* point = nullptr;
    NumericField* result = nullptr;
    NumericField* hex = nullptr;
    QPushButton* button = nullptr;

private slots:
    void init()
    {
        window = new QWidget;
        digits = (new NumericField(window, "Text1_0", common::kDigits, 3))->at(0, 0, 600);
        point = (new NumericField(window, "Text13_0", common::kDigitsAndPoint, 5))->at(0, 300, 600);
        result = (new NumericField(window, "Text1_2", common::kDigits, 0))->at(0, 600, 600)->asResult();
        button = new QPushButton("计算", window);
        hex = (new NumericField(window, "Text3", common::kHexDigits, 6))->at(0, 1200, 600);
        hex->setEnterMovesFocus(false);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { delete window; }

    void typingIsFiltered_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << 0 << "12" << "12";
        QTest::newRow("letters, blanks, signs dropped") << 0 << "a1 -+2x" << "12";
        QTest::newRow("point dropped in a digit box") << 0 << "1.5" << "15";
        QTest::newRow("max length") << 0 << "98765" << "987";
        QTest::newRow("points pass where listed") << 1 << "1..2" << "1..2";
        QTest::newRow("hex in both cases") << 3 << "aF9g" << "aF9";
    }
    void typingIsFiltered()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        NumericField* f = field == 0 ? digits : field == 1 ? point : hex;
        f->setFocus();
        f->clear();
        QTest::keyClicks(f, typed);
        QCOMPARE(f->text(), text);
    }

    void backspaceAndControlCodes()
    {
        digits->setFocus();
        digits->setText("123");
        digits->setCursorPosition(3);
        QTest::keyClick(digits, Qt::Key_Backspace);
        QCOMPARE(digits->text(), QString("12"));
        // Ctrl+V, Ctrl+X and Ctrl+C type control codes that the filter drops.
        QApplication::clipboard()->setText("99");
        QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(digits, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(digits, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(digits->text(), QString("12"));
    }

    void enterMovesToTheNextTabStop()
    {
        digits->setFocus();
        QTest::keyClick(digits, Qt::Key_Return);
        QVERIFY(point->hasFocus());
        QCOMPARE(digits->text(), QString());
        // The result box is no tab stop: Enter in the point box skips it.
        QTest::keyClick(point, Qt::Key_Enter);
        QVERIFY(button->hasFocus());
        // Where Enter does not move on, it is simply discarded.
        hex->setFocus();
        hex->setText("ab");
        QTest::keyClick(hex, Qt::Key_Return);
        QVERIFY(hex->hasFocus());
        QCOMPARE(hex->text(), QString("ab"));
    }

    void focusSelectsTheWholeText()
    {
        point->setFocus();
        digits->setText("155");
        digits->setFocus();
        QCOMPARE(digits->selectedText(), QString("155"));
        QTest::keyClicks(digits, "7");
        QCOMPARE(digits->text(), QString("7"));
        result->setText("20236");
        result->setFocus(Qt::MouseFocusReason);
        QCOMPARE(result->selectedText(), QString("20236"));
        QVERIFY(!digits->hasSelectedText());
    }

    void pastedAndDroppedTextIsCleaned()
    {
        QApplication::clipboard()->setText("a1b2c3d4");
        digits->setFocus();
        digits->clear();
        QTest::keyClick(digits, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(digits->text(), QString("123"));

        point->clear();
        QMimeData mime;
        mime.setText("-12.5e3");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(point, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(point, &drop);
        QCOMPARE(point->text(), QString("12.53"));

        // Text committed by an input method goes through the same filter.
        digits->clear();
        QInputMethodEvent ime;
        ime.setCommitString(QString::fromUtf8("五1二2"));
        QApplication::sendEvent(digits, &ime);
        QCOMPARE(digits->text(), QString("12"));

        // Setting the text from code is not filtered; reading it never overflows.
        result->setText("1e999");
        QCOMPARE(result->wholeNumber(), std::optional<std::int64_t>(0));
        result->setText("99999999999999999999999");
        QCOMPARE(result->wholeNumber(), std::optional<std::int64_t>(std::numeric_limits<std::int64_t>::max()));
        digits->clear();
        QCOMPARE(digits->wholeNumber(), std::optional<std::int64_t>());
    }

    // The length limit bounds typing and pasting only: what the program writes shows whole
    // (a level-up writes 10049 into a box of four), and the limit holds again for the keys.
    void writtenValuesShowWhole()
    {
        digits->setText("10049");
        QCOMPARE(digits->text(), QString("10049"));
        digits->setFocus();
        digits->setCursorPosition(5);
        QTest::keyClicks(digits, "7");
        QApplication::clipboard()->setText("8");
        QTest::keyClick(digits, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(digits->text(), QString("10049"));
        // Shortened below the limit, the box takes keys up to the limit and no further.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(digits, Qt::Key_Backspace);
        QCOMPARE(digits->text(), QString("10"));
        QTest::keyClicks(digits, "987");
        QCOMPARE(digits->text(), QString("109"));
        QCOMPARE(digits->maxLength(), 3);
        // Replacing the whole of a long written value types as in any box.
        digits->setText("123456");
        digits->selectAll();
        QTest::keyClicks(digits, "4567");
        QCOMPARE(digits->text(), QString("456"));
        // A limit set while a longer value stands keeps the value.
        digits->setText("123456");
        digits->setMaxLength(2);
        QCOMPARE(digits->text(), QString("123456"));
        QCOMPARE(digits->typingLimit(), 2);
    }
};

QTEST_MAIN(NumericFieldTest)
#include "numeric_field_test.moc"
