<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Desktop</name>
    <message>
        <source>Квелли 99</source>
        <extracomment>Name= of the desktop entry and &lt;name&gt; of the AppStream metainfo: the program&apos;s name.</extracomment>
        <translation>Kvelli &apos;99</translation>
    </message>
    <message>
        <source>Логическая игра</source>
        <extracomment>GenericName= of the desktop entry: what kind of program it is, shown under its name.</extracomment>
        <translation>Logic Game</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Swap neighbouring balls to make runs of three or more of one colour</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>puzzle;balls;match;records;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Swap balls to line up colours</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Kvelli &apos;99 saved game</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text: write RTL for a language written right to left (Arabic, Persian, Hebrew), else LTR.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ball, balls; the rules also call them kvelli.</translatorcomment>
        <translation>ball</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>run, runs: the rules say &quot;three balls of one colour next to each other&quot; rather than the word.</translatorcomment>
        <translation>run</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>score (the header says &quot;Score&quot;).</translatorcomment>
        <translation>score</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>records: the menu item, the window (&quot;Records&quot;) and the records file.</translatorcomment>
        <translation>records</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>results server: the internet server of the common table.</translatorcomment>
        <translation>results server</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>The file %1 is not a saved game: it is too large.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>The file %1 is not a saved game: it ends at line %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>The file %1 is not a saved game: line %2 holds no whole number.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read the file %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Reading the records ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Writing the records ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Writing the table ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Written successfully.</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <translation>The game record is not accepted: it is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <translation>The game record is not accepted: it holds more than %1 moves.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <translation>The game record is not accepted: it holds more than %1 loads.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <translation>The game record is not accepted: it holds no deal.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <translation>The game record is not accepted: move %1 lies off the board.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <translation>The game record is not accepted: move %1 exchanges balls that are not neighbours.</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <translation>The game record is not in its format: its first line is not “%1”.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <translation>The game record is damaged: something follows its line “end”.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <translation>The game record is damaged: it breaks off at line %1.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <translation>The game record is damaged: line %1 holds neither a deal nor a move.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <translation>The game record is not accepted: move %1 was made after the game ended.</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <translation>The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
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
        <translation>We make software:
logic games,
learning programs,
utilities for Windows
and programs to order.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet version</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Folder of the records file</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Connecting ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Connected successfully.</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <translation>Results the server did not take into the common table: %1.</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <translation>%1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <translation>%1 whose record of the game does not lead to that score.</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <translation>%1 already in the table under another name.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Records file</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>On this machine</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Over the network</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>View the common results on the Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Send your result over the Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Rules of the game</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbols on the balls</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Records.  Your score: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
The earlier file of this name is unchanged.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read the file %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>The file %1 is not a saved game (error in line %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
The game has not changed.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Saved games|*.sav|All files|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Saved games|*.sav|All files|*.*</translation>
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
        <translation>This game is quite simple to play.

You are given a board full of balls of many colours.

Swap two neighbouring kvelli so that at least three balls
of one colour stand next to each other in a column
or in a row; each swap moves a ball only once.

The game is over only when no ball
can be moved any more.

Good luck ! ! ! </translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>You can also play from the keyboard: the arrow keys
show a frame on the board and move it, and Space
or Enter act as a click on the ball in the frame.
A mouse click hides the frame.

The item “Symbols on the balls” in the “?” menu draws
a symbol of its own on the balls of each colour,
so the colours can be told apart without colour vision.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Rules of the game</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>game   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>The H key or “Hint” in the “?” menu marks a ball
that can move and the neighbour to swap it with;
the frame goes to that ball.

A screen reader reads the ball in the frame:
its colour, row and column.</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>hint, move up</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>hint, move down</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>hint, move left</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>hint, move right</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>hint</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet version</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Your advertisement</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>This space is
for your advert</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Please send your offers to advertise here to:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Press any key</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Check that the folder is given correctly</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Cannot find the records file in the folder: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> in the menu: &quot;Game|Records file&quot;</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Cannot find the records file in the folder: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> in the menu: &quot;Game | Records file&quot;</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Your name?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Player: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Player: (no name) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>green</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>black</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>maroon</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>lime</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>dark grey</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>empty cell, %1</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 ball, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, chosen</translation>
    </message>
</context>
</TS>
