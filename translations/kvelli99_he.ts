<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="ru">
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
        <translation>משחק חשיבה</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>החליפו כדורים שכנים כדי ליצור רצף של שלושה או יותר באותו צבע</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>פאזל;כדורים;שלושה ברצף;שיאים;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>החליפו כדורים ויצרו רצפים</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>משחק שמור של Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‏%1 כבר קיים.
האם ברצונך להחליף אותו?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>כדור, כדורים (masculine: כדור כחול, נבחר); the rules also say קוולי.</translatorcomment>
        <translation>כדור</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>רצף, רצפים: three or more of one colour together; a board row is שורה, a column עמודה.</translatorcomment>
        <translation>רצף</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ניקוד (header &apos;ניקוד&apos;, &apos;הניקוד שלך&apos;): short for the header picture.</translatorcomment>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>שיאים, קובץ השיאים: menu item, window and file. Commands as nouns (שמירה, טעינה, יציאה, סגירה), instructions with יש ל־, so no gender is needed.</translatorcomment>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>שרת התוצאות; the shared table is &apos;התוצאות המשותפות&apos;. The name stays Latin: Kvelli.</translatorcomment>
        <translation>שרת התוצאות</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>הקובץ %1 אינו משחק שמור: הוא גדול מדי.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>הקובץ %1 אינו משחק שמור: הוא נגמר בשורה %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>הקובץ %1 אינו משחק שמור: בשורה %2 אין מספר שלם.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>לא ניתן היה לכתוב את הקובץ %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>לא ניתן היה לקרוא את הקובץ %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>השיאים נקראים ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>השיאים נכתבים ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>הטבלה נכתבת ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>הכתיבה הצליחה.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
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
        <translation>פיתוח תוכנה:
משחקי חשיבה,
תוכנות לימוד,
כלים ל־Windows
ותוכנות בהזמנה.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 גרסת אינטרנט</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>תיקיית קובץ השיאים</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>מתבצע חיבור ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>החיבור הצליח.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>נותרו</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>טעינה</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>קובץ השיאים</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>במחשב זה</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>ברשת</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>אינטרנט</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>צפייה בתוצאות המשותפות באינטרנט</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>שליחת התוצאה שלך דרך האינטרנט</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>חוקי המשחק</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>סמלים על הכדורים</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>רמז</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>שיאים.  הניקוד שלך: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>שמירת משחק</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>לא ניתן היה לשמור את המשחק בקובץ %1.
יש לוודא שמותר לכתוב בתיקייה זו ושיש מקום בכונן.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
הקובץ הקודם בשם זה לא השתנה.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>טעינת משחק</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>לא ניתן היה לקרוא את הקובץ %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>הקובץ %1 אינו משחק שמור (שגיאה בשורה %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
המשחק לא השתנה.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>משחקים שמורים|*.sav|כל הקבצים|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>משחקים שמורים|*.sav|כל הקבצים|*.*</translation>
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
        <translation>קל למדי לשחק במשחק הזה.

לפניך לוח מלא בכדורים צבעוניים.

יש להחליף בין שני קוולי שכנים כך שלפחות שלושה כדורים
באותו צבע יעמדו זה לצד זה בעמודה
או בשורה; בכל החלפה כדור זז פעם אחת בלבד.

המשחק נגמר רק כאשר אי אפשר
עוד להזיז אף כדור.

בהצלחה ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>אפשר לשחק גם במקלדת: החצים מציגים
מסגרת על הלוח ומזיזים אותה, ורווח או Enter
פועלים כמו לחיצה על הכדור שבמסגרת.
לחיצת עכבר מסתירה את המסגרת.

הפריט &quot;סמלים על הכדורים&quot; בתפריט &quot;?&quot; מצייר על הכדורים
של כל צבע סמל משלהם: כך אפשר להבחין בין הצבעים
גם בלי ראיית צבעים.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>המקש H או הפריט &quot;רמז&quot; בתפריט &quot;?&quot; מסמנים
כדור שיש לו מהלך ואת השכן שאיתו יש להחליף אותו;
המסגרת עוברת לכדור הזה.

קורא מסך מקריא את הכדור שבמסגרת:
את צבעו, שורתו ועמודתו.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>חוקי המשחק</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>משחק   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>רמז, מהלך למעלה</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>רמז, מהלך למטה</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>רמז, מהלך שמאלה</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>רמז, מהלך ימינה</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>רמז</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 גרסת אינטרנט</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>הפרסומת שלך</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>המקום הזה
מיועד לפרסומת שלך</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>הצעות לפרסום במקום הזה יש לשלוח לכתובת:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>יש ללחוץ על מקש כלשהו</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>יש לוודא שהתיקייה צוינה נכון</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>קובץ השיאים לא נמצא בתיקייה: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> בתפריט: &quot;משחק|קובץ השיאים&quot;</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>קובץ השיאים לא נמצא בתיקייה: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> בתפריט: &quot;משחק | קובץ השיאים&quot;</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>מה שמך?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>נא להזין את שמך.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      שחקן: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      שחקן: (ללא שם) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>הגדרות</translation>
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
        <translation>כחול</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>מג׳נטה</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>בורדו</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>ירוק בהיר</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>אפור כהה</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>שורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>משבצת ריקה, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>בצבע לא ידוע</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>כדור %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, נבחר</translation>
    </message>
</context>
</TS>
