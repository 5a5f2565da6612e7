<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru">
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
        <translation>逻辑游戏</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>交换相邻的球，使三个或更多同色的球连成一线</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>益智;球;三消;排行榜;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>交换球，连成一线</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Kvelli '99 游戏存档</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
您想要替换它吗？</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>球 (ball): "蓝色球"; the rules also call the balls kvelli.</translatorcomment>
        <translation>球</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>连线: three or more balls of one colour in one line (连成一线); the board's rows are 行, its columns 列.</translatorcomment>
        <translation>连线</translation>
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
        <translatorcomment>排行榜: the word Chinese desktop games use for the best results; menu item, window, 排行榜文件.</translatorcomment>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>成绩服务器: the internet server of the common table (公共成绩).</translatorcomment>
        <translation>成绩服务器</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>文件 %1 不是保存的游戏：文件过大。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>文件 %1 不是保存的游戏：在第 %2 行就结束了。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>文件 %1 不是保存的游戏：第 %2 行没有整数。</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>正在读取排行榜 ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>正在写入排行榜 ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>正在写入表格 ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>写入成功。</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
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
        <translation>我们开发软件：
逻辑游戏、
教育软件、
Windows 实用工具
以及定制软件。</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 网络版</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>排行榜文件所在的文件夹</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>正在连接 ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>连接成功。</translation>
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
        <translation>剩余</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>排行榜文件</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>在本机</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>通过网络</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>互联网</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>在互联网上查看公共成绩</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>通过互联网发送您的成绩</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>在球上显示符号</translation>
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
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>无法将游戏保存到文件 %1。
请检查此文件夹是否可写，以及磁盘是否还有空间。</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
同名的原有文件没有改动。</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>载入游戏</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>文件 %1 不是保存的游戏（第 %2 行有错误）。</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
游戏没有改变。</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>保存的游戏|*.sav|所有文件|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>保存的游戏|*.sav|所有文件|*.*</translation>
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
        <translation>这个游戏玩起来相当简单。

棋盘上摆满了各种颜色的球。

交换两个相邻的 kvelli（球），使至少三个
同色的球在竖直或水平方向上连在一起；
每次交换，一个球只移动一次。

只有当再也没有球可以移动时，
游戏才结束。

祝你好运 ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>也可以用键盘玩：方向键在棋盘上显示一个框
并移动它，空格键或回车键
相当于单击框中的球。
单击鼠标会隐藏这个框。

“?”菜单中的“在球上显示符号”会在
每种颜色的球上画出各自的符号，
这样不靠色觉也能分辨颜色。</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>按 H 键或选择“?”菜单中的“提示”，会标出一个
可以移动的球以及要与它交换的相邻球；
框会移到这个球上。

屏幕阅读器会读出框中的球：
它的颜色、行和列。</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>游戏   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>提示，向上移动</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>提示，向下移动</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>提示，向左移动</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>提示，向右移动</translation>
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
        <translation>Kvelli 99 网络版</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>您的广告</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>这个位置
留给您的广告</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>如想在此刊登广告，请将您的建议发送到：</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>请按任意键</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>请检查文件夹是否指定正确</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>在文件夹中找不到排行榜文件：%1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> 菜单: "游戏|排行榜文件"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>在文件夹中找不到排行榜文件：%1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> 菜单: "游戏 | 排行榜文件"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>您的名字？</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>请输入您的名字。</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      玩家: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      玩家: (无名) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>设置</translation>
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
        <translation>蓝色</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黄色</translation>
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
        <translation>品红色</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>黄绿色</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>空格子，%1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>未知颜色</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1球，%2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>，已选中</translation>
    </message>
</context>
</TS>
