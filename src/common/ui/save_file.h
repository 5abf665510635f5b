#pragma once
// Replacing a file the program keeps (test.dat, setting.ini) as a whole: the bytes go to a
// temporary file beside it, which is renamed over the file only when every byte reached
// the disk. Every writer of the program goes through this.

#include <QString>
#include <string_view>

namespace ui {

// Writes `bytes` as the new content of `path`. Returns an empty string when the file was
// replaced; otherwise the reason it was not (never empty), and the file is then exactly
// as it was and no temporary file is left.
QString replaceFile(const QString& path, std::string_view bytes);

} // namespace ui
