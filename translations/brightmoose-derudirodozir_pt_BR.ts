<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Um jogo da memória com cartas: encontre os 27 pares entre 54 cartas com o menor número possível de lances.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Um jogo salvo (.bcx) a ser aberto.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[arquivo]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Mostra o jogo neste idioma: %1. Sem esta opção, o jogo segue o idioma do sistema.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>O idioma “%1” não está disponível; o jogo fala %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Jogos do Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>O arquivo ou a pasta não existe</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operação não permitida</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há mais espaço no dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>A cota de disco foi excedida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>O sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Há níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>O nome do arquivo é longo demais</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>O arquivo é grande demais</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>Não foi possível salvar o jogo em “%1”.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>Não foi possível abrir “%1”.

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>“%1” não é um jogo salvo que este programa possa abrir.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software na Web</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>Não foi possível abrir a página web: nenhum navegador pôde ser iniciado.

O endereço da página é %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Exibe a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>A posição %1 contém a carta %2; as cartas são numeradas de 1 a 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>A carta %1 foi distribuída duas vezes (posições %2 e %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>A carta %1 na posição %2 foi encontrada, mas o par dela, a carta %3 na posição %4, ainda está na mesa</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Há menos lances (%1) do que pares achados (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>É um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>É um socket, não um arquivo</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>É um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>O arquivo é somente leitura</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Os pares achados (%1) não correspondem aos pares retirados da mesa (%n)</numerusform>
            <numerusform>Os pares achados (%1) não correspondem aos pares retirados da mesa (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>O arquivo tem %n byte; um jogo salvo tem pelo menos 220</numerusform>
            <numerusform>O arquivo tem %n bytes; um jogo salvo tem pelo menos 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Lances</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Pares achados</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Pares restantes</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Lances %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Pares achados %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Pares restantes %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Logotipo da Brightmoose: um alce com cartas de baralho na mão</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Ajuda do Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Digite a palavra a procurar:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>Não é um arquivo de ajuda que o jogo consiga ler.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Não há nenhuma pasta onde guardar o catálogo da ajuda.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página não encontrada</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A ajuda não tem nenhuma página chamada &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Escolha uma página no conteúdo ou no índice à esquerda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Não foi possível abrir o arquivo de ajuda &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;As páginas de ajuda do Brightmoose Derudirodozir não estão instaladas.&lt;/p&gt;&lt;p&gt;O jogo procurou o arquivo de ajuda aqui:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O jogo em si funciona normalmente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>A ajuda não está instalada</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>red joker</source>
        <translation>curinga vermelho</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>curinga preto</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>três</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quatros</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>setes</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>oitos</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>noves</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>valetes</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damas</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reis</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>curingas</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Fileira %1, carta %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Borda</translation>
    </message>
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
        <translation>Fileira %1</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Valor de propriedade inválido!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>O arquivo de recordes “%1” estava danificado. As pontuações antigas foram guardadas em “%2”, e uma nova tabela foi iniciada.

Nenhuma ação é necessária.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Não foi possível limpar os recordes: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Sua pontuação agora está salva na tabela de recordes.

Nenhuma ação é necessária.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Não foi possível salvar sua pontuação: %1

%2

Ela fica na tabela de recordes até você fechar o jogo.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>sua pasta pessoal é desconhecida, então não há nenhuma pasta onde o jogo possa guardar suas pontuações.</translation>
    </message>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>não há nenhuma pasta onde o jogo possa guardar suas pontuações.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>outro programa está usando o arquivo de recordes “%1”.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>os recordes em “%1” são somente leitura.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>você não tem permissão para criar o arquivo de recordes “%1”.</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>o disco que contém “%1” está cheio.</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>o arquivo de recordes “%1” não pode ser aberto nem criado.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Nenhuma ação é necessária.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Feche o outro programa: o jogo continua tentando e salva a pontuação assim que puder.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Libere espaço em disco: o jogo continua tentando e salva a pontuação assim que puder.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Para guardar pontuações, você precisa de permissão de escrita na pasta “%1” e no arquivo dela.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>Sobre o Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir jogo</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Par de %1. Achados: %2, restantes: %3.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Nenhum par. %n lance.</numerusform>
            <numerusform>Nenhum par. %n lances.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Último par: %1. %n lance.</numerusform>
            <numerusform>Último par: %1. %n lances.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n lance: fora dos dez melhores.</numerusform>
            <numerusform>%n lances: fora dos dez melhores.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Recordes do Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Digite seu nome aqui.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Limpar recordes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Clique para salvar seu nome.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Clique quando terminar.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Os recordes estão em uso por outro programa; tentando de novo…</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Lances</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anônimo</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Nome salvo: %1º lugar.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Tem certeza de que deseja limpar os recordes?</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Sua pontuação ainda não foi salva: digite seu nome e pressione Enter.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n lance: %1º lugar entre os dez melhores. Digite seu nome e pressione Enter.</numerusform>
            <numerusform>%n lances: %1º lugar entre os dez melhores. Digite seu nome e pressione Enter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n lance: fora dos dez melhores.</numerusform>
            <numerusform>%n lances: fora dos dez melhores.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
</TS>
