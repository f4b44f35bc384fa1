// The language files: reading them in every encoding, finding a control's record
// within its window of eleven, the template's records, and the shipped files.
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "i18n/language_files.h"
#include "i18n/message_table.h"

using namespace kw;

namespace {

const QString kShipped = QStringLiteral(KUGELWART_LAND_DIR);

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A base file of records (owner, name, caption, hint, character set).
LineBuffer base(const QList<QStringList>& records)
{
    QStringList lines;
    for (const QStringList& r : records) lines << r;
    return LineBuffer(lines);
}

QStringList record(int i)
{
    return {QStringLiteral("TForm1"), QStringLiteral("Label%1").arg(i),
            QStringLiteral("Text %1").arg(i), QStringLiteral("Hinweis %1").arg(i),
            QStringLiteral("1")};
}

}  // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT
private slots:
    // The same two lines, whatever the file's encoding and line ends.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Tipp-Übersicht\r\nZahl ß 10 €\r\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QStringEncoder le(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("UTF-16 LE with BOM") << QByteArray(le(text));
        QStringEncoder be(QStringConverter::Utf16BE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("UTF-16 BE with BOM") << QByteArray(be(text));
        QTest::newRow("Windows-1252, LF only") << QByteArray(
            "Tipp-\xDC"
            "bersicht\nZahl \xDF 10 \x80\n");
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const auto lines = readLanguageLines(write(dir, QStringLiteral("f"), bytes));
        QVERIFY(lines);
        QCOMPARE(*lines,
                 (QStringList{QStringLiteral("Tipp-Übersicht"), QStringLiteral("Zahl ß 10 €")}));
    }

    void missingFileIsNotRead()
    {
        QVERIFY(!readLanguageLines(QStringLiteral("/nonexistent/land/Kleinkugel.txt.fr")));
    }

    void linesBeyondTheEndAreEmptyAndLongOnesCut()
    {
        const LineBuffer buffer({QStringLiteral("a"), QString(5000, QLatin1Char('x'))});
        QCOMPARE(buffer.line(0), QStringLiteral("a"));
        QCOMPARE(buffer.line(1).size(), 4096);
        QVERIFY(buffer.line(2).isEmpty());
        QVERIFY(buffer.line(-1).isEmpty());
    }

    // From the current position, ten records further are still found; the
    // eleventh further is not, and the position stays.
    void lookupWindow_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("found");
        QTest::newRow("the record at the position") << 0 << true;
        QTest::newRow("ten further") << 10 << true;
        QTest::newRow("eleven further") << 11 << false;
        QTest::newRow("past the last record") << 30 << false;
    }
    void lookupWindow()
    {
        QFETCH(int, target);
        QFETCH(bool, found);
        QList<QStringList> records;
        for (int i = 0; i < 20; ++i) records << record(i);
        RecordLookup lookup(base(records), std::nullopt);
        const auto texts =
            lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label%1").arg(target));
        QCOMPARE(bool(texts), found);
        QCOMPARE(lookup.position(), found ? qsizetype(target) : qsizetype(0));
        if (found) QCOMPARE(texts->caption, QStringLiteral("Text %1").arg(target));
    }

    // A found record is the new position, not the one after it: records behind
    // it are out of reach once ten more lie between.
    void positionMovesToTheFoundRecord()
    {
        QList<QStringList> records;
        for (int i = 0; i < 30; ++i) records << record(i);
        RecordLookup lookup(base(records), std::nullopt);
        QVERIFY(lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label10")));
        QVERIFY(lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label10")));
        QVERIFY(lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label20")));
        QVERIFY(!lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label9")));
        QCOMPARE(lookup.position(), qsizetype(20));
    }

    // Names are compared trimmed; texts come from the translation by record
    // number, and a short translation gives empty texts.
    void translationByRecordNumber()
    {
        QList<QStringList> records = {record(0), record(1), record(2)};
        records[1][0] = QStringLiteral("  TForm1 ");
        records[1][1] = QStringLiteral("Label1  ");
        records[1][4] = QStringLiteral("238");
        RecordLookup lookup(base(records),
                            LineBuffer({QStringLiteral("Text zero"), QStringLiteral("Hint zero"),
                                        QStringLiteral("Text one"), QStringLiteral("Hint one")}));
        const auto one = lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label1"));
        QVERIFY(one);
        QCOMPARE(one->caption, QStringLiteral("Text one"));
        QCOMPARE(one->hint, QStringLiteral("Hint one"));
        QCOMPARE(one->charset, std::optional<int>(238));
        const auto two = lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label2"));
        QVERIFY(two);
        QVERIFY(two->caption.isEmpty() && two->hint.isEmpty());
    }

    void changeRules_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("captionChanged");
        QTest::addColumn<bool>("charsetChanged");
        QTest::newRow("label") << int(ControlKind::Label) << 0 << true << true << true;
        QTest::newRow("value label: hint only")
            << int(ControlKind::Label) << 1 << true << false << true;
        QTest::newRow("tag 8 label: nothing")
            << int(ControlKind::Label) << 8 << false << false << false;
        QTest::newRow("tag 8 button: nothing")
            << int(ControlKind::Button) << 8 << false << false << false;
        QTest::newRow("button with a tag") << int(ControlKind::Button) << 3 << true << true << true;
        QTest::newRow("edit keeps its text")
            << int(ControlKind::Edit) << 0 << true << false << true;
        QTest::newRow("menu item has no font")
            << int(ControlKind::MenuItem) << 0 << true << true << false;
    }
    void changeRules()
    {
        QFETCH(int, kind);
        QFETCH(int, tag);
        QFETCH(bool, changed);
        QFETCH(bool, captionChanged);
        QFETCH(bool, charsetChanged);
        RecordLookup lookup(base({record(0)}),
                            LineBuffer({QStringLiteral("T"), QStringLiteral("H")}));
        ControlTexts control;
        control.owner = QStringLiteral("TForm1");
        control.name = QStringLiteral("Label0");
        control.kind = ControlKind(kind);
        control.tag = tag;
        const auto change = changeFor(control, lookup);
        QCOMPARE(bool(change), changed);
        if (!change) return;
        QCOMPARE(bool(change->caption), captionChanged);
        QCOMPARE(change->hint, QStringLiteral("H"));
        QCOMPARE(bool(change->charset), charsetChanged);
    }

    void templateRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("written");
        const int label = int(ControlKind::Label);
        QTest::newRow("label") << label << "Datum:"
                               << "" << 0 << true << true;
        QTest::newRow("label that is a number") << label << "12"
                                                << "" << 0 << true << false;
        QTest::newRow("label with a decimal comma") << label << "1,5"
                                                    << "x" << 0 << true << false;
        QTest::newRow("value label") << label << "Quersumme"
                                     << "" << 1 << true << false;
        QTest::newRow("tag 8 label") << label << "Kugelwart"
                                     << "" << 8 << true << false;
        QTest::newRow("empty label") << label << ""
                                     << "" << 0 << true << false;
        QTest::newRow("hidden menu item") << int(ControlKind::MenuItem) << "&Abgeben"
                                          << "" << 0 << false << false;
        QTest::newRow("menu item") << int(ControlKind::MenuItem) << "&Berechnen"
                                   << "" << 0 << true << true;
        QTest::newRow("check box that is a number") << int(ControlKind::CheckBox) << "3"
                                                    << "" << 0 << true << false;
        QTest::newRow("empty radio button") << int(ControlKind::RadioButton) << ""
                                            << "" << 0 << true << true;
        QTest::newRow("empty tab sheet") << int(ControlKind::TabSheet) << ""
                                         << "" << 0 << true << true;
        QTest::newRow("edit with a hint") << int(ControlKind::Edit) << "42"
                                          << "Zahl" << 0 << true << true;
        QTest::newRow("edit with a number hint") << int(ControlKind::Edit) << ""
                                                 << "5" << 0 << true << false;
        QTest::newRow("icon button with a hint") << int(ControlKind::SpeedButton) << ""
                                                 << "Laden" << 0 << true << true;
        QTest::newRow("panel without text") << int(ControlKind::Panel) << ""
                                            << "" << 0 << true << false;
    }
    void templateRecords()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(int, tag);
        QFETCH(bool, visible);
        QFETCH(bool, written);
        ControlTexts control{QStringLiteral("TForm1"),
                             QStringLiteral("C"),
                             ControlKind(kind),
                             caption,
                             hint,
                             tag,
                             visible,
                             0};
        QCOMPARE(belongsInTemplate(control), written);
        QCOMPARE(makeTemplate({control}).baseLines.size(), written ? 5 : 0);
    }

    // F in Windows-1252 with CR LF; F + ".trans" in UTF-16 LE with a byte-order
    // mark, holding an edit field's hint in place of its caption.
    void templateFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vorlage.txt"));
        const QList<ControlTexts> controls = {
            {QStringLiteral("TForm1"), QStringLiteral("TabSheet1"), ControlKind::TabSheet,
             QStringLiteral("Tipp-Übersicht"), QString(), 0, true, 0},
            {QStringLiteral("TForm1"), QStringLiteral("Aktualisieren1"), ControlKind::MenuItem,
             QStringLiteral("&Laden"), QString(), 0, true, 0},
            {QStringLiteral("TForm1"), QStringLiteral("Edit85"), ControlKind::Edit,
             QStringLiteral("30"), QStringLiteral("Die ersten X Prozent"), 0, true, 238},
        };
        QString error;
        QVERIFY2(writeTemplate(path, makeTemplate(controls), &error), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("TForm1\r\nTabSheet1\r\nTipp-\xDC"
                                           "bersicht\r\n\r\n0\r\n"
                                           "TForm1\r\nAktualisieren1\r\n&Laden\r\n\r\n1\r\n"
                                           "TForm1\r\nEdit85\r\nDie ersten X Prozent\r\n"
                                           "Die ersten X Prozent\r\n238\r\n"));
        const QByteArray trans = readAll(path + QStringLiteral(".trans"));
        QVERIFY(trans.startsWith("\xFF\xFE"));
        QCOMPARE(*readLanguageLines(path + QStringLiteral(".trans")),
                 (QStringList{QStringLiteral("Tipp-Übersicht"), QString(), QStringLiteral("&Laden"),
                              QString(), QStringLiteral("Die ersten X Prozent"),
                              QStringLiteral("Die ersten X Prozent")}));
    }

    // The shipped German message file is the built-in table, and every shipped
    // translation has a line for each entry and for each record of the base file.
    void shippedGermanMessagesAreTheBuiltInTable()
    {
        const auto lines = readLanguageLines(kShipped + QStringLiteral("/meldungen.txt.de"));
        if (!lines || *lines != MessageTable::builtIn()) {
            QStringEncoder utf8(QStringConverter::Utf8, QStringEncoder::Flag::WriteBom);
            QFile expected(QDir::current().filePath(QStringLiteral("meldungen.txt.de")));
            QVERIFY(expected.open(QIODevice::WriteOnly));
            expected.write(utf8(MessageTable::builtIn().join(QStringLiteral("\r\n")) +
                                QStringLiteral("\r\n")));
            QFAIL(qPrintable(QStringLiteral("the shipped meldungen.txt.de is not the built-in "
                                            "table; ship %1")
                                 .arg(expected.fileName())));
        }
    }

    void shippedTranslationsAreComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"de", "en", "pl"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void shippedTranslationsAreComplete()
    {
        QFETCH(QString, code);
        const auto base = readLanguageLines(kShipped + QStringLiteral("/Kleinkugel.txt"));
        QVERIFY(base);
        QCOMPARE(base->size() % 5, 0);
        const auto translation =
            readLanguageLines(kShipped + QStringLiteral("/Kleinkugel.txt.") + code);
        QVERIFY(translation);
        QVERIFY2(translation->size() >= base->size() / 5 * 2,
                 qPrintable(QStringLiteral("%1 lines for %2 records")
                                .arg(translation->size())
                                .arg(base->size() / 5)));
        const auto messages =
            readLanguageLines(kShipped + QStringLiteral("/meldungen.txt.") + code);
        QVERIFY(messages);
        QVERIFY2(messages->size() >= MessageTable::builtIn().size(),
                 qPrintable(QStringLiteral("%1 entries of %2")
                                .arg(messages->size())
                                .arg(MessageTable::builtIn().size())));
        QVERIFY(readLanguageLines(kShipped + QStringLiteral("/Radio.txt.") + code));
    }

    void languageTable()
    {
        QCOMPARE(int(languages().size()), 19);
        QSet<int> numbers;
        for (const Language& l : languages()) numbers << l.number;
        QCOMPARE(numbers.size(), 19);
        QCOMPARE(QString::fromLatin1(languageByNumber(9)->code), QStringLiteral("pl"));
        QCOMPARE(QString::fromLatin1(languageByNumber(16)->menuItem),
                 QStringLiteral("Slowakisch1"));
        QVERIFY(!languageByNumber(0));
        QCOMPARE(qtLanguageCode(QStringLiteral("cz")), QStringLiteral("cs"));
        QCOMPARE(qtLanguageCode(QStringLiteral("pl")), QStringLiteral("pl"));
    }
};

QTEST_MAIN(TestLanguageFiles)
#include "test_language_files.moc"
