<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Un jeu de mémoire avec des cartes&#xa0;: trouvez les 27 paires parmi 54 cartes en aussi peu d’essais que possible.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Une partie enregistrée (.bcx) à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Affiche le jeu dans cette langue : %1. Sans cette option, le jeu suit la langue du système.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>La langue « %1 » n’est pas disponible ; le jeu parle %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Parties de Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>Ce fichier ou ce dossier n’existe pas</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Une partie du chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Il ne reste plus de place sur le support</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Le quota d’espace disque est dépassé</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Le nom de fichier est trop long</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>La partie n’a pas pu être enregistrée dans «&#xa0;%1&#xa0;».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être ouvert.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une partie enregistrée que ce programme puisse ouvrir.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software sur le Web</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>La page web n’a pas pu être ouverte&#xa0;: aucun navigateur web n’a pu être lancé.

Son adresse est %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>La position %1 contient la carte %2&#xa0;; les cartes sont numérotées de 1 à 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>La carte %1 est distribuée deux fois (positions %2 et %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>La carte %1 en position %2 a été trouvée, mais l’autre carte de sa paire, la carte %3 en position %4, est encore sur la table</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Il y a moins d’essais (%1) que de paires trouvées (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>C’est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>C’est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>C’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Les paires trouvées (%1) ne correspondent pas aux paires retirées de la table (%n)</numerusform>
            <numerusform>Les paires trouvées (%1) ne correspondent pas aux paires retirées de la table (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>Le fichier fait %n octet ; une partie enregistrée en fait au moins 220</numerusform>
            <numerusform>Le fichier fait %n octets ; une partie enregistrée en fait au moins 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Paires trouvées</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Paires restantes</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Essais %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Paires trouvées %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Paires restantes %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Logo de Brightmoose&#xa0;: un élan qui tient des cartes à la main</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Aide de Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Tapez le mot à chercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>Ce n’est pas un fichier d’aide que le jeu sait lire.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Il n’y a aucun dossier où ranger le catalogue de l’aide.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;L’aide n’a pas de page nommée &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choisissez une page dans le sommaire ou l’index à gauche.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; n’a pas pu être ouvert.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Les pages d’aide de Brightmoose Derudirodozir ne sont pas installées.&lt;/p&gt;&lt;p&gt;Le jeu a cherché le fichier d’aide ici&#xa0;:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le jeu lui-même fonctionne normalement.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>L’aide n’est pas installée</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <source>red joker</source>
        <translation>joker rouge</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>joker noir</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Rangée %1, carte %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>as</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>six</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>valets</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>rois</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>jokers</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Valeur de propriété non valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>il n’y a aucun dossier où le jeu puisse ranger ses scores.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>un autre programme utilise le fichier des meilleurs scores «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>le fichier des meilleurs scores «&#xa0;%1&#xa0;» ne peut être ni ouvert ni créé.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>Le fichier des meilleurs scores «&#xa0;%1&#xa0;» était endommagé. Ses anciens scores ont été conservés dans «&#xa0;%2&#xa0;», et un nouveau tableau a été commencé.

Vous n’avez rien à faire.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Les meilleurs scores n’ont pas pu être effacés&#xa0;: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Votre score est maintenant enregistré dans le tableau des meilleurs scores.

Vous n’avez rien à faire.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Votre score n’a pas pu être enregistré&#xa0;: %1

%2

Il reste dans le tableau des meilleurs scores jusqu’à ce que vous fermiez le jeu.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>votre dossier personnel est inconnu, il n’y a donc aucun dossier où le jeu puisse ranger ses scores.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>les meilleurs scores dans «&#xa0;%1&#xa0;» sont en lecture seule.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>vous n’avez pas le droit de créer le fichier des meilleurs scores «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>le disque qui contient «&#xa0;%1&#xa0;» est plein.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Vous n’avez rien à faire.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Fermez l’autre programme&#xa0;: le jeu continue d’essayer et enregistre le score dès qu’il le peut.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Libérez de l’espace disque&#xa0;: le jeu continue d’essayer et enregistre le score dès qu’il le peut.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Pour conserver des scores, il vous faut le droit d’écrire dans le dossier «&#xa0;%1&#xa0;» et dans son fichier.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>À propos de Brightmoose Derudirodozir</translation>
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
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Paire : %1. Trouvées : %2, restantes : %3.</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Pas de paire. %n essai.</numerusform>
            <numerusform>Pas de paire. %n essais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Dernière paire : %1. %n essai.</numerusform>
            <numerusform>Dernière paire : %1. %n essais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n essai : pas parmi les dix meilleurs.</numerusform>
            <numerusform>%n essais : pas parmi les dix meilleurs.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Meilleurs scores de Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Tapez votre nom ici.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Cliquez pour valider votre nom.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Cliquez quand vous avez terminé.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Voulez-vous vraiment effacer les meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Les meilleurs scores sont utilisés par un autre programme&#xa0;; nouvel essai…</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Nom enregistré&#xa0;: place %1.</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Votre score n’est pas encore enregistré&#xa0;: tapez votre nom et appuyez sur Entrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n essai : place %1 parmi les dix meilleurs. Tapez votre nom et appuyez sur Entrée.</numerusform>
            <numerusform>%n essais : place %1 parmi les dix meilleurs. Tapez votre nom et appuyez sur Entrée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n essai : pas parmi les dix meilleurs.</numerusform>
            <numerusform>%n essais : pas parmi les dix meilleurs.</numerusform>
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
