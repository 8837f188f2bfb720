<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Ein Gedächtnisspiel mit Karten: Finden Sie die 27 Paare unter 54 Karten in möglichst wenigen Zügen.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Ein gespeichertes Spiel (.bcx), das geöffnet werden soll.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Zeigt das Spiel in dieser Sprache: %1. Ohne diese Angabe folgt das Spiel der Sprache des Systems.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>Die Sprache „%1“ gibt es nicht; das Spiel spricht %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Brightmoose-Derudirodozir-Spiele (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>Die Datei oder der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Der Vorgang ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Datenträger ist kein Platz mehr</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Das Speicherkontingent ist überschritten</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>Das Spiel konnte nicht unter „%1“ gespeichert werden.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>„%1“ konnte nicht geöffnet werden.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>„%1“ ist kein gespeichertes Spiel, das dieses Programm öffnen kann.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software im Web</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>Die Webseite konnte nicht geöffnet werden: Es ließ sich kein Webbrowser starten.

Die Adresse der Seite lautet %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Verzeichnis</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>An Position %1 liegt Karte %2; die Karten sind von 1 bis 54 nummeriert</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>Karte %1 liegt doppelt aus (Positionen %2 und %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>Karte %1 an Position %2 wurde gefunden, ihre Partnerkarte %3 an Position %4 liegt aber noch auf dem Tisch</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Es gibt weniger Züge (%1) als gefundene Paare (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Das ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Das ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Das ist keine reguläre Datei</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Die gefundenen Paare (%1) passen nicht zu dem %n abgeräumten Paar</numerusform>
            <numerusform>Die gefundenen Paare (%1) passen nicht zu den %n abgeräumten Paaren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>Die Datei ist %n Byte lang; ein gespeichertes Spiel hat mindestens 220</numerusform>
            <numerusform>Die Datei ist %n Byte lang; ein gespeichertes Spiel hat mindestens 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Paare gefunden</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Paare übrig</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Züge %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Paare gefunden %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Paare übrig %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Brightmoose-Logo: ein Elch mit Spielkarten in der Hand</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Brightmoose Derudirodozir – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Suchbegriff eingeben:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>Das ist keine Hilfedatei, die das Spiel lesen kann.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Es gibt keinen Ordner, in dem das Spiel den Katalog der Hilfe ablegen kann.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfe hat keine Seite namens &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Wählen Sie links eine Seite aus dem Inhalt oder dem Index.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; konnte nicht geöffnet werden.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseiten von Brightmoose Derudirodozir sind nicht installiert.&lt;/p&gt;&lt;p&gt;Das Spiel hat die Hilfedatei hier gesucht:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Spiel selbst funktioniert wie gewohnt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>Die Hilfe ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>red joker</source>
        <translation>roter Joker</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>schwarzer Joker</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Reihe %1, Karte %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Rand</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Ungültiger Eigenschaftswert!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>Es gibt keinen Ordner, in dem das Spiel seine Ergebnisse ablegen darf.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>Ein anderes Programm verwendet die Datei der Bestenliste „%1“.</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>Die Datei der Bestenliste „%1“ kann weder geöffnet noch angelegt werden.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>Die Datei der Bestenliste „%1“ war beschädigt. Ihre alten Ergebnisse wurden in „%2“ aufbewahrt, und eine neue Bestenliste wurde begonnen.

Sie müssen nichts tun.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Die Bestenliste konnte nicht geleert werden: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Ihr Ergebnis ist jetzt in der Bestenliste gespeichert.

Sie müssen nichts tun.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Ihr Ergebnis konnte nicht gespeichert werden: %1

%2

Es bleibt in der Bestenliste, bis Sie das Spiel beenden.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>Ihr persönlicher Ordner ist nicht bekannt, daher gibt es keinen Ordner, in dem das Spiel seine Ergebnisse ablegen darf.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>Die Bestenliste in „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>Sie dürfen die Datei der Bestenliste „%1“ nicht anlegen.</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>Der Datenträger mit „%1“ ist voll.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Sie müssen nichts tun.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Beenden Sie das andere Programm: Das Spiel versucht es weiter und speichert das Ergebnis, sobald es kann.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Geben Sie Speicherplatz frei: Das Spiel versucht es weiter und speichert das Ergebnis, sobald es kann.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Um Ergebnisse zu behalten, brauchen Sie Schreibrechte für den Ordner „%1“ und seine Datei.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>Über Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>Bes&amp;tenliste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel beendet!</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Paar: %1. %2 gefunden, %3 übrig.</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Kein Paar. %n Versuch.</numerusform>
            <numerusform>Kein Paar. %n Versuche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Letztes Paar: %1. %n Versuch.</numerusform>
            <numerusform>Letztes Paar: %1. %n Versuche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n Versuch: nicht unter den zehn besten.</numerusform>
            <numerusform>%n Versuche: nicht unter den zehn besten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Brightmoose Derudirodozir – Bestenliste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Geben Sie hier Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Bestenliste leeren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Erfassen</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Klicken Sie hier, um Ihren Namen zu erfassen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Klicken Sie hier, wenn Sie fertig sind.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Möchten Sie die Bestenliste wirklich leeren?</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Die Bestenliste wird von einem anderen Programm verwendet; neuer Versuch …</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Name gespeichert: Platz %1.</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Ihr Ergebnis ist noch nicht gespeichert: Geben Sie Ihren Namen ein und drücken Sie die Eingabetaste.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n Versuch: Platz %1 der zehn besten. Geben Sie Ihren Namen ein und drücken Sie die Eingabetaste.</numerusform>
            <numerusform>%n Versuche: Platz %1 der zehn besten. Geben Sie Ihren Namen ein und drücken Sie die Eingabetaste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n Versuch: nicht unter den zehn besten.</numerusform>
            <numerusform>%n Versuche: nicht unter den zehn besten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
