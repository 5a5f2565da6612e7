<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="ru">
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
        <translation>Logická hra</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Vymieňajte susedné guľky, aby ste do radu zoradili tri alebo viac guliek jednej farby</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>hlavolam;guľky;tri v rade;rekordy;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Vymieňajte guľky a skladajte rady</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Uložená hra Kvelli '99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 už existuje.
Chcete ho nahradiť?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>guľka, guľky, guliek (feminine: colours and "vybraná" agree with it, "modrá guľka"); the rules also call them kvelli.</translatorcomment>
        <translation>guľka</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rad, rady: three or more guľky of one colour side by side ("tri v rade"); the board's rows are "riadok".</translatorcomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>skóre: the header's word; the player's result is "Váš výsledok".</translatorcomment>
        <translation>skóre</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordy: menu item and window "Rekordy", file "Súbor rekordov".</translatorcomment>
        <translation>rekordy</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>server výsledkov: the internet server of the common table (spoločné výsledky).</translatorcomment>
        <translation>server výsledkov</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Súbor %1 nie je uložená hra: je príliš veľký.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Súbor %1 nie je uložená hra: končí sa na riadku %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Súbor %1 nie je uložená hra: na riadku %2 nie je celé číslo.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Súbor %1 sa nepodarilo zapísať.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Súbor %1 sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Načítavanie rekordov ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Zápis rekordov ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Zápis tabuľky ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Zápis prebehol úspešne.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznáma chyba</translation>
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
        <translation>Vyvíjame programy:
logické hry,
výučbové programy,
nástroje pre Windows
a programy na zákazku.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 internetová verzia</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Priečinok súboru rekordov</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Pripája sa ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Pripojenie prebehlo úspešne.</translation>
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
        <translation>Zostáva</translation>
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
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Načítať</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Súbor rekordov</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Na tomto počítači</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Cez sieť</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Zobraziť spoločné výsledky na internete</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Odoslať svoj výsledok cez internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravidlá hry</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symboly na guľkách</translation>
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
        <translation>Rekordy.  Váš výsledok: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Uložiť hru</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Hru sa nepodarilo uložiť do súboru %1.
Skontrolujte, či sa dá do tohto priečinka zapisovať a či je na disku miesto.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Predchádzajúci súbor s týmto názvom sa nezmenil.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Načítať hru</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Súbor %1 sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Súbor %1 nie je uložená hra (chyba na riadku %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Hra sa nezmenila.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Uložené hry|*.sav|Všetky súbory|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Uložené hry|*.sav|Všetky súbory|*.*</translation>
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
        <translation>Táto hra sa hrá celkom jednoducho.

Máte hraciu plochu plnú guliek rôznych farieb.

Vymeňte dve susedné kvelli tak, aby aspoň tri guľky
jednej farby stáli vedľa seba zvislo alebo vodorovne;
pri každej výmene sa guľka posunie iba raz.

Hra sa skončí, až keď sa už nedá
pohnúť žiadnou guľkou.

Veľa šťastia ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Hrať sa dá aj klávesnicou: šípky zobrazia
na ploche rámik a posúvajú ho, medzerník alebo Enter
pôsobia ako kliknutie na guľku v rámiku.
Kliknutie myšou rámik skryje.

Položka „Symboly na guľkách“ v ponuke „?“ kreslí
na guľky každej farby vlastný symbol,
vďaka čomu sa farby dajú rozlíšiť
aj bez farebného videnia.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Kláves H alebo položka „Rada“ v ponuke „?“ označí
guľku, ktorá má ťah, a susednú guľku, s ktorou ju
treba vymeniť; rámik prejde na túto guľku.

Čítačka obrazovky prečíta guľku v rámiku:
jej farbu, riadok a stĺpec.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pravidlá hry</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>hra   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>rada, ťah nahor</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>rada, ťah nadol</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>rada, ťah doľava</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>rada, ťah doprava</translation>
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
        <translation>Kvelli 99 internetová verzia</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Vaša reklama</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Toto miesto je
pre vašu reklamu</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Ponuky na umiestnenie reklamy posielajte na adresu:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Stlačte ľubovoľný kláves</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Skontrolujte, či je priečinok zadaný správne</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Nemôžem nájsť súbor rekordov v priečinku: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> v ponuke: "Hra|Súbor rekordov"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Nemôžem nájsť súbor rekordov v priečinku: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> v ponuke: "Hra | Súbor rekordov"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Vaše meno?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Zadajte, prosím, svoje meno.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Hráč: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Hráč: (bez mena) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Nastavenia</translation>
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
        <translation>čierna</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žltá</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>bledomodrá</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>sivá</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordová</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>žltozelená</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>tmavosivá</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>riadok %1, stĺpec %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>prázdne políčko, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>neznáma</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 guľka, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, vybraná</translation>
    </message>
</context>
</TS>
