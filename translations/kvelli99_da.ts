<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="ru">
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
        <translation>Logikspil</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Byt om på nabokugler for at samle tre eller flere af samme farve på række</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>puslespil;kugler;tre på stribe;rekorder;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Byt kugler og dan rækker</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Gemt spil fra Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 findes allerede.
Vil du erstatte den?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>kugle, kugler, kuglen; the rules also say kvelli.</translatorcomment>
        <translation>kugle</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>række, rækker (på række): three or more of one colour together; a board row is also række, a column kolonne.</translatorcomment>
        <translation>række</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>point (header &apos;Point&apos;, &apos;Dine point&apos;): short for the header picture.</translatorcomment>
        <translation>point</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekorder, rekordfil: menu item, window and file.</translatorcomment>
        <translation>rekorder</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>resultatserver; the shared table is &apos;de fælles resultater&apos;.</translatorcomment>
        <translation>resultatserver</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Filen %1 er ikke et gemt spil: den er for stor.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Filen %1 er ikke et gemt spil: den slutter i linje %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Filen %1 er ikke et gemt spil: linje %2 indeholder intet heltal.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Filen %1 kunne ikke skrives.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Filen %1 kunne ikke læses.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Læser rekorderne ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Skriver rekorderne ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Skriver tabellen ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Skrivningen lykkedes.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
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
        <translation>Vi udvikler software:
logiske spil,
undervisningsprogrammer,
værktøjer til Windows
og programmer på bestilling.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetversion</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Om Kvelli 99</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Mappe med rekordfilen</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Forbinder ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Forbindelsen lykkedes.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nyt spil</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Indlæs</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekorder</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Rekordfil</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>På denne computer</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>På netværket</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Se de fælles resultater på internettet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Send dit resultat via internettet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spilleregler</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Om Kvelli 99</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symboler på kuglerne</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Rekorder</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekorder.  Dine point: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Gem spil</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Spillet kunne ikke gemmes i filen %1.
Kontrollér, at der må skrives i denne mappe, og at der er plads på disken.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Den tidligere fil med dette navn er uændret.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Indlæs spil</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Filen %1 kunne ikke læses.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Filen %1 er ikke et gemt spil (fejl i linje %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Spillet er ikke ændret.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Gemte spil|*.sav|Alle filer|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Gemte spil|*.sav|Alle filer|*.*</translation>
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
        <translation>Dette spil er ganske enkelt at spille.

Du har en spilleplade fuld af kugler i mange farver.

Byt om på to naboliggende kvelli, så mindst tre kugler i samme
farve ligger ved siden af hinanden lodret eller vandret;
ved hvert bytte flyttes en kugle kun én gang.

Spillet slutter først, når ingen kugle
længere kan flyttes.

Held og lykke ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Du kan også spille med tastaturet: piletasterne viser
en ramme på pladen og flytter den, og mellemrum eller Enter
virker som et klik på kuglen i rammen.
Et museklik skjuler rammen.

Punktet »Symboler på kuglerne« i menuen »?« tegner et
eget symbol på kuglerne i hver farve: så kan farverne
skelnes også uden farvesyn.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Tasten H eller »Tip« i menuen »?« markerer en kugle,
der kan flyttes, og den nabo, den skal byttes med;
rammen flytter hen på den kugle.

En skærmlæser læser kuglen i rammen op:
dens farve, række og kolonne.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spilleregler</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>spil   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>tip, træk op</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>tip, træk ned</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>tip, træk til venstre</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>tip, træk til højre</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>tip</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetversion</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Din reklame</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Denne plads er
til din reklame</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Send dine tilbud om at annoncere her til adressen:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Tryk på en vilkårlig tast</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Kontrollér, at mappen er angivet korrekt</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Kan ikke finde rekordfilen i mappen: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> i menuen: »Spil|Rekordfil«</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Kan ikke finde rekordfilen i mappen: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> i menuen: »Spil | Rekordfil«</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Dit navn?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Indtast venligst dit navn.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Spiller: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Spiller: (uden navn) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Indstillinger</translation>
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
        <translation>blå</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>rød</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grøn</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>sort</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>lyseblå</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grå</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>vinrød</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>limegrøn</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>mørkegrå</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>række %1, kolonne %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>tomt felt, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>ukendt</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 kugle, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, valgt</translation>
    </message>
</context>
</TS>
