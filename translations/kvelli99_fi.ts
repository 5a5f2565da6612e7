<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="ru">
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
        <translation>Logiikkapeli</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Vaihda vierekkäisten pallojen paikkaa ja muodosta vähintään kolmen samanvärisen pallon suoria</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>pulmapeli;pallot;kolmen suora;ennätykset;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Vaihda palloja ja kokoa suoria</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Tallennettu Kvelli &apos;99 -peli</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 on jo olemassa.
Korvataanko se?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>pallo, pallot (palloa, palloja); the rules also say kvelli (kvellin).</translatorcomment>
        <translation>pallo</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>suora, suorat (kolmen suora): three or more of one colour together; a board row is rivi, a column sarake.</translatorcomment>
        <translation>suora</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>pisteet (header &apos;Pisteet&apos;, &apos;Pisteesi&apos;): short for the header picture.</translatorcomment>
        <translation>pisteet</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>ennätykset, ennätystiedosto: menu item, window and file.</translatorcomment>
        <translation>ennätykset</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>tulospalvelin; the shared table is &apos;yhteiset tulokset&apos;.</translatorcomment>
        <translation>tulospalvelin</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Tiedosto %1 ei ole tallennettu peli: se on liian suuri.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Tiedosto %1 ei ole tallennettu peli: se päättyy riville %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Tiedosto %1 ei ole tallennettu peli: rivillä %2 ei ole kokonaislukua.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Tiedostoa %1 ei voitu lukea.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Luetaan ennätyksiä ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Kirjoitetaan ennätyksiä ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Kirjoitetaan taulukkoa ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Kirjoitus onnistui.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Tuntematon virhe</translation>
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
        <translation>Teemme ohjelmia:
logiikkapelejä,
opetusohjelmia,
apuohjelmia Windowsille
ja tilausohjelmia.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet-versio</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Ennätystiedoston kansio</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Yhdistetään ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Yhteys muodostettiin.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Jäljellä</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Peli</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Ennätystiedosto</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Tällä koneella</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Verkossa</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Näytä yhteiset tulokset internetissä</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Lähetä oma tuloksesi internetin kautta</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pelin säännöt</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symbolit palloissa</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Vihje</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Ennätykset.  Pisteesi: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Tallenna peli</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Peliä ei voitu tallentaa tiedostoon %1.
Tarkista, että kansioon saa kirjoittaa ja että levyllä on tilaa.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Aiempi samanniminen tiedosto on ennallaan.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Lataa peli</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Tiedostoa %1 ei voitu lukea.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Tiedosto %1 ei ole tallennettu peli (virhe rivillä %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Peli ei muuttunut.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Tallennetut pelit|*.sav|Kaikki tiedostot|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Tallennetut pelit|*.sav|Kaikki tiedostot|*.*</translation>
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
        <translation>Tätä peliä on varsin helppo pelata.

Edessäsi on lauta täynnä erivärisiä palloja.

Vaihda kahden vierekkäisen kvellin paikkaa niin, että vähintään
kolme samanväristä palloa on vierekkäin pystysuunnassa
tai vaakasuunnassa; kukin vaihto siirtää palloa vain kerran.

Peli päättyy vasta, kun yhtäkään palloa
ei voi enää siirtää.

Onnea ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Voit pelata myös näppäimistöllä: nuolinäppäimet näyttävät
laudalla kehyksen ja siirtävät sitä, ja välilyönti tai Enter
toimii kuin napsautus kehyksessä olevaan palloon.
Hiiren napsautus piilottaa kehyksen.

”?”-valikon kohta ”Symbolit palloissa” piirtää kunkin
värin palloihin oman symbolin: näin värit erottuvat
myös ilman värinäköä.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>H-näppäin tai ”?”-valikon kohta ”Vihje” merkitsee pallon,
jolla on siirto, ja naapurin, jonka kanssa se vaihdetaan;
kehys siirtyy tähän palloon.

Ruudunlukija lukee kehyksessä olevan pallon:
sen värin, rivin ja sarakkeen.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Pelin säännöt</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>peli   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>vihje, siirto ylös</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>vihje, siirto alas</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>vihje, siirto vasemmalle</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>vihje, siirto oikealle</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>vihje</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 Internet-versio</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Mainoksesi</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Tämä paikka on
mainoksellesi</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Lähetä tätä mainospaikkaa koskevat tarjouksesi osoitteeseen:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Paina mitä tahansa näppäintä</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Tarkista, että kansio on annettu oikein</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Ennätystiedostoa ei löydy kansiosta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> valikossa: ”Peli|Ennätystiedosto”</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Ennätystiedostoa ei löydy kansiosta: %1!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> valikossa: ”Peli | Ennätystiedosto”</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Nimesi?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Kirjoita nimesi.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Pelaaja: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Pelaaja: (nimetön) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Asetukset</translation>
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
        <translation>sininen</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>punainen</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>vihreä</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>musta</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>keltainen</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>vaaleansininen</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>harmaa</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purppura</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>viininpunainen</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>vaaleanvihreä</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>tummanharmaa</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>rivi %1, sarake %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>tyhjä ruutu, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>tuntematon</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 pallo, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, valittu</translation>
    </message>
</context>
</TS>
