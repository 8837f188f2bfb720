<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Un gioco di memoria con le carte: trova le 27 coppie tra 54 carte nel minor numero di mosse possibile.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>lingua</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Una partita salvata (.bcx) da aprire.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[file]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Mostra il gioco in questa lingua: %1. Senza questa opzione il gioco segue la lingua del sistema.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>La lingua «%1» non è disponibile; il gioco parla %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Partite di Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>Il file o la cartella non esiste</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non consentita</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Non c’è più spazio sul dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>La quota del disco è stata superata</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Il file system è in sola lettura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Il nome del file è troppo lungo</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Il file è troppo grande</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>Impossibile salvare la partita in «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>Impossibile aprire «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>«%1» non è una partita salvata che questo programma possa aprire.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>I&amp;ndice</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software sul Web</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>Impossibile aprire la pagina web: non si è potuto avviare nessun browser.

L’indirizzo della pagina è %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>La posizione %1 contiene la carta %2; le carte sono numerate da 1 a 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>La carta %1 è distribuita due volte (posizioni %2 e %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>La carta %1 in posizione %2 è stata trovata, ma la sua compagna, la carta %3 in posizione %4, è ancora sul tavolo</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Ci sono meno mosse (%1) che coppie trovate (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>È una pipe con nome, non un file</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>È un socket, non un file</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>È un dispositivo, non un file</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Il file è in sola lettura</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Le coppie trovate (%1) non corrispondono alle coppie tolte dal tavolo (%n)</numerusform>
            <numerusform>Le coppie trovate (%1) non corrispondono alle coppie tolte dal tavolo (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>Il file è lungo %n byte; una partita salvata ne ha almeno 220</numerusform>
            <numerusform>Il file è lungo %n byte; una partita salvata ne ha almeno 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Coppie trovate</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Coppie rimaste</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Mosse %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Coppie trovate %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Coppie rimaste %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Logo di Brightmoose: un alce con in mano delle carte da gioco</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Guida di Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Digita la parola da cercare:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>I&amp;ndice</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>Non è un file della guida che il gioco sappia leggere.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Non c’è nessuna cartella in cui tenere il catalogo della guida.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Pagina non trovata</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La guida non ha nessuna pagina di nome &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Scegli una pagina dal sommario o dall’indice a sinistra.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Impossibile aprire il file della guida &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Le pagine della guida di Brightmoose Derudirodozir non sono installate.&lt;/p&gt;&lt;p&gt;Il gioco ha cercato il file della guida qui:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il gioco in sé funziona normalmente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>La guida non è installata</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>red joker</source>
        <translation>jolly rosso</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>jolly nero</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>assi</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>due</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>fanti</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>donne</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>re</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>jolly</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Riga %1, carta %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Valore di proprietà non valido!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>Il file della classifica «%1» era danneggiato. I vecchi punteggi sono stati conservati in «%2» ed è stata iniziata una nuova classifica.

Non serve fare nulla.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Impossibile azzerare la classifica: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Il tuo punteggio è stato salvato nella classifica.

Non serve fare nulla.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Impossibile salvare il tuo punteggio: %1

%2

Resta in classifica finché non chiudi il gioco.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>la tua cartella personale non è nota, quindi non c’è nessuna cartella in cui il gioco possa tenere i suoi punteggi.</translation>
    </message>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>non c’è nessuna cartella in cui il gioco possa tenere i suoi punteggi.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>un altro programma sta usando il file della classifica «%1».</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>la classifica in «%1» è in sola lettura.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>non hai il permesso di creare il file della classifica «%1».</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>il disco che contiene «%1» è pieno.</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>il file della classifica «%1» non si può né aprire né creare.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Non serve fare nulla.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Chiudi l’altro programma: il gioco continua a provare e salva il punteggio appena può.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Libera un po’ di spazio su disco: il gioco continua a provare e salva il punteggio appena può.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Per tenere i punteggi ti serve il permesso di scrittura nella cartella «%1» e nel suo file.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>Informazioni su Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Apri partita</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Salva partita</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Coppia di %1. Trovate: %2, rimaste: %3.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partita finita!</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Nessuna coppia. %n mossa.</numerusform>
            <numerusform>Nessuna coppia. %n mosse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Ultima coppia: %1. %n mossa.</numerusform>
            <numerusform>Ultima coppia: %1. %n mosse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n mossa: fuori dai dieci migliori.</numerusform>
            <numerusform>%n mosse: fuori dai dieci migliori.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Brightmoose Derudirodozir – Classifica</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Scrivi qui il tuo nome.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Azzera la classifica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Fai clic per salvare il tuo nome.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Fai clic quando hai finito.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Un altro programma sta usando la classifica; nuovo tentativo…</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonimo</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Nome salvato: %1º posto.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Vuoi davvero azzerare la classifica?</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Il tuo punteggio non è ancora salvato: scrivi il tuo nome e premi Invio.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n mossa: %1º posto tra i dieci migliori. Scrivi il tuo nome e premi Invio.</numerusform>
            <numerusform>%n mosse: %1º posto tra i dieci migliori. Scrivi il tuo nome e premi Invio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n mossa: fuori dai dieci migliori.</numerusform>
            <numerusform>%n mosse: fuori dai dieci migliori.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
</TS>
