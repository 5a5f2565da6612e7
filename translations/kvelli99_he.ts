<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="ru">
<context>
    <name>Desktop</name>
    <message>
        <source>Квелли 99</source>
        <extracomment>Name= of the desktop entry and &lt;name&gt; of the AppStream metainfo: the program&apos;s name.
English: Kvelli &apos;99</extracomment>
        <translation>Kvelli &apos;99</translation>
    </message>
    <message>
        <source>Логическая игра</source>
        <extracomment>GenericName= of the desktop entry: what kind of program it is, shown under its name.
English: Logic Game</extracomment>
        <translation>משחק חשיבה</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.
English: Swap neighbouring balls to make runs of three or more of one colour</extracomment>
        <translation>החליפו כדורים שכנים כדי ליצור רצף של שלושה או יותר באותו צבע</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.
English: puzzle;balls;match;records;</extracomment>
        <translation>פאזל;כדורים;שלושה ברצף;שיאים;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.
English: Swap balls to line up colours</extracomment>
        <translation>החליפו כדורים ויצרו רצפים</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.
English: Kvelli &apos;99 saved game</extracomment>
        <translation>משחק שמור של Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>English: %1 already exists.
Do you want to replace it?</extracomment>
        <translation>‏%1 כבר קיים.
האם ברצונך להחליף אותו?</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text: write RTL for a language written right to left (Arabic, Persian, Hebrew), else LTR.
English: LTR</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: ball</extracomment>
        <translatorcomment>כדור, כדורים (masculine: כדור כחול, נבחר); the rules also say קוולי.</translatorcomment>
        <translation>כדור</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: run</extracomment>
        <translatorcomment>רצף, רצפים: three or more of one colour together; a board row is שורה, a column עמודה.</translatorcomment>
        <translation>רצף</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: score</extracomment>
        <translatorcomment>ניקוד (header &apos;ניקוד&apos;, &apos;הניקוד שלך&apos;): short for the header picture.</translatorcomment>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.
English: records</extracomment>
        <translatorcomment>שיאים, קובץ השיאים: menu item, window and file. Commands as nouns (שמירה, טעינה, יציאה, סגירה), instructions with יש ל־, so no gender is needed.</translatorcomment>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.
English: results server</extracomment>
        <translatorcomment>שרת התוצאות; the shared table is &apos;התוצאות המשותפות&apos;. The name stays Latin: Kvelli.</translatorcomment>
        <translation>שרת התוצאות</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <extracomment>English: The file %1 is not a saved game: it is too large.</extracomment>
        <translation>הקובץ %1 אינו משחק שמור: הוא גדול מדי.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <extracomment>English: The file %1 is not a saved game: it ends at line %2.</extracomment>
        <translation>הקובץ %1 אינו משחק שמור: הוא נגמר בשורה %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <extracomment>English: The file %1 is not a saved game: line %2 holds no whole number.</extracomment>
        <translation>הקובץ %1 אינו משחק שמור: בשורה %2 אין מספר שלם.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <extracomment>English: Could not write the file %1.</extracomment>
        <translation>לא ניתן היה לכתוב את הקובץ %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>לא ניתן היה לקרוא את הקובץ %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <extracomment>English: Reading the records ...</extracomment>
        <translation>קריאת השיאים ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <extracomment>English: Writing the records ...</extracomment>
        <translation>כתיבת השיאים ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <extracomment>English: Writing the table ...</extracomment>
        <translation>כתיבת הטבלה ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <extracomment>English: Written successfully.</extracomment>
        <translation>הכתיבה הצליחה.</translation>
    </message>
    <message>
        <source>Запись игры не принята: она длиннее %1 байт.</source>
        <extracomment>English: The game record is not accepted: it is longer than %1 bytes.</extracomment>
        <translatorcomment>רישום המשחק: the record of a game (its deal and every move) that the results server replays; kept apart from שיאים. The deal is חלוקה.</translatorcomment>
        <translation>רישום המשחק לא התקבל: הוא ארוך מ־%1 בתים.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 ходов.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 moves.</extracomment>
        <translation>רישום המשחק לא התקבל: יש בו יותר מ־%1 מהלכים.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней больше %1 загрузок.</source>
        <extracomment>English: The game record is not accepted: it holds more than %1 loads.</extracomment>
        <translation>רישום המשחק לא התקבל: יש בו יותר מ־%1 טעינות של משחק שמור.</translation>
    </message>
    <message>
        <source>Запись игры не принята: в ней нет раздачи.</source>
        <extracomment>English: The game record is not accepted: it holds no deal.</extracomment>
        <translation>רישום המשחק לא התקבל: אין בו חלוקה פותחת.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 выходит за пределы доски.</source>
        <extracomment>English: The game record is not accepted: move %1 lies off the board.</extracomment>
        <translation>רישום המשחק לא התקבל: מהלך %1 חורג מגבולות הלוח.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 меняет местами шары, которые не соседи.</source>
        <extracomment>English: The game record is not accepted: move %1 exchanges balls that are not neighbours.</extracomment>
        <translation>רישום המשחק לא התקבל: מהלך %1 מחליף כדורים שאינם שכנים.</translation>
    </message>
    <message>
        <source>Запись игры не в том формате: её первая строка не «%1».</source>
        <extracomment>English: The game record is not in its format: its first line is not “%1”.</extracomment>
        <translation>רישום המשחק אינו בתבנית הנכונה: השורה הראשונה שלו אינה &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: после строки «end» есть что-то ещё.</source>
        <extracomment>English: The game record is damaged: something follows its line “end”.</extracomment>
        <translation>רישום המשחק פגום: אחרי השורה &quot;end&quot; יש עוד משהו.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: она обрывается на строке %1.</source>
        <extracomment>English: The game record is damaged: it breaks off at line %1.</extracomment>
        <translation>רישום המשחק פגום: הוא נקטע בשורה %1.</translation>
    </message>
    <message>
        <source>Запись игры повреждена: в строке %1 нет ни раздачи, ни хода.</source>
        <extracomment>English: The game record is damaged: line %1 holds neither a deal nor a move.</extracomment>
        <translation>רישום המשחק פגום: בשורה %1 אין לא חלוקה ולא מהלך.</translation>
    </message>
    <message>
        <source>Запись игры не принята: ход %1 сделан после конца игры.</source>
        <extracomment>English: The game record is not accepted: move %1 was made after the game ended.</extracomment>
        <translation>רישום המשחק לא התקבל: מהלך %1 נעשה אחרי סוף המשחק.</translation>
    </message>
    <message>
        <source>Сертификат сервера %1 не прошёл проверку (%2).
Его отпечаток SHA-256: %3
Если вы доверяете этому серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.</source>
        <extracomment>English: The certificate of the server %1 did not pass the check (%2).
Its SHA-256 fingerprint: %3
If you trust this server, put this fingerprint in the key TlsFingerprint of section [Server] of the settings file kvelli99.INI.</extracomment>
        <translation>תעודת האבטחה של השרת %1 לא עברה את הבדיקה (%2).
טביעת האצבע SHA-256 שלה: %3
אם השרת הזה מהימן, יש לכתוב את טביעת האצבע הזאת במפתח TlsFingerprint שבמקטע [Server] של קובץ ההגדרות kvelli99.INI.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <extracomment>English: Unknown error</extracomment>
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
        <extracomment>English: We make software:
logic games,
learning programs,
utilities for Windows
and programs to order.</extracomment>
        <translation>פיתוח תוכנה:
משחקי חשיבה,
תוכנות לימוד,
כלים ל־Windows
ותוכנות בהזמנה.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 גרסת אינטרנט</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <extracomment>English: Folder of the records file</extracomment>
        <translation>תיקיית קובץ השיאים</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <extracomment>English: Connecting ...</extracomment>
        <translation>מתבצע חיבור ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <extracomment>English: Connected successfully.</extracomment>
        <translation>החיבור הצליח.</translation>
    </message>
    <message>
        <source>Сервер не принял в общую таблицу результатов: %1.</source>
        <extracomment>English: Results the server did not take into the common table: %1.</extracomment>
        <translation>תוצאות ששרת התוצאות לא קיבל לתוצאות המשותפות: %1.</translation>
    </message>
    <message>
        <source>%1 — без записи игры: игра сыграна в старой версии, загружена из старого сохранения или результат вписан вручную.</source>
        <extracomment>English: %1 without a record of the game: played with an older version, continued from an older saved game, or written into the table by hand.</extracomment>
        <translation>%1 — בלי רישום משחק: המשחק שוחק בגרסה ישנה יותר או נטען ממשחק שמור ישן יותר, או שהתוצאה נכתבה ידנית.</translation>
    </message>
    <message>
        <source>%1 — запись игры не приводит к такому счёту.</source>
        <extracomment>English: %1 whose record of the game does not lead to that score.</extracomment>
        <translation>%1 — רישום המשחק אינו מוביל לניקוד הזה.</translation>
    </message>
    <message>
        <source>%1 — эта игра уже есть в таблице под другим именем.</source>
        <extracomment>English: %1 already in the table under another name.</extracomment>
        <translation>%1 — המשחק הזה כבר מופיע בתוצאות המשותפות בשם אחר.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <extracomment>English: Score</extracomment>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Осталось</source>
        <extracomment>English: Left</extracomment>
        <translation>נותרו</translation>
    </message>
    <message>
        <source>Игра</source>
        <extracomment>English: Game</extracomment>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Заново</source>
        <extracomment>English: New</extracomment>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <extracomment>English: Save</extracomment>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <extracomment>English: Load</extracomment>
        <translation>טעינה</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <extracomment>English: Records file</extracomment>
        <translation>קובץ השיאים</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <extracomment>English: On this machine</extracomment>
        <translation>במחשב זה</translation>
    </message>
    <message>
        <source>По сети</source>
        <extracomment>English: Over the network</extracomment>
        <translation>ברשת</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <extracomment>English: E&amp;xit</extracomment>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Интернет</source>
        <extracomment>English: Internet</extracomment>
        <translation>אינטרנט</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <extracomment>English: View the common results on the Internet</extracomment>
        <translation>צפייה בתוצאות המשותפות באינטרנט</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <extracomment>English: Send your result over the Internet</extracomment>
        <translation>שליחת התוצאה שלך דרך האינטרנט</translation>
    </message>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>חוקי המשחק</translation>
    </message>
    <message>
        <source>О программе</source>
        <extracomment>English: About</extracomment>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <extracomment>English: Symbols on the balls</extracomment>
        <translation>סמלים על הכדורים</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <extracomment>English: Hint</extracomment>
        <translation>רמז</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <extracomment>English: Records</extracomment>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <extracomment>English: Records.  Your score: </extracomment>
        <translation>שיאים.  הניקוד שלך: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <extracomment>English: Save game</extracomment>
        <translation>שמירת משחק</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <extracomment>English: Could not save the game to the file %1.
Check that this folder may be written to and that the disk has room.</extracomment>
        <translation>לא ניתן היה לשמור את המשחק בקובץ %1.
יש לוודא שמותר לכתוב בתיקייה זו ושיש מקום בכונן.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <extracomment>English: 
The earlier file of this name is unchanged.</extracomment>
        <translation>
הקובץ הקודם בשם זה לא השתנה.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <extracomment>English: Load game</extracomment>
        <translation>טעינת משחק</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <extracomment>English: Could not read the file %1.</extracomment>
        <translation>לא ניתן היה לקרוא את הקובץ %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <extracomment>English: The file %1 is not a saved game (error in line %2).</extracomment>
        <translation>הקובץ %1 אינו משחק שמור (שגיאה בשורה %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <extracomment>English: 
The game has not changed.</extracomment>
        <translation>
המשחק לא השתנה.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
        <translation>משחקים שמורים|*.sav|כל הקבצים|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <extracomment>English: Saved games|*.sav|All files|*.*</extracomment>
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
        <extracomment>English: This game is quite simple to play.

You are given a board full of balls of many colours.

Swap two neighbouring kvelli so that at least three balls
of one colour stand next to each other in a column
or in a row; each swap moves a ball only once.

The game is over only when no ball
can be moved any more.

Good luck ! ! ! </extracomment>
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
        <extracomment>English: You can also play from the keyboard: the arrow keys
show a frame on the board and move it, and Space
or Enter act as a click on the ball in the frame.
A mouse click hides the frame.

The item “Symbols on the balls” in the “?” menu draws
a symbol of its own on the balls of each colour,
so the colours can be told apart without colour vision.</extracomment>
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
        <extracomment>English: The H key or “Hint” in the “?” menu marks a ball
that can move and the neighbour to swap it with;
the frame goes to that ball.

A screen reader reads the ball in the frame:
its colour, row and column.</extracomment>
        <translation>המקש H או הפריט &quot;רמז&quot; בתפריט &quot;?&quot; מסמנים
כדור שאפשר להזיז ואת השכן שאיתו יש להחליף אותו;
המסגרת עוברת לכדור הזה.

קורא מסך מקריא את הכדור שבמסגרת:
את צבעו, שורתו ועמודתו.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <extracomment>English: Rules of the game</extracomment>
        <translation>חוקי המשחק</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <extracomment>English: game   K V E L L I </extracomment>
        <translation>משחק   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <extracomment>English: Close</extracomment>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <extracomment>English: hint, move up</extracomment>
        <translation>רמז, מהלך למעלה</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <extracomment>English: hint, move down</extracomment>
        <translation>רמז, מהלך למטה</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <extracomment>English: hint, move left</extracomment>
        <translation>רמז, מהלך שמאלה</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <extracomment>English: hint, move right</extracomment>
        <translation>רמז, מהלך ימינה</translation>
    </message>
    <message>
        <source>подсказка</source>
        <extracomment>English: hint</extracomment>
        <translation>רמז</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <extracomment>English: Kvelli 99 Internet version</extracomment>
        <translation>Kvelli 99 גרסת אינטרנט</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <extracomment>English: Your advertisement</extracomment>
        <translation>הפרסומת שלך</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <extracomment>English: This space is
for your advert</extracomment>
        <translation>המקום הזה
מיועד לפרסומת שלך</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <extracomment>English: Please send your offers to advertise here to:</extracomment>
        <translation>הצעות לפרסום במקום הזה יש לשלוח לכתובת:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <extracomment>English: Press any key</extracomment>
        <translation>יש ללחוץ על מקש כלשהו</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <extracomment>English: Check that the folder is given correctly</extracomment>
        <translation>יש לוודא שהתיקייה צוינה נכון</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>קובץ השיאים לא נמצא בתיקייה: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game|Records file&quot;</extracomment>
        <translation> בתפריט: &quot;משחק|קובץ השיאים&quot;</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <extracomment>English: Cannot find the records file in the folder: %1!</extracomment>
        <translation>קובץ השיאים לא נמצא בתיקייה: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <extracomment>English:  in the menu: &quot;Game | Records file&quot;</extracomment>
        <translation> בתפריט: &quot;משחק | קובץ השיאים&quot;</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <extracomment>English: Your name?</extracomment>
        <translation>מה שמך?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <extracomment>English: Please enter your name.</extracomment>
        <translation>נא להזין את שמך.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <extracomment>English:       Player: </extracomment>
        <translation>      שחקן: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <extracomment>English:       Player: (no name) </extracomment>
        <translation>      שחקן: (ללא שם) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <extracomment>English: Settings</extracomment>
        <translation>הגדרות</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>English: %1: %2</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <extracomment>English: blue</extracomment>
        <translation>כחול</translation>
    </message>
    <message>
        <source>красный</source>
        <extracomment>English: red</extracomment>
        <translation>אדום</translation>
    </message>
    <message>
        <source>зелёный</source>
        <extracomment>English: green</extracomment>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>чёрный</source>
        <extracomment>English: black</extracomment>
        <translation>שחור</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <extracomment>English: yellow</extracomment>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>голубой</source>
        <extracomment>English: aqua</extracomment>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>серый</source>
        <extracomment>English: grey</extracomment>
        <translation>אפור</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <extracomment>English: fuchsia</extracomment>
        <translation>מג׳נטה</translation>
    </message>
    <message>
        <source>бордовый</source>
        <extracomment>English: maroon</extracomment>
        <translation>בורדו</translation>
    </message>
    <message>
        <source>салатовый</source>
        <extracomment>English: lime</extracomment>
        <translation>ירוק בהיר</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <extracomment>English: dark grey</extracomment>
        <translation>אפור כהה</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <extracomment>English: row %1, column %2</extracomment>
        <translation>שורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <extracomment>English: empty cell, %1</extracomment>
        <translation>משבצת ריקה, %1</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <extracomment>English: %1 ball, %2</extracomment>
        <translation>כדור %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <extracomment>English: , chosen</extracomment>
        <translation>, נבחר</translation>
    </message>
</context>
</TS>
