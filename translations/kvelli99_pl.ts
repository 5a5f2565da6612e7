<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ru">
<context>
    <name>Desktop</name>
    <message>
        <source>Квелли 99</source>
        <extracomment>Name= of the desktop entry and &lt;name&gt; of the AppStream metainfo: the program's name.</extracomment>
        <translation>Kvelli '99</translation>
    </message>
    <message>
        <source>Логическая игра</source>
        <extracomment>GenericName= of the desktop entry: what kind of program it is, shown under its name.</extracomment>
        <translation>Gra logiczna</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Zamieniaj sąsiednie kulki, aby ułożyć w rzędzie trzy lub więcej kulek jednego koloru</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>łamigłówka;kulki;trzy w rzędzie;rekordy;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Zamieniaj kulki i układaj rzędy</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Zapisana gra Kvelli '99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>kulka, kulki, kulek (feminine: the colours and "wybrana" agree with it, "niebieska kulka"); the rules also call them kvelli.</translatorcomment>
        <translation>kulka</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rząd, rzędy: three or more kulki of one colour side by side ("trzy w rzędzie"); the board's rows are "wiersz".</translatorcomment>
        <translation>rząd</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>wynik: the header's word "Wynik" and "Twój wynik".</translatorcomment>
        <translation>wynik</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordy: menu item and window "Rekordy", file "Plik rekordów".</translatorcomment>
        <translation>rekordy</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>serwer wyników: the internet server of the common table (wspólne wyniki).</translatorcomment>
        <translation>serwer wyników</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Plik %1 nie jest zapisaną grą: jest zbyt duży.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Plik %1 nie jest zapisaną grą: kończy się w wierszu %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Plik %1 nie jest zapisaną grą: w wierszu %2 nie ma liczby całkowitej.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Nie udało się zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Nie udało się odczytać pliku %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Odczytywanie rekordów ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Zapisywanie rekordów ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Zapisywanie tabeli ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Zapis zakończony powodzeniem.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
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
        <translation>Tworzymy programy:
gry logiczne,
programy edukacyjne,
narzędzia dla Windows
i programy na zamówienie.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 wersja internetowa</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Katalog pliku rekordów</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Łączenie ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Połączono pomyślnie.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Zostało</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Plik rekordów</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Na tym komputerze</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>W sieci</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Zobacz wspólne wyniki w internecie</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Wyślij swój wynik przez internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbole na kulkach</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Podpowiedź</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekordy.  Twój wynik: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Nie udało się zapisać gry do pliku %1.
Sprawdź, czy w tym katalogu można zapisywać i czy na dysku jest miejsce.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Dotychczasowy plik o tej nazwie nie został zmieniony.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Nie udało się odczytać pliku %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Plik %1 nie jest zapisaną grą (błąd w wierszu %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Gra się nie zmieniła.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Zapisane gry|*.sav|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Zapisane gry|*.sav|Wszystkie pliki|*.*</translation>
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
        <translation>W tę grę gra się całkiem prosto.

Masz planszę pełną kulek w wielu kolorach.

Zamień miejscami dwie sąsiednie kvelli tak,
aby co najmniej trzy kulki jednego koloru
stały obok siebie w pionie lub w poziomie;
przy każdej zamianie kulka przesuwa się tylko raz.

Gra kończy się dopiero wtedy, gdy żadnej kulki
nie da się już przesunąć.

Powodzenia ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Można też grać klawiaturą: strzałki pokazują
na planszy ramkę i ją przesuwają, a spacja lub Enter
działają jak kliknięcie kulki w ramce.
Kliknięcie myszą ukrywa ramkę.

Pozycja „Symbole na kulkach” w menu „?” rysuje
na kulkach każdego koloru inny symbol,
dzięki czemu kolory można odróżnić
również bez widzenia barw.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Klawisz H lub pozycja „Podpowiedź” w menu „?” zaznacza
kulkę, która ma ruch, i sąsiadkę, z którą trzeba
ją zamienić; ramka przechodzi na tę kulkę.

Czytnik ekranu odczytuje kulkę w ramce:
jej kolor, wiersz i kolumnę.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>gra   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>podpowiedź, ruch w górę</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>podpowiedź, ruch w dół</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>podpowiedź, ruch w lewo</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>podpowiedź, ruch w prawo</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>podpowiedź</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 wersja internetowa</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Twoja reklama</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>To miejsce
na Twoją reklamę</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Propozycje zamieszczenia reklamy prosimy przesyłać na adres:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Naciśnij dowolny klawisz</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Sprawdź, czy katalog został podany poprawnie</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Nie można znaleźć pliku rekordów w katalogu: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> w menu: "Gra|Plik rekordów"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Nie można znaleźć pliku rekordów w katalogu: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> w menu: "Gra | Plik rekordów"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Twoje imię?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Podaj, proszę, swoje imię.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Gracz: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Gracz: (bez imienia) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Ustawienia</translation>
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
        <translation>niebieska</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zielona</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>czarna</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>żółta</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>błękitna</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>szara</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurowa</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordowa</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>limonkowa</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>ciemnoszara</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>puste pole, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 kulka, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, wybrana</translation>
    </message>
</context>
</TS>
