<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="ru">
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
        <translation>Joc de lògica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Intercanvieu boles veïnes per a fer línies de tres o més del mateix color</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>trencaclosques;boles;tres en línia;rècords;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Intercanvieu boles i feu línies</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Partida desada del Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ja existeix.
El voleu substituir?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bola, boles (feminine: bola blava, seleccionada); the rules also say kvelli.</translatorcomment>
        <translation>bola</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>línia, línies (tres en línia): three or more of one colour together; a board row is fila, a column columna.</translatorcomment>
        <translation>línia</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>punts (header &apos;Punts&apos;); the player&apos;s total is &apos;puntuació&apos;. Short for the header picture.</translatorcomment>
        <translation>punts</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rècords: menu item, window and &apos;Fitxer de rècords&apos;. Commands in the imperative as the desktop (Desa, Carrega, Surt, Tanca).</translatorcomment>
        <translation>rècords</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>servidor de resultats; the shared table is &apos;els resultats comuns&apos;.</translatorcomment>
        <translation>servidor de resultats</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>El fitxer %1 no és una partida desada: és massa gran.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>El fitxer %1 no és una partida desada: s&apos;acaba a la línia %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>El fitxer %1 no és una partida desada: la línia %2 no conté cap nombre enter.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>No s&apos;ha pogut escriure el fitxer %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>No s&apos;ha pogut llegir el fitxer %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>S&apos;estan llegint els rècords ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>S&apos;estan escrivint els rècords ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>S&apos;està escrivint la taula ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>S&apos;ha escrit correctament.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
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
        <translation>Desenvolupem programari:
jocs de lògica,
programes educatius,
utilitats per a Windows
i programes a mida.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versió Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Carpeta del fitxer de rècords</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>S&apos;està connectant ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>La connexió s&apos;ha establert correctament.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Queden</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Joc</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Partida nova</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Carrega</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Fitxer de rècords</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>En aquest ordinador</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>A la xarxa</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Mostra els resultats comuns a Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Envia el vostre resultat per Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regles del joc</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Símbols a les boles</translation>
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
        <translation>Rècords</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rècords.  La vostra puntuació: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Desa la partida</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>No s&apos;ha pogut desar la partida al fitxer %1.
Comproveu que es pugui escriure en aquesta carpeta i que hi hagi espai al disc.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
El fitxer anterior amb aquest nom no s&apos;ha modificat.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Carrega una partida</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>No s&apos;ha pogut llegir el fitxer %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>El fitxer %1 no és una partida desada (error a la línia %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
La partida no ha canviat.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Partides desades|*.sav|Tots els fitxers|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
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
        <translation>Aquest joc és força senzill.

Teniu al davant un tauler ple de boles de colors.

Intercanvieu dues kvelli veïnes de manera que almenys tres boles
del mateix color quedin juntes en una columna
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
        <translation>També es pot jugar amb el teclat: les fletxes mostren
un marc al tauler i el mouen, i la tecla d&apos;espai o Retorn
fan com un clic a la bola del marc.
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
        <translation>La tecla H o l&apos;element «Pista» del menú «?» marquen una bola
que té moviment i la veïna amb què cal intercanviar-la;
el marc es col·loca sobre aquesta bola.

Un lector de pantalla llegeix la bola del marc:
el seu color, la fila i la columna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regles del joc</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>joc   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>pista, moviment cap amunt</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>pista, moviment cap avall</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>pista, moviment cap a l&apos;esquerra</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>pista, moviment cap a la dreta</translation>
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
        <translation>Kvelli 99 versió Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>La vostra publicitat</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Aquest espai és
per a la vostra publicitat</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Envieu les vostres ofertes per anunciar-vos aquí a l&apos;adreça:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Premeu qualsevol tecla</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Comproveu que la carpeta estigui indicada correctament</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>No es troba el fitxer de rècords a la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> al menú: «Joc|Fitxer de rècords»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>No es troba el fitxer de rècords a la carpeta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> al menú: «Joc | Fitxer de rècords»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>El vostre nom?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Introduïu el vostre nom, si us plau.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Jugador: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Jugador: (sense nom) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Configuració</translation>
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
        <translation>blava</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>vermella</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verda</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>negra</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>groga</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>blau cel</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grisa</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>granat</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>verd llima</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>gris fosc</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>casella buida, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>de color desconegut</translation>
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
