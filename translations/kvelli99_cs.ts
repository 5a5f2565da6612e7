<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="ru">
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
        <translation>Logická hra</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Prohazujte sousední kuličky a skládejte tři a více stejné barvy do řady</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>hlavolam;kuličky;tři v řadě;rekordy;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Prohazujte kuličky a skládejte řady</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Uložená hra Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Soubor %1 již existuje.
Chcete jej nahradit?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>kulička, kuličky, kuliček (feminine: modrá kulička, vybraná); the rules also say kvelli.</translatorcomment>
        <translation>kulička</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>řada, řady (tři v řadě): three or more of one colour together; a board row is řádek, a column sloupec.</translatorcomment>
        <translation>řada</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>skóre (header &apos;Skóre&apos;, &apos;Vaše skóre&apos;): short for the header picture.</translatorcomment>
        <translation>skóre</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordy, soubor rekordů: menu item, window, file. Hint is &apos;Rada&apos; because &apos;Nápověda&apos; is the desktop&apos;s Help.</translatorcomment>
        <translation>rekordy</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>server výsledků; the shared table is &apos;společné výsledky&apos;.</translatorcomment>
        <translation>server výsledků</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Soubor %1 není uložená hra: je příliš velký.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Soubor %1 není uložená hra: končí na řádku %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Soubor %1 není uložená hra: na řádku %2 není celé číslo.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Soubor %1 se nepodařilo zapsat.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Soubor %1 se nepodařilo přečíst.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Načítání rekordů ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Zápis rekordů ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Zápis tabulky ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Zápis proběhl úspěšně.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
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
        <translation>Vyvíjíme software:
logické hry,
výukové programy,
nástroje pro Windows
a programy na zakázku.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetová verze</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Složka souboru rekordů</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Připojování ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Připojení proběhlo úspěšně.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Zbývá</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Soubor rekordů</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Na tomto počítači</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>V síti</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Zobrazit společné výsledky na internetu</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Odeslat svůj výsledek přes internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravidla hry</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symboly na kuličkách</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Rada</translation>
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
        <translation>Rekordy.  Vaše skóre: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Uložit hru</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Hru se nepodařilo uložit do souboru %1.
Ověřte, zda lze do této složky zapisovat a zda je na disku místo.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Původní soubor s tímto názvem zůstal beze změny.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Načíst hru</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Soubor %1 se nepodařilo přečíst.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Soubor %1 není uložená hra (chyba na řádku %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Hra se nezměnila.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Uložené hry|*.sav|Všechny soubory|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Uložené hry|*.sav|Všechny soubory|*.*</translation>
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
        <translation>Tato hra se hraje docela jednoduše.

Máte před sebou pole plné barevných kuliček.

Prohazujte sousední kvelli tak, aby svisle nebo vodorovně
vedle sebe ležely nejméně tři kuličky stejné barvy;
při každé výměně se kulička posune jen jednou.

Hra končí teprve tehdy, když už nelze
pohnout žádnou kuličkou.

Hodně štěstí ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Hrát lze i z klávesnice: šipky zobrazí na poli
rámeček a posouvají jím, mezerník nebo Enter
působí jako kliknutí na kuličku v rámečku.
Kliknutí myší rámeček skryje.

Položka „Symboly na kuličkách“ v nabídce „?“ kreslí
na kuličky každé barvy vlastní symbol: barvy tak
lze rozlišit i bez barevného vidění.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Klávesa H nebo položka „Rada“ v nabídce „?“ označí
kuličku, která má tah, a souseda, se kterým ji prohodit;
rámeček se přesune na tuto kuličku.

Čtečka obrazovky přečte kuličku v rámečku:
její barvu, řádek a sloupec.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravidla hry</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>hra   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>rada, tah nahoru</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>rada, tah dolů</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>rada, tah doleva</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>rada, tah doprava</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>rada</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetová verze</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Vaše reklama</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Toto místo je
pro vaši reklamu</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Své nabídky na umístění reklamy posílejte na adresu:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Stiskněte libovolnou klávesu</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Zkontrolujte, zda je složka zadána správně</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Soubor rekordů nelze najít ve složce: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> v nabídce: „Hra|Soubor rekordů“</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Soubor rekordů nelze najít ve složce: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> v nabídce: „Hra | Soubor rekordů“</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Vaše jméno?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Zadejte prosím své jméno.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Hráč: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Hráč: (bez jména) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Nastavení</translation>
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
        <translation>modrá</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>černá</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>světle modrá</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>šedá</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>vínová</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>světle zelená</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>tmavě šedá</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>prázdné pole, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>neznámá</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 kulička, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, vybraná</translation>
    </message>
</context>
</TS>
