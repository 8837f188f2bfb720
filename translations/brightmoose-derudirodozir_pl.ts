<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Pamięciowa gra w karty: znajdź 27 par wśród 54 kart w jak najmniejszej liczbie ruchów.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>język</translation>
    </message>
    <message>
        <source>file</source>
        <translation>plik</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Zapisana gra (.bcx) do otwarcia.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[plik]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Wyświetla grę w tym języku: %1. Bez tej opcji gra używa języka systemu.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>Język „%1” nie jest dostępny; dostępne języki: %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Gry Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operacja niedozwolona</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>To jest katalog</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Część ścieżki nie jest katalogiem</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Przekroczono przydział miejsca na dysku</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików jest tylko do odczytu</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zbyt wiele poziomów dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nazwa pliku jest zbyt długa</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Plik jest zbyt duży</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>Nie udało się zapisać gry w „%1”.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>Nie udało się otworzyć „%1”.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>„%1” nie jest zapisaną grą, którą ten program mógłby otworzyć.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software w internecie</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>Nie można otworzyć strony internetowej: nie udało się uruchomić żadnej przeglądarki.

Adres strony: %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Katalog</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>Na pozycji %1 leży karta %2; karty mają numery od 1 do 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>Karta %1 została rozdana dwa razy (pozycje %2 i %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>Karta %1 na pozycji %2 została znaleziona, ale jej para, karta %3 na pozycji %4, wciąż leży na stole</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Ruchów (%1) jest mniej niż znalezionych par (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>To jest potok nazwany, a nie plik</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>To jest gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>To jest urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Liczba znalezionych par (%1) nie zgadza się z tym, że ze stołu zdjęto %n parę</numerusform>
            <numerusform>Liczba znalezionych par (%1) nie zgadza się z tym, że ze stołu zdjęto %n pary</numerusform>
            <numerusform>Liczba znalezionych par (%1) nie zgadza się z tym, że ze stołu zdjęto %n par</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>Plik ma %n bajt; zapisana gra ma co najmniej 220</numerusform>
            <numerusform>Plik ma %n bajty; zapisana gra ma co najmniej 220</numerusform>
            <numerusform>Plik ma %n bajtów; zapisana gra ma co najmniej 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Znalezione pary</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Pozostałe pary</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Ruchy: %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Znalezione pary: %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Pozostałe pary: %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Logo Brightmoose: łoś trzymający wachlarz kart</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Pomoc Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Wpisz szukane słowo:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>To nie jest plik pomocy, który gra potrafi odczytać.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Nie ma katalogu, w którym można przechowywać bazę pomocy.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Nie znaleziono strony</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pomoc nie zawiera strony o nazwie &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Wybierz stronę ze spisu treści lub z indeksu po lewej stronie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nie udało się otworzyć pliku pomocy &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Strony pomocy Brightmoose Derudirodozir nie są zainstalowane.&lt;/p&gt;&lt;p&gt;Gra szukała pliku pomocy tutaj:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Sama gra działa normalnie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>Pomoc nie jest zainstalowana</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>red joker</source>
        <translation>czerwony joker</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>czarny joker</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>asy</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>dwójki</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>trójki</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>czwórki</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>piątki</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>szóstki</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>siódemki</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>ósemki</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>dziewiątki</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dziesiątki</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>walety</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damy</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>króle</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>jokery</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Rząd %1, karta %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Krawędź</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karta %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rząd %1</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Nieprawidłowa wartość właściwości!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>Plik najlepszych wyników „%1” był uszkodzony. Dawne wyniki zachowano w „%2”, a tabelę rozpoczęto od nowa.

Nie trzeba nic robić.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Nie udało się wyczyścić najlepszych wyników: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Twój wynik został teraz zapisany w tabeli najlepszych wyników.

Nie trzeba nic robić.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Nie udało się zapisać Twojego wyniku: %1

%2

Pozostanie on w tabeli najlepszych wyników do zamknięcia gry.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>katalog domowy jest nieznany, więc nie ma katalogu, w którym gra mogłaby przechowywać wyniki.</translation>
    </message>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>nie ma katalogu, w którym gra mogłaby przechowywać wyniki.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>inny program używa pliku najlepszych wyników „%1”.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>najlepsze wyniki w „%1” są tylko do odczytu.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>brak uprawnień do utworzenia pliku najlepszych wyników „%1”.</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>dysk, na którym leży „%1”, jest pełny.</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>pliku najlepszych wyników „%1” nie da się otworzyć ani utworzyć.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Nie trzeba nic robić.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Zamknij inny program: gra ponawia próby i zapisze wynik, gdy tylko będzie mogła.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Zwolnij trochę miejsca na dysku: gra ponawia próby i zapisze wynik, gdy tylko będzie mogła.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Aby zachowywać wyniki, potrzebne jest prawo zapisu w katalogu „%1” i w jego pliku.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>O programie Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmBrightmooseConcentration</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Otwórz grę</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Zapisz grę</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>Najlepsze &amp;wyniki</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Para: %1. Znalezione: %2, pozostałe: %3.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Koniec gry!</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Brak pary. %n ruch.</numerusform>
            <numerusform>Brak pary. %n ruchy.</numerusform>
            <numerusform>Brak pary. %n ruchów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Ostatnia para: %1. %n ruch.</numerusform>
            <numerusform>Ostatnia para: %1. %n ruchy.</numerusform>
            <numerusform>Ostatnia para: %1. %n ruchów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n ruch: wynik poza pierwszą dziesiątką.</numerusform>
            <numerusform>%n ruchy: wynik poza pierwszą dziesiątką.</numerusform>
            <numerusform>%n ruchów: wynik poza pierwszą dziesiątką.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Najlepsze wyniki Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Imię:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Wpisz tutaj swoje imię.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Wyczyść najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Kliknij, aby zapisać swoje imię.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Kliknij po zakończeniu.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Najlepsze wyniki są używane przez inny program; ponowna próba…</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonim</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Imię zapisane: miejsce %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Czy na pewno wyczyścić najlepsze wyniki?</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Twój wynik nie jest jeszcze zapisany: wpisz swoje imię i naciśnij Enter.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n ruch: miejsce %1 w pierwszej dziesiątce. Wpisz swoje imię i naciśnij Enter.</numerusform>
            <numerusform>%n ruchy: miejsce %1 w pierwszej dziesiątce. Wpisz swoje imię i naciśnij Enter.</numerusform>
            <numerusform>%n ruchów: miejsce %1 w pierwszej dziesiątce. Wpisz swoje imię i naciśnij Enter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n ruch: wynik poza pierwszą dziesiątką.</numerusform>
            <numerusform>%n ruchy: wynik poza pierwszą dziesiątką.</numerusform>
            <numerusform>%n ruchów: wynik poza pierwszą dziesiątką.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
</TS>
