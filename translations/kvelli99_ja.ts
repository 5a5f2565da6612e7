<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="ru">
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
        <translation>ロジックゲーム</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>隣り合うボールを入れ替えて、同じ色を3つ以上並べましょう</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>パズル;ボール;3つ並べ;ハイスコア;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>ボールを入れ替えて同じ色を並べよう</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Kvelli '99 の保存されたゲーム</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ボール (ball); the rules also call the balls クヴェリ (kvelli). Colours come before it: 青のボール.</translatorcomment>
        <translation>ボール</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>並び (a line of three or more balls of one colour, 縦 or 横); the rules describe it as 三つ以上並ぶ rather than name it.</translatorcomment>
        <translation>並び</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>得点, as the header's word and "あなたの得点".</translatorcomment>
        <translation>得点</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ハイスコア, the word Japanese desktop games use for the best results: menu item, window and ハイスコアファイル.</translatorcomment>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>成績サーバー (the internet server of the common table, 共通の成績); katakana サーバー with the long vowel as the desktop writes it.</translatorcomment>
        <translation>成績サーバー</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>ファイル %1 は保存されたゲームではありません: 大きすぎます。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>ファイル %1 は保存されたゲームではありません: %2 行目で終わっています。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>ファイル %1 は保存されたゲームではありません: %2 行目に整数がありません。</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>ファイル %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>ハイスコアを読み込み中 ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>ハイスコアを書き込み中 ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>表を書き込み中 ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>書き込みに成功しました。</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>未知のエラー</translation>
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
        <translation>ソフトウェアを開発しています:
ロジックゲーム、
学習ソフト、
Windows 用ユーティリティ、
ご注文に応じたソフト。</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 インターネット版</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>ハイスコアファイルのフォルダー</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>接続中 ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>接続に成功しました。</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>ハイスコアファイル</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>このコンピューター上</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>ネットワーク上</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>インターネットで共通の成績を見る</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>自分の成績をインターネットで送る</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>ゲームのルール</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>ボールに記号を表示</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>ヒント</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>ハイスコア。  あなたの得点: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>ゲームをファイル %1 に保存できませんでした。
このフォルダーに書き込めるか、ディスクに空きがあるかを確認してください。</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
この名前の以前のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>ゲームを読み込む</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>ファイル %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>ファイル %1 は保存されたゲームではありません (%2 行目にエラー)。</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
ゲームは変更されていません。</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>保存されたゲーム|*.sav|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>保存されたゲーム|*.sav|すべてのファイル|*.*</translation>
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
        <translation>このゲームの遊び方はかなり簡単です。

盤面はいろいろな色のボールでいっぱいです。

隣り合う二つのクヴェリ（ボール）を入れ替えて、
同じ色のボールが縦か横に三つ以上並ぶようにします。
一回の入れ替えで、ボールは一度しか動かせません。

どのボールも動かせなくなったとき、
はじめてゲームが終わります。

幸運を祈ります ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>キーボードでも遊べます: 矢印キーで盤面に枠が
現れて移動し、スペースキーか Enter キーは
枠の中のボールをクリックするのと同じ働きをします。
マウスをクリックすると枠は消えます。

「?」メニューの「ボールに記号を表示」を選ぶと、
色ごとに違う記号がボールに描かれ、
色覚に頼らなくても色を見分けられます。</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>H キーか「?」メニューの「ヒント」で、動かせる
ボールと、それと入れ替える隣のボールに印が付き、
枠がそのボールに移ります。

スクリーンリーダーは枠の中のボールの
色、行、列を読み上げます。</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>ゲームのルール</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>ゲーム   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>ヒント、上へ移動</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>ヒント、下へ移動</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>ヒント、左へ移動</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>ヒント、右へ移動</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>ヒント</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 インターネット版</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>あなたの広告</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>この場所に
あなたの広告を</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>広告掲載のご提案は次のアドレスまでお送りください:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>いずれかのキーを押してください</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>フォルダーの指定が正しいか確認してください</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>フォルダー %1 にハイスコアファイルが見つかりません!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> メニュー: "ゲーム|ハイスコアファイル"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>フォルダー %1 にハイスコアファイルが見つかりません!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> メニュー: "ゲーム | ハイスコアファイル"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>お名前は?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      プレイヤー: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      プレイヤー: (名前なし) </translation>
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
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <translation>青</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>えび茶色</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>黄緑</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>空のマス、%1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>不明な色</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1のボール、%2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>、選択中</translation>
    </message>
</context>
</TS>
