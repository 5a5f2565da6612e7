<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="ru">
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
        <translation>Logikai játék</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Cserélje fel a szomszédos golyókat, hogy három vagy több azonos színű egy sorba kerüljön</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>fejtörő;golyók;három egy sorban;rekordok;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Cserélje a golyókat, és rakjon ki sorokat</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Kvelli &apos;99 mentett játék</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 már létezik.
Szeretné lecserélni?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>golyó, golyók, golyót; the rules also say kvelli (kvellit).</translatorcomment>
        <translation>golyó</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sor, sorok (egy sorban): three or more of one colour together; a board row is also sor (3. sor), a column oszlop.</translatorcomment>
        <translation>sor</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>pontszám; the header says &apos;Pontok&apos; (short for the header picture).</translatorcomment>
        <translation>pontszám</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordok, rekordfájl: menu item, window and file. Formal address (Ön), as the desktop&apos;s dialogs.</translatorcomment>
        <translation>rekordok</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>eredményszerver; the shared table is &apos;közös eredmények&apos;.</translatorcomment>
        <translation>eredményszerver</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>A(z) %1 fájl nem mentett játék: túl nagy.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>A(z) %1 fájl nem mentett játék: véget ér a(z) %2. sorban.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>A(z) %1 fájl nem mentett játék: a(z) %2. sorban nincs egész szám.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Nem sikerült írni a(z) %1 fájlt.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Rekordok beolvasása ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Rekordok írása ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Táblázat írása ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Az írás sikerült.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Ismeretlen hiba</translation>
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
        <translation>Szoftvert fejlesztünk:
logikai játékokat,
oktatóprogramokat,
segédprogramokat Windowsra
és egyedi programokat.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetes változat</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>A rekordfájl mappája</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Kapcsolódás ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>A kapcsolódás sikerült.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Pontok</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Maradt</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Játék</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordok</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Rekordfájl</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Ezen a gépen</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Hálózaton</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Közös eredmények megtekintése az interneten</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Saját eredmény küldése az interneten</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Jelek a golyókon</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Rekordok</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekordok.  Az Ön pontszáma: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Játék mentése</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Nem sikerült a játékot a(z) %1 fájlba menteni.
Ellenőrizze, hogy írható-e ez a mappa, és van-e hely a lemezen.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
A korábbi, ilyen nevű fájl nem változott.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Játék betöltése</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>A(z) %1 fájl nem mentett játék (hiba a(z) %2. sorban).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
A játék nem változott.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Mentett játékok|*.sav|Minden fájl|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Mentett játékok|*.sav|Minden fájl|*.*</translation>
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
        <translation>Ezt a játékot elég egyszerű játszani.

Adott egy tábla, tele különböző színű golyókkal.

Cseréljen fel két szomszédos kvellit úgy, hogy függőlegesen
vagy vízszintesen legalább három azonos színű golyó
kerüljön egymás mellé; egy csere egy golyót csak egyszer mozdít.

A játék csak akkor ér véget, amikor már
egyetlen golyót sem lehet mozgatni.

Sok sikert ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Billentyűzettel is lehet játszani: a nyílbillentyűk
keretet jelenítenek meg a táblán és mozgatják, a szóköz
vagy az Enter pedig kattintásként hat a keretben lévő golyóra.
Az egérkattintás elrejti a keretet.

A „?” menü „Jelek a golyókon” pontja minden szín golyóira
saját jelet rajzol: így a színek színlátás nélkül
is megkülönböztethetők.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>A H billentyű vagy a „?” menü „Tipp” pontja megjelöl
egy golyót, amellyel lehet lépni, és a szomszédját, amellyel
fel kell cserélni; a keret erre a golyóra ugrik.

A képernyőolvasó felolvassa a keretben lévő golyót:
a színét, sorát és oszlopát.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>játék   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>tipp, lépés felfelé</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>tipp, lépés lefelé</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>tipp, lépés balra</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>tipp, lépés jobbra</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>tipp</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetes változat</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Az Ön hirdetése</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Ez a hely az
Ön hirdetéséé</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Az itteni hirdetésre vonatkozó ajánlatait erre a címre küldje:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Nyomjon meg egy billentyűt</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Ellenőrizze, hogy helyesen adta-e meg a mappát</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Nem található a rekordfájl ebben a mappában: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> a menüben: „Játék|Rekordfájl”</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Nem található a rekordfájl ebben a mappában: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> a menüben: „Játék | Rekordfájl”</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Az Ön neve?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Kérem, adja meg a nevét.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Játékos: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Játékos: (névtelen) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Beállítások</translation>
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
        <translation>kék</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>piros</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zöld</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>fekete</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>sárga</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>világoskék</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>szürke</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>bíbor</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordó</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>világoszöld</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>sötétszürke</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>%1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>üres mező, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>ismeretlen színű</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 golyó, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, kijelölve</translation>
    </message>
</context>
</TS>
