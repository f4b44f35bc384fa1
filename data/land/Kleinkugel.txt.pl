Quendels Kugelwart dla Mini Lotto

&Pobierz dane losowań

&Oblicz

Język/&Language

Niemiecki

Angielski

Francuski

Hiszpański

Włoski

Rosyjski

Turecki

Niderlandzki

Polski

Czeski

Słowacki

Węgierski

Grecki

Szwedzki

Norweski

Fiński

Duński

Portugalski

Chiński

&Zapisz plik

Za&mknij

Pomo&c

O &programie Kugelwart

&Instrukcja obsługi

Przegląd zakładów


Pobierz dane losowań z Internetu

Pokaż poprzednie losowanie

Pokaż następne losowanie
Standardowy
Tutaj można także obliczyć i ocenić do 12 zakładów
Widok listy
Tutaj można także wczytać i ocenić większe listy
1. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
2. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
3. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
4. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
5. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
6. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.

Edytuj zakład w oknie wyboru liczb
7. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb
8. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb
9. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb
10. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb
11. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb
12. zakład
Jeśli napis „zakład” jest czerwony, ten zakład nie zostanie obliczony ponownie!

Edytuj zakład w oknie wyboru liczb

Usuń wszystkie zakłady

Zapisz zakłady

Wczytaj zakłady z pliku
Oblicz wygrane
Ocena zakładów i obliczenie kwoty wygranej

Edytuj listę zakładów
Drukuj zakłady
Tutaj wydrukujesz obliczone zakłady
Drukuj kupon (test)

Autoklik

Szukaj zakładów w bazie
Tutaj sprawdzisz, czy ten zakład został już kiedyś wylosowany
Rozkład zakładów
Tutaj na wykresie widać, które liczby i jak często były losowane
Oblicz szanse
Dokładne szanse wygranej pokazanych zakładów we wszystkich możliwych losowaniach, w porównaniu z zakładami losowymi
Utwórz system (koło)
Rozkłada więcej wybranych liczb na jak najmniej zakładów, ze sprawdzoną gwarancją wygranej
Liczba zakładów:

Szczęśliwa liczba
Tutaj możesz trochę pomóc przypadkowi i wygenerować naprawdę swój własny zakład
Koszyk

Oblicz zakłady
Tutaj uruchamiasz obliczanie zakładów.
Liczby ostatniego losowania

Parametry

Statystyczne

Preferuj liczby do zakładów na podstawie statystyki

W zakładce „Ogólne” możesz ustalić, że do obliczania zakładów będą używane tylko te liczby

Do obliczania zakładów używane jest każdorazowo pierwsze x% (np. do 30% maksimum)

Preferuj liczby losowane szczególnie często

Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%


Pokaż na wykresie
Preferuj liczby losowane szczególnie rzadko

Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

Liczby zaległe dłużej niż X losowań


Pokaż na wykresie
Preferuj liczby często tworzące pary

najrzadsze


Pokaż na wykresie
Preferuj liczby często tworzące trójki

najrzadsze


Pokaż na wykresie
Preferuj liczby często tworzące czwórki

najrzadsze


Pokaż na wykresie
Preferuj liczby sąsiednie z ostatniego losowania

Optymalizacja kuponu

Wzajemna optymalizacja zakładów na kuponie 

Dopuść maksymalną liczbę zgodności z innymi zakładami

Dopuść minimalną liczbę zgodności z innymi zakładami

Min/Max stosuj do relacji każdego zakładu z każdym

Uwzględniaj euroliczby w obliczaniu zgodności!

Optymalizacja poszczególnych zakładów względem poprzednich losowań

Maksymalnie tyle liczb z ostatniego losowania

Maksymalnie tyle liczb z przedostatniego losowania

Maksymalnie tyle liczb z przedprzedostatniego losowania

Zakład nie może dać żadnej 

Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
 -ki w losowaniach z bazy danych

Zakład nie może dać   

Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
 -ki w ostatnich  

Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
losowaniach

Matematyczne

Te warunki są uwzględniane w każdym zakładzie

Suma liczb od

do

dopuszczalna w zakładzie

Rozkład sum liczb w poprzednich losowaniach zobaczysz na wykresie pod przyciskiem Suma  
Pokaż na wykresie
Wymuś minimalną liczbę liczb pierwszych w każdym zakładzie

Wymuś minimalną liczbę liczb parzystych w każdym zakładzie

Wymuś minimalną liczbę liczb nieparzystych w każdym zakładzie

Wymuś jedną parę w każdym zakładzie

Pary powstają zwykle same, ale tutaj można je też wymusić.
Pokaż na wykresie
Bez trójek, czwórek... (grup)

Trójki, 
Pokaż na wykresie
czwórki... (3-4-5 lub 28-29-30-31) występują stosunkowo rzadko, tutaj można je całkowicie wykluczyć
Pokaż na wykresie
Euroliczby

Opcje euroliczb

Opcje euroliczb

Ogólne

Ogólne opcje obliczeń

Do zakładu używaj tylko preferowanych liczb!

Unikaj liczb 1-12 (miesiące, często typowane przez graczy stawiających daty) 

Zmniejsz wagę liczb 1-31 (daty) – rzadziej pojawiają się w zakładzie

Pokaż / edytuj listę do generowania zakładów

Maks. liczba przebiegów

tys.

Jeśli przy tych ustawieniach nie udało się obliczyć wszystkich zakładów, spróbuj zwiększyć liczbę przebiegów obliczeń. 

Stawka za zakład

Przebiegi losowych typów do porównania

Wykres

Data początkowa analizy:

Przebieg
Przebieg częstości losowanych liczb, począwszy od bieżącej daty
Przebieg
Przebieg częstości losowanych liczb, począwszy od bieżącej daty
Oś od 0
Oś wartości zaczyna się od 0, aby słupki miały właściwe proporcje
Zapisz wykres
Zapisuje wykres jako obraz PNG
Częstość
Rozkład wylosowanych liczb
Suma

Zaległe

2-ki

3-ki

4-ki

Pary z 

następna

Baza danych

Losowanie


Ocena zakładu dla losowania z wybranej daty
Dane losowań

&Aktualizuj bazę danych


Zatrzymuje wczytywanie
Utwórz bazę od nowa

Edycja losowań

Wprowadź
Ręczne wprowadzanie danych losowania.
Usuń
Usuń aktualnie wyświetlane losowanie
Eksport do tekstu
Zapisz wszystkie losowania jako plik tekstowy
Import z tekstu
Wczytaj losowania z pliku tekstowego
Statystyka

Szukaj par
Utwórz wykres par liczb
Szukaj trójek

Szukaj czwórek

Zaległe

Zaległe euroliczby
Która euroliczba najdłużej nie była losowana?
Analiza historyczna parametrów

Na podstawie ustawionych parametrów obliczane i oceniane są zakłady

porównaj z losowymi typami
Rozgrywa te same tygodnie także z losowymi typami i porównuje trafienia
Analiza historyczna od daty wybranej powyżej

Czy losowanie dało już kiedyś czwórkę lub piątkę?

Zapisane losowania

&Liczba:

Pokaż tylko losowania z tą liczbą (puste: wszystkie)
Pokaż tylko losowania z tą liczbą (puste: wszystkie)
Opcje internetowe

Proxy

Serwer proxy:

Port proxy:

Serwer

Serwer danych losowań:

Adres serwera, z którego obliczanie wygranych pobiera kwoty wygranych dla losowania
Adres serwera, z którego obliczanie wygranych pobiera kwoty wygranych dla losowania
Serwer wygranych:

Adres usługi, która podaje adres koszyka portalu loteryjnego; puste: strona portalu otworzy się bez zakładów
Adres usługi, która podaje adres koszyka portalu loteryjnego; puste: strona portalu otworzy się bez zakładów
Serwer koszyka:

Adres pełnego pliku wyników; jest pobierany, gdy nie ustawiono serwera danych losowań
Adres pełnego pliku wyników; jest pobierany, gdy nie ustawiono serwera danych losowań
Plik wyników (adres):

Portal loteryjny

Linki

Wprowadź liczby losowania

Data:

Liczby:

E:

E:

&OK

&Anuluj

Przekazanie kuponu bezpośrednio do Lottoland

Numer losu:


Wygeneruj nowy numer losu, który jeszcze nigdy nie został wylosowany

Sprawdź, czy ten numer losu był już wylosowany
Spiel 77

Super 6

Glücksspirale

Koszt:

Opcje Super 6 i Spiel 77

Kliknij „Koszyk”, aby przekazać zakłady. Następnie możesz się zalogować lub zarejestrować.

&Koszyk

&Anuluj

Liczby do obliczeń


Zapisz listę

Wczytaj listę
&Losowo

Anuluj

OK

&Oblicz

Liczba %s wchodzi do obliczeń z wagą %s

Pozycjonowanie wydruku kuponu

1. blok, 1. liczba

Lewo:

Góra

Odstęp bloków:

Szerokość:

Wysokość

Układ bloków

Wiersze:

Kolumny:

Krzyżyk

Znak:

Rozmiar:

Kupon

Szer. pola:

Wys. pola:

Wiersze:

Kolumny:

Liczby poziomo

Zacznij od dołu

Pokaż

Pole liczb

Wcięcie:

Odstęp:

Szer. pola:

Wys. pola:

Wiersze:

Kolumny:

Liczby poziomo

Zacznij od dołu

Euroliczby

Liczby

Wczytaj ustawienia
Odczytaj położenie pól z szablonu
Wpisz liczby
Wpisz zakłady według ustawionych wartości
&Drukuj

Strona

Szablon:


Wybierz szablon
Tło:


Wybierz obraz tła
Ocena i obliczanie wygranych

Liczba


Pobrano kwoty wygranych dla losowania z %s
Trafienia + E + E

Kwoty wygranych

Suma

Bez gwarancji poprawności liczb!
Bez gwarancji poprawności liczb!
1:35
1:35
nie udało się pobrać kwoty
nie udało się pobrać kwoty
1:80
1:80
Stawka: jeszcze niedostępna!
Stawka: jeszcze niedostępna!
1:399
1:399
Stawka: %s  EUR
Stawka: %s  EUR
1:418
1:418
nie udało się pobrać kwoty
nie udało się pobrać kwoty
1:499
1:499
1:5992
1:5992
1:17.578
1:17.578
1:21.972
1:21.972
1 : 263.668
1 : 263.668
1 : 3.955.019
1 : 3.955.019
1 : 4.943.773
1 : 4.943.773
1 : 59.325.280
1 : 59.325.280
Suma

Średnia
Wpisz średnie kwoty wygranych
Pobierz kwoty
Pobierz z Internetu kwoty wygranych dla dnia losowania
Za&mknij

Wybierz skrypt do przekazania liczb!

...

Plik skryptu kliknięć Quendels

ZAHL1

TEXT1

ZAHL2

TEXT2

&OK

&Anuluj

