#include "clock/ui/clock_support.h"

#include "common/ui/messages.h"
#include "common/ui/save_file.h"

#include <QDateTime>
#include <QFile>

namespace tradeclock::ui {

namespace {
std::function<LocalTime()>& source()
{
    static std::function<LocalTime()> s;
    return s;
}
} // namespace

LocalTime currentTime()
{
    if (source())
        return source()();
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    return {{d.year(), d.month(), d.day()}, now.time().msecsSinceStartOfDay() / 1000};
}

void setTimeSourceForTests(std::function<LocalTime()> s) { source() = std::move(s); }

AnchorRead readAnchorFile()
{
    QFile f(kAnchorFile);
    if (!f.exists())
        return {AnchorRead::Missing, std::nullopt};
    // A sane anchor is a few dozen bytes; anything far larger is not one.
    if (!f.open(QIODevice::ReadOnly) || f.size() > 4096)
        return {AnchorRead::Damaged, std::nullopt};
    const QByteArray bytes = f.readAll();
    auto anchor = parseClockAnchor(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!anchor)
        return {AnchorRead::Damaged, std::nullopt};
    return {AnchorRead::Ok, std::move(anchor)};
}

bool writeAnchorFile(const std::string& text)
{
    return ::ui::replaceFile(kAnchorFile, text).isEmpty();
}

void remindFirstRun(QWidget* parent)
{
    ::ui::messageBox(parent, QStringLiteral("第一次运行,请先手动对时！"), QStringLiteral("提醒"), ::ui::BoxIcon::Warning);
}

void remindDamaged(QWidget* parent)
{
    ::ui::messageBox(parent, QStringLiteral("对时记录setting.ini无法读取,请重新手动对时！"), QStringLiteral("提醒"),
                     ::ui::BoxIcon::Warning);
}

void remindMaintenance(QWidget* parent)
{
    ::ui::messageBox(parent, QStringLiteral("梦幻西游于星期二8点整系统维护了,请重新手动对时！"), QStringLiteral("提醒"),
                     ::ui::BoxIcon::Warning);
}

} // namespace tradeclock::ui
