

Bez gwarancji poprawności liczb!
Czy na pewno usunąć wszystkie dane losowań i od dnia 
 pobrać je ponownie z Internetu?
Usunąć dane losowań?
Rozkład liczb
Losowania: 
Suma liczb: 
Jak często losowano poszczególne euroliczby?
Przy ilu zgodnych liczbach zatrzymać?
Test zakładu
Znaleziono trafienie w losowaniu z dnia  
 – szukać dalej?
Znaleziono losowanie
Znalezione pary:  
Znalezione trójki:  
Najpierw wczytaj dane losowań
Rozkład sum liczb
Znaleziono czwórki!
Zatrzymaj
Obliczanie par
Obliczanie trójek
Obliczanie czwórek
Obliczanie rozkładu liczb
Obliczanie liczb zaległych
Obliczanie liczb sąsiednich z ostatniego losowania
Rozpoczęcie obliczania zakładów
Zakład
Zmień parametry, aby obliczyć 12 zakładów
Zakłady zostały obliczone ponownie

Quendels Lotto – zakład na 
Euroliczba
Która liczba jest zaległa, tzn. od ilu losowań nie została wylosowana?
Twoja szczęśliwa liczba (1-99999999)?
Podaj swoją szczęśliwą liczbę dla generatora losowego!
Szczęśliwa liczba
ustawiona
Rozkład liczb w zakładzie
Czy analizę ustawień od dnia 
przeprowadzić teraz?
bieżące zakłady zostaną przy tym usunięte!
Bieżące ustawienia dały
Liczba bez euroliczb
zakładów
Błąd przy wprowadzaniu liczby losowej



Wybierz liczby do obliczeń
Edytuj zakład
Losowo
Stop
Która euroliczba najdłużej nie była losowana?
Czy analizę bazy danych od dnia
przeprowadzić teraz?
bieżące zakłady zostaną przy tym usunięte!
Przy ilu zgodnych liczbach zatrzymać?
Porównaj wynik losowania
Znaleziono trafienie w losowaniu z dnia
Szukać dalej?
Znaleziono losowanie
Trafienia w losowaniach z bazy danych
Jak często w następnym losowaniu padły podobne liczby
Czy przekazać zakłady
Przekazać?
Czy najpierw wyczyścić listę?
Wyczyścić listę?


Trwa obliczanie zakładów. Czy mimo to usunąć zakłady?
Usunąć zakłady?
Zakłady zostały przekazane do koszyka.
Czy przejąć edytowaną listę zakładów?
Przejąć listę zakładów?
Brak pliku językowego: 
Przekazanie kuponu bezpośrednio do 
po prostu wybrać losowo
numer losu jeszcze nigdy niewylosowany
ostatnie 6 cyfr numeru losu nigdy niewylosowane
ostatnie 5 cyfr numeru losu nigdy niewylosowane
ostatnie 4 cyfry numeru losu nigdy niewylosowane
Nie ustawiono źródła losowań (serwer danych losowań lub plik wyników na stronie „Opcje internetowe”)
Brak połączenia z serwerem danych losowań
Przerwano połączenie z serwerem danych losowań
Odpowiedź dla %1 większa niż %2 bajtów, nic nie zapisano
Odpowiedź dla %1 ma %2 wierszy, nic nie zapisano
Nie wczytano pliku wyników: 
Plik wyników: nowe losowania: %1
, zachowane odmienne zapisane: %1
, odrzucone wiersze: %1, pierwszy: %2
Nie zapisano jeszcze żadnych losowań i nie udało się żadnych pobrać:
Skąd pochodzą losowania, ustawisz na stronie „Opcje internetowe”: adres pliku wyników lub serwera danych losowań. Samodzielnie pobrany plik wyników wczytasz na stronie „Baza danych” przyciskiem „Import z tekstu”.
Pobieranie losowań
Import z tekstu
Plik tekstowy (*.txt *.csv);;Wszystkie pliki (*)
Losowania w pliku różniące się od zapisanych: %1.
Zastąpić zapisane losowania?
Dodane losowania: %1
Zastąpione: %1
Bez zmian: %1
Odrzucone wiersze: %1
Zachowane odmienne losowania: %1
Pierwszy odrzucony: 
wiersz %1: „%2” (%3)
nieznany format wiersza
nie pięć liczb
nieprawidłowa data
„%1” nie jest liczbą
liczba %1 spoza zakresu 1–42
liczba %1 występuje dwa razy
liczba dodatkowa „%1” spoza zakresu 0–%2
data już w jednym z wcześniejszych wierszy
Usunąć losowanie z %1 (%2)?
Usuń losowanie
Nie ustawiono serwera wygranych (na stronie „Opcje internetowe”)
Serwer koszyka: nie otrzymano adresu koszyka
Lista: obliczono %1 z %2 wierszy
Szanse Twoich zakładów
%1 zakładów wobec wszystkich 850 668 możliwych losowań (5 z 42)
Twoje zakłady
Zakłady losowe
Losowania z 5 trafieniami
Losowania z 4 trafieniami jako najlepszym wynikiem
Losowania z 3 trafieniami jako najlepszym wynikiem
Losowania z jakąkolwiek wygraną (3 trafienia lub więcej)
Losowania, w których żaden zakład nie ma 2 trafień
Wygrywające zakłady z %1 trafieniami na losowanie (średnio)
Oczekiwana wypłata na losowanie (EUR)
Stawka na losowanie (EUR)
Zwrot: wypłata w % stawki
Pokryte trójki (z 11 480)
Pokryte pary (z 861)
%1 (%2 %, 1 : %3)
nigdy
Podwójne zakłady (tutaj %1): zakład zagrany dwa razy wygrywa dwa razy i kosztuje dwa razy (wygrywające zakłady, wypłata, stawka). Przy losowaniach i pokryciu liczy się raz.
%1 wierszy bez pięciu różnych liczb od 1 do 42 nie zostało policzonych.
Wypłata według kursów z obliczenia wygranych dla 3, 4 i 5 trafień (bez liczb dodatkowych).
Wypłata według średnich kursów dla 3, 4 i 5 trafień (bez liczb dodatkowych), ponieważ nie wczytano kursów.
Zakłady losowe: dokładna średnia dla tylu samo czysto losowych zakładów, obliczona, nie wylosowana. Wypłata i zwrot nie zależą od tego, jakie liczby się skreśla.
Obliczanie szans …
Brak zakładów z pięcioma liczbami.
Zapisano w %1
Nie zapisano Chancen.txt: %1
„1 : N” oznacza: średnio raz na N losowań.
Porównanie z losowymi typami: %1 przebiegów w tych samych tygodniach z tyloma samymi zakładami
Trafienia	Ustawienia	Losowe średnio	5. percentyl	95. percentyl	Ranga
Trafienia razem
Ustawienia wypadły lepiej niż przypadek: ich %1 trafień leży powyżej 95. percentyla losowych typów (%2).
Ustawienia wypadły gorzej niż przypadek: ich %1 trafień leży poniżej 5. percentyla losowych typów (%2).
Ustawienia nie wypadły wyraźnie lepiej niż przypadek: ich %1 trafień mieści się w rozrzucie losowych typów (%2 do %3, średnio %4), różnica może być czystym przypadkiem.
Utwórz system (koło)
Wybrane liczby: %1 (od 6 do 24)
Gwarancja:
%1 jeśli %2
Czas obliczeń (sekundy):
Oblicz
Anuluj
Przejmij
Zamknij
Trwa szukanie: dotąd %1 zakładów po %2 s
Zakłady: %1
Koszt: %1 × %2 EUR = %3 EUR
Gwarancja sprawdzona: wszystkie przypadki (%1)
Gwarancja naruszona: wylosowano %1, żaden zakład nie ma %2 z nich
Dolna granica (Schönheim): %1 zakładów – żaden system z tą gwarancją nie ma mniej
Dolna granica: %1 zakładów – żaden system z tą gwarancją nie ma mniej
System jest najmniejszy z możliwych.
Przerwano: najlepszy system znaleziony do tej pory.
Szanse systemu we wszystkich 850 668 losowaniach, obok tyle samo losowych zakładów:
System
Wybierz od 6 do 24 liczb.
%1 zakładów nie zmieści się już na liście typów (najwyżej %2 wierszy).
Liczba trafień w jednym zakładzie: co najmniej %1, gdy wylosowano %2 z wybranych liczb.
Odpowiedź za %1 nieczytelna (wiersz %2), pobieranie zakończone
Plik wyników nie został wczytany: %1 (większy niż %2 MB, przerwano)
O programie Kugelwart
Wersja %1
Wolne oprogramowanie na licencji GNU GPL v3 lub późniejszej
Losowania pochodzą z serwera danych losowań %1.
Losowania pochodzą z pliku wyników %1.
Folder danych: %1
Folder programu: %1
Nie znaleziono instrukcji obsługi. Szukano: %1
Data	Dzień	1. liczba	2. liczba	3. liczba	4. liczba	5. liczba	Suma
Brak zapisanych losowań
1 losowanie z dnia %1 (%2)
Losowania: %1, od %2 do %3 (%4)
najnowsze jest z dzisiaj
najnowsze jest z wczoraj
najnowsze jest sprzed %1 dni
najnowsze jest z przyszłości
Losowania z liczbą %1: %2, ostatnie %3
Brak losowań z liczbą %1
Dwuklik: pokaż to losowanie jako bieżące
Liczba %1: wylosowana %2 razy
Liczba %1 – zaległa: %2
Suma %1: %2 razy
Para %1–%2: %3 razy
Trójka %1–%2: %3 razy
Czwórka %1–%2: %3 razy
Liczba %1 z %2: wylosowane razem %3 razy
Liczba dodatkowa %1 – zaległa: %2
Liczba %1: %2 razy w zakładach
Liczba pierwsza
Nie liczba pierwsza
Losowania z tą sumą
Losowania z tym ciągiem liczb
Wylosowane razem z %1
Zaległość liczby dodatkowej
Zapisz wykres
Obrazy PNG (*.png)
Wykres zapisany w %1
Wykres nie został zapisany: %1
„%1” nie jest liczbą
„%1” nie jest liczbą od 1 do %2
Osiągnięto już %1 zakładów – wyczyść listę (kosz „Usuń wszystkie zakłady”) lub zwiększ „Liczba zakładów”, aby kontynuować.
