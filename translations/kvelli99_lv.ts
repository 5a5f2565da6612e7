<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="ru">
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
        <translation>Loģikas spēle</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Samainiet blakus esošas bumbas, lai rindā sakārtotu trīs vai vairāk vienas krāsas bumbas</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>mīkla;bumbas;trīs rindā;rekordi;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Mainiet bumbas, veidojot rindas</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Kvelli '99 saglabātā spēle</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 jau eksistē.
Vai vēlaties to aizvietot?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bumba, bumbas (feminine: the colours and "izvēlēta" agree with it, "zila bumba"); the rules also call the balls kvelli.</translatorcomment>
        <translation>bumba</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rinda, rindas: three or more balls of one colour side by side; "rinda" is also the board's row, and the rules say "kolonnā vai rindā".</translatorcomment>
        <translation>rinda</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>punkti: the header's word "Punkti"; the player's result is "rezultāts".</translatorcomment>
        <translation>punkti</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekordi: the menu item and window "Rekordi", the file "Rekordu fails".</translatorcomment>
        <translation>rekordi</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rezultātu serveris: the internet server of the common table (kopējie rezultāti).</translatorcomment>
        <translation>rezultātu serveris</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Fails %1 nav saglabāta spēle: tas ir pārāk liels.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Fails %1 nav saglabāta spēle: tas beidzas %2. rindā.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Fails %1 nav saglabāta spēle: %2. rindā nav vesela skaitļa.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Neizdevās ierakstīt failu %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Neizdevās nolasīt failu %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Nolasa rekordus ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Ieraksta rekordus ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Ieraksta tabulu ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Ierakstīts veiksmīgi.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Nezināma kļūda</translation>
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
        <translation>Izstrādājam programmas:
loģikas spēles,
mācību programmas,
Windows utilītas
un programmas pēc pasūtījuma.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 interneta versija</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Par programmu</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Aizvērt</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Rekordu faila mape</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Savienojas ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Savienojums izdevās.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Punkti</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Atlikušas</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Spēle</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Jauna spēle</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Ielādēt</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekordi</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Rekordu fails</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Šajā datorā</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Tīklā</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internets</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Skatīt kopējos rezultātus internetā</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Nosūtīt savu rezultātu pa internetu</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spēles noteikumi</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Par programmu</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Simboli uz bumbām</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Padoms</translation>
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
        <translation>Rekordi.  Jūsu rezultāts: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Saglabāt spēli</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Neizdevās saglabāt spēli failā %1.
Pārbaudiet, vai šajā mapē drīkst rakstīt un vai diskā ir brīva vieta.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Iepriekšējais fails ar šo nosaukumu nav mainīts.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Ielādēt spēli</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Neizdevās nolasīt failu %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Fails %1 nav saglabāta spēle (kļūda %2. rindā).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Spēle nav mainījusies.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Saglabātās spēles|*.sav|Visi faili|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Saglabātās spēles|*.sav|Visi faili|*.*</translation>
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
        <translation>Šo spēli spēlēt ir diezgan vienkārši.

Dots laukums, pilns ar dažādu krāsu bumbām.

Samainiet divas blakus esošas kvelli tā, lai vismaz trīs
vienas krāsas bumbas atrastos cita citai blakus
kolonnā vai rindā; ar katru maiņu bumba pārvietojas
tikai vienu reizi.

Spēle beidzas tikai tad, kad nevienu bumbu
vairs nevar pārvietot.

Veiksmi ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Spēlēt var arī ar tastatūru: bultiņu taustiņi parāda
laukumā rāmi un pārvieto to, bet atstarpe vai Enter
darbojas kā klikšķis uz bumbas rāmī.
Peles klikšķis paslēpj rāmi.

Izvēlnes «?» vienums «Simboli uz bumbām» uzzīmē
katras krāsas bumbām savu simbolu, lai krāsas
varētu atšķirt arī bez krāsu redzes.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Taustiņš H vai izvēlnes «?» vienums «Padoms» atzīmē
bumbu, kurai ir gājiens, un kaimiņu, ar kuru
to samainīt; rāmis pāriet uz šo bumbu.

Ekrāna lasītājs nolasa bumbu rāmī:
tās krāsu, rindu un kolonnu.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spēles noteikumi</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>spēle   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Aizvērt</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>padoms, gājiens uz augšu</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>padoms, gājiens uz leju</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>padoms, gājiens pa kreisi</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>padoms, gājiens pa labi</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>padoms</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 interneta versija</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Jūsu reklāma</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Šī vieta ir
jūsu reklāmai</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Piedāvājumus par reklāmas izvietošanu sūtiet uz adresi:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Nospiediet jebkuru taustiņu</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Pārbaudiet, vai mape norādīta pareizi</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Nevar atrast rekordu failu mapē: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> izvēlnē: "Spēle|Rekordu fails"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Nevar atrast rekordu failu mapē: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> izvēlnē: "Spēle | Rekordu fails"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Jūsu vārds?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Lūdzu, ievadiet savu vārdu.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Spēlētājs: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Spēlētājs: (bez vārda) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Iestatījumi</translation>
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
        <translation>zila</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>sarkana</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zaļa</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>melna</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>dzeltena</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>gaišzila</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>pelēka</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpursarkana</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>gaišzaļa</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>tumšpelēka</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>%1. rinda, %2. kolonna</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>tukšs lauciņš, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>nezināma</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 bumba, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, izvēlēta</translation>
    </message>
</context>
</TS>
