<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="ru">
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
        <translation>Joc de lògica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.
English: Swap neighbouring balls to make runs of three or more of one colour</extracomment>
        <translation>Intercanvieu boles veïnes per a fer línies de tres o més del mateix color</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.
English: puzzle;balls;match;records;</extracomment>
        <translation>trencaclosques;boles;tres en línia;rècords;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.
English: Swap balls to line up colours</extracomment>
        <translation>Intercanvieu boles i feu línies</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.
English: Kvelli &apos;99 saved game</extracomment>
        <translation>Partida desada del Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>English: %1 already exists.
Do you want to replace it?</extracomment>
        <translation>%1 ja existeix.
El voleu substituir?</translation>
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
        <translatorcomment>bola, boles (feminine: bola blava, seleccionada); the rules also say kvelli.</translatorcomment>
        <translation>bola</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: run</extracomment>
        <translatorcomment>línia, línies (tres en línia): three or more of one colour together; a board row is fila, a column columna.</translatorcomment>
        <translation>línia</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: score</extracomment>
        <translatorcomment>punts (header &apos;Punts&apos;); the player&apos;s total is &apos;puntuació&apos;. Short for the header picture.</translatorcomment>
        <translation>punts</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: records</extracomment>
        <translatorcomment>rècords: menu item, window and &apos;Fitxer de rècords&apos;. Commands in the imperative as the desktop (Desa, Carrega, Surt, Tanca).</translatorcomment>
        <translation>rècords</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: results server</extracomment>
        <translatorcomment>servidor de resultats; the shared table is &apos;els resultats comuns&apos;.</translatorcomment>
        <translation>servidor de resultats</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <extracomment>English: The file %1 is not a saved game: it is too large.</extracomment>
        <translation>El fitxer %1 no és una partida desada: és massa gran.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <extracomment>English: The file %1 is not a saved game: it ends at line %2.</extracomment>
        <translation>El fitxer %1 no és una partida desada: s&apos;acaba a la línia %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <extracomment>English: The file %1 is not a saved game: line %2 holds no whole number.</extracomment>
        <translation>El fitxer %1 no és una partida desada: la línia %2 no conté cap nombre enter.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <extracomment>English: Could not write the file %1.</extracomment>
        <translation>No s&apos;ha pogut escriure el fitxer %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>No s&apos;ha pogut llegir el fitxer %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <extracomment>English: Reading the records ...</extracomment>
        <translation>S&apos;estan llegint els rècords ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <extracomment>English: Writing the records ...</extracomment>
        <translation>S&apos;estan escrivint els rècords ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <extracomment>English: Writing the table ...</extracomment>
        <translation>S&apos;està escrivint la taula ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <extracomment>English: Written successfully.</extracomment>
        <translation>S&apos;ha escrit correctament.</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <extracomment>English: The game record is not accepted: it is longer than %1 bytes.</extracomment>
        <translatorcomment>registre de la partida: the record of a game (its deal and every move) that the results server replays; kept apart from rècords. The deal is repartiment.</translatorcomment>
        <translation>No s&apos;accepta el registre de la partida: ocupa més de %1 bytes.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 moves.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: conté més de %1 moviments.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 loads.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: conté més de %1 càrregues de partides desades.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <extracomment>English: The game record is not accepted: it holds no deal.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: no conté el repartiment inicial.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <extracomment>English: The game record is not accepted: move %1 lies off the board.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: el moviment %1 surt del tauler.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <extracomment>English: The game record is not accepted: move %1 exchanges balls that are not neighbours.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: el moviment %1 intercanvia boles que no són veïnes.</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <extracomment>English: The game record is not in its format: its first line is not “%1”.</extracomment>
        <translation>El registre de la partida no té el format correcte: la primera línia no és «%1».</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <extracomment>English: The game record is damaged: something follows its line “end”.</extracomment>
        <translation>El registre de la partida està malmès: hi ha alguna cosa més després de la línia «end».</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <extracomment>English: The game record is damaged: it breaks off at line %1.</extracomment>
        <translation>El registre de la partida està malmès: s&apos;interromp a la línia %1.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <extracomment>English: The game record is damaged: line %1 holds neither a deal nor a move.</extracomment>
        <translation>El registre de la partida està malmès: la línia %1 no conté ni un repartiment ni un moviment.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <extracomment>English: The game record is not accepted: move %1 was made after the game ended.</extracomment>
        <translation>No s&apos;accepta el registre de la partida: el moviment %1 es va fer després del final de la partida.</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <extracomment>English: The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</extracomment>
        <translation>El certificat del servidor %1 no ha superat la verificació (%2).
La seva empremta SHA-256: %3
Si confieu en aquest servidor, escriviu aquesta empremta a la clau TlsFingerprint de la secció [Server] del fitxer de configuració kvelli99.INI.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <extracomment>English: Unknown error</extracomment>
        <translation>Error desconegut</translation>
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
        <translation>Desenvolupem programari:
jocs de lògica,
programes educatius,
utilitats per a Windows
i programes a mida.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 versió Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <extracomment>English: Folder of the records file</extracomment>
        <translation>Carpeta del fitxer de rècords</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <extracomment>English: Connecting ...</extracomment>
        <translation>S&apos;està connectant ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <extracomment>English: Connected successfully.</extracomment>
        <translation>La connexió s&apos;ha establert correctament.</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <extracomment>English: Results the server did not take into the common table: %1.</extracomment>
        <translation>Resultats que el servidor de resultats no ha admès als resultats comuns: %1.</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <extracomment>English: %1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</extracomment>
        <translation>%1 — sense registre de la partida: la partida es va jugar amb una versió anterior o es va carregar d&apos;una partida desada anterior, o el resultat es va escriure a mà.</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <extracomment>English: %1 whose record of the game does not lead to that score.</extracomment>
        <translation>%1 — el registre de la partida no porta a aquesta puntuació.</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <extracomment>English: %1 already in the table under another name.</extracomment>
        <translation>%1 — aquesta partida ja és als resultats comuns amb un altre nom.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <extracomment>English: Score</extracomment>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Осталось</source>
        <extracomment>English: Left</extracomment>
        <translation>Queden</translation>
    </message>
    <message>
        <source>Игра</source>
        <extracomment>English: Game</extracomment>
        <translation>Joc</translation>
    </message>
    <message>
        <source>Заново</source>
        <extracomment>English: New</extracomment>
        <translation>Partida nova</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>English: Save</extracomment>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>English: Load</extracomment>
        <translation>Carrega</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <extracomment>English: Records file</extracomment>
        <translation>Fitxer de rècords</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <extracomment>English: On this machine</extracomment>
        <translation>En aquest ordinador</translation>
    </message>
    <message>
        <source>По сети</source>
        <extracomment>English: Over the network</extracomment>
        <translation>A la xarxa</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <extracomment>English: E&amp;xit</extracomment>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Интернет</source>
        <extracomment>English: Internet</extracomment>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <extracomment>English: View the common results on the Internet</extracomment>
        <translation>Mostra els resultats comuns a Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <extracomment>English: Send your result over the Internet</extracomment>
        <translation>Envia el vostre resultat per Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>Regles del joc</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <extracomment>English: Symbols on the balls</extracomment>
        <translation>Símbols a les boles</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <extracomment>English: Hint</extracomment>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <extracomment>English: Records.  Your score: </extracomment>
        <translation>Rècords.  La vostra puntuació: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <extracomment>English: Save game</extracomment>
        <translation>Desa la partida</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <extracomment>English: Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</extracomment>
        <translation>No s&apos;ha pogut desar la partida al fitxer %1.
Comproveu que es pugui escriure en aquesta carpeta i que hi hagi espai al disc.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <extracomment>English: 
The earlier file of this name is unchanged.</extracomment>
        <translation>
El fitxer anterior amb aquest nom no s&apos;ha modificat.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <extracomment>English: Load game</extracomment>
        <translation>Carrega una partida</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>No s&apos;ha pogut llegir el fitxer %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <extracomment>English: The file %1 is not a saved game (error in line %2).</extracomment>
        <translation>El fitxer %1 no és una partida desada (error a la línia %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <extracomment>English: 
The game has not changed.</extracomment>
        <translation>
La partida no ha canviat.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>Partides desades|*.sav|Tots els fitxers|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>Partides desades|*.sav|Tots els fitxers|*.*</translation>
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
        <translation>Aquest joc és força senzill.

Teniu al davant un tauler ple de boles de colors.

Intercanvieu dues kvelli veïnes de manera que almenys
tres boles del mateix color quedin juntes en una columna
o en una fila; cada intercanvi mou una bola només una vegada.

La partida només s&apos;acaba quan ja no es pot
moure cap bola.

Bona sort ! ! !</translation>
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
        <translation>També es pot jugar amb el teclat: les fletxes mostren
un marc al tauler i el mouen, i la tecla d&apos;espai o Retorn
equivalen a un clic a la bola del marc.
Un clic del ratolí amaga el marc.

L&apos;element «Símbols a les boles» del menú «?» dibuixa
a les boles de cada color un símbol propi: així els colors
es distingeixen fins i tot sense visió dels colors.</translation>
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
        <translation>La tecla H o l&apos;element «Pista» del menú «?» marquen una bola
que es pot moure i la veïna amb què cal intercanviar-la;
el marc es col·loca sobre aquesta bola.

Un lector de pantalla llegeix la bola del marc:
el seu color, la fila i la columna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>Regles del joc</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <extracomment>English: game   K V E L L I </extracomment>
        <translation>joc   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <extracomment>English: hint, move up</extracomment>
        <translation>pista, moviment cap amunt</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <extracomment>English: hint, move down</extracomment>
        <translation>pista, moviment cap avall</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <extracomment>English: hint, move left</extracomment>
        <translation>pista, moviment cap a l&apos;esquerra</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <extracomment>English: hint, move right</extracomment>
        <translation>pista, moviment cap a la dreta</translation>
    </message>
    <message>
        <source>подсказка</source>
        <extracomment>English: hint</extracomment>
        <translation>pista</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 versió Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <extracomment>English: Your advertisement</extracomment>
        <translation>La vostra publicitat</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <extracomment>English: This space is
for your advert</extracomment>
        <translation>Aquest espai és
per a la vostra publicitat</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <extracomment>English: Please send your offers to advertise here to:</extracomment>
        <translation>Envieu les vostres ofertes per anunciar-vos aquí a l&apos;adreça:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <extracomment>English: Press any key</extracomment>
        <translation>Premeu qualsevol tecla</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <extracomment>English: Check that the folder is given correctly</extracomment>
        <translation>Comproveu que la carpeta estigui indicada correctament</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>No es troba el fitxer de rècords a la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game|Records file&quot;</extracomment>
        <translation> al menú: «Joc|Fitxer de rècords»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>No es troba el fitxer de rècords a la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game | Records file&quot;</extracomment>
        <translation> al menú: «Joc | Fitxer de rècords»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <extracomment>English: Your name?</extracomment>
        <translation>El vostre nom?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <extracomment>English: Please enter your name.</extracomment>
        <translation>Introduïu el vostre nom, si us plau.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <extracomment>English:       Player: </extracomment>
        <translation>      Jugador: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <extracomment>English:       Player: (no name) </extracomment>
        <translation>      Jugador: (sense nom) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>Configuració</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>English: %1: %2</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <extracomment>English: blue</extracomment>
        <translation>blava</translation>
    </message>
    <message>
        <source>красный</source>
        <extracomment>English: red</extracomment>
        <translation>vermella</translation>
    </message>
    <message>
        <source>зелёный</source>
        <extracomment>English: green</extracomment>
        <translation>verda</translation>
    </message>
    <message>
        <source>чёрный</source>
        <extracomment>English: black</extracomment>
        <translation>negra</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <extracomment>English: yellow</extracomment>
        <translation>groga</translation>
    </message>
    <message>
        <source>голубой</source>
        <extracomment>English: aqua</extracomment>
        <translation>blau cel</translation>
    </message>
    <message>
        <source>серый</source>
        <extracomment>English: grey</extracomment>
        <translation>grisa</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <extracomment>English: fuchsia</extracomment>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <extracomment>English: maroon</extracomment>
        <translation>granat</translation>
    </message>
    <message>
        <source>салатовый</source>
        <extracomment>English: lime</extracomment>
        <translation>verd llima</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <extracomment>English: dark grey</extracomment>
        <translation>gris fosc</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <extracomment>English: row %1, column %2</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <extracomment>English: empty cell, %1</extracomment>
        <translation>casella buida, %1</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <extracomment>English: %1 ball, %2</extracomment>
        <translation>bola %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <extracomment>English: , chosen</extracomment>
        <translation>, seleccionada</translation>
    </message>
</context>
</TS>
