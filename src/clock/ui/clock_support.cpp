#include "clock/ui/clock_support.h"

#include "common/ui/messages.h"
#include "common/ui/save_file.h"

#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tradeclock::ui {

namespace {
constexpr std::size_t kMaxAnchorBytes = 4096;

std::function<LocalTime()>& source()
{
    static std::function<LocalTime()> s;
    return s;
}

std::optional<ClockAnchor>& heldAnchor()
{
    static std::optional<ClockAnchor> a;
    return a;
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
    // Opened without waiting, so a pipe of that name answers at once; only a regular file
    // is read, and never more than one byte past what an anchor may be.
    const QByteArray name = QFile::encodeName(kAnchorFile);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? AnchorRead::Missing : AnchorRead::Damaged, std::nullopt};
    struct stat info {};
    std::string bytes;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        bytes.resize(kMaxAnchorBytes + 1);
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    // A sane anchor is a few dozen bytes; anything far larger is not one.
    if (!ok || bytes.size() > kMaxAnchorBytes)
        return {AnchorRead::Damaged, std::nullopt};
    auto anchor = parseClockAnchor(bytes);
    if (!anchor)
        return {AnchorRead::Damaged, std::nullopt};
    return {AnchorRead::Ok, std::move(anchor)};
}

bool writeAnchorFile(const std::string& text)
{
    if (!::ui::replaceFile(kAnchorFile, text).isEmpty())
        return false;
    heldAnchor().reset(); // the file holds the latest anchor again
    return true;
}

void holdAnchor(const ClockAnchor& anchor) { heldAnchor() = anchor; }

AnchorRead currentAnchor()
{
    if (heldAnchor())
        return {AnchorRead::Ok, heldAnchor()};
    return readAnchorFile();
}

void forgetHeldAnchorForTests() { heldAnchor().reset(); }

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
