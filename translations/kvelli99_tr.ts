<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="ru">
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
        <translation>Mantık oyunu</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Aynı renkten üç veya daha fazla topu yan yana getirmek için komşu topların yerini değiştirin</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>bulmaca;toplar;üçlü eşleştirme;rekorlar;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Topların yerini değiştirip sıralar oluşturun</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Kvelli '99 kayıtlı oyunu</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 zaten var.
Değiştirmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>top, toplar (the colour stands before it, "mavi top"); the rules also call the balls kvelli. No suffix is ever joined to a %-place.</translatorcomment>
        <translation>top</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sıra, sıralar: three or more toplar of one colour side by side; the board's rows are "satır".</translatorcomment>
        <translation>sıra</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>puan: the header's word "Puan" and "Puanınız".</translatorcomment>
        <translation>puan</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>rekorlar: menu item and window "Rekorlar", file "Rekor dosyası".</translatorcomment>
        <translation>rekorlar</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sonuç sunucusu: "sunucu" as the Turkish desktop says server; the internet server of the common table (ortak sonuçlar).</translatorcomment>
        <translation>sonuç sunucusu</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>%1 dosyası kayıtlı bir oyun değil: çok büyük.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>%1 dosyası kayıtlı bir oyun değil: %2. satırda bitiyor.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>%1 dosyası kayıtlı bir oyun değil: %2. satırda tam sayı yok.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>%1 dosyası yazılamadı.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>%1 dosyası okunamadı.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Rekorlar okunuyor ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Rekorlar yazılıyor ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Tablo yazılıyor ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Yazma başarılı.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
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
        <translation>Yazılım geliştiriyoruz:
mantık oyunları,
eğitim programları,
Windows araçları
ve sipariş üzerine programlar.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 İnternet sürümü</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Rekor dosyasının klasörü</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Bağlanılıyor ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Bağlantı başarılı.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Kalan</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Rekor dosyası</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Bu bilgisayarda</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Ağ üzerinden</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>İnternet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Ortak sonuçları İnternette görüntüle</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Sonucunuzu İnternet üzerinden gönder</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Oyun kuralları</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Toplarda simgeler</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>İpucu</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Rekorlar.  Puanınız: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Oyunu kaydet</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Oyun %1 dosyasına kaydedilemedi.
Bu klasöre yazılabildiğini ve diskte yer olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Bu addaki önceki dosya değişmedi.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Oyun yükle</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>%1 dosyası okunamadı.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>%1 dosyası kayıtlı bir oyun değil (%2. satırda hata).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
Oyun değişmedi.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Kayıtlı oyunlar|*.sav|Tüm dosyalar|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Kayıtlı oyunlar|*.sav|Tüm dosyalar|*.*</translation>
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
        <translation>Bu oyunu oynamak oldukça basittir.

Çeşitli renklerde toplarla dolu bir tahta verilir.

İki komşu kvelli'nin yerini, aynı renkten en az üç top
dikey ya da yatay olarak yan yana gelecek şekilde
değiştirin; her değişimde bir top
yalnızca bir kez yer değiştirir.

Oyun ancak hiçbir top artık hareket
ettirilemediğinde biter.

İyi şanslar ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Klavyeyle de oynayabilirsiniz: ok tuşları tahtada
bir çerçeve gösterir ve onu hareket ettirir; Boşluk
ya da Enter, çerçevedeki topa tıklamak gibi çalışır.
Fareyle tıklamak çerçeveyi gizler.

“?” menüsündeki “Toplarda simgeler” öğesi her rengin
toplarına kendine özgü bir simge çizer; böylece
renkler renk görüşü olmadan da ayırt edilebilir.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>H tuşu ya da “?” menüsündeki “İpucu”, hamlesi olan
bir topu ve onunla yer değiştireceği komşusunu
işaretler; çerçeve o topa geçer.

Ekran okuyucu çerçevedeki topu okur:
rengini, satırını ve sütununu.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Oyun kuralları</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>oyun   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>ipucu, yukarı hamle</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>ipucu, aşağı hamle</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>ipucu, sola hamle</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>ipucu, sağa hamle</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>ipucu</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 İnternet sürümü</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Reklamınız</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Burası
sizin reklamınız için</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Reklam verme önerilerinizi şu adrese gönderin:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Herhangi bir tuşa basın</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Klasörün doğru belirtildiğini denetleyin</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Rekor dosyası şu klasörde bulunamıyor: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> menüde: "Oyun|Rekor dosyası"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Rekor dosyası şu klasörde bulunamıyor: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> menüde: "Oyun | Rekor dosyası"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Adınız?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Oyuncu: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Oyuncu: (adsız) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Ayarlar</translation>
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
        <translation>mavi</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>siyah</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>açık mavi</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>gri</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fuşya</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>açık yeşil</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>koyu gri</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>%1. satır, %2. sütun</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>boş kare, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>bilinmeyen</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>%1 top, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, seçili</translation>
    </message>
</context>
</TS>
