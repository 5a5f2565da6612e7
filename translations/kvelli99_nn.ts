<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn" sourcelanguage="ru">
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
        <translation>Logikkspel</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Byt om på ballar som ligg inntil kvarandre, og få tre eller fleire av same farge på rad</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>puslespel;ballar;tre på rad;rekordar;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Byt ballar og lag rader</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Lagra Kvelli '99-spel</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finst frå før.
Vil du byta ho ut?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ball, ballen, ballar, ballane (masculine: "han", colours stand before it, "raud ball"); the rules also call the balls kvelli.</translatorcomment>
        <translation>ball</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rad, rader: three or more balls of one colour side by side ("tre på rad"); "rad" is also the board's row.</translatorcomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>poeng: the header's word "Poeng"; the player's result is "resultatet ditt".</translatorcomment>
        <translation>poeng</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordar, rekordane: menu item and window "Rekordar", file "Rekordfil".</translatorcomment>
        <translation>rekordar</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>resultattenar: "tenar" is the Nynorsk desktop's word for server.</translatorcomment>
        <translation>resultattenar</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Fila %1 er ikkje eit lagra spel: ho er for stor.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Fila %1 er ikkje eit lagra spel: ho sluttar på linje %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Fila %1 er ikkje eit lagra spel: linje %2 har ikkje noko heiltal.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Klarte ikkje skriva fila %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Klarte ikkje lesa fila %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Les rekordane ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Skriv rekordane ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Skriv tabellen ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Skrivinga gjekk bra.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukjend feil</translation>
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
        <translation>Vi lagar programvare:
logikkspel,
læreprogram,
verktøy for Windows
og program på bestilling.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internett-utgåve</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Om programmet</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Mappa til rekordfila</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Koplar til ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Tilkoplinga gjekk bra.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Igjen</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Lagra</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Last inn</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordar</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Rekordfil</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>På denne maskina</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Over nettverket</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internett</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Sjå dei felles resultata på Internett</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Send resultatet ditt over Internett</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Innstillingar</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spelereglar</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Om programmet</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbol på ballane</translation>
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
        <translation>Rekordar</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekordar.  Resultatet ditt: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Lagra spel</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Klarte ikkje lagra spelet i fila %1.
Sjå etter om det er lov å skriva i denne mappa, og om det er plass på disken.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Den tidlegare fila med dette namnet er ikkje endra.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Last inn spel</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Klarte ikkje lesa fila %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Fila %1 er ikkje eit lagra spel (feil i linje %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Spelet er ikkje endra.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Lagra spel|*.sav|Alle filer|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Lagra spel|*.sav|Alle filer|*.*</translation>
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
        <translation>Dette spelet er ganske enkelt å spela.

Du får eit brett fullt av ballar i mange fargar.

Byt om to kvelli som ligg inntil kvarandre, slik at minst
tre ballar av same farge ligg ved sida av kvarandre
i ein kolonne eller ei rad; kvart byte flyttar ein ball
berre éin gong.

Spelet er slutt først når ingen ball
kan flyttast lenger.

Lukke til ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Du kan òg spela med tastaturet: piltastane viser
ei ramme på brettet og flyttar henne, og mellomrom
eller Enter verkar som eit klikk på ballen i ramma.
Eit museklikk gøymer ramma.

Valet «Symbol på ballane» i «?»-menyen teiknar
eit eige symbol på ballane i kvar farge,
slik at fargane kan skiljast frå kvarandre
også utan fargesyn.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>H-tasten eller «Hint» i «?»-menyen merkjer ein ball
som kan flyttast, og naboen han skal byta plass med;
ramma går til den ballen.

Ein skjermlesar les ballen i ramma:
fargen, rada og kolonnen hans.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spelereglar</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>spel   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>hint, trekk opp</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>hint, trekk ned</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>hint, trekk til venstre</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>hint, trekk til høgre</translation>
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
        <translation>Kvelli 99 Internett-utgåve</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Reklamen din</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Denne plassen er
til reklamen din</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Send tilbod om å setja inn reklame her til:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Trykk på ein tast</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Sjå etter at mappa er rett oppgjeven</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Finn ikkje rekordfila i mappa: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> i menyen: "Spel|Rekordfil"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Finn ikkje rekordfila i mappa: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> i menyen: "Spel | Rekordfil"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Namnet ditt?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Ver venleg og skriv inn namnet ditt.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Spelar: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Spelar: (utan namn) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Innstillingar</translation>
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
        <translation>raud</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grøn</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>svart</translation>
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
        <translation>mørkraud</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>lysegrøn</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>mørkegrå</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>rad %1, kolonne %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>tom rute, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>ukjend</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 ball, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, vald</translation>
    </message>
</context>
</TS>
