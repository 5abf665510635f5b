#include "app/ui/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return app::ui::runProgram(app);
}
