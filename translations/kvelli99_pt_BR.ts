<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ru">
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
        <translation>Jogo de lógica</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop's menu.</extracomment>
        <translation>Troque bolas vizinhas para alinhar três ou mais da mesma cor</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop's menu, each one ended by ";" (also the last); no ";" inside a word.</extracomment>
        <translation>quebra-cabeça;bolas;três em linha;recordes;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Troque as bolas e forme sequências</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager's name for a saved game's file type.</extracomment>
        <translation>Jogo salvo do Kvelli '99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-la?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bola, bolas (feminine: colours and "selecionada" follow it and agree, "bola vermelha"); the rules also call them kvelli.</translatorcomment>
        <translation>bola</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>sequência, sequências: three or more bolas of one colour side by side; "linha" is kept for the board's rows.</translatorcomment>
        <translation>sequência</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header's left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>pontuação in running text ("Sua pontuação"); the header's short word is "Pontos".</translatorcomment>
        <translation>pontuação</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>recordes: menu item and window "Recordes", file "Arquivo de recordes".</translatorcomment>
        <translation>recordes</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>servidor de resultados: the internet server of the common table (resultados comuns).</translatorcomment>
        <translation>servidor de resultados</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>O arquivo %1 não é um jogo salvo: é grande demais.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>O arquivo %1 não é um jogo salvo: termina na linha %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>O arquivo %1 não é um jogo salvo: a linha %2 não contém um número inteiro.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Lendo os recordes ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Gravando os recordes ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Gravando a tabela ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Gravado com sucesso.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
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
        <translation>Desenvolvemos programas:
jogos de lógica,
programas educativos,
utilitários para Windows
e programas sob encomenda.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versão Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Pasta do arquivo de recordes</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Conectando ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Conectado com sucesso.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Restam</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Arquivo de recordes</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Neste computador</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Pela rede</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Ver os resultados comuns na Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Enviar seu resultado pela Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regras do jogo</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Símbolos nas bolas</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Dica</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Recordes.  Sua pontuação: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Não foi possível salvar o jogo no arquivo %1.
Verifique se é possível gravar nesta pasta e se há espaço no disco.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
O arquivo anterior com este nome não foi alterado.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>O arquivo %1 não é um jogo salvo (erro na linha %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
O jogo não foi alterado.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Jogos salvos|*.sav|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Jogos salvos|*.sav|Todos os arquivos|*.*</translation>
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
        <translation>Este jogo é bem simples de jogar.

Você recebe um tabuleiro cheio de bolas de várias cores.

Troque de lugar duas kvelli vizinhas para que
pelo menos três bolas da mesma cor fiquem lado a lado
na vertical ou na horizontal; a cada troca
uma bola se move só uma vez.

O jogo termina somente quando nenhuma bola
pode mais ser movida.

Boa sorte ! ! !</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>Também é possível jogar pelo teclado: as setas mostram
uma moldura no tabuleiro e a movem, e Espaço ou Enter
funcionam como um clique na bola da moldura.
Um clique do mouse esconde a moldura.

O item “Símbolos nas bolas” do menu “?” desenha
nas bolas de cada cor um símbolo próprio,
para que as cores possam ser distinguidas
mesmo sem visão de cores.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>A tecla H ou “Dica” no menu “?” marca uma bola
que pode se mover e a vizinha com que trocá-la;
a moldura vai para essa bola.

Um leitor de tela lê a bola na moldura:
sua cor, linha e coluna.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regras do jogo</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>jogo   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>dica, mover para cima</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>dica, mover para baixo</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>dica, mover para a esquerda</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>dica, mover para a direita</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>dica</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 versão Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Sua propaganda</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Este espaço é
para a sua propaganda</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Propostas para anunciar aqui devem ser enviadas para:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Pressione qualquer tecla</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Verifique se a pasta foi indicada corretamente</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Não foi possível encontrar o arquivo de recordes na pasta: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра|Файл рекордов"</source>
        <translation> no menu: "Jogo|Arquivo de recordes"</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Não foi possível encontrar o arquivo de recordes na pasta: %1!</translation>
    </message>
    <message>
        <source> в меню: "Игра | Файл рекордов"</source>
        <translation> no menu: "Jogo | Arquivo de recordes"</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Seu nome?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Por favor, digite seu nome.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Jogador: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Jogador: (sem nome) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Configurações</translation>
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
        <translation>azul</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>vermelha</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>preta</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>amarela</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azul-clara</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordô</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>verde-limão</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>cinza-escura</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>casa vazia, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>bola %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, selecionada</translation>
    </message>
</context>
</TS>
