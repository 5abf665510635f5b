#pragma once
// Writing and reading the clock's anchor file (setting.ini in the working directory) in
// window tests.

#include "clock/ui/clock_support.h"

#include <QByteArray>
#include <QFile>
#include <QtTest>

namespace test {

// Replaces the anchor file with `text`.
inline void writeIni(const QByteArray& text)
{
    QFile f(tradeclock::ui::kAnchorFile);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// The anchor file's bytes, or "<missing>" when it cannot be read.
inline QByteArray readIni()
{
    QFile f(tradeclock::ui::kAnchorFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace test
