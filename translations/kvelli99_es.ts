<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
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
        <translation>Juego de lógica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.
English: Swap neighbouring balls to make runs of three or more of one colour</extracomment>
        <translation>Intercambie bolas vecinas para juntar tres o más del mismo color en línea</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.
English: puzzle;balls;match;records;</extracomment>
        <translation>rompecabezas;bolas;tres en línea;récords;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.
English: Swap balls to line up colours</extracomment>
        <translation>Intercambie bolas y forme líneas</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.
English: Kvelli &apos;99 saved game</extracomment>
        <translation>Partida guardada de Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>English: %1 already exists.
Do you want to replace it?</extracomment>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
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
        <translatorcomment>bola, bolas (feminine: bola azul, seleccionada); the rules also say kvelli.</translatorcomment>
        <translation>bola</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: run</extracomment>
        <translatorcomment>línea, líneas (tres en línea): three or more of one colour together; a board row is fila, a column columna.</translatorcomment>
        <translation>línea</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: score</extracomment>
        <translatorcomment>puntos (header &apos;Puntos&apos;), the player&apos;s total is &apos;puntuación&apos;; short for the header picture.</translatorcomment>
        <translation>puntos</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: records</extracomment>
        <translatorcomment>récords: menu item, window and &apos;Archivo de récords&apos;; the usual word in Spanish games for the best results.</translatorcomment>
        <translation>récords</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: results server</extracomment>
        <translatorcomment>servidor de resultados; the shared table is &apos;los resultados comunes&apos;. &apos;archivo&apos; for file, as the desktop says.</translatorcomment>
        <translation>servidor de resultados</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <extracomment>English: The file %1 is not a saved game: it is too large.</extracomment>
        <translation>El archivo %1 no es una partida guardada: es demasiado grande.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <extracomment>English: The file %1 is not a saved game: it ends at line %2.</extracomment>
        <translation>El archivo %1 no es una partida guardada: termina en la línea %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <extracomment>English: The file %1 is not a saved game: line %2 holds no whole number.</extracomment>
        <translation>El archivo %1 no es una partida guardada: la línea %2 no contiene un número entero.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <extracomment>English: Could not write the file %1.</extracomment>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <extracomment>English: Reading the records ...</extracomment>
        <translation>Leyendo los récords ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <extracomment>English: Writing the records ...</extracomment>
        <translation>Escribiendo los récords ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <extracomment>English: Writing the table ...</extracomment>
        <translation>Escribiendo la tabla ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <extracomment>English: Written successfully.</extracomment>
        <translation>Se escribió correctamente.</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <extracomment>English: The game record is not accepted: it is longer than %1 bytes.</extracomment>
        <translatorcomment>registro de la partida: the record of a game (its deal and every move) that the results server replays; kept apart from récords. The deal is reparto.</translatorcomment>
        <translation>El registro de la partida no se acepta: ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 moves.</extracomment>
        <translation>El registro de la partida no se acepta: contiene más de %1 movimientos.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 loads.</extracomment>
        <translation>El registro de la partida no se acepta: contiene más de %1 cargas de partidas guardadas.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <extracomment>English: The game record is not accepted: it holds no deal.</extracomment>
        <translation>El registro de la partida no se acepta: no contiene el reparto inicial.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <extracomment>English: The game record is not accepted: move %1 lies off the board.</extracomment>
        <translation>El registro de la partida no se acepta: el movimiento %1 queda fuera del tablero.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <extracomment>English: The game record is not accepted: move %1 exchanges balls that are not neighbours.</extracomment>
        <translation>El registro de la partida no se acepta: el movimiento %1 intercambia bolas que no son vecinas.</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <extracomment>English: The game record is not in its format: its first line is not “%1”.</extracomment>
        <translation>El registro de la partida no tiene el formato correcto: su primera línea no es «%1».</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <extracomment>English: The game record is damaged: something follows its line “end”.</extracomment>
        <translation>El registro de la partida está dañado: hay algo más después de la línea «end».</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <extracomment>English: The game record is damaged: it breaks off at line %1.</extracomment>
        <translation>El registro de la partida está dañado: se interrumpe en la línea %1.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <extracomment>English: The game record is damaged: line %1 holds neither a deal nor a move.</extracomment>
        <translation>El registro de la partida está dañado: la línea %1 no contiene ni un reparto ni un movimiento.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <extracomment>English: The game record is not accepted: move %1 was made after the game ended.</extracomment>
        <translation>El registro de la partida no se acepta: el movimiento %1 se hizo después del final de la partida.</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <extracomment>English: The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</extracomment>
        <translation>El certificado del servidor %1 no ha superado la verificación (%2).
Su huella SHA-256: %3
Si confía en este servidor, escriba esta huella en la clave TlsFingerprint de la sección [Server] del archivo de ajustes kvelli99.INI.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <extracomment>English: Unknown error</extracomment>
        <translation>Error desconocido</translation>
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
        <translation>Desarrollamos software:
juegos de lógica,
programas educativos,
utilidades para Windows
y programas a medida.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 versión Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <extracomment>English: Folder of the records file</extracomment>
        <translation>Carpeta del archivo de récords</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <extracomment>English: Connecting ...</extracomment>
        <translation>Conectando ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <extracomment>English: Connected successfully.</extracomment>
        <translation>Conexión establecida correctamente.</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <extracomment>English: Results the server did not take into the common table: %1.</extracomment>
        <translation>Resultados que el servidor de resultados no admitió en los resultados comunes: %1.</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <extracomment>English: %1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</extracomment>
        <translation>%1 — sin registro de la partida: la partida se jugó con una versión anterior o se cargó de una partida guardada anterior, o el resultado se escribió a mano.</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <extracomment>English: %1 whose record of the game does not lead to that score.</extracomment>
        <translation>%1 — el registro de la partida no lleva a esa puntuación.</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <extracomment>English: %1 already in the table under another name.</extracomment>
        <translation>%1 — esta partida ya figura en los resultados comunes con otro nombre.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <extracomment>English: Score</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Осталось</source>
        <extracomment>English: Left</extracomment>
        <translation>Quedan</translation>
    </message>
    <message>
        <source>Игра</source>
        <extracomment>English: Game</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Заново</source>
        <extracomment>English: New</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>English: Save</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>English: Load</extracomment>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <extracomment>English: Records file</extracomment>
        <translation>Archivo de récords</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <extracomment>English: On this machine</extracomment>
        <translation>En este equipo</translation>
    </message>
    <message>
        <source>По сети</source>
        <extracomment>English: Over the network</extracomment>
        <translation>En la red</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <extracomment>English: E&amp;xit</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Интернет</source>
        <extracomment>English: Internet</extracomment>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <extracomment>English: View the common results on the Internet</extracomment>
        <translation>Ver los resultados comunes en Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <extracomment>English: Send your result over the Internet</extracomment>
        <translation>Enviar su resultado por Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <extracomment>English: Symbols on the balls</extracomment>
        <translation>Símbolos en las bolas</translation>
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
        <translation>Récords</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <extracomment>English: Records.  Your score: </extracomment>
        <translation>Récords.  Su puntuación: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <extracomment>English: Save game</extracomment>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <extracomment>English: Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</extracomment>
        <translation>No se pudo guardar la partida en el archivo %1.
Compruebe que se puede escribir en esta carpeta y que queda espacio en el disco.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <extracomment>English: 
The earlier file of this name is unchanged.</extracomment>
        <translation>
El archivo anterior con este nombre no se ha modificado.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <extracomment>English: Load game</extracomment>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <extracomment>English: The file %1 is not a saved game (error in line %2).</extracomment>
        <translation>El archivo %1 no es una partida guardada (error en la línea %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <extracomment>English: 
The game has not changed.</extracomment>
        <translation>
La partida no ha cambiado.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>Partidas guardadas|*.sav|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>Partidas guardadas|*.sav|Todos los archivos|*.*</translation>
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
        <translation>Este juego es bastante sencillo.

Tiene delante un tablero lleno de bolas de colores.

Intercambie dos kvelli vecinas de modo que al menos tres bolas
del mismo color queden juntas en una columna
o en una fila; cada intercambio mueve una bola solo una vez.

La partida solo termina cuando ya no se puede
mover ninguna bola.

¡¡¡Buena suerte!!!</translation>
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
        <translation>También se puede jugar con el teclado: las flechas muestran
un marco en el tablero y lo mueven, y Espacio o Intro
actúan como un clic en la bola del marco.
Un clic del ratón oculta el marco.

La opción «Símbolos en las bolas» del menú «?» dibuja
en las bolas de cada color un símbolo propio: así los
colores se distinguen también sin visión del color.</translation>
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
        <translation>La tecla H o la opción «Pista» del menú «?» marcan una bola
que se puede mover y la vecina con la que intercambiarla;
el marco se coloca sobre esa bola.

Un lector de pantalla lee la bola del marco:
su color, su fila y su columna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <extracomment>English: game   K V E L L I </extracomment>
        <translation>juego   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <extracomment>English: hint, move up</extracomment>
        <translation>pista, movimiento hacia arriba</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <extracomment>English: hint, move down</extracomment>
        <translation>pista, movimiento hacia abajo</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <extracomment>English: hint, move left</extracomment>
        <translation>pista, movimiento hacia la izquierda</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <extracomment>English: hint, move right</extracomment>
        <translation>pista, movimiento hacia la derecha</translation>
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
        <translation>Kvelli 99 versión Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <extracomment>English: Your advertisement</extracomment>
        <translation>Su publicidad</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <extracomment>English: This space is
for your advert</extracomment>
        <translation>Este espacio es
para su publicidad</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <extracomment>English: Please send your offers to advertise here to:</extracomment>
        <translation>Envíe sus ofertas para anunciarse aquí a la dirección:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <extracomment>English: Press any key</extracomment>
        <translation>Pulse cualquier tecla</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <extracomment>English: Check that the folder is given correctly</extracomment>
        <translation>Compruebe que la carpeta esté indicada correctamente</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>¡No se encuentra el archivo de récords en la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game|Records file&quot;</extracomment>
        <translation> en el menú: «Juego|Archivo de récords»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>¡No se encuentra el archivo de récords en la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game | Records file&quot;</extracomment>
        <translation> en el menú: «Juego | Archivo de récords»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <extracomment>English: Your name?</extracomment>
        <translation>¿Su nombre?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <extracomment>English: Please enter your name.</extracomment>
        <translation>Por favor, introduzca su nombre.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <extracomment>English:       Player: </extracomment>
        <translation>      Jugador: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <extracomment>English:       Player: (no name) </extracomment>
        <translation>      Jugador: (sin nombre) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>Ajustes</translation>
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
        <translation>azul</translation>
    </message>
    <message>
        <source>красный</source>
        <extracomment>English: red</extracomment>
        <translation>roja</translation>
    </message>
    <message>
        <source>зелёный</source>
        <extracomment>English: green</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>чёрный</source>
        <extracomment>English: black</extracomment>
        <translation>negra</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <extracomment>English: yellow</extracomment>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>голубой</source>
        <extracomment>English: aqua</extracomment>
        <translation>celeste</translation>
    </message>
    <message>
        <source>серый</source>
        <extracomment>English: grey</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <extracomment>English: fuchsia</extracomment>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <extracomment>English: maroon</extracomment>
        <translation>granate</translation>
    </message>
    <message>
        <source>салатовый</source>
        <extracomment>English: lime</extracomment>
        <translation>verde lima</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <extracomment>English: dark grey</extracomment>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <extracomment>English: row %1, column %2</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <extracomment>English: empty cell, %1</extracomment>
        <translation>casilla vacía, %1</translation>
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
