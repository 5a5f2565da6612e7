<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
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
        <translation>Juego de lógica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Intercambie bolas vecinas para juntar tres o más del mismo color en línea</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>rompecabezas;bolas;tres en línea;récords;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Intercambie bolas y forme líneas</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Partida guardada de Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bola, bolas (feminine: bola azul, seleccionada); the rules also say kvelli.</translatorcomment>
        <translation>bola</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>línea, líneas (tres en línea): three or more of one colour together; a board row is fila, a column columna.</translatorcomment>
        <translation>línea</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>puntos (header &apos;Puntos&apos;), the player&apos;s total is &apos;puntuación&apos;; short for the header picture.</translatorcomment>
        <translation>puntos</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>récords: menu item, window and &apos;Archivo de récords&apos;; the usual word in Spanish games for the best results.</translatorcomment>
        <translation>récords</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>servidor de resultados; the shared table is &apos;los resultados comunes&apos;. &apos;archivo&apos; for file, as the desktop says.</translatorcomment>
        <translation>servidor de resultados</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>El archivo %1 no es una partida guardada: es demasiado grande.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>El archivo %1 no es una partida guardada: termina en la línea %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>El archivo %1 no es una partida guardada: la línea %2 no contiene un número entero.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Leyendo los récords ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Escribiendo los récords ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Escribiendo la tabla ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Se escribió correctamente.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
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
        <translation>Desarrollamos software:
juegos de lógica,
programas educativos,
utilidades para Windows
y programas a medida.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versión Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Carpeta del archivo de récords</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Conectando ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Conexión establecida correctamente.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Quedan</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Archivo de récords</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>En este equipo</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>En la red</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Ver los resultados comunes en Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Enviar su resultado por Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Símbolos en las bolas</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Récords.  Su puntuación: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>No se pudo guardar la partida en el archivo %1.
Compruebe que se puede escribir en esta carpeta y que queda espacio en el disco.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
El archivo anterior con este nombre no se ha modificado.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>El archivo %1 no es una partida guardada (error en la línea %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
La partida no ha cambiado.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Partidas guardadas|*.sav|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
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
        <translation>La tecla H o la opción «Pista» del menú «?» marcan una bola
que tiene movimiento y la vecina con la que intercambiarla;
el marco se coloca sobre esa bola.

Un lector de pantalla lee la bola del marco:
su color, su fila y su columna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>juego   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>pista, movimiento hacia arriba</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>pista, movimiento hacia abajo</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>pista, movimiento hacia la izquierda</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>pista, movimiento hacia la derecha</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>pista</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versión Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Su publicidad</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Este espacio es
para su publicidad</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Envíe sus ofertas para anunciarse aquí a la dirección:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Pulse cualquier tecla</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Compruebe que la carpeta esté indicada correctamente</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>¡No se encuentra el archivo de récords en la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> en el menú: «Juego|Archivo de récords»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>¡No se encuentra el archivo de récords en la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> en el menú: «Juego | Archivo de récords»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>¿Su nombre?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Por favor, introduzca su nombre.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Jugador: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Jugador: (sin nombre) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Ajustes</translation>
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
        <translation>azul</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>negra</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>celeste</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>granate</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>verde lima</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>casilla vacía, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>de color desconocido</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>bola %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, seleccionada</translation>
    </message>
</context>
</TS>
