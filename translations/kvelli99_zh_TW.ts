<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ru">
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
        <translation>邏輯遊戲</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>交換相鄰的球，讓三顆以上同色的球連成一線</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>益智;球;三消;排行榜;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>交換球，連成一線</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Kvelli '99 遊戲存檔</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否取代？</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>球 (ball): "藍色球"; the rules also call the balls kvelli.</translatorcomment>
        <translation>球</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>連線: three or more balls of one colour in one line (連成一線). On the board a row is 列 and a column is 欄, as Taiwan's desktop says; a line of a file is 行.</translatorcomment>
        <translation>連線</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>得分: the header's word and "您的得分".</translatorcomment>
        <translation>得分</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>排行榜: the word desktop games use for the best results; menu item, window, 排行榜檔案.</translatorcomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>成績伺服器: 伺服器 as Taiwan's desktop says server; the internet server of the common table (共同成績).</translatorcomment>
        <translation>成績伺服器</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>檔案 %1 不是儲存的遊戲：檔案太大。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>檔案 %1 不是儲存的遊戲：在第 %2 行就結束了。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>檔案 %1 不是儲存的遊戲：第 %2 行沒有整數。</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>無法寫入檔案 %1。</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>正在讀取排行榜 ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>正在寫入排行榜 ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>正在寫入表格 ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>寫入成功。</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
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
        <translation>我們開發軟體：
邏輯遊戲、
教育軟體、
Windows 公用程式
以及客製化軟體。</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 網路版</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>排行榜檔案所在的資料夾</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>正在連線 ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>連線成功。</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>剩餘</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>排行榜檔案</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>在這台電腦上</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>透過網路</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>離開(&amp;X)</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>網際網路</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>在網際網路上檢視共同成績</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>透過網際網路傳送您的成績</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>遊戲規則</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>在球上顯示符號</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>排行榜。  您的得分: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>儲存遊戲</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>無法將遊戲儲存到檔案 %1。
請檢查此資料夾是否可以寫入，以及磁碟是否還有空間。</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
同名的原有檔案沒有更動。</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>載入遊戲</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>檔案 %1 不是儲存的遊戲（第 %2 行有錯誤）。</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
遊戲沒有改變。</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>儲存的遊戲|*.sav|所有檔案|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>儲存的遊戲|*.sav|所有檔案|*.*</translation>
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
        <translation>這個遊戲玩起來相當簡單。

棋盤上擺滿了各種顏色的球。

交換兩顆相鄰的 kvelli（球），讓至少三顆
同色的球在垂直或水平方向上連在一起；
每次交換，一顆球只移動一次。

只有當再也沒有球可以移動時，
遊戲才會結束。

祝您好運 ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>也可以用鍵盤玩：方向鍵會在棋盤上顯示一個框
並移動它，空白鍵或 Enter 鍵
相當於點擊框中的球。
點擊滑鼠會隱藏這個框。

「?」選單中的「在球上顯示符號」會在
每種顏色的球上畫出各自的符號，
這樣不靠色覺也能分辨顏色。</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>按 H 鍵或「?」選單中的「提示」，會標出一顆
可以移動的球，以及要與它交換的相鄰球；
框會移到這顆球上。

螢幕報讀器會讀出框中的球：
它的顏色、列和欄。</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>遊戲規則</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>遊戲   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>提示，向上移動</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>提示，向下移動</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>提示，向左移動</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>提示，向右移動</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 網路版</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>您的廣告</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>這個位置
留給您的廣告</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>如想在此刊登廣告，請將您的提議寄到：</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>請按任意鍵</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>請檢查資料夾是否指定正確</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>在資料夾中找不到排行榜檔案：%1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> 選單: "遊戲|排行榜檔案"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>在資料夾中找不到排行榜檔案：%1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> 選單: "遊戲 | 排行榜檔案"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>您的名字？</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>請輸入您的名字。</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      玩家: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      玩家: (無名) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>洋紅色</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>黃綠色</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>第 %1 列，第 %2 欄</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>空的格子，%1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>未知顏色</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1球，%2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>，已選取</translation>
    </message>
</context>
</TS>
