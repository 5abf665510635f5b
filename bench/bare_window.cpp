// A bare Qt window with one control of each kind the program uses, with Chinese captions
// in the same CJK font, stopped as soon as it is on screen: prints the wall clock of that
// moment in nanoseconds. Loading the CJK font is a cost any window of ours pays, so the
// comparison with the program shows what the program itself adds.

#include <QApplication>
#include <QFont>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont f = app.font();
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("SimSun"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    f.setPointSize(9);
    app.setFont(f);
    QWidget w;
    w.setWindowTitle(QStringLiteral("百宝算匣"));
    auto* layout = new QVBoxLayout(&w);
    layout->addWidget(new QLabel(QStringLiteral("级共需经验")));
    layout->addWidget(new QLineEdit("0"));
    layout->addWidget(new QPushButton(QStringLiteral("计算")));
    auto* combo = new QComboBox;
    combo->addItems({QStringLiteral("大海龟"), QStringLiteral("巨蛙")});
    layout->addWidget(combo);
    layout->addWidget(new QCheckBox(QStringLiteral("双倍")));
    layout->addWidget(new QRadioButton(QStringLiteral("帮派")));
    layout->addWidget(new QListWidget);
    layout->addWidget(new QPlainTextEdit(QStringLiteral("各版本更新历程：")));
    layout->addWidget(new QGroupBox(QStringLiteral("等级->经验")));
    w.show();
    QTimer::singleShot(0, [] {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::printf("%lld\n", static_cast<long long>(ns));
        std::fflush(stdout);
        std::_Exit(0);
    });
    return app.exec();
}
