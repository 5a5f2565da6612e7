<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="ru">
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
        <translation>بازی فکری</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>جای توپ‌های همسایه را عوض کنید تا سه توپ هم‌رنگ یا بیشتر در یک ردیف قرار بگیرند</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>معما;توپ‌ها;سه در یک ردیف;رکوردها;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>توپ‌ها را جابه‌جا کنید و ردیف بسازید</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>بازی ذخیره‌شده Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 از قبل موجود است.
آیا مایل هستید جایگزین شود؟</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>توپ، توپ‌ها; the rules also say کوِلی (with the kasra, so it is not read as another word). The board is صفحه بازی, beside صفحه‌کلید.</translatorcomment>
        <translation>توپ</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ردیف، ردیف‌ها (سه در یک ردیف): three or more of one colour together; a board row is سطر, a column ستون.</translatorcomment>
        <translation>ردیف</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>امتیاز (header &apos;امتیاز&apos;, &apos;امتیاز شما&apos;): short for the header picture.</translatorcomment>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>رکوردها، پرونده رکوردها: menu item, window and file; پرونده for file and پوشه for folder, as the desktop&apos;s file dialogs say.</translatorcomment>
        <translation>رکوردها</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>سرور نتایج; the shared table is &apos;نتایج مشترک&apos;. The name stays Latin: Kvelli.</translatorcomment>
        <translation>سرور نتایج</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>پرونده %1 بازی ذخیره‌شده نیست: بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>پرونده %1 بازی ذخیره‌شده نیست: در سطر %2 تمام می‌شود.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>پرونده %1 بازی ذخیره‌شده نیست: در سطر %2 عدد صحیحی نیست.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>نوشتن پرونده %1 ممکن نشد.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>خواندن پرونده %1 ممکن نشد.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>در حال خواندن رکوردها ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>در حال نوشتن رکوردها ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>در حال نوشتن جدول ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>نوشتن با موفقیت انجام شد.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>خطای ناشناخته</translation>
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
        <translation>ساخت نرم‌افزار:
بازی‌های فکری،
برنامه‌های آموزشی،
ابزارهای Windows
و برنامه‌های سفارشی.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 نسخه اینترنتی</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>درباره برنامه</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>بستن</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>پوشه پرونده رکوردها</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>در حال اتصال ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>اتصال با موفقیت برقرار شد.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>باقی‌مانده</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>بازی</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>بازی جدید</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>بارگذاری</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>رکوردها</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>پرونده رکوردها</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>روی این رایانه</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>روی شبکه</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>اینترنت</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>دیدن نتایج مشترک در اینترنت</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>فرستادن نتیجه خود از راه اینترنت</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>قوانین بازی</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>درباره برنامه</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>نمادها روی توپ‌ها</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>راهنمایی</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>رکوردها</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>رکوردها.  امتیاز شما: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>ذخیره بازی</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>ذخیره بازی در پرونده %1 ممکن نشد.
بررسی کنید که بتوان در این پوشه نوشت و روی دیسک جا باشد.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
پرونده قبلی با این نام تغییری نکرده است.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>بارگذاری بازی</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>خواندن پرونده %1 ممکن نشد.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>پرونده %1 بازی ذخیره‌شده نیست (خطا در سطر %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
بازی تغییری نکرد.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>بازی‌های ذخیره‌شده|*.sav|تمام پرونده‌ها|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>بازی‌های ذخیره‌شده|*.sav|تمام پرونده‌ها|*.*</translation>
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
        <translation>بازی کردن این بازی نسبتاً ساده است.

صفحه‌ای پر از توپ‌های رنگارنگ پیش روی شماست.

جای دو کوِلی همسایه را چنان عوض کنید که دست‌کم سه توپ
هم‌رنگ به صورت عمودی یا افقی کنار هم قرار بگیرند؛
در هر جابه‌جایی، هر توپ فقط یک بار جابه‌جا می‌شود.

بازی تنها زمانی تمام می‌شود که دیگر
هیچ توپی را نتوان جابه‌جا کرد.

موفق باشید ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>می‌توانید با صفحه‌کلید هم بازی کنید: کلیدهای جهت‌نما
قابی روی صفحه بازی نشان می‌دهند و آن را حرکت می‌دهند،
و فاصله یا Enter مانند کلیک روی توپ داخل قاب عمل می‌کنند.
کلیک ماوس قاب را پنهان می‌کند.

گزینه «نمادها روی توپ‌ها» در منوی «?» روی توپ‌های
هر رنگ نماد ویژه‌ای می‌کشد: بدین‌ترتیب رنگ‌ها
بدون دید رنگی هم از هم تشخیص داده می‌شوند.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>کلید H یا گزینه «راهنمایی» در منوی «?» توپی را که حرکتی دارد
و همسایه‌ای را که باید با آن جابه‌جا شود نشانه‌گذاری می‌کند؛
قاب روی همان توپ می‌رود.

صفحه‌خوان توپ داخل قاب را می‌خواند:
رنگ، سطر و ستون آن را.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>قوانین بازی</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>بازی   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>بستن</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>راهنمایی، حرکت به بالا</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>راهنمایی، حرکت به پایین</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>راهنمایی، حرکت به چپ</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>راهنمایی، حرکت به راست</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>راهنمایی</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 نسخه اینترنتی</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>تبلیغ شما</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>این جا
برای تبلیغ شماست</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>پیشنهادهای خود را برای تبلیغ در این جا به این نشانی بفرستید:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>کلیدی را فشار دهید</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>بررسی کنید که پوشه درست مشخص شده باشد</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>پرونده رکوردها در این پوشه پیدا نشد: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> در منوی «بازی|پرونده رکوردها»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>پرونده رکوردها در این پوشه پیدا نشد: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> در منوی «بازی | پرونده رکوردها»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>نام شما؟</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>لطفاً نام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      بازیکن: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      بازیکن: (بی‌نام) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>تنظیمات</translation>
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
        <translation>آبی</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>سبز</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>زرد</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>آبی روشن</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>خاکستری</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>سرخابی</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>زرشکی</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>سبز روشن</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>خاکستری تیره</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>سطر %1، ستون %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>خانه خالی، %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>با رنگ ناشناخته</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>توپ %1، %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>، انتخاب‌شده</translation>
    </message>
</context>
</TS>
