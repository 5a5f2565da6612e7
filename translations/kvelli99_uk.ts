<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Desktop</name>
    <message>
        <source>Квелли 99</source>
        <extracomment>Name= of the desktop entry and &lt;name&gt; of the AppStream metainfo: the program's name.</extracomment>
        <translation>Квеллі 99</translation>
    </message>
    <message>
        <source>Логическая игра</source>
        <extracomment>GenericName= of the desktop entry: what kind of program it is, shown under its name.</extracomment>
        <translation>Логічна гра</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Міняйте місцями сусідні кулі, щоб зібрати в ряд три чи більше куль одного кольору</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>головоломка;кулі;три в ряд;рекорди;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Міняйте кулі, збираючи ряди</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Збережена гра Квеллі 99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 вже існує.
Бажаєте перезаписати його?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>куля, кулі, куль (feminine: the colours and "вибрана" agree with it, "синя куля"); the rules also call them квеллі.</translatorcomment>
        <translation>куля</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ряд, ряди: three or more кулі of one colour side by side ("три в ряд"); the board's rows are also "ряд", its columns "стовпець".</translatorcomment>
        <translation>ряд</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>рахунок: the header's word "Рахунок"; the player's result is "Ваш результат".</translatorcomment>
        <translation>рахунок</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>рекорди: menu item and window "Рекорди", file "Файл рекордів".</translatorcomment>
        <translation>рекорди</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>сервер результатів: the internet server of the common table (спільний результат).</translatorcomment>
        <translation>сервер результатів</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Файл %1 не є збереженою грою: він завеликий.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Файл %1 не є збереженою грою: він закінчується на рядку %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Файл %1 не є збереженою грою: у рядку %2 немає цілого числа.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Не вдалося записати файл %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Не вдалося прочитати файл %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Зчитування рекордів ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Запис рекордів ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Запис таблиці ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Запис пройшов успішно.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
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
        <translation>Розробка програм:
логічні ігри,
навчальні програми,
утиліти для Windows
і програми на замовлення.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Квеллі 99, інтернет-версія</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Тека файлу рекордів</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Триває з’єднання ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>З’єднання пройшло успішно.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Лишилось</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Файл рекордів</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>На цьому комп’ютері</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Через мережу</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Інтернет</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Переглянути спільні результати в інтернеті</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Надіслати свій результат через інтернет</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Значки на кулях</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Рекорди.  Ваш результат: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Зберегти гру</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Не вдалося зберегти гру у файл %1.
Перевірте, чи можна писати в цю теку і чи є місце на диску.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Попередній файл з цією назвою не змінено.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Завантажити гру</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Не вдалося прочитати файл %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Файл %1 не є збереженою грою (помилка в рядку %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Гра не змінилася.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Збережені ігри|*.sav|Усі файли|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Збережені ігри|*.sav|Усі файли|*.*</translation>
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
        <translation>У цю гру грати досить просто.

Дано поле, заповнене різнокольоровими кулями.

Поміняйте місцями дві сусідні квеллі так, щоб
по вертикалі або по горизонталі поруч було
не менше трьох куль одного кольору; при цьому
переставити кулю можна лише один раз.

Гра закінчується лише тоді, коли жодну кулю
вже не можна перемістити.

Бажаю удачі ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Грати можна й з клавіатури: стрілки показують
на полі рамку й рухають її, а пробіл чи Enter
діють як клацання по кулі в рамці.
Клацання мишею ховає рамку.

Пункт «Значки на кулях» у меню «?» малює на кулях
кожного кольору свій значок: так кольори можна
розрізнити й без кольорового зору.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Клавіша H або пункт «Підказка» в меню «?» позначають
кулю, яка має хід, і сусідню, з якою її
поміняти; рамка стає на цю кулю.

Програма екранного доступу читає кулю в рамці:
її колір, ряд і стовпець.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>гра   К В Е Л Л І </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>підказка, хід угору</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>підказка, хід униз</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>підказка, хід ліворуч</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>підказка, хід праворуч</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>підказка</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Квеллі 99, інтернет-версія</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Ваша реклама</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>А це місце
для Вашої реклами</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Свої пропозиції щодо розміщення реклами надсилайте на адресу:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Натисніть будь-яку клавішу</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Перевірте, чи правильно вказано теку</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Не можу знайти файл рекордів у теці: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> у меню: "Гра|Файл рекордів"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Не можу знайти файл рекордів у теці: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> у меню: "Гра | Файл рекордів"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Ваше ім’я?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Введіть, будь ласка, Ваше ім’я.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Гравець: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Гравець: (без імені) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Налаштування</translation>
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
        <translation>синя</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>червона</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>чорна</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>сіра</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>пурпурова</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>бордова</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>салатова</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>темно-сіра</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>ряд %1, стовпець %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>порожня клітинка, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>невідома</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 куля, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, вибрана</translation>
    </message>
</context>
</TS>
