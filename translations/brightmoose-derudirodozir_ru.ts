<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>Карточная игра на память: найдите 27 пар среди 54 карт, сделав как можно меньше ходов.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>язык</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>Сохранённая игра (.bcx), которую нужно открыть.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[файл]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>Показывать игру на этом языке: %1. Без этого параметра игра использует язык системы.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>Язык «%1» недоступен; доступные языки: %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Игры Brightmoose Derudirodozir (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>Файл или папка не существует</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Действие не разрешено</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Часть пути не является папкой</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На устройстве не осталось места</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Превышена дисковая квота</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Слишком много уровней символических ссылок</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Слишком длинное имя файла</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Файл слишком велик</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>Не удалось сохранить игру в «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>Не удалось открыть «%1».

%2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>«%1» — не сохранённая игра, которую могла бы открыть эта программа.

%2.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software в Интернете</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>Веб-страницу открыть не удалось: ни один веб-браузер не запустился.

Адрес страницы: %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Вывод справки по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Вывод справки с особыми параметрами Qt.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>В позиции %1 лежит карта %2; карты пронумерованы от 1 до 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>Карта %1 разложена дважды (позиции %2 и %3)</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>Карта %1 в позиции %2 найдена, но её пара, карта %3 в позиции %4, всё ещё лежит на столе</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>Ходов (%1) меньше, чем найденных пар (%2)</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Это сокет, а не файл</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Это устройство, а не файл</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>Файл доступен только для чтения</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>Число найденных пар (%1) не совпадает с тем, что со стола убрана %n пара</numerusform>
            <numerusform>Число найденных пар (%1) не совпадает с тем, что со стола убраны %n пары</numerusform>
            <numerusform>Число найденных пар (%1) не совпадает с тем, что со стола убрано %n пар</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>Длина файла — %n байт; у сохранённой игры она не меньше 220</numerusform>
            <numerusform>Длина файла — %n байта; у сохранённой игры она не меньше 220</numerusform>
            <numerusform>Длина файла — %n байт; у сохранённой игры она не меньше 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>Найдено пар</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>Осталось пар</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>Ходы: %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>Найдено пар: %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>Осталось пар: %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Логотип Brightmoose: лось с веером игральных карт</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Справка Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>&amp;Введите искомое слово:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>Это не файл справки, который игра умеет читать.</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>Нет папки, в которой можно хранить каталог справки.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Страница не найдена</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;В справке нет страницы &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Выберите страницу в содержании или в указателе слева.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Не удалось открыть файл справки &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Страницы справки Brightmoose Derudirodozir не установлены.&lt;/p&gt;&lt;p&gt;Игра искала файл справки здесь:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Сама игра работает как обычно.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>Справка не установлена</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>red joker</source>
        <translation>красный джокер</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>чёрный джокер</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>семёрка</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>восьмёрка</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>девятка</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>тузы</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>двойки</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>тройки</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>четвёрки</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>пятёрки</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>шестёрки</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>семёрки</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>восьмёрки</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>девятки</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>десятки</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>валеты</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>дамы</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>короли</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>джокеры</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>Ряд %1, карта %2, %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>рубашкой вверх</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>Край</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Карта %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ряд %1</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>Недопустимое значение свойства!</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>Файл таблицы рекордов «%1» был повреждён. Старые результаты сохранены в «%2», начата новая таблица.

Ничего делать не нужно.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>Не удалось очистить таблицу рекордов: %1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>Ваш результат теперь сохранён в таблице рекордов.

Ничего делать не нужно.</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>Не удалось сохранить ваш результат: %1

%2

Он останется в таблице рекордов, пока вы не закроете игру.</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>ваша домашняя папка неизвестна, поэтому нет папки, в которой игра могла бы хранить результаты.</translation>
    </message>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>нет папки, в которой игра могла бы хранить результаты.</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>файл таблицы рекордов «%1» занят другой программой.</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>таблица рекордов в «%1» доступна только для чтения.</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>у вас нет права создать файл таблицы рекордов «%1».</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>диск, на котором находится «%1», заполнен.</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>файл таблицы рекордов «%1» не удаётся ни открыть, ни создать.</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>Ничего делать не нужно.</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Закройте другую программу: игра продолжает попытки и сохранит результат, как только сможет.</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>Освободите место на диске: игра продолжает попытки и сохранит результат, как только сможет.</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>Чтобы сохранять результаты, нужно право записи в папку «%1» и в её файл.</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>О программе Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
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
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Открыть игру</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Сохранить игру</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Таблица рекордов</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>Пара: %1. Найдено: %2, осталось: %3.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Игра окончена!</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>Пары нет. %n ход.</numerusform>
            <numerusform>Пары нет. %n хода.</numerusform>
            <numerusform>Пары нет. %n ходов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Последняя пара: %1. %n ход.</numerusform>
            <numerusform>Последняя пара: %1. %n хода.</numerusform>
            <numerusform>Последняя пара: %1. %n ходов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n ход: результат не вошёл в десятку лучших.</numerusform>
            <numerusform>%n хода: результат не вошёл в десятку лучших.</numerusform>
            <numerusform>%n ходов: результат не вошёл в десятку лучших.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Таблица рекордов Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>Введите здесь своё имя.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Очистить таблицу рекордов</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>&amp;Внести</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>Нажмите, чтобы внести своё имя в таблицу.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>Нажмите, когда закончите.</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>Таблица рекордов занята другой программой; повторная попытка…</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Аноним</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>Имя сохранено: %1-е место.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>Вы действительно хотите очистить таблицу рекордов?</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>Ваш результат ещё не сохранён: введите своё имя и нажмите Enter.</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n ход: %1-е место в десятке лучших. Введите своё имя и нажмите Enter.</numerusform>
            <numerusform>%n хода: %1-е место в десятке лучших. Введите своё имя и нажмите Enter.</numerusform>
            <numerusform>%n ходов: %1-е место в десятке лучших. Введите своё имя и нажмите Enter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n ход: результат не вошёл в десятку лучших.</numerusform>
            <numerusform>%n хода: результат не вошёл в десятку лучших.</numerusform>
            <numerusform>%n ходов: результат не вошёл в десятку лучших.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
</TS>
