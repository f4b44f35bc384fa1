#include <QTest>

#include "i18n/message_table.h"

using kw::MessageTable;

class TestMessageTable : public QObject {
    Q_OBJECT
private slots:
    void builtInEntries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("2") << 2 << QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!");
        QTest::newRow("3 keeps its trailing blank")
            << 3
            << QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ");
        QTest::newRow("4 keeps its leading blank")
            << 4 << QStringLiteral(" aus dem Internet neu aufbauen??");
        QTest::newRow("8") << 8 << QStringLiteral("Quersumme: ");
        QTest::newRow("12 two blanks") << 12 << QStringLiteral("Ein Treffer am  ");
        QTest::newRow("17") << 17 << QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein");
        QTest::newRow("20") << 20 << QStringLiteral("Stoppen");
        QTest::newRow("29") << 29
                            << QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen");
        QTest::newRow("30") << 30 << QStringLiteral("Tipps wurden neu berechnet");
        QTest::newRow("32") << 32 << QStringLiteral("Quendels Lotto-Tipp für ");
        QTest::newRow("46") << 46 << QStringLiteral("Fehler bei Eingabe der Zufallszahl");
        QTest::newRow("50") << 50 << QStringLiteral("Zahlen für Berechnung wählen");
        QTest::newRow("55 no trailing blank")
            << 55 << QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem");
        QTest::newRow("64") << 64
                            << QStringLiteral(
                                   "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen");
        QTest::newRow("68") << 68 << QStringLiteral("Liste löschen?");
    }
    void builtInEntries()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(MessageTable().text(index), text);
    }

    void rebuildQuestionComposes()
    {
        const MessageTable table;
        const QString question = table.text(3) + QStringLiteral("01.03.2025") + table.text(4);
        QCOMPARE(question,
                 QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab "
                                "dem 01.03.2025 aus dem Internet neu aufbauen??"));
    }

    void digitSumLabelHasTwoBlanks()
    {
        QCOMPARE(MessageTable().text(8) + QLatin1Char(' ') + QString::number(100),
                 QStringLiteral("Quersumme:  100"));
    }

    // The questions of 71 to 75 and the program's own texts from 76 on never show
    // an empty text with the built-in table, and 69 and 70 keep their places.
    void extendedEntriesPresent()
    {
        const MessageTable table;
        QVERIFY(table.size() > 76);
        for (int i = 71; i < table.size(); ++i)
            QVERIFY2(!table.text(i).isEmpty(), qPrintable(QString::number(i)));
        QVERIFY(table.text(72).endsWith(QLatin1Char('?')));
        QVERIFY(table.text(75).endsWith(QLatin1Char('?')));
    }

    void beyondTheEndIsEmpty()
    {
        const MessageTable table;
        QVERIFY(table.text(table.size()).isEmpty());
        QVERIFY(table.text(100000).isEmpty());
        QVERIFY(table.text(-1).isEmpty());
    }

    void replaceAllWithShorterTable()
    {
        MessageTable table;
        table.replaceAll({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("Kein Gewähr")});
        QCOMPARE(table.text(2), QStringLiteral("Kein Gewähr"));
        QVERIFY(table.text(3).isEmpty());
        QVERIFY(table.text(71).isEmpty());
        QCOMPARE(table.size(), 3);
    }

    void longEntryIsCut()
    {
        MessageTable table;
        table.replaceAll({QString(5000, QLatin1Char('x'))});
        QCOMPARE(table.text(0).size(), 4096);
    }
};

QTEST_GUILESS_MAIN(TestMessageTable)
#include "test_message_table.moc"
