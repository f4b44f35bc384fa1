// Where the program finds its own files and its user guide: beside the executable in
// the build tree, under share/ when installed.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "state/program_folder.h"
#include "support/files.h"

using namespace kw;
using namespace kw::test;

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void programFolder_data();
    void programFolder();
    void userGuide_data();
    void userGuide();
};

namespace {

// Lays out the folders (relative to root) a case names; "x/" is a folder, else a file.
void layOut(const QDir& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.endsWith(QLatin1Char('/'))) {
            QVERIFY(root.mkpath(entry));
        } else {
            QVERIFY(root.mkpath(QFileInfo(entry).path()));
            writeBytes(root.filePath(entry), "# Kugelwart\n");
        }
    }
}

}  // namespace

void TestProgramFolder::programFolder_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");  // relative to the root
    QTest::newRow("build tree: the files beside the executable")
        << QStringList{"bin/land/", "bin/yippee.wav"} << "bin";
    QTest::newRow("installed: bin and share/kugelwart")
        << QStringList{"bin/", "share/kugelwart/land/"} << "share/kugelwart";
    QTest::newRow("a copy beside the executable wins over an installation")
        << QStringList{"bin/land/", "share/kugelwart/land/"} << "bin";
    QTest::newRow("nothing anywhere: the executable's folder") << QStringList{"bin/"} << "bin";
    QTest::newRow("a file named like the installed folder is no folder")
        << QStringList{"bin/", "share/kugelwart"} << "bin";
}

void TestProgramFolder::programFolder()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    QTemporaryDir root;
    layOut(QDir(root.path()), entries);
    QCOMPARE(programFolderPath(root.filePath(QStringLiteral("bin"))), root.filePath(expected));
}

void TestProgramFolder::userGuide_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("expected");  // empty: none found
    QTest::newRow("build tree: the copy beside the program's files")
        << QStringList{"bin/README.md", "share/doc/kugelwart/README.md"} << "bin"
        << "bin/README.md";
    QTest::newRow("installed: share/doc/kugelwart")
        << QStringList{"share/kugelwart/land/", "share/doc/kugelwart/README.md"}
        << "share/kugelwart"
        << "share/doc/kugelwart/README.md";
    QTest::newRow("installed, with a trailing separator")
        << QStringList{"share/kugelwart/land/", "share/doc/kugelwart/README.md"}
        << "share/kugelwart/"
        << "share/doc/kugelwart/README.md";
    QTest::newRow("a folder of the guide's name is no guide")
        << QStringList{"share/kugelwart/README.md/"} << "share/kugelwart"
        << "";
    QTest::newRow("none") << QStringList{"share/kugelwart/land/"} << "share/kugelwart"
                          << "";
}

void TestProgramFolder::userGuide()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, programFolder);
    QFETCH(QString, expected);
    QTemporaryDir root;
    layOut(QDir(root.path()), entries);
    const QString folder = root.path() + QLatin1Char('/') + programFolder;
    QCOMPARE(userGuidePath(folder), expected.isEmpty() ? QString() : root.filePath(expected));
    const QStringList candidates = userGuideCandidates(folder);
    QCOMPARE(candidates.size(), 2);
    QVERIFY(candidates.first().startsWith(QDir::cleanPath(folder)));
    QVERIFY(userGuideCandidates(QString()).isEmpty());
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
