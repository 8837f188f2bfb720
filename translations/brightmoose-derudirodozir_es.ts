<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Un juego de memoria con cartas: encuentre las 27 parejas entre 54 cartas en el menor número de intentos posible.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Abre una partida guardada (.bcx).</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Muestra el juego en este idioma: %1. Sin esta opción, el juego usa el idioma del sistema.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>El idioma «%1» no está disponible; el juego habla %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Partidas de Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha superado la cuota de disco</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>El sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>El nombre de archivo es demasiado largo</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>No se pudo guardar la partida en «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>No se pudo abrir «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>«%1» no es una partida guardada que este programa pueda abrir.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software en la Web</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>No se pudo abrir la página web porque no se logró iniciar ningún navegador.

La dirección de la página es %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>La posición %1 contiene la carta %2; las cartas van numeradas del 1 al 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>La carta %1 está repartida dos veces (posiciones %2 y %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>La carta %1 de la posición %2 se ha encontrado, pero su pareja, la carta %3 de la posición %4, sigue en la mesa</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Hay menos intentos (%1) que parejas encontradas (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Es un socket, no un archivo</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>El archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Las parejas encontradas (%1) no coinciden con la %n pareja retirada de la mesa</numerusform>
            <numerusform>Las parejas encontradas (%1) no coinciden con las %n parejas retiradas de la mesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>El archivo tiene %n byte; una partida guardada tiene al menos 220</numerusform>
            <numerusform>El archivo tiene %n bytes; una partida guardada tiene al menos 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Parejas hechas</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Parejas restantes</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Intentos %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Parejas encontradas %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Parejas restantes %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Logotipo de Brightmoose: un alce con unas cartas en la mano</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Ayuda de Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Escriba la palabra que busca:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>No es un archivo de ayuda que el juego pueda leer.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>No hay ninguna carpeta donde guardar el catálogo de la ayuda.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La ayuda no tiene ninguna página llamada &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Elija una página del contenido o del índice de la izquierda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se pudo abrir el archivo de ayuda &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Las páginas de ayuda de Brightmoose Derudirodozir no están instaladas.&lt;/p&gt;&lt;p&gt;El juego buscó el archivo de ayuda aquí:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El juego en sí funciona con normalidad.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>La ayuda no está instalada</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>red joker</source>
        <translation>comodín rojo</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>comodín negro</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Fila %1, carta %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>doses</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>treses</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>cuatros</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seises</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sietes</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>ochos</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nueves</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieces</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>jotas</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>reinas</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>comodines</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Borde</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>¡Valor de propiedad no válido!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>no hay ninguna carpeta donde el juego pueda guardar sus puntuaciones.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>otro programa está usando el archivo de las mejores puntuaciones «%1».</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>el archivo de las mejores puntuaciones «%1» no se puede abrir ni crear.</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>El archivo de las mejores puntuaciones «%1» estaba dañado. Sus puntuaciones antiguas se han guardado en «%2», y se ha empezado una tabla nueva.

No tiene que hacer nada.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>No se han podido borrar las mejores puntuaciones: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Su puntuación ya está guardada en la tabla de las mejores puntuaciones.

No tiene que hacer nada.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>No se ha podido guardar su puntuación: %1

%2

Se queda en la tabla de las mejores puntuaciones hasta que cierre el juego.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>no se conoce su carpeta personal, así que no hay ninguna carpeta donde el juego pueda guardar sus puntuaciones.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>las mejores puntuaciones de «%1» son de solo lectura.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>no tiene permiso para crear el archivo de las mejores puntuaciones «%1».</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>el disco que contiene «%1» está lleno.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>No tiene que hacer nada.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Cierre el otro programa: el juego lo sigue intentando y guarda la puntuación en cuanto pueda.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Libere espacio en el disco: el juego lo sigue intentando y guarda la puntuación en cuanto pueda.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Para guardar puntuaciones necesita permiso de escritura en la carpeta «%1» y en su archivo.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>Acerca de Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmBrightmooseConcentration</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Pareja de %1. Encontradas: %2, quedan: %3.</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Sin pareja. %n intento.</numerusform>
            <numerusform>Sin pareja. %n intentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Última pareja: %1. %n intento.</numerusform>
            <numerusform>Última pareja: %1. %n intentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n intento: fuera de los diez mejores.</numerusform>
            <numerusform>%n intentos: fuera de los diez mejores.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Mejores puntuaciones de Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Escriba aquí su nombre.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Borrar las mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Haga clic para guardar su nombre.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>A&amp;ceptar</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Haga clic cuando haya terminado.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>¿Seguro que quiere borrar las mejores puntuaciones?</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Otro programa está usando las mejores puntuaciones; se vuelve a intentar…</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Nombre guardado: puesto %1.</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Su puntuación aún no está guardada: escriba su nombre y pulse Intro.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n intento: puesto %1 de los diez mejores. Escriba su nombre y pulse Intro.</numerusform>
            <numerusform>%n intentos: puesto %1 de los diez mejores. Escriba su nombre y pulse Intro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n intento: fuera de los diez mejores.</numerusform>
            <numerusform>%n intentos: fuera de los diez mejores.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
</TS>
