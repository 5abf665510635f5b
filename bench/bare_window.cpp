// A bare Qt window with one control of each kind the program uses, stopped as soon as it
// is on screen: prints the wall clock of that moment in nanoseconds.

#include <QApplication>
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
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    layout->addWidget(new QLabel("label"));
    layout->addWidget(new QLineEdit("0"));
    layout->addWidget(new QPushButton("button"));
    auto* combo = new QComboBox;
    combo->addItems({"a", "b"});
    layout->addWidget(combo);
    layout->addWidget(new QCheckBox("check"));
    layout->addWidget(new QRadioButton("option"));
    layout->addWidget(new QListWidget);
    layout->addWidget(new QPlainTextEdit("text"));
    layout->addWidget(new QGroupBox("frame"));
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
