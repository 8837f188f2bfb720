<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory card game: find the 27 pairs among 54 cards in as few tries as you can.</source>
        <translation>记忆翻牌游戏：在 54 张牌中找出全部 27 对，尝试次数越少越好。</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>A saved game (.bcx) to open.</source>
        <translation>要打开的游戏存档（.bcx）。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game follows the system&apos;s language.</source>
        <translation>以此语言显示游戏：%1。不指定时，游戏使用系统的语言。</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the game speaks %2.</source>
        <translation>没有“%1”这种语言；游戏支持的语言：%2。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Brightmoose Derudirodozir Games (*.bcx)</source>
        <translation>Brightmoose Derudirodozir 游戏存档 (*.bcx)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>No such file or directory</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许执行此操作</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>路径中有一部分不是文件夹</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有剩余空间</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>文件系统为只读</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>符号链接的层数过多</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;.

%2.</source>
        <translation>无法将游戏保存到“%1”。

%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2.</source>
        <translation>无法打开“%1”。

%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved game this program can open.

%2.</source>
        <translation>“%1”不是本程序能打开的游戏存档。

%2。</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Brightmoose Software on the Web</source>
        <translation>Brightmoose Software 网站</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>HyperJump</name>
    <message>
        <source>The web page could not be opened: no web browser could be started.

Its address is %1</source>
        <translation>无法打开网页：未能启动任何网页浏览器。

网页地址：%1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特有选项的帮助。</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>Position %1 holds face %2; cards are numbered 1 to 54</source>
        <translation>位置 %1 上的牌编号为 %2；牌的编号应为 1 到 54</translation>
    </message>
    <message>
        <source>Face %1 is dealt twice (positions %2 and %3)</source>
        <translation>%1 号牌被发了两次（位置 %2 和 %3）</translation>
    </message>
    <message>
        <source>Face %1 at position %2 was found, but its partner, face %3 at position %4, is still on the board</source>
        <translation>位置 %2 上的 %1 号牌已配对，但与它成对的位置 %4 上的 %3 号牌仍在牌桌上</translation>
    </message>
    <message>
        <source>The tries (%1) are fewer than the matches made (%2)</source>
        <translation>尝试次数（%1）少于已配对数（%2）</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>这是命名管道，不是文件</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>这是套接字，不是文件</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>这是设备，不是文件</translation>
    </message>
    <message>
        <source>The file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>已配对数（%1）与已离开牌桌的 %n 对不一致</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>文件长 %n 字节；游戏存档至少有 220 字节</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tries</source>
        <extracomment>A status bar caption: it must fit a panel 40 pixels wide.</extracomment>
        <translation>次数</translation>
    </message>
    <message>
        <source>Matches Made</source>
        <extracomment>A status bar caption: it must fit a panel 81 pixels wide.</extracomment>
        <translation>已配对</translation>
    </message>
    <message>
        <source>Matches Remaining</source>
        <extracomment>A status bar caption: it must fit a panel 107 pixels wide.</extracomment>
        <translation>剩余对数</translation>
    </message>
    <message>
        <source>Tries %1</source>
        <translation>尝试次数 %1</translation>
    </message>
    <message>
        <source>Matches made %1</source>
        <translation>已配对 %1</translation>
    </message>
    <message>
        <source>Matches remaining %1</source>
        <translation>剩余对数 %1</translation>
    </message>
</context>
<context>
    <name>WindowStyle</name>
    <message>
        <source>Brightmoose logo: a moose holding a hand of cards</source>
        <translation>Brightmoose 标志：一头手握纸牌的驼鹿</translation>
    </message>
</context>
<context>
    <name>bmd::shell::HelpWindow</name>
    <message>
        <source>Brightmoose Derudirodozir Help</source>
        <translation>Brightmoose Derudirodozir 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>内容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Type the word to look for:</source>
        <translation>输入要查找的词(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>It is not a help file that the game can read.</source>
        <translation>这不是游戏能读取的帮助文件。</translation>
    </message>
    <message>
        <source>There is no folder to keep the help catalogue in.</source>
        <translation>没有可以存放帮助集合的文件夹。</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>找不到页面</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help has no page named &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Choose a page from the contents or the index on the left.&lt;/p&gt;</source>
        <translation>&lt;p&gt;帮助中没有名为 &lt;b&gt;%1&lt;/b&gt; 的页面。&lt;/p&gt;&lt;p&gt;请从左侧的内容或索引中选择一个页面。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</source>
        <translation>&lt;p&gt;无法打开帮助文件 &lt;b&gt;%1&lt;/b&gt;。&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages of Brightmoose Derudirodozir are not installed.&lt;/p&gt;&lt;p&gt;The game looked for the help file here:&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Brightmoose Derudirodozir 的帮助页面没有安装。&lt;/p&gt;&lt;p&gt;游戏在以下位置查找过帮助文件：&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The game itself works as usual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;游戏本身仍可照常使用。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help is not installed</source>
        <translation>帮助没有安装</translation>
    </message>
</context>
<context>
    <name>bmd::ui::CardTable</name>
    <message>
        <source>red joker</source>
        <translation>大王</translation>
    </message>
    <message>
        <source>black joker</source>
        <translation>小王</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>king</source>
        <translation>K</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s face: %1 its rank (ace, two, ..., king), %2 its suit (spades, diamonds, clubs, hearts).</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>A</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>2</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>3</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>4</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>5</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>6</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>9</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>K</translation>
    </message>
    <message>
        <source>jokers</source>
        <translation>大小王</translation>
    </message>
    <message>
        <source>Row %1, card %2, %3</source>
        <extracomment>What a screen reader says of a card: its row, its place in the row and its face.</extracomment>
        <translation>第 %1 行，第 %2 张，%3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>背面朝上</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Said when a key would move the focus off the table.</extracomment>
        <translation>已到边缘</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>纸牌</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>第 %1 张</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>bmd::ui::DeckSmall</name>
    <message>
        <source>Invalid Property Setting!</source>
        <translation>无效的属性设置！</translation>
    </message>
</context>
<context>
    <name>bmd::ui::ScoreKeeper</name>
    <message>
        <source>The high-score file &quot;%1&quot; was damaged. Its old scores were kept in &quot;%2&quot;, and a fresh table was started.

Nothing needs to be done.</source>
        <translation>排行榜文件“%1”已损坏。原有成绩已保存到“%2”中，并已新建一份排行榜。

您无需进行任何操作。</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: %1

%2</source>
        <translation>无法清除排行榜：%1

%2</translation>
    </message>
    <message>
        <source>Your score has now been saved in the high-score table.

Nothing needs to be done.</source>
        <translation>您的成绩现已保存到排行榜中。

您无需进行任何操作。</translation>
    </message>
    <message>
        <source>Your score could not be saved: %1

%2

It stays in the high-score table until you close the game.</source>
        <translation>无法保存您的成绩：%1

%2

在您关闭游戏之前，它会一直留在排行榜中。</translation>
    </message>
    <message>
        <source>your home folder is not known, so there is no folder where the game may keep its scores.</source>
        <translation>无法确定您的主文件夹，因此没有可供游戏保存成绩的文件夹。</translation>
    </message>
    <message>
        <source>there is no folder where the game may keep its scores.</source>
        <translation>没有可供游戏保存成绩的文件夹。</translation>
    </message>
    <message>
        <source>another program is using the high-score file &quot;%1&quot;.</source>
        <translation>另一个程序正在使用排行榜文件“%1”。</translation>
    </message>
    <message>
        <source>the high scores in &quot;%1&quot; are read-only.</source>
        <translation>“%1”中的排行榜为只读。</translation>
    </message>
    <message>
        <source>you may not make the high-score file &quot;%1&quot;.</source>
        <translation>您无权创建排行榜文件“%1”。</translation>
    </message>
    <message>
        <source>the disk that holds &quot;%1&quot; is full.</source>
        <translation>存放“%1”的磁盘已满。</translation>
    </message>
    <message>
        <source>the high-score file &quot;%1&quot; cannot be opened or made.</source>
        <translation>无法打开或创建排行榜文件“%1”。</translation>
    </message>
    <message>
        <source>Nothing needs to be done.</source>
        <translation>您无需进行任何操作。</translation>
    </message>
    <message>
        <source>Close the other program: the game keeps trying and saves the score as soon as it can.</source>
        <translation>请关闭另一个程序：游戏会不断重试，一旦可以就保存成绩。</translation>
    </message>
    <message>
        <source>Free some disk space: the game keeps trying and saves the score as soon as it can.</source>
        <translation>请释放一些磁盘空间：游戏会不断重试，一旦可以就保存成绩。</translation>
    </message>
    <message>
        <source>To keep scores, you need the right to write in the folder &quot;%1&quot; and its file.</source>
        <translation>要保存成绩，您需要拥有文件夹“%1”及其中文件的写入权限。</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmAbout</name>
    <message>
        <source>About Brightmoose Derudirodozir</source>
        <translation>关于 Brightmoose Derudirodozir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmBrightmooseConcentration</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>打开游戏(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>保存游戏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>排行榜(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Pair found: %1. %2 made, %3 left.</source>
        <extracomment>%1 the pair&apos;s rank (&quot;queens&quot;), %2 the pairs made, %3 the pairs left.</extracomment>
        <translation>找到一对：%1。已配对 %2，剩余 %3。</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>游戏结束！</translation>
    </message>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>不成对。已尝试 %n 次。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>最后一对：%1。共尝试 %n 次。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>尝试 %n 次：未进入前十名。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message>
        <source>Brightmoose Derudirodozir High Scores</source>
        <translation>Brightmoose Derudirodozir 排行榜</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>关闭(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>A label 41 pixels wide.</extracomment>
        <translation>姓名(&amp;N)</translation>
    </message>
    <message>
        <source>Enter your name here.</source>
        <translation>请在此输入您的姓名。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>清除排行榜</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Click to save your name.</source>
        <translation>单击此处保存您的姓名。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 73 pixels wide.</extracomment>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Click when finished.</source>
        <translation>完成后单击此处。</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>The high scores are in use by another program; trying again…</source>
        <translation>另一个程序正在使用排行榜，正在重试……</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The grid&apos;s headers: the score (the tries a game took) in a column 47 pixels wide, then the player.</extracomment>
        <translation>次数</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>匿名</translation>
    </message>
    <message>
        <source>Name saved: place %1.</source>
        <extracomment>%1 the place (1 to 10) the name was saved at.</extracomment>
        <translation>姓名已保存：第 %1 名。</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the High Scores?</source>
        <translation>确实要清除排行榜吗？</translation>
    </message>
    <message>
        <source>Your score is not saved yet: type your name and press Enter.</source>
        <translation>您的成绩尚未保存：请输入您的姓名并按 Enter 键。</translation>
    </message>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>尝试 %n 次：在前十名中排第 %1 名。请输入您的姓名并按 Enter 键。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>尝试 %n 次：未进入前十名。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmSplash</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
</TS>
