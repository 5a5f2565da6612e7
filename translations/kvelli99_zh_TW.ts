<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ru">
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
        <translation>邏輯遊戲</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.
English: Swap neighbouring balls to make runs of three or more of one colour</extracomment>
        <translation>交換相鄰的球，讓三顆以上同色的球連成一線</translation>
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
        <translation>交換相鄰的球，連成一線</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.
English: Kvelli &apos;99 saved game</extracomment>
        <translation>Kvelli &apos;99 遊戲存檔</translation>
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
是否取代？</translation>
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
        <translatorcomment>球 (ball): &quot;藍色球&quot;; the rules also call the balls kvelli.</translatorcomment>
        <translation>球</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: run</extracomment>
        <translatorcomment>連線: three or more balls of one colour in one line (連成一線). On the board a row is 列 and a column is 欄, as Taiwan&apos;s desktop says; a line of a file is 行.</translatorcomment>
        <translation>連線</translation>
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
        <translatorcomment>排行榜: the word desktop games use for the best results; menu item, window, 排行榜檔案.</translatorcomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: results server</extracomment>
        <translatorcomment>成績伺服器: 伺服器 as Taiwan&apos;s desktop says server; the internet server of the common table (共同成績).</translatorcomment>
        <translation>成績伺服器</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <extracomment>English: The file %1 is not a saved game: it is too large.</extracomment>
        <translation>檔案 %1 不是儲存的遊戲：檔案太大。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <extracomment>English: The file %1 is not a saved game: it ends at line %2.</extracomment>
        <translation>檔案 %1 不是儲存的遊戲：在第 %2 行就結束了。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <extracomment>English: The file %1 is not a saved game: line %2 holds no whole number.</extracomment>
        <translation>檔案 %1 不是儲存的遊戲：第 %2 行沒有整數。</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <extracomment>English: Could not write the file %1.</extracomment>
        <translation>無法寫入檔案 %1。</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <extracomment>English: Reading the records ...</extracomment>
        <translation>正在讀取排行榜 ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <extracomment>English: Writing the records ...</extracomment>
        <translation>正在寫入排行榜 ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <extracomment>English: Writing the table ...</extracomment>
        <translation>正在寫入表格 ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <extracomment>English: Written successfully.</extracomment>
        <translation>寫入成功。</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <extracomment>English: The game record is not accepted: it is longer than %1 bytes.</extracomment>
        <translatorcomment>遊戲過程記錄: the record of a game (its 初始佈局 and every 步) that the 成績伺服器 replays; kept apart from 排行榜 and 儲存的遊戲.</translatorcomment>
        <translation>遊戲過程記錄未被接受：它超過了 %1 位元組。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 moves.</extracomment>
        <translation>遊戲過程記錄未被接受：其中的步數超過了 %1 步。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 loads.</extracomment>
        <translation>遊戲過程記錄未被接受：其中的載入次數超過了 %1 次。</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <extracomment>English: The game record is not accepted: it holds no deal.</extracomment>
        <translation>遊戲過程記錄未被接受：其中沒有初始佈局。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <extracomment>English: The game record is not accepted: move %1 lies off the board.</extracomment>
        <translation>遊戲過程記錄未被接受：第 %1 步超出了棋盤。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <extracomment>English: The game record is not accepted: move %1 exchanges balls that are not neighbours.</extracomment>
        <translation>遊戲過程記錄未被接受：第 %1 步交換了兩顆不相鄰的球。</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <extracomment>English: The game record is not in its format: its first line is not “%1”.</extracomment>
        <translation>遊戲過程記錄的格式不對：它的第一行不是「%1」。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <extracomment>English: The game record is damaged: something follows its line “end”.</extracomment>
        <translation>遊戲過程記錄已損壞：「end」這一行之後還有別的內容。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <extracomment>English: The game record is damaged: it breaks off at line %1.</extracomment>
        <translation>遊戲過程記錄已損壞：它在第 %1 行中斷了。</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <extracomment>English: The game record is damaged: line %1 holds neither a deal nor a move.</extracomment>
        <translation>遊戲過程記錄已損壞：第 %1 行既不是初始佈局，也不是一步。</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <extracomment>English: The game record is not accepted: move %1 was made after the game ended.</extracomment>
        <translation>遊戲過程記錄未被接受：第 %1 步是在遊戲結束之後走的。</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <extracomment>English: The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</extracomment>
        <translation>伺服器 %1 的憑證未通過驗證（%2）。
它的 SHA-256 指紋：%3
如果您信任這個伺服器，請把這個指紋寫入設定檔 kvelli99.INI 中 [Server] 區段的 TlsFingerprint 鍵。</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <extracomment>English: Unknown error</extracomment>
        <translation>未知錯誤</translation>
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
        <translation>我們開發軟體：
邏輯遊戲、
教育軟體、
Windows 公用程式
以及客製化軟體。</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 網路版</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>關於</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <extracomment>English: Folder of the records file</extracomment>
        <translation>排行榜檔案所在的資料夾</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <extracomment>English: Connecting ...</extracomment>
        <translation>正在連線 ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <extracomment>English: Connected successfully.</extracomment>
        <translation>連線成功。</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <extracomment>English: Results the server did not take into the common table: %1.</extracomment>
        <translation>伺服器沒有收入共同成績表的成績：%1 筆。</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <extracomment>English: %1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</extracomment>
        <translation>%1 筆 — 沒有遊戲過程記錄：遊戲是用舊版本玩的、從舊的存檔載入的，或者成績是手動寫入的。</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <extracomment>English: %1 whose record of the game does not lead to that score.</extracomment>
        <translation>%1 筆 — 遊戲過程記錄得不出這個得分。</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <extracomment>English: %1 already in the table under another name.</extracomment>
        <translation>%1 筆 — 這局遊戲已經以另一個名字列在表格中。</translation>
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
        <translation>剩餘</translation>
    </message>
    <message>
        <source>Игра</source>
        <extracomment>English: Game</extracomment>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Заново</source>
        <extracomment>English: New</extracomment>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>English: Save</extracomment>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>English: Load</extracomment>
        <translation>載入</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <extracomment>English: Records file</extracomment>
        <translation>排行榜檔案</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <extracomment>English: On this machine</extracomment>
        <translation>在這台電腦上</translation>
    </message>
    <message>
        <source>По сети</source>
        <extracomment>English: Over the network</extracomment>
        <translation>透過網路</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <extracomment>English: E&amp;xit</extracomment>
        <translation>離開(&amp;X)</translation>
    </message>
    <message>
        <source>Интернет</source>
        <extracomment>English: Internet</extracomment>
        <translation>網際網路</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <extracomment>English: View the common results on the Internet</extracomment>
        <translation>在網際網路上檢視共同成績</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <extracomment>English: Send your result over the Internet</extracomment>
        <translation>透過網際網路傳送您的成績</translation>
    </message>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>遊戲規則</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>關於</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <extracomment>English: Symbols on the balls</extracomment>
        <translation>在球上顯示符號</translation>
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
        <translation>儲存遊戲</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <extracomment>English: Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</extracomment>
        <translation>無法將遊戲儲存到檔案 %1。
請檢查此資料夾是否可以寫入，以及磁碟是否還有空間。</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <extracomment>English: 
The earlier file of this name is unchanged.</extracomment>
        <translation>
同名的原有檔案沒有更動。</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <extracomment>English: Load game</extracomment>
        <translation>載入遊戲</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <extracomment>English: The file %1 is not a saved game (error in line %2).</extracomment>
        <translation>檔案 %1 不是儲存的遊戲（第 %2 行有錯誤）。</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <extracomment>English: 
The game has not changed.</extracomment>
        <translation>
遊戲沒有改變。</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>儲存的遊戲|*.sav|所有檔案|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>儲存的遊戲|*.sav|所有檔案|*.*</translation>
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
        <translation>這個遊戲玩起來相當簡單。

棋盤上擺滿了各種顏色的球。

交換兩顆相鄰的 kvelli（球），讓至少三顆
同色的球在垂直或水平方向上連在一起；
每次交換，一顆球只移動一次。

只有當再也沒有球可以移動時，
遊戲才會結束。

祝您好運 ! ! ! </translation>
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
        <translation>也可以用鍵盤玩：方向鍵會在棋盤上顯示一個框
並移動它，空白鍵或 Enter 鍵
相當於點擊框中的球。
點擊滑鼠會隱藏這個框。

「?」選單中的「在球上顯示符號」會在
每種顏色的球上畫出各自的符號，
這樣不靠色覺也能分辨顏色。</translation>
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
        <translation>按 H 鍵或「?」選單中的「提示」，會標出一顆
可以移動的球，以及要與它交換的相鄰球；
框會移到這顆球上。

螢幕報讀器會讀出框中的球：
它的顏色、列和欄。</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>遊戲規則</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <extracomment>English: game   K V E L L I </extracomment>
        <translation>遊戲   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <extracomment>English: hint, move up</extracomment>
        <translation>提示，向上移動</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <extracomment>English: hint, move down</extracomment>
        <translation>提示，向下移動</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <extracomment>English: hint, move left</extracomment>
        <translation>提示，向左移動</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <extracomment>English: hint, move right</extracomment>
        <translation>提示，向右移動</translation>
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
        <translation>Kvelli 99 網路版</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <extracomment>English: Your advertisement</extracomment>
        <translation>您的廣告</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <extracomment>English: This space is
for your advert</extracomment>
        <translation>這個位置
留給您的廣告</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <extracomment>English: Please send your offers to advertise here to:</extracomment>
        <translation>如想在此刊登廣告，請將您的提議寄到：</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <extracomment>English: Press any key</extracomment>
        <translation>請按任意鍵</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <extracomment>English: Check that the folder is given correctly</extracomment>
        <translation>請檢查資料夾是否指定正確</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>在資料夾中找不到排行榜檔案：%1！</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game|Records file&quot;</extracomment>
        <translation> 選單：「遊戲|排行榜檔案」</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>在資料夾中找不到排行榜檔案：%1！</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game | Records file&quot;</extracomment>
        <translation> 選單：「遊戲 | 排行榜檔案」</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <extracomment>English: Your name?</extracomment>
        <translation>您的名字？</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <extracomment>English: Please enter your name.</extracomment>
        <translation>請輸入您的名字。</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <extracomment>English:       Player: </extracomment>
        <translation>      玩家: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <extracomment>English:       Player: (no name) </extracomment>
        <translation>      玩家: (無名) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>設定</translation>
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
        <translation>藍色</translation>
    </message>
    <message>
        <source>красный</source>
        <extracomment>English: red</extracomment>
        <translation>紅色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <extracomment>English: green</extracomment>
        <translation>綠色</translation>
    </message>
    <message>
        <source>чёрный</source>
        <extracomment>English: black</extracomment>
        <translation>黑色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <extracomment>English: yellow</extracomment>
        <translation>黃色</translation>
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
        <translation>洋紅色</translation>
    </message>
    <message>
        <source>бордовый</source>
        <extracomment>English: maroon</extracomment>
        <translation>栗色</translation>
    </message>
    <message>
        <source>салатовый</source>
        <extracomment>English: lime</extracomment>
        <translation>黃綠色</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <extracomment>English: dark grey</extracomment>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <extracomment>English: row %1, column %2</extracomment>
        <translation>第 %1 列，第 %2 欄</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <extracomment>English: empty cell, %1</extracomment>
        <translation>空的格子，%1</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <extracomment>English: %1 ball, %2</extracomment>
        <translation>%1球，%2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <extracomment>English: , chosen</extracomment>
        <translation>，已選取</translation>
    </message>
</context>
</TS>
