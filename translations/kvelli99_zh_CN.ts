<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru">
<context>
    <name>Desktop</name>
    <message>
        <source>Квелли 99</source>
        <extracomment>Name= of the desktop entry and &lt;name&gt; of the AppStream metainfo: the program&apos;s name.
English: Kvelli &apos;99</extracomment>
        <translation>Kvelli &apos;99</translation>
    </message>
    <message>
        <source>Логическая игра</source>
        <extracomment>GenericName= of the desktop entry: what kind of program it is, shown under its name.
English: Logic Game</extracomment>
        <translation>逻辑游戏</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.
English: Swap neighbouring balls to make runs of three or more of one colour</extracomment>
        <translation>交换相邻的球，使三个或更多同色的球连成一线</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.
English: puzzle;balls;match;records;</extracomment>
        <translation>益智;球;三消;排行榜;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.
English: Swap balls to line up colours</extracomment>
        <translation>交换相邻的球，连成一线</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.
English: Kvelli &apos;99 saved game</extracomment>
        <translation>Kvelli &apos;99 游戏存档</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>English: %1 already exists.
Do you want to replace it?</extracomment>
        <translation>%1 已存在。
您想要替换它吗？</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text: write RTL for a language written right to left (Arabic, Persian, Hebrew), else LTR.
English: LTR</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: ball</extracomment>
        <translatorcomment>球 (ball): &quot;蓝色球&quot;; the rules also call the balls kvelli.</translatorcomment>
        <translation>球</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: run</extracomment>
        <translatorcomment>连线: three or more balls of one colour in one line (连成一线); the board&apos;s rows are 行, its columns 列.</translatorcomment>
        <translation>连线</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: score</extracomment>
        <translatorcomment>得分: the header&apos;s word and &quot;您的得分&quot;.</translatorcomment>
        <translation>得分</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: records</extracomment>
        <translatorcomment>排行榜: the word Chinese desktop games use for the best results; menu item, window, 排行榜文件.</translatorcomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: results server</extracomment>
        <translatorcomment>成绩服务器: the internet server of the common table (公共成绩).</translatorcomment>
        <translation>成绩服务器</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <extracomment>English: The file %1 is not a saved game: it is too large.</extracomment>
        <translation>文件 %1 不是保存的游戏：文件过大。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <extracomment>English: The file %1 is not a saved game: it ends at line %2.</extracomment>
        <translation>文件 %1 不是保存的游戏：在第 %2 行就结束了。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <extracomment>English: The file %1 is not a saved game: line %2 holds no whole number.</extracomment>
        <translation>文件 %1 不是保存的游戏：第 %2 行没有整数。</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <extracomment>English: Could not write the file %1.</extracomment>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <extracomment>English: Reading the records ...</extracomment>
        <translation>正在读取排行榜 ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <extracomment>English: Writing the records ...</extracomment>
        <translation>正在写入排行榜 ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <extracomment>English: Writing the table ...</extracomment>
        <translation>正在写入表格 ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <extracomment>English: Written successfully.</extracomment>
        <translation>写入成功。</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <extracomment>English: The game record is not accepted: it is longer than %1 bytes.</extracomment>
        <translatorcomment>游戏过程记录: the record of a game (its 初始布局 and every 步) that the 成绩服务器 replays; kept apart from 排行榜 and 保存的游戏.</translatorcomment>
        <translation>游戏过程记录未被接受：它超过了 %1 字节。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 moves.</extracomment>
        <translation>游戏过程记录未被接受：其中的步数超过了 %1 步。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 loads.</extracomment>
        <translation>游戏过程记录未被接受：其中的载入次数超过了 %1 次。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <extracomment>English: The game record is not accepted: it holds no deal.</extracomment>
        <translation>游戏过程记录未被接受：其中没有初始布局。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <extracomment>English: The game record is not accepted: move %1 lies off the board.</extracomment>
        <translation>游戏过程记录未被接受：第 %1 步超出了棋盘。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <extracomment>English: The game record is not accepted: move %1 exchanges balls that are not neighbours.</extracomment>
        <translation>游戏过程记录未被接受：第 %1 步交换了两个不相邻的球。</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <extracomment>English: The game record is not in its format: its first line is not “%1”.</extracomment>
        <translation>游戏过程记录的格式不对：它的第一行不是“%1”。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <extracomment>English: The game record is damaged: something follows its line “end”.</extracomment>
        <translation>游戏过程记录已损坏：“end”这一行之后还有别的内容。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <extracomment>English: The game record is damaged: it breaks off at line %1.</extracomment>
        <translation>游戏过程记录已损坏：它在第 %1 行中断了。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <extracomment>English: The game record is damaged: line %1 holds neither a deal nor a move.</extracomment>
        <translation>游戏过程记录已损坏：第 %1 行既不是初始布局，也不是一步。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <extracomment>English: The game record is not accepted: move %1 was made after the game ended.</extracomment>
        <translation>游戏过程记录未被接受：第 %1 步是在游戏结束之后走的。</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <extracomment>English: The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</extracomment>
        <translation>服务器 %1 的证书未通过验证（%2）。
它的 SHA-256 指纹：%3
如果您信任这个服务器，请把这个指纹写入设置文件 kvelli99.INI 中 [Server] 节的 TlsFingerprint 键。</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <extracomment>English: Unknown error</extracomment>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>kv::ui::TAboutForm</name>
    <message>
        <source>Разработка программ:
логические игры,
обучающие программы,
утилиты для Windows
и программы на заказ.</source>
        <extracomment>English: We make software:
logic games,
learning programs,
utilities for Windows
and programs to order.</extracomment>
        <translation>我们开发软件：
逻辑游戏、
教育软件、
Windows 实用工具
以及定制软件。</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 网络版</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <extracomment>English: Folder of the records file</extracomment>
        <translation>排行榜文件所在的文件夹</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <extracomment>English: Connecting ...</extracomment>
        <translation>正在连接 ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <extracomment>English: Connected successfully.</extracomment>
        <translation>连接成功。</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <extracomment>English: Results the server did not take into the common table: %1.</extracomment>
        <translation>服务器没有收入公共成绩表的成绩：%1 条。</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <extracomment>English: %1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</extracomment>
        <translation>%1 条 — 没有游戏过程记录：游戏是用旧版本玩的、从旧的存档载入的，或者成绩是手工写入的。</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <extracomment>English: %1 whose record of the game does not lead to that score.</extracomment>
        <translation>%1 条 — 游戏过程记录得不出这个得分。</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <extracomment>English: %1 already in the table under another name.</extracomment>
        <translation>%1 条 — 这局游戏已经以另一个名字列在表格中。</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <extracomment>English: Score</extracomment>
        <translation>得分</translation>
    </message>
    <message>
        <source>Осталось</source>
        <extracomment>English: Left</extracomment>
        <translation>剩余</translation>
    </message>
    <message>
        <source>Игра</source>
        <extracomment>English: Game</extracomment>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Заново</source>
        <extracomment>English: New</extracomment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>English: Save</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>English: Load</extracomment>
        <translation>载入</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <extracomment>English: Records file</extracomment>
        <translation>排行榜文件</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <extracomment>English: On this machine</extracomment>
        <translation>在本机</translation>
    </message>
    <message>
        <source>По сети</source>
        <extracomment>English: Over the network</extracomment>
        <translation>通过网络</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <extracomment>English: E&amp;xit</extracomment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Интернет</source>
        <extracomment>English: Internet</extracomment>
        <translation>互联网</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <extracomment>English: View the common results on the Internet</extracomment>
        <translation>在互联网上查看公共成绩</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <extracomment>English: Send your result over the Internet</extracomment>
        <translation>通过互联网发送您的成绩</translation>
    </message>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <extracomment>English: Symbols on the balls</extracomment>
        <translation>在球上显示符号</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <extracomment>English: Hint</extracomment>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <extracomment>English: Records.  Your score: </extracomment>
        <translation>排行榜。  您的得分: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <extracomment>English: Save game</extracomment>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <extracomment>English: Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</extracomment>
        <translation>无法将游戏保存到文件 %1。
请检查此文件夹是否可写，以及磁盘是否还有空间。</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <extracomment>English: 
The earlier file of this name is unchanged.</extracomment>
        <translation>
同名的原有文件没有改动。</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <extracomment>English: Load game</extracomment>
        <translation>载入游戏</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <extracomment>English: The file %1 is not a saved game (error in line %2).</extracomment>
        <translation>文件 %1 不是保存的游戏（第 %2 行有错误）。</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <extracomment>English: 
The game has not changed.</extracomment>
        <translation>
游戏没有改变。</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>保存的游戏|*.sav|所有文件|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>保存的游戏|*.sav|所有文件|*.*</translation>
    </message>
</context>
<context>
    <name>kv::ui::THelpForm</name>
    <message>
        <source>В эту игру играть достаточно просто.

Дано поле, заполненное разноцветными шарами . 
  
Необходимо поменять местами квелли так, чтобы по вертикали 
или по  горизонтали рядом было не менее трех шаров одного 
цвета, при этом переставлять шар можно только один раз.
  
Игра заканчивается только тогда, когда ни один шар нельзя 
больше переместить.

Желаю удачи ! ! ! </source>
        <extracomment>English: This game is quite simple to play.

You are given a board full of balls of many colours.

Swap two neighbouring kvelli so that at least three balls
of one colour stand next to each other in a column
or in a row; each swap moves a ball only once.

The game is over only when no ball
can be moved any more.

Good luck ! ! ! </extracomment>
        <translation>这个游戏玩起来相当简单。

棋盘上摆满了各种颜色的球。

交换两个相邻的 kvelli（球），使至少三个
同色的球在竖直或水平方向上连在一起；
每次交换，一个球只移动一次。

只有当再也没有球可以移动时，
游戏才结束。

祝您好运 ! ! ! </translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <extracomment>English: You can also play from the keyboard: the arrow keys
show a frame on the board and move it, and Space
or Enter act as a click on the ball in the frame.
A mouse click hides the frame.

The item “Symbols on the balls” in the “?” menu draws
a symbol of its own on the balls of each colour,
so the colours can be told apart without colour vision.</extracomment>
        <translation>也可以用键盘玩：方向键在棋盘上显示一个框
并移动它，空格键或回车键
相当于单击框中的球。
单击鼠标会隐藏这个框。

“?”菜单中的“在球上显示符号”会在
每种颜色的球上画出各自的符号，
这样不靠色觉也能分辨颜色。</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <extracomment>English: The H key or “Hint” in the “?” menu marks a ball
that can move and the neighbour to swap it with;
the frame goes to that ball.

A screen reader reads the ball in the frame:
its colour, row and column.</extracomment>
        <translation>按 H 键或选择“?”菜单中的“提示”，会标出一个
可以移动的球以及要与它交换的相邻球；
框会移到这个球上。

屏幕阅读器会读出框中的球：
它的颜色、行和列。</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <extracomment>English: game   K V E L L I </extracomment>
        <translation>游戏   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <extracomment>English: hint, move up</extracomment>
        <translation>提示，向上移动</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <extracomment>English: hint, move down</extracomment>
        <translation>提示，向下移动</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <extracomment>English: hint, move left</extracomment>
        <translation>提示，向左移动</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <extracomment>English: hint, move right</extracomment>
        <translation>提示，向右移动</translation>
    </message>
    <message>
        <source>подсказка</source>
        <extracomment>English: hint</extracomment>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 网络版</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <extracomment>English: Your advertisement</extracomment>
        <translation>您的广告</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <extracomment>English: This space is
for your advert</extracomment>
        <translation>这个位置
留给您的广告</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <extracomment>English: Please send your offers to advertise here to:</extracomment>
        <translation>如想在此刊登广告，请将您的建议发送到：</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <extracomment>English: Press any key</extracomment>
        <translation>请按任意键</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <extracomment>English: Check that the folder is given correctly</extracomment>
        <translation>请检查文件夹是否指定正确</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>在文件夹中找不到排行榜文件：%1！</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game|Records file&quot;</extracomment>
        <translation> 菜单：“游戏|排行榜文件”</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>在文件夹中找不到排行榜文件：%1！</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game | Records file&quot;</extracomment>
        <translation> 菜单：“游戏 | 排行榜文件”</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <extracomment>English: Your name?</extracomment>
        <translation>您的名字？</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <extracomment>English: Please enter your name.</extracomment>
        <translation>请输入您的名字。</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <extracomment>English:       Player: </extracomment>
        <translation>      玩家: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <extracomment>English:       Player: (no name) </extracomment>
        <translation>      玩家: (无名) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>English: %1: %2</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <extracomment>English: blue</extracomment>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>красный</source>
        <extracomment>English: red</extracomment>
        <translation>红色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <extracomment>English: green</extracomment>
        <translation>绿色</translation>
    </message>
    <message>
        <source>чёрный</source>
        <extracomment>English: black</extracomment>
        <translation>黑色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <extracomment>English: yellow</extracomment>
        <translation>黄色</translation>
    </message>
    <message>
        <source>голубой</source>
        <extracomment>English: aqua</extracomment>
        <translation>青色</translation>
    </message>
    <message>
        <source>серый</source>
        <extracomment>English: grey</extracomment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <extracomment>English: fuchsia</extracomment>
        <translation>品红色</translation>
    </message>
    <message>
        <source>бордовый</source>
        <extracomment>English: maroon</extracomment>
        <translation>栗色</translation>
    </message>
    <message>
        <source>салатовый</source>
        <extracomment>English: lime</extracomment>
        <translation>黄绿色</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <extracomment>English: dark grey</extracomment>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <extracomment>English: row %1, column %2</extracomment>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <extracomment>English: empty cell, %1</extracomment>
        <translation>空格子，%1</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <extracomment>English: %1 ball, %2</extracomment>
        <translation>%1球，%2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <extracomment>English: , chosen</extracomment>
        <translation>，已选中</translation>
    </message>
</context>
</TS>
