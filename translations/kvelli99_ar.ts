<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="ru">
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
        <translation>لعبة منطقية</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>بدّل مواضع الكرات المتجاورة لتصفّ ثلاثًا أو أكثر من اللون نفسه</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>لغز;كرات;ثلاثة في صف;أرقام قياسية;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>بدّل الكرات وكوّن صفوفًا</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>لعبة Kvelli &apos;99 محفوظة</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‏%1 موجود بالفعل.
أتريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>كرة، كرات (feminine: كرة زرقاء، محدّدة); the rules also say الكفيلي. The board is الرقعة, so that it is not confused with لوحة المفاتيح.</translatorcomment>
        <translation>كرة</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>صف، صفوف (ثلاثة في صف): three or more of one colour together; a board row is also الصف, a column العمود.</translatorcomment>
        <translation>صف</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>النقاط (header &apos;النقاط&apos;, &apos;نقاطك&apos;): short for the header picture.</translatorcomment>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>الأرقام القياسية، ملف الأرقام القياسية: menu item, window and file. Commands as verbal nouns, as the desktop (حفظ، تحميل، إغلاق).</translatorcomment>
        <translation>الأرقام القياسية</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>خادم النتائج; the shared table is &apos;النتائج المشتركة&apos;. The name stays Latin: Kvelli.</translatorcomment>
        <translation>خادم النتائج</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>الملف %1 ليس لعبة محفوظة: حجمه كبير جدًا.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>الملف %1 ليس لعبة محفوظة: ينتهي عند السطر %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>الملف %1 ليس لعبة محفوظة: لا يحتوي السطر %2 على عدد صحيح.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>تعذّرت كتابة الملف %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>تعذّرت قراءة الملف %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>جارٍ قراءة الأرقام القياسية ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>جارٍ كتابة الأرقام القياسية ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>جارٍ كتابة الجدول ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>تمت الكتابة بنجاح.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
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
        <translation>نطوّر البرمجيات:
ألعاب منطقية،
برامج تعليمية،
أدوات مساعدة لنظام Windows
وبرامج حسب الطلب.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 إصدار الإنترنت</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>عن البرنامج</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>مجلد ملف الأرقام القياسية</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>جارٍ الاتصال ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>تم الاتصال بنجاح.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>المتبقي</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>تحميل</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>الأرقام القياسية</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>ملف الأرقام القياسية</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>على هذا الجهاز</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>عبر الشبكة</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>الإنترنت</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>عرض النتائج المشتركة على الإنترنت</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>إرسال نتيجتك عبر الإنترنت</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>قواعد اللعبة</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>عن البرنامج</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>رموز على الكرات</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>تلميح</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>الأرقام القياسية</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>الأرقام القياسية.  نقاطك: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>حفظ اللعبة</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>تعذّر حفظ اللعبة في الملف %1.
تحقّق من أن الكتابة في هذا المجلد مسموحة ومن وجود مساحة على القرص.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
لم يتغيّر الملف السابق الذي يحمل هذا الاسم.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>تحميل لعبة</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>تعذّرت قراءة الملف %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>الملف %1 ليس لعبة محفوظة (خطأ في السطر %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
لم تتغيّر اللعبة.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>الألعاب المحفوظة|*.sav|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>الألعاب المحفوظة|*.sav|كل الملفات|*.*</translation>
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
        <translation>هذه اللعبة سهلة اللعب.

أمامك رقعة مليئة بكرات متعددة الألوان.

بدّل مكانَي كرتين متجاورتين من الكفيلي بحيث تصطف ثلاث كرات
على الأقل من اللون نفسه متجاورةً في عمود أو في صف؛
وفي كل تبديل لا تتحرك الكرة إلا مرة واحدة.

لا تنتهي اللعبة إلا عندما يتعذّر
تحريك أي كرة بعد الآن.

حظًا سعيدًا ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>يمكنك اللعب بلوحة المفاتيح أيضًا: تُظهر مفاتيح الأسهم
إطارًا على الرقعة وتحرّكه، ويعمل مفتاح المسافة أو Enter
عمل النقر على الكرة التي في الإطار.
النقر بالفأرة يخفي الإطار.

يرسم عنصر «رموز على الكرات» في القائمة «?» على كرات
كل لون رمزًا خاصًا بها: فتتميّز الألوان
حتى دون رؤية الألوان.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>يضع المفتاح H أو عنصر «تلميح» في القائمة «?» علامة على
كرة لها حركة وعلى جارتها التي تُبدَّل معها؛
وينتقل الإطار إلى تلك الكرة.

يقرأ قارئ الشاشة الكرة التي في الإطار:
لونها وصفها وعمودها.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>قواعد اللعبة</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>لعبة   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>تلميح، حركة إلى الأعلى</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>تلميح، حركة إلى الأسفل</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>تلميح، حركة إلى اليسار</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>تلميح، حركة إلى اليمين</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>تلميح</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 إصدار الإنترنت</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>إعلانك</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>هذه المساحة
لإعلانك</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>أرسل عروضك للإعلان في هذا المكان إلى العنوان:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>اضغط أي مفتاح</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>تحقّق من صحة تحديد المجلد</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>تعذّر العثور على ملف الأرقام القياسية في المجلد: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> في القائمة: «اللعبة|ملف الأرقام القياسية»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>تعذّر العثور على ملف الأرقام القياسية في المجلد: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> في القائمة: «اللعبة | ملف الأرقام القياسية»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>ما اسمك؟</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>من فضلك أدخل اسمك.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      اللاعب: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      اللاعب: (بلا اسم) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>الإعدادات</translation>
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
        <translation>زرقاء</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>حمراء</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>خضراء</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>سوداء</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>صفراء</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>سماوية</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>رمادية</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>فوشية</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>خمرية</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>خضراء فاتحة</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>رمادية داكنة</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>خانة فارغة، %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>مجهولة اللون</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>كرة %1، %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>، محدّدة</translation>
    </message>
</context>
</TS>
