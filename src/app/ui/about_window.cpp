#include "app/ui/about_window.h"

#include "common/ui/controls.h"
#include "common/ui/icons.h"
#include "common/ui/twips.h"

#include <QLabel>

namespace app::ui {

namespace colours = ::ui::colours;

AboutWindow::AboutWindow() : FormWindow(10)
{
    setWindowTitle(QStringLiteral("说明"));
    setClientSizeTw(3420, 1530);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    ::ui::placeTw(image, 60, 60, 615, 615);
    image->setPixmap(::ui::programIcon().pixmap(::ui::tw(615)));

    auto* name = ::ui::makeLabel(this, "Label1", QStringLiteral("百宝算匣4.08版"), 720, 120);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(10.5);
    name->setFont(bold);
    name->adjustSize();
    ::ui::setBackColour(name, colours::PanelBack);
    ::ui::setForeColour(name, colours::Blue);

    auto* notice = ::ui::makeLabel(this, "Label2", QStringLiteral("免费软件，仅供交流"), 1200, 1200);
    ::ui::setBackColour(notice, colours::PanelBack);
    ::ui::setForeColour(notice, colours::Magenta);
}

} // namespace app::ui
