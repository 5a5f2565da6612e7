<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd" sourcelanguage="ru">
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
        <translation>Geama loidsig</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Iomlaidich buill ri taobh a chèile ach an cuir thu trì no barrachd dhen aon dath ann an sreath</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>tòimhseachan;buill;trì ann an sreath;sàr-sgòran;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Iomlaidich buill is cuir ann an sreathan iad</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Geama Kvelli &apos;99 air a shàbhaladh</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Tha “%1” ann mu thràth.
A bheil thu airson am fear ùr a chur ’na àite?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ball, buill (masculine: ball gorm, air a thaghadh; na buill); the rules also say kvelli.</translatorcomment>
        <translation>ball</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sreath, sreathan (trì ann an sreath): three or more of one colour together; a board row is ràgh, a column colbh.</translatorcomment>
        <translation>sreath</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sgòr (header &apos;Sgòr&apos;, &apos;An sgòr agad&apos;).</translatorcomment>
        <translation>sgòr</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sàr-sgòran (high scores), faidhle nan sàr-sgòran: menu item, window and file. Commands as the desktop says them (Sàbhail, Luchdaich, Dùin).</translatorcomment>
        <translation>sàr-sgòran</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>frithealaiche nan toraidhean; the shared table is &apos;na toraidhean coitcheann&apos;.</translatorcomment>
        <translation>frithealaiche nan toraidhean</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Chan e geama air a shàbhaladh a tha san fhaidhle %1: tha e ro mhòr.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Chan e geama air a shàbhaladh a tha san fhaidhle %1: thig e gu crìoch aig loidhne %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Chan e geama air a shàbhaladh a tha san fhaidhle %1: chan eil àireamh shlàn air loidhne %2.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Cha b’ urrainn dhuinn am faidhle %1 a sgrìobhadh.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Cha b’ urrainn dhuinn am faidhle %1 a leughadh.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>A’ leughadh nan sàr-sgòran ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>A’ sgrìobhadh nan sàr-sgòran ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>A’ sgrìobhadh a’ chlàir ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Chaidh a sgrìobhadh gu soirbheachail.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Mearachd neo-aithnichte</translation>
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
        <translation>Bidh sinn a’ dèanamh bathar-bog:
geamannan loidsig,
prògraman ionnsachaidh,
goireasan airson Windows
is prògraman air òrdugh.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 tionndadh an eadar-lìn</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Mu dhèidhinn</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Dùin</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Pasgan faidhle nan sàr-sgòran</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>A’ dèanamh ceangal ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Chaidh an ceangal a dhèanamh.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Sgòr</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Air fhàgail</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Geama</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Geama ùr</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Sàbhail</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Luchdaich</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Sàr-sgòran</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Faidhle nan sàr-sgòran</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Air an inneal seo</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Air an lìonra</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Fàg an-seo</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Eadar-lìon</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Seall na toraidhean coitcheann air an eadar-lìon</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Cuir an toradh agad air an eadar-lìon</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Roghainnean</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Riaghailtean a’ gheama</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Mu dhèidhinn</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Samhlaidhean air na buill</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Sanas</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Sàr-sgòran</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Sàr-sgòran.  An sgòr agad: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Sàbhail an geama</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Cha b’ urrainn dhuinn an geama a shàbhaladh san fhaidhle %1.
Dèan cinnteach gun gabh sgrìobhadh sa phasgan seo agus gu bheil àite air an diosg.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Cha deach am faidhle a bh’ ann roimhe air an ainm seo atharrachadh.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Luchdaich geama</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Cha b’ urrainn dhuinn am faidhle %1 a leughadh.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Chan e geama air a shàbhaladh a tha san fhaidhle %1 (mearachd air loidhne %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Cha do dh’atharraich an geama.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Geamannan air an sàbhaladh|*.sav|Na h-uile faidhle|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Geamannan air an sàbhaladh|*.sav|Na h-uile faidhle|*.*</translation>
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
        <translation>Tha an geama seo furasta gu leòr a chluich.

Tha bòrd agad a tha làn de bhuill dhathte.

Iomlaidich dà kvelli ri taobh a chèile ach am bi co-dhiù
trì buill dhen aon dath ri taobh a chèile ann an colbh
no ann an ràgh; cha ghluais iomlaid ball ach aon turas.

Cha tig an geama gu crìoch ach nuair nach gabh
ball sam bith a ghluasad tuilleadh.

Guma math a thèid leat ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>’S urrainn dhut cluich leis a’ mheur-chlàr cuideachd: seallaidh
na saighdean frèam air a’ bhòrd is gluaisidh iad e, agus nì
Space no Enter an aon rud ri briogadh air a’ bhall san fhrèam.
Falaichidh briogadh na luchaige am frèam.

Tarraingidh “Samhlaidhean air na buill” sa chlàr-taice “?”
samhla fa leth air buill gach datha: mar sin, gabhaidh
na dathan aithneachadh fiù ’s gun lèirsinn dhathan.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Comharraichidh an iuchair H no “Sanas” sa chlàr-taice “?”
ball as urrainn gluasad agus an nàbaidh ris an dèan e
iomlaid; thèid am frèam air a’ bhall sin.

Leughaidh leughadair-sgrìn am ball san fhrèam:
a dhath, an ràgh is an colbh aige.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Riaghailtean a’ gheama</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>geama   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Dùin</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>sanas, gluasad suas</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>sanas, gluasad sìos</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>sanas, gluasad gu clì</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>sanas, gluasad gu deas</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>sanas</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 tionndadh an eadar-lìn</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>An sanas-reic agad</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Tha an t-àite seo
airson do shanas-reic</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Cuir na tairgsean agad airson sanas-reic an seo dhan t-seòladh:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Brùth iuchair sam bith</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Dèan cinnteach gun deach am pasgan a shònrachadh mar bu chòir</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Cha deach faidhle nan sàr-sgòran a lorg sa phasgan: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> sa chlàr-taice: “Geama|Faidhle nan sàr-sgòran”</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Cha deach faidhle nan sàr-sgòran a lorg sa phasgan: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> sa chlàr-taice: “Geama | Faidhle nan sàr-sgòran”</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>D’ ainm?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Cuir a-steach d’ ainm, mas e do thoil e.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Cluicheadair: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Cluicheadair: (gun ainm) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Roghainnean</translation>
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
        <translation>gorm</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>dearg</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>uaine</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>dubh</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>buidhe</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>speur-ghorm</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>liath</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>corcair</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>ciar-dhearg</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>uaine soilleir</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>liath dorcha</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>ràgh %1, colbh %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>cealla falamh, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>de dhath neo-aithnichte</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>ball %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, air a thaghadh</translation>
    </message>
</context>
</TS>
