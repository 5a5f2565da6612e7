<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ru">
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
        <translation>Gioco di logica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Scambia palline vicine per allinearne tre o più dello stesso colore</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>rompicapo;palline;tre in fila;record;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Scambia le palline e forma file</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Partita salvata di Kvelli '99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>pallina, palline (feminine: colours and "selezionata" agree with it, "pallina rossa"); the usual word for the small balls of puzzle games; the rules also call them kvelli.</translatorcomment>
        <translation>pallina</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>fila, file (a line of three or more palline of one colour, in riga or in colonna); the rules describe it rather than name it.</translatorcomment>
        <translation>fila</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>punteggio in running text; the header's short word is "Punti".</translatorcomment>
        <translation>punteggio</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>record (invariable): menu item and window "Record", "File dei record"; short, as Italian games say it.</translatorcomment>
        <translation>record</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>server dei risultati: the internet server that keeps the common table ("risultati comuni").</translatorcomment>
        <translation>server dei risultati</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Il file %1 non è una partita salvata: è troppo grande.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Il file %1 non è una partita salvata: finisce alla riga %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Il file %1 non è una partita salvata: la riga %2 non contiene un numero intero.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Lettura dei record ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Scrittura dei record ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Scrittura della tabella ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Scrittura riuscita.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
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
        <translation>Sviluppiamo software:
giochi di logica,
programmi didattici,
utilità per Windows
e programmi su misura.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versione Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Cartella del file dei record</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Connessione in corso ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Connessione riuscita.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Rimaste</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>File dei record</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Su questo computer</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>In rete</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Vedi i risultati comuni su Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Invia il tuo risultato via Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Simboli sulle palline</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Suggerimento</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Record.  Il tuo punteggio: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Impossibile salvare la partita nel file %1.
Verifica che si possa scrivere in questa cartella e che sul disco ci sia spazio.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
Il file precedente con questo nome non è stato modificato.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Il file %1 non è una partita salvata (errore alla riga %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
La partita non è cambiata.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Partite salvate|*.sav|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Partite salvate|*.sav|Tutti i file|*.*</translation>
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
        <translation>Questo gioco è piuttosto semplice da giocare.

Hai un campo pieno di palline di molti colori.

Scambia due kvelli vicine in modo che almeno tre palline
dello stesso colore stiano accanto in colonna o in riga;
ogni scambio sposta una pallina una volta sola.

La partita finisce solo quando nessuna pallina
può più essere spostata.

Buona fortuna ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Puoi giocare anche con la tastiera: le frecce mostrano
una cornice sul campo e la spostano, e Spazio
o Invio valgono come un clic sulla pallina nella cornice.
Un clic del mouse nasconde la cornice.

La voce «Simboli sulle palline» del menu «?» disegna
sulle palline di ogni colore un simbolo diverso,
così i colori si distinguono anche senza
la visione dei colori.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>Il tasto H o la voce «Suggerimento» del menu «?» segna
una pallina che può muoversi e la vicina con cui
scambiarla; la cornice va su quella pallina.

Un lettore di schermo legge la pallina nella cornice:
il colore, la riga e la colonna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>gioco   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>suggerimento, mossa in su</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>suggerimento, mossa in giù</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>suggerimento, mossa a sinistra</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>suggerimento, mossa a destra</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>suggerimento</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versione Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>La tua pubblicità</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Questo spazio è
per la tua pubblicità</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Invia le tue proposte per fare pubblicità qui a:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Premi un tasto qualsiasi</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Verifica che la cartella sia indicata correttamente</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Impossibile trovare il file dei record nella cartella: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> nel menu: "Partita|File dei record"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Impossibile trovare il file dei record nella cartella: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> nel menu: "Partita | File dei record"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Il tuo nome?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Inserisci il tuo nome, per favore.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Giocatore: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Giocatore: (senza nome) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Impostazioni</translation>
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
        <translation>blu</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>nera</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gialla</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azzurra</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grigia</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>verde lime</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>grigio scuro</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>casella vuota, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>pallina %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, selezionata</translation>
    </message>
</context>
</TS>
