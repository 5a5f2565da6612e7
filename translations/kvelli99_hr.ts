<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="ru">
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
        <translation>Logička igra</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Zamjenjuj susjedne kuglice i slaži tri ili više iste boje u niz</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>zagonetka;kuglice;tri u nizu;rekordi;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Zamjenjuj kuglice i slaži nizove</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Spremljena igra Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 već postoji.
Želiš li je zamijeniti?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>kuglica, kuglice, kuglica (feminine: plava kuglica, odabrana); the rules also say kvelli.</translatorcomment>
        <translation>kuglica</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>niz, nizovi (tri u nizu): three or more of one colour together; a board row is redak, a column stupac.</translatorcomment>
        <translation>niz</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bodovi (header &apos;Bodovi&apos;, &apos;Tvoji bodovi&apos;): short for the header picture.</translatorcomment>
        <translation>bodovi</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordi, datoteka rekorda: menu item, window and file. Informal address (ti), as Qt&apos;s own Croatian dialogs.</translatorcomment>
        <translation>rekordi</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>poslužitelj rezultata; the shared table is &apos;zajednički rezultati&apos;.</translatorcomment>
        <translation>poslužitelj rezultata</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Datoteka %1 nije spremljena igra: prevelika je.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Datoteka %1 nije spremljena igra: završava u retku %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Datoteka %1 nije spremljena igra: u retku %2 nema cijelog broja.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Datoteku %1 nije moguće zapisati.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Datoteku %1 nije moguće pročitati.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Čitanje rekorda ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Zapisivanje rekorda ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Zapisivanje tablice ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Zapisivanje je uspjelo.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata pogreška</translation>
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
        <translation>Razvijamo programe:
logičke igre,
obrazovne programe,
alate za Windows
i programe po narudžbi.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetska inačica</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Mapa datoteke rekorda</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Povezivanje ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Povezivanje je uspjelo.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Preostalo</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Učitaj</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordi</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Datoteka rekorda</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Na ovom računalu</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Na mreži</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Pogledaj zajedničke rezultate na internetu</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Pošalji svoj rezultat putem interneta</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravila igre</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Simboli na kuglicama</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Savjet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Rekordi</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekordi.  Tvoji bodovi: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Spremi igru</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Igru nije moguće spremiti u datoteku %1.
Provjeri smije li se pisati u ovu mapu i ima li mjesta na disku.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Prijašnja datoteka s tim imenom nije promijenjena.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Učitaj igru</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Datoteku %1 nije moguće pročitati.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Datoteka %1 nije spremljena igra (pogreška u retku %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Igra se nije promijenila.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Spremljene igre|*.sav|Sve datoteke|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Spremljene igre|*.sav|Sve datoteke|*.*</translation>
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
        <translation>Ova se igra igra prilično jednostavno.

Pred tobom je ploča puna raznobojnih kuglica.

Zamijeni mjesta dviju susjednih kvelli tako da okomito
ili vodoravno jedna do druge budu barem tri kuglice iste
boje; pri svakoj zamjeni kuglica se pomiče samo jednom.

Igra završava tek kada se nijedna kuglica
više ne može pomaknuti.

Sretno ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Igrati možeš i tipkovnicom: strelice prikazuju
okvir na ploči i pomiču ga, a razmaknica ili Enter
djeluju kao klik na kuglicu u okviru.
Klik mišem skriva okvir.

Stavka „Simboli na kuglicama” u izborniku „?” crta
na kuglicama svake boje vlastiti simbol: tako boje mogu
razlikovati i oni koji ne raspoznaju boje.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Tipka H ili stavka „Savjet” u izborniku „?” označava
kuglicu koja ima potez i susjeda s kojim je treba zamijeniti;
okvir prelazi na tu kuglicu.

Čitač zaslona čita kuglicu u okviru:
njezinu boju, redak i stupac.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravila igre</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>igra   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>savjet, potez gore</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>savjet, potez dolje</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>savjet, potez lijevo</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>savjet, potez desno</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>savjet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetska inačica</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Tvoja reklama</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Ovo je mjesto
za tvoju reklamu</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Ponude za oglašavanje na ovom mjestu šalji na adresu:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Pritisni bilo koju tipku</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Provjeri je li mapa ispravno navedena</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Datoteka rekorda nije pronađena u mapi: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> u izborniku: „Igra|Datoteka rekorda”</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Datoteka rekorda nije pronađena u mapi: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> u izborniku: „Igra | Datoteka rekorda”</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Tvoje ime?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Molim te, upiši svoje ime.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Igrač: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Igrač: (bez imena) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Postavke</translation>
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
        <translation>plava</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>crvena</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zelena</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>crna</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žuta</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>svijetloplava</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>siva</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurna</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>svijetlozelena</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>tamnosiva</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>redak %1, stupac %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>prazno polje, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>nepoznata</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 kuglica, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, odabrana</translation>
    </message>
</context>
</TS>
