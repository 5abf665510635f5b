// Replacing a kept file as a whole: on a full disk (writes failing with ENOSPC, or the
// sync that sends the data out, or the rename that puts the new file in place, failing
// so) the file stays byte for byte as it was, no temporary file is left, and the failure
// is reported.
#include "common/ui/save_file.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray bytesOf(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

std::string_view view(const QByteArray& b) { return {b.constData(), static_cast<std::size_t>(b.size())}; }

} // namespace

class SaveFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        for (const QString& e : entries())
            QFile::remove(m_dir.filePath(e));
    }

    void replacesTheWholeFile()
    {
        put(path("test.dat"), "old content\r\n");
        const QByteArray big(100000, 'x');
        QCOMPARE(ui::replaceFile(path("test.dat"), view(big)), QString());
        QCOMPARE(bytesOf(path("test.dat")), big);
        QCOMPARE(ui::replaceFile(path("test.dat"), "1\r\n"), QString());
        QCOMPARE(bytesOf(path("test.dat")), QByteArray("1\r\n"));
        QCOMPARE(ui::replaceFile(path("new.ini"), ""), QString());
        QCOMPARE(bytesOf(path("new.ini")), QByteArray());
        QCOMPARE(entries(), (QStringList{"new.ini", "test.dat"}));
    }

    // Sizes below, at and above the 16 KiB a buffered file would hold back until commit().
    void aFullDiskLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<test::fullDisk::Fails>("fails");
        using test::fullDisk::Fails;
        for (int size : {1, 100, 16384, 16385, 1 << 20}) {
            QTest::addRow("writes fail, %d bytes", size) << size << Fails::Writes;
            QTest::addRow("the sync fails, %d bytes", size) << size << Fails::Syncs;
            QTest::addRow("the rename fails, %d bytes", size) << size << Fails::Renames;
        }
    }
    void aFullDiskLeavesTheFileAsItWas()
    {
        QFETCH(int, size);
        QFETCH(test::fullDisk::Fails, fails);
        const QByteArray before("450\r\n08:05:09\r\n2026/12/10\r\n5\r\n");
        put(path("setting.ini"), before);
        const QByteArray next(size, 'y');
        QString why;
        {
            test::fullDisk::Filled full(m_dir.path(), fails);
            why = ui::replaceFile(path("setting.ini"), view(next));
            QVERIFY(test::fullDisk::refused() > 0);
        }
        QVERIFY2(!why.isEmpty(), "the failure was not reported");
        QVERIFY2(why.contains(QStringLiteral("No space left")) || why.contains(QStringLiteral("空间")), qPrintable(why));
        QCOMPARE(bytesOf(path("setting.ini")), before);
        QCOMPARE(entries(), QStringList{"setting.ini"});
    }

    void aFileThatWasNotThereIsNotMade()
    {
        {
            test::fullDisk::Filled full(m_dir.path());
            QVERIFY(!ui::replaceFile(path("setting.ini"), "0\r\n").isEmpty());
        }
        QVERIFY(entries().isEmpty());
    }

    // A link is followed to a regular file, never to anything else: the file it names would
    // be replaced by a rename.
    void onlyRegularFilesAreReplaced()
    {
        put(path("bank.dat"), "1\r\n");
        QVERIFY(QFile::link(path("bank.dat"), path("test.dat")));
        QCOMPARE(ui::replaceFile(path("test.dat"), "2\r\n"), QString());
        QCOMPARE(bytesOf(path("bank.dat")), QByteArray("2\r\n"));
        QVERIFY(QFileInfo(path("test.dat")).isSymLink());

        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(path("pipe"), path("setting.ini")));
        QVERIFY(!ui::replaceFile(path("setting.ini"), "0\r\n").isEmpty());
        QVERIFY(!ui::replaceFile(path("pipe"), "0\r\n").isEmpty());
        QVERIFY(QFileInfo(path("setting.ini")).isSymLink());
        QCOMPARE(QFileInfo(path("pipe")).isFile(), false);
        QCOMPARE(entries(), (QStringList{"bank.dat", "pipe", "setting.ini", "test.dat"}));
    }

    void aFolderInTheWayIsReported()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("setting.ini"));
        QVERIFY(!ui::replaceFile(path("setting.ini"), "0\r\n").isEmpty());
        QVERIFY(QFileInfo(path("setting.ini")).isDir());
        QVERIFY(QDir(m_dir.path()).rmdir("setting.ini"));
    }
};

QTEST_GUILESS_MAIN(SaveFileTest)
#include "save_file_test.moc"
