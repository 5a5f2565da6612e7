<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
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
        <translation>Denkspiel</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Benachbarte Kugeln tauschen, um drei oder mehr einer Farbe in eine Reihe zu bringen</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>Puzzle;Kugeln;Drei in einer Reihe;Bestenliste;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Kugeln tauschen und Reihen bilden</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Gespeichertes Spiel von Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>Kugel, Kugeln (feminine: blaue Kugel): the word KDE&apos;s ball games use; the rules also say Kvelli.</translatorcomment>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>Reihe, Reihen: three or more of one colour in a row or column; a board row is Zeile, a column Spalte (the screen reader&apos;s words).</translatorcomment>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>Punkte (header, &apos;Ihre Punkte&apos;): short enough for the header picture.</translatorcomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>Bestenliste: the word of the desktop&apos;s games for high scores; menu item, window and &apos;Datei der Bestenliste&apos;.</translatorcomment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>Ergebnisserver; the shared table is &apos;gemeinsame Ergebnisse&apos;.</translatorcomment>
        <translation>Ergebnisserver</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Die Datei %1 ist kein gespeichertes Spiel: sie ist zu groß.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Die Datei %1 ist kein gespeichertes Spiel: sie endet in Zeile %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Die Datei %1 ist kein gespeichertes Spiel: Zeile %2 enthält keine ganze Zahl.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Bestenliste wird gelesen ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Bestenliste wird geschrieben ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Tabelle wird geschrieben ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Erfolgreich geschrieben.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
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
        <translation>Wir entwickeln Software:
Denkspiele,
Lernprogramme,
Werkzeuge für Windows
und Programme nach Auftrag.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet-Version</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Über Kvelli 99</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Ordner mit der Datei der Bestenliste</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Verbindung wird aufgebaut ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Verbindung erfolgreich hergestellt.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Datei der Bestenliste</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Auf diesem Rechner</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Im Netzwerk</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Gemeinsame Ergebnisse im Internet ansehen</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Eigenes Ergebnis über das Internet senden</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Über Kvelli 99</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbole auf den Kugeln</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Bestenliste.  Ihre Punkte: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Das Spiel konnte nicht in die Datei %1 gespeichert werden.
Prüfen Sie, ob in diesen Ordner geschrieben werden darf und ob auf dem Datenträger Platz ist.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Die bisherige Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Die Datei %1 ist kein gespeichertes Spiel (Fehler in Zeile %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Das Spiel ist unverändert.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Gespeicherte Spiele|*.sav|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Gespeicherte Spiele|*.sav|Alle Dateien|*.*</translation>
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
        <translation>Dieses Spiel ist ganz einfach zu spielen.

Sie haben ein Feld voller bunter Kugeln vor sich.

Tauschen Sie zwei benachbarte Kvelli so, dass mindestens drei
Kugeln einer Farbe senkrecht oder waagerecht nebeneinander
liegen; bei jedem Tausch rückt eine Kugel nur einmal.

Das Spiel ist erst zu Ende, wenn sich keine Kugel
mehr bewegen lässt.

Viel Glück ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Sie können auch mit der Tastatur spielen: Die Pfeiltasten
zeigen auf dem Feld einen Rahmen und bewegen ihn, Leertaste
oder Enter wirken wie ein Klick auf die Kugel im Rahmen.
Ein Mausklick blendet den Rahmen aus.

Der Eintrag „Symbole auf den Kugeln“ im Menü „?“ zeichnet
auf die Kugeln jeder Farbe ein eigenes Symbol: So lassen
sich die Farben auch ohne Farbensehen unterscheiden.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Die Taste H oder „Hinweis“ im Menü „?“ markiert eine Kugel,
die ziehen kann, und den Nachbarn, mit dem sie zu tauschen ist;
der Rahmen springt auf diese Kugel.

Ein Bildschirmleser liest die Kugel im Rahmen vor:
ihre Farbe, Zeile und Spalte.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>Spiel   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>Hinweis, Zug nach oben</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>Hinweis, Zug nach unten</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>Hinweis, Zug nach links</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>Hinweis, Zug nach rechts</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet-Version</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Ihre Werbung</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Dieser Platz ist
für Ihre Werbung</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Ihre Angebote für Werbung an dieser Stelle senden Sie bitte an:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Drücken Sie eine beliebige Taste</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Prüfen Sie, ob der Ordner richtig angegeben ist</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Die Datei der Bestenliste wurde im Ordner %1 nicht gefunden!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> im Menü „Spiel|Datei der Bestenliste“</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Die Datei der Bestenliste wurde im Ordner %1 nicht gefunden!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> im Menü „Spiel | Datei der Bestenliste“</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Ihr Name?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Spieler: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Spieler: (ohne Namen) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Einstellungen</translation>
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
        <translation>blaue</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>rote</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grüne</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gelbe</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>hellblaue</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>graue</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magentafarbene</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>weinrote</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>hellgrüne</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>dunkelgraue</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>leeres Feld, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>unbekannte</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 Kugel, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, ausgewählt</translation>
    </message>
</context>
</TS>
