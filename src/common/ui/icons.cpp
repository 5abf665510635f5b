#include "common/ui/icons.h"

namespace ui {

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addFile(QStringLiteral(":/icons/app_%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

} // namespace ui
