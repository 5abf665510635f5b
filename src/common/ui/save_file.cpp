#include "common/ui/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace ui {

QString replaceFile(const QString& path, std::string_view bytes)
{
    // Only a regular file is replaced: QSaveFile follows a link, and would rename its file
    // over whatever the link names, a device or a pipe included.
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        return QStringLiteral("%1 不是普通文件").arg(target.fileName());
    // Unbuffered: every write goes to the file at once and its failure is seen here. A
    // buffered QSaveFile flushes inside commit(), and a failed flush there (a full disk)
    // still renames the short temporary file over the target.
    QSaveFile file(path);
    const auto fail = [&file](QString why) {
        file.cancelWriting();
        return why.isEmpty() ? QStringLiteral("未知错误") : why;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const char* data = bytes.data();
    auto left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 n = file.write(data, left);
        if (n <= 0)
            return fail(file.errorString());
        data += n;
        left -= n;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    // The data must be on the disk before the rename makes it the file: a file system that
    // allocates late reports a full disk only here. One that cannot sync says EINVAL or EROFS.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(qt_error_string(errno));
    if (!file.commit())
        return fail(file.errorString());
    return {};
}

} // namespace ui
