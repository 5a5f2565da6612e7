<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="ru">
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
        <translation>Denkspel</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Verwissel naburige ballen om drie of meer van één kleur op een rij te krijgen</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>puzzel;ballen;drie op een rij;topscores;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Verwissel ballen en vorm rijen</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Opgeslagen spel van Kvelli '99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bal, ballen (de bal: colours take -e before it, "blauwe bal"); the rules also call the balls kvelli.</translatorcomment>
        <translation>bal</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rij, rijen: three or more balls of one colour side by side ("drie op een rij"); the rules say "in een kolom of in een rij".</translatorcomment>
        <translation>rij</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>score: the header's word and "Uw score", as Dutch games say it.</translatorcomment>
        <translation>score</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>topscores: the word Dutch desktop games use for the best results; menu item, window, "Topscorebestand".</translatorcomment>
        <translation>topscores</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>resultatenserver: the internet server of the common table (gezamenlijke resultaten).</translatorcomment>
        <translation>resultatenserver</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Het bestand %1 is geen opgeslagen spel: het is te groot.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Het bestand %1 is geen opgeslagen spel: het eindigt op regel %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Het bestand %1 is geen opgeslagen spel: regel %2 bevat geen geheel getal.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Kan het bestand %1 niet schrijven.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Kan het bestand %1 niet lezen.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Topscores lezen ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Topscores schrijven ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Tabel schrijven ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Met succes geschreven.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
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
        <translation>Wij maken software:
denkspellen,
educatieve programma's,
hulpprogramma's voor Windows
en software op maat.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetversie</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Over dit programma</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Map van het topscorebestand</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Verbinden ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Verbinding geslaagd.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Resterend</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Topscorebestand</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Op deze computer</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Via het netwerk</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Gezamenlijke resultaten op internet bekijken</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Uw resultaat via internet versturen</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Over dit programma</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbolen op de ballen</translation>
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
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Topscores.  Uw score: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Kan het spel niet opslaan in het bestand %1.
Controleer of er in deze map geschreven mag worden en of de schijf nog ruimte heeft.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Het eerdere bestand met deze naam is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Kan het bestand %1 niet lezen.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Het bestand %1 is geen opgeslagen spel (fout in regel %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Het spel is niet veranderd.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Opgeslagen spellen|*.sav|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Opgeslagen spellen|*.sav|Alle bestanden|*.*</translation>
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
        <translation>Dit spel is vrij eenvoudig te spelen.

U krijgt een bord vol ballen in allerlei kleuren.

Verwissel twee naburige kvelli zodat minstens
drie ballen van één kleur naast elkaar staan
in een kolom of in een rij; bij elke wissel
verschuift een bal maar één keer.

Het spel is pas afgelopen als geen enkele bal
nog verplaatst kan worden.

Veel succes ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>U kunt ook met het toetsenbord spelen: de pijltjestoetsen
tonen een kader op het bord en verplaatsen het, en Spatie
of Enter werkt als een klik op de bal in het kader.
Een muisklik verbergt het kader.

Het item “Symbolen op de ballen” in het menu “?” tekent
op de ballen van elke kleur een eigen symbool,
zodat de kleuren ook zonder kleurenzien
te onderscheiden zijn.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>De toets H of “Hint” in het menu “?” markeert een bal
die kan bewegen en de buurbal om hem mee te wisselen;
het kader gaat naar die bal.

Een schermlezer leest de bal in het kader voor:
zijn kleur, rij en kolom.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>spel   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>hint, zet omhoog</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>hint, zet omlaag</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>hint, zet naar links</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>hint, zet naar rechts</translation>
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
        <translation>Kvelli 99 internetversie</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Uw advertentie</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Deze ruimte is
voor uw advertentie</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Stuur uw voorstellen om hier te adverteren naar:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Druk op een toets</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Controleer of de map juist is opgegeven</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Kan het topscorebestand niet vinden in de map: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> in het menu: "Spel|Topscorebestand"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Kan het topscorebestand niet vinden in de map: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> in het menu: "Spel | Topscorebestand"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Uw naam?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Voer alstublieft uw naam in.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Speler: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Speler: (geen naam) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Instellingen</translation>
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
        <translation>blauwe</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>rode</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>groene</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gele</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>lichtblauwe</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grijze</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>paarsroze</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>kastanjebruine</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>felgroene</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>donkergrijze</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>leeg vak, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>onbekende</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 bal, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, gekozen</translation>
    </message>
</context>
</TS>
