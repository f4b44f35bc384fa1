#include "i18n/message_table.h"

namespace kw {

MessageTable::MessageTable() : m_entries(builtIn()) {}

QString MessageTable::text(int index) const
{
    if (index < 0 || index >= m_entries.size()) return {};
    return m_entries.at(index).left(kMaxEntryLength);
}

const MessageTable& MessageTable::german()
{
    static const MessageTable table;
    return table;
}

QStringList MessageTable::builtIn()
{
    // Unused positions (0, 1, 31, 47 to 49, 69, 70) stay occupied so that every
    // later entry keeps its index.
    return {
        QString(),  // 0
        QString(),  // 1
        QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"),
        QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem "),
        QStringLiteral(" aus dem Internet neu aufbauen??"),
        QStringLiteral("Ziehungsdaten löschen?"),
        QStringLiteral("Zahlenverteilung"),
        QStringLiteral("Ziehungen : "),
        QStringLiteral("Quersumme: "),
        QStringLiteral("Wie oft wurden die einzelnen Eurozahlen gezogen?"),
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),  // 10
        QStringLiteral("Tipp-Test"),
        QStringLiteral("Ein Treffer am  "),
        QStringLiteral(" gefunden. Weiter?"),
        QStringLiteral("Ziehung gefunden"),
        QStringLiteral("Paare gefunden :  "),
        QStringLiteral("Dreier gefunden :  "),
        QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"),
        QStringLiteral("Quersummenverteilung"),
        QStringLiteral("Vierer gefunden!"),
        QStringLiteral("Stoppen"),  // 20
        QStringLiteral("Berechnung der Paarbildung"),
        QStringLiteral("Berechnung der Dreiergruppenbildung"),
        QStringLiteral("Berechnung der Vierergruppenbildung"),
        QStringLiteral("Berechnung der Zahlenverteilung"),
        QStringLiteral("Berechnung der aussehenden Zahlen"),
        QStringLiteral("Berechnung der Nachbarzahlen der letzten Ziehung"),
        QStringLiteral("Beginn der Tippberechnung"),
        QStringLiteral("Tipp"),
        QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"),
        QStringLiteral("Tipps wurden neu berechnet"),  // 30
        QString(),                                     // 31
        QStringLiteral("Quendels Lotto-Tipp für "),
        QStringLiteral("Eurozahl"),
        QStringLiteral(
            "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"),
        QStringLiteral("Ihre Glückszahl (1-99999999)?"),
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"),
        QStringLiteral("Glückszahl"),
        QStringLiteral("gesetzt"),
        QStringLiteral("Zahlenverteilung des Tippes"),
        QStringLiteral("Soll die Analyse der Einstellungen jetzt ab dem "),  // 40
        QStringLiteral("durchgeführt werden??"),
        QStringLiteral("aktuellen Tipps werden dabei gelöscht?"),
        QStringLiteral("Aktuelle Einstellung brachten"),
        QStringLiteral("Anzahl ohne Eurozahlen"),
        QStringLiteral("Reihen"),
        QStringLiteral("Fehler bei Eingabe der Zufallszahl"),
        QString(),                                       // 47
        QString(),                                       // 48
        QString(),                                       // 49
        QStringLiteral("Zahlen für Berechnung wählen"),  // 50
        QStringLiteral("Tipp bearbeiten"),
        QStringLiteral("Zufall"),
        QStringLiteral("Stopp"),
        QStringLiteral("Welche Eurozahl wurde am längsten nicht gezogen?"),
        QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem"),
        QStringLiteral("durchgeführt werden??"),
        QStringLiteral("aktuellen Tipps werden dabei gelöscht?"),
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),
        QStringLiteral("Ziehungsergebnis vergleichen"),
        QStringLiteral("Ein Treffer gefunden am"),  // 60
        QStringLiteral("Weiter?"),
        QStringLiteral("Ziehung gefunden"),
        QStringLiteral("Treffer von Ziehungen in der Datenbank"),
        QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Sollen die Tipps übertragen werden"),
        QStringLiteral("Übertragen?"),
        QStringLiteral("Soll die Liste vorher gelöscht werden?"),
        QStringLiteral("Liste löschen?"),  // 68
        QString(),                         // 69
        QString(),                         // 70
        QStringLiteral(
            "Es läuft gerade eine Tippberechnung. Sollen die Tipps trotzdem gelöscht werden?"),
        QStringLiteral("Tipps löschen?"),
        QStringLiteral("Die Tipps wurden an den Warenkorb übergeben."),
        QStringLiteral("Soll die bearbeitete Tippliste übernommen werden?"),
        QStringLiteral("Tippliste übernehmen?"),  // 75
        QStringLiteral("Die Sprachdatei fehlt: "),
        QStringLiteral("Übergabe des Tippscheins direkt an "),
        QStringLiteral("einfach per Zufall bestimmen"),
        QStringLiteral("Losnummer noch nie gezogen"),
        QStringLiteral("letzten 6 Stellen der Losnummer nie gezogen"),
        QStringLiteral("letzten 5 Stellen der Losnummer nie gezogen"),
        QStringLiteral("letzten 4 Stellen der Losnummer nie gezogen"),  // 82
        QStringLiteral("Keine Ziehungsquelle eingestellt (Ziehungsdaten-Server oder Ergebnisdatei "
                       "auf \u201EInternet-Optionen\u201C)"),
        QStringLiteral("Keine Verbindung zum Ziehungsdaten-Server"),
        QStringLiteral("Verbindung zum Ziehungsdaten-Server abgebrochen"),
        QStringLiteral("Antwort f\u00FCr den %1 gr\u00F6\u00DFer als %2 Bytes, nichts gespeichert"),
        QStringLiteral("Antwort f\u00FCr den %1 mit %2 Zeilen, nichts gespeichert"),
        QStringLiteral("Ergebnisdatei nicht geladen: "),
        QStringLiteral("Ergebnisdatei: %1 neue Ziehungen"),
        QStringLiteral(", %1 abweichende gespeicherte behalten"),
        QStringLiteral(", %1 Zeilen abgelehnt, erste: %2"),
        QStringLiteral(
            "Es sind noch keine Ziehungen gespeichert, und es konnten keine geladen werden:"),
        QStringLiteral(
            "Woher die Ziehungen kommen, stellen Sie auf der Seite \u201EInternet-Optionen\u201C "
            "ein: die Adresse der Ergebnisdatei oder eines Ziehungsdaten-Servers. Eine "
            "Ergebnisdatei, die Sie selbst geladen haben, lesen Sie auf der Seite "
            "\u201EDatenbank\u201C mit \u201EImport aus Text\u201C ein."),
        QStringLiteral("Ziehungen laden"),
        QStringLiteral("Import aus Text"),
        QStringLiteral("Textdatei (*.txt *.csv);;Alle Dateien (*)"),
        QStringLiteral("%1 Ziehungen der Datei weichen von den gespeicherten ab."),
        QStringLiteral("Sollen die gespeicherten ersetzt werden?"),
        QStringLiteral("%1 Ziehungen hinzugef\u00FCgt"),
        QStringLiteral("%1 ersetzt"),
        QStringLiteral("%1 unver\u00E4ndert"),
        QStringLiteral("%1 Zeilen abgelehnt"),
        QStringLiteral("%1 abweichende Ziehungen behalten"),
        QStringLiteral("Erste abgelehnte "),
        QStringLiteral("Zeile %1: \"%2\" (%3)"),
        QStringLiteral("unbekanntes Zeilenformat"),
        QStringLiteral("nicht f\u00FCnf Zahlen"),
        QStringLiteral("ung\u00FCltiges Datum"),
        QStringLiteral("\"%1\" ist keine Zahl"),
        QStringLiteral("Zahl %1 au\u00DFerhalb von 1 bis 42"),
        QStringLiteral("Zahl %1 doppelt"),
        QStringLiteral("Sternzahl \"%1\" au\u00DFerhalb von 0 bis %2"),
        QStringLiteral("Datum schon in einer fr\u00FCheren Zeile"),
        QStringLiteral("Die Ziehung vom %1 (%2) l\u00F6schen?"),
        QStringLiteral("Ziehung l\u00F6schen"),
        QStringLiteral("Kein Quoten-Server eingestellt (auf \u201EInternet-Optionen\u201C)"),
        QStringLiteral("Warenkorb-Server: keine Warenkorb-Adresse erhalten"),
        QStringLiteral("Liste: %1 von %2 Reihen berechnet"),
        QStringLiteral("Chancen Ihrer Tipps"),
        QStringLiteral("%1 Tipps gegen alle 850.668 m\u00F6glichen Ziehungen (5 aus 42)"),
        QStringLiteral("Ihre Tipps"),
        QStringLiteral("Zufallstipps"),
        QStringLiteral("Ziehungen mit 5 Richtigen"),
        QStringLiteral("Ziehungen mit 4 Richtigen als bestem Ergebnis"),
        QStringLiteral("Ziehungen mit 3 Richtigen als bestem Ergebnis"),
        QStringLiteral("Ziehungen mit irgendeinem Gewinn (3 Richtige oder mehr)"),
        QStringLiteral("Ziehungen, in denen kein Tipp 2 Richtige hat"),
        QStringLiteral("Gewinnende Tipps mit %1 Richtigen je Ziehung (Mittel)"),
        QStringLiteral("Erwartete Auszahlung je Ziehung (EUR)"),
        QStringLiteral("Einsatz je Ziehung (EUR)"),
        QStringLiteral("R\u00FCckfluss: Auszahlung in % des Einsatzes"),
        QStringLiteral("Abgedeckte Dreier (von 11.480)"),
        QStringLiteral("Abgedeckte Paare (von 861)"),
        QStringLiteral("%1 (%2 %, 1 : %3)"),
        QStringLiteral("nie"),
        QStringLiteral("Doppelte Tipps (hier %1): Ein doppelt gespielter Tipp gewinnt doppelt und "
                       "kostet doppelt (gewinnende Tipps, Auszahlung, Einsatz). Bei den Ziehungen "
                       "und der Abdeckung z\u00E4hlt er einmal."),
        QStringLiteral("%1 Zeilen ohne f\u00FCnf verschiedene Zahlen von 1 bis 42 sind nicht "
                       "mitgez\u00E4hlt."),
        QStringLiteral("Auszahlung mit den Quoten der Gewinnberechnung f\u00FCr 3, 4 und 5 "
                       "Richtige (ohne Eurozahlen)."),
        QStringLiteral("Auszahlung mit den Durchschnittsquoten f\u00FCr 3, 4 und 5 Richtige (ohne "
                       "Eurozahlen), da keine Quoten geladen sind."),
        QStringLiteral("Zufallstipps: der genaue Mittelwert f\u00FCr ebenso viele rein "
                       "zuf\u00E4llige Tipps, berechnet, nicht ausgelost. Auszahlung und "
                       "R\u00FCckfluss h\u00E4ngen nicht davon ab, welche Zahlen man tippt."),
        QStringLiteral("Chancen werden berechnet \u2026"),
        QStringLiteral("Keine Tipps mit f\u00FCnf Zahlen vorhanden."),
        QStringLiteral("Gespeichert in %1"),
        QStringLiteral("Chancen.txt nicht gespeichert: %1"),
        QStringLiteral("\u201E1 : N\u201C hei\u00DFt: im Mittel einmal in N Ziehungen."),
        QStringLiteral("Vergleich mit Zufallstipps: %1 L\u00E4ufe mit denselben Wochen und gleich "
                       "vielen Reihen"),
        QStringLiteral("Treffer\tEinstellungen\tZufall Mittel\t5. Perzentil\t95. Perzentil\tRang"),
        QStringLiteral("Treffer gesamt"),
        QStringLiteral("Die Einstellungen waren besser als der Zufall: ihre %1 Treffer liegen "
                       "\u00FCber dem 95. Perzentil der Zufallstipps (%2)."),
        QStringLiteral("Die Einstellungen waren schlechter als der Zufall: ihre %1 Treffer liegen "
                       "unter dem 5. Perzentil der Zufallstipps (%2)."),
        QStringLiteral("Die Einstellungen waren nicht erkennbar besser als der Zufall: ihre %1 "
                       "Treffer liegen innerhalb der Streuung der Zufallstipps (%2 bis %3, Mittel "
                       "%4), der Unterschied kann reiner Zufall sein."),
        QStringLiteral("Rad / System erstellen"),
        QStringLiteral("Gew\u00E4hlte Zahlen: %1 (6 bis 24)"),
        QStringLiteral("Garantie:"),
        QStringLiteral("%1 wenn %2"),
        QStringLiteral("Rechenzeit (Sekunden):"),
        QStringLiteral("Berechnen"),
        QStringLiteral("Abbrechen"),
        QStringLiteral("\u00DCbernehmen"),
        QStringLiteral("Schlie\u00DFen"),
        QStringLiteral("Suche l\u00E4uft: bisher %1 Reihen nach %2 s"),
        QStringLiteral("Reihen: %1"),
        QStringLiteral("Kosten: %1 \u00D7 %2 EUR = %3 EUR"),
        QStringLiteral("Garantie gepr\u00FCft: alle %1 F\u00E4lle"),
        QStringLiteral("Garantie verletzt: gezogen %1, keine Reihe hat %2 davon"),
        QStringLiteral("Untere Schranke (Sch\u00F6nheim): %1 Reihen \u2013 kein Rad mit dieser "
                       "Garantie kommt mit weniger aus"),
        QStringLiteral("Untere Schranke: %1 Reihen \u2013 kein Rad mit dieser Garantie kommt mit "
                       "weniger aus"),
        QStringLiteral("Das Rad ist so klein wie m\u00F6glich."),
        QStringLiteral("Abgebrochen: das beste bis dahin gefundene Rad."),
        QStringLiteral("Chancen des Rades \u00FCber alle 850.668 Ziehungen, neben ebenso vielen "
                       "Zufallstipps:"),
        QStringLiteral("Rad"),
        QStringLiteral("Bitte 6 bis 24 Zahlen w\u00E4hlen."),
        QStringLiteral("%1 Reihen passen nicht mehr in die Tippliste (h\u00F6chstens %2 Zeilen)."),
        QStringLiteral("Mindestens %1 Richtige in einer Reihe, wenn %2 der gew\u00E4hlten Zahlen "
                       "gezogen werden."),
        QStringLiteral("Antwort f\u00FCr den %1 nicht lesbar (Zeile %2), Einlesen beendet"),
        QStringLiteral("Ergebnisdatei nicht geladen: %1 (gr\u00F6\u00DFer als %2 MB, abgebrochen)"),
        QStringLiteral("\u00DCber Kugelwart"),
        QStringLiteral("Version %1"),
        QStringLiteral("Freie Software unter der GNU GPL v3 oder sp\u00E4ter"),
        QStringLiteral("Die Ziehungen kommen vom Ziehungsdaten-Server %1."),
        QStringLiteral("Die Ziehungen kommen aus der Ergebnisdatei %1."),
        QStringLiteral("Datenordner: %1"),
        QStringLiteral("Programmordner: %1"),
        QStringLiteral("Die Anleitung wurde nicht gefunden. Gesucht: %1"),
        QStringLiteral("Datum\tTag\t1. Zahl\t2. Zahl\t3. Zahl\t4. Zahl\t5. Zahl\tQuersumme"),
        QStringLiteral("Keine Ziehungen gespeichert"),
        QStringLiteral("1 Ziehung vom %1 (%2)"),
        QStringLiteral("%1 Ziehungen vom %2 bis %3 (%4)"),
        QStringLiteral("die neueste ist von heute"),
        QStringLiteral("die neueste ist von gestern"),
        QStringLiteral("die neueste ist %1 Tage alt"),
        QStringLiteral("die neueste liegt in der Zukunft"),
        QStringLiteral("Ziehungen mit der %1: %2, die letzte am %3"),
        QStringLiteral("Keine Ziehung mit der %1"),
        QStringLiteral("Doppelklick: diese Ziehung als aktuelle Ziehung zeigen"),
        QStringLiteral("Zahl %1: %2-mal gezogen"),
        QStringLiteral("Zahl %1 \u2013 \u00FCberf\u00E4llig: %2"),
        QStringLiteral("Quersumme %1: %2-mal"),
        QStringLiteral("Paar %1\u2013%2: %3-mal"),
        QStringLiteral("Dreier %1\u2013%2: %3-mal"),
        QStringLiteral("Vierer %1\u2013%2: %3-mal"),
        QStringLiteral("Zahl %1 mit %2: %3-mal zusammen gezogen"),
        QStringLiteral("Sternzahl %1 \u2013 \u00FCberf\u00E4llig: %2"),
        QStringLiteral("Zahl %1: %2-mal in den Tipps"),
        QStringLiteral("Primzahl"),
        QStringLiteral("keine Primzahl"),
        QStringLiteral("Ziehungen mit dieser Quersumme"),
        QStringLiteral("Ziehungen mit dieser Zahlenfolge"),
        QStringLiteral("mit %1 zusammen gezogen"),
        QStringLiteral("\u00DCberf\u00E4lligkeit der Sternzahl"),
        QStringLiteral("Diagramm speichern"),
        QStringLiteral("PNG-Bilder (*.png)"),
        QStringLiteral("Diagramm gespeichert in %1"),
        QStringLiteral("Diagramm nicht gespeichert: %1"),
        QStringLiteral("\u201E%1\u201C ist keine Zahl"),
        QStringLiteral("\u201E%1\u201C ist keine Zahl von 1 bis %2"),
        QStringLiteral("Es sind schon %1 Reihen erreicht \u2013 Liste leeren (Papierkorb "
                       "\u201ELöschen aller Tipps\u201C) oder \u201EAnzahl Tipps\u201C "
                       "erhöhen, um weiterzumachen."),
    };
}

}  // namespace kw
