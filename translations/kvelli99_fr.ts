<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
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
        <translation>Jeu de logique</translation>
    </message>
    <message>
        <source>Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд</source>
        <extracomment>Comment= of the desktop entry: a tooltip in the desktop&apos;s menu.</extracomment>
        <translation>Échangez des billes voisines pour aligner au moins trois billes de la même couleur</translation>
    </message>
    <message>
        <source>головоломка;шары;три в ряд;рекорды;</source>
        <extracomment>Keywords= of the desktop entry: search words for the desktop&apos;s menu, each one ended by &quot;;&quot; (also the last); no &quot;;&quot; inside a word.</extracomment>
        <translation>casse-tête;billes;trois en ligne;meilleurs scores;</translation>
    </message>
    <message>
        <source>Меняйте шары, собирая ряды</source>
        <extracomment>&lt;summary&gt; of the AppStream metainfo: one short line in a software centre, no full stop.</extracomment>
        <translation>Échangez les billes pour former des alignements</translation>
    </message>
    <message>
        <source>Сохранённая игра Квелли 99</source>
        <extracomment>The file manager&apos;s name for a saved game&apos;s file type.</extracomment>
        <translation>Partie enregistrée de Kvelli &apos;99</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous l&apos;écraser&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>шар</source>
        <extracomment>Term: one of the 64 coloured balls on the board (&quot;kvelli&quot; in the rules is the same thing). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>bille, billes (feminine: bille bleue, sélectionnée): the word of the French ball-lining games; the rules also say kvelli.</translatorcomment>
        <translation>bille</translation>
    </message>
    <message>
        <source>ряд</source>
        <extracomment>Term: a run, three or more balls of one colour next to each other in a row or a column. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>alignement, alignements (verb: aligner): three or more of one colour side by side; a board row is ligne, a column colonne.</translatorcomment>
        <translation>alignement</translation>
    </message>
    <message>
        <source>счёт</source>
        <extracomment>Term: the score, the points won in a game (the header&apos;s left counter). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>score (header &apos;Score&apos;, &apos;Votre score&apos;): the word French games use, short for the header picture.</translatorcomment>
        <translation>score</translation>
    </message>
    <message>
        <source>рекорды</source>
        <extracomment>Term: the records, the table of the 20 best results (menu item, window, file). Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>meilleurs scores: the desktop games&apos; word for high scores; menu item, window, &apos;Fichier des meilleurs scores&apos;.</translatorcomment>
        <translation>meilleurs scores</translation>
    </message>
    <message>
        <source>сервер результатов</source>
        <extracomment>Term: the results server, the internet server that keeps the common table of results. Translate with the word for it, and keep its forms and the reason in the translator comment.</extracomment>
        <translatorcomment>serveur des résultats; the shared table is &apos;les résultats communs&apos;.</translatorcomment>
        <translation>serveur des résultats</translation>
    </message>
</context>
<context>
    <name>kv::Text</name>
    <message>
        <source>Файл %1 не является сохранённой игрой: он слишком велик.</source>
        <translation>Le fichier %1 n&apos;est pas une partie enregistrée&#xa0;: il est trop volumineux.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: он кончается на строке %2.</source>
        <translation>Le fichier %1 n&apos;est pas une partie enregistrée&#xa0;: il se termine à la ligne %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой: в строке %2 нет целого числа.</source>
        <translation>Le fichier %1 n&apos;est pas une partie enregistrée&#xa0;: la ligne %2 ne contient pas de nombre entier.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Считывание рекордов ...</source>
        <translation>Lecture des meilleurs scores ...</translation>
    </message>
    <message>
        <source>Запись рекордов ...</source>
        <translation>Écriture des meilleurs scores ...</translation>
    </message>
    <message>
        <source>Запись таблицы ...</source>
        <translation>Écriture du tableau ...</translation>
    </message>
    <message>
        <source>Запись прошла успешно.</source>
        <translation>Écriture réussie.</translation>
    </message>
</context>
<context>
    <name>kv::ui::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Nous créons des logiciels&#xa0;:
jeux de logique,
logiciels éducatifs,
utilitaires pour Windows
et programmes sur mesure.</translation>
    </message>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 version Internet</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kv::ui::TDirEdit</name>
    <message>
        <source>Каталог файла рекордов</source>
        <translation>Dossier du fichier des meilleurs scores</translation>
    </message>
</context>
<context>
    <name>kv::ui::TExchangeController</name>
    <message>
        <source>Идет подключение ...</source>
        <translation>Connexion en cours ...</translation>
    </message>
    <message>
        <source>Соединение прошло успешно.</source>
        <translation>Connexion réussie.</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm1</name>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Файл рекордов</source>
        <translation>Fichier des meilleurs scores</translation>
    </message>
    <message>
        <source>На этой машине</source>
        <translation>Sur cet ordinateur</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Sur le réseau</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Посмотреть общий результат в интернете</source>
        <translation>Voir les résultats communs sur Internet</translation>
    </message>
    <message>
        <source>Отправить свой результат по интернету</source>
        <translation>Envoyer votre résultat par Internet</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Значки на шарах</source>
        <translation>Symboles sur les billes</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>kv::ui::TForm2</name>
    <message>
        <source>Рекорды</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Рекорды.  Ваш результат: </source>
        <translation>Meilleurs scores.  Votre score&#xa0;: </translation>
    </message>
</context>
<context>
    <name>kv::ui::TGameFiles</name>
    <message>
        <source>Сохранить игру</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1.
Проверьте, можно ли писать в эту папку и есть ли место на диске.</source>
        <translation>Impossible d&apos;enregistrer la partie dans le fichier %1.
Vérifiez que ce dossier est accessible en écriture et qu&apos;il reste de la place sur le disque.</translation>
    </message>
    <message>
        <source>
Прежний файл с этим именем не изменён.</source>
        <translation>
L&apos;ancien fichier de ce nom n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Файл %1 не является сохранённой игрой (ошибка в строке %2).</source>
        <translation>Le fichier %1 n&apos;est pas une partie enregistrée (erreur à la ligne %2).</translation>
    </message>
    <message>
        <source>
Игра не изменилась.</source>
        <translation>
La partie n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы |*.*</source>
        <translation>Parties enregistrées|*.sav|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Сохраненные игры|*.sav|Все файлы|*.*</source>
        <translation>Parties enregistrées|*.sav|Tous les fichiers|*.*</translation>
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
        <translation>Jouer à ce jeu est assez simple.

Vous avez devant vous un plateau rempli de billes de couleurs.

Échangez deux kvelli voisines de sorte qu&apos;au moins trois billes
de la même couleur soient côte à côte, en colonne
ou en ligne&#xa0;; chaque échange ne déplace une bille qu&apos;une fois.

La partie ne se termine que lorsque plus aucune
bille ne peut être déplacée.

Bonne chance&#xa0;!&#xa0;!&#xa0;!</translation>
    </message>
    <message>
        <source>Играть можно и с клавиатуры: стрелки показывают
на поле рамку и двигают её, а пробел или Enter
действуют как щелчок по шару в рамке.
Щелчок мышью прячет рамку.

Пункт «Значки на шарах» в меню «?» рисует на шарах
каждого цвета свой значок: так цвета различимы
и без цветового зрения.</source>
        <translation>On peut aussi jouer au clavier&#xa0;: les flèches affichent
un cadre sur le plateau et le déplacent, et Espace ou Entrée
agissent comme un clic sur la bille dans le cadre.
Un clic de souris masque le cadre.

L&apos;élément «&#xa0;Symboles sur les billes&#xa0;» du menu «&#xa0;?&#xa0;» dessine
sur les billes de chaque couleur un symbole qui lui est propre&#xa0;:
ainsi, les couleurs se distinguent même sans voir les couleurs.</translation>
    </message>
    <message>
        <source>Клавиша H или пункт «Подсказка» в меню «?» отмечают
шар, у которого есть ход, и соседа, с которым его
поменять; рамка встаёт на этот шар.

Программа экранного доступа читает шар в рамке:
его цвет, ряд и столбец.</source>
        <translation>La touche H ou «&#xa0;Indice&#xa0;» dans le menu «&#xa0;?&#xa0;» marque une bille
qui peut bouger et la voisine avec laquelle l&apos;échanger&#xa0;;
le cadre se place sur cette bille.

Un lecteur d&apos;écran lit la bille dans le cadre&#xa0;:
sa couleur, sa ligne et sa colonne.</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>игра   К В Е Л Л И </source>
        <translation>jeu   K V E L L I </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kv::ui::THint</name>
    <message>
        <source>подсказка, ход вверх</source>
        <translation>indice, coup vers le haut</translation>
    </message>
    <message>
        <source>подсказка, ход вниз</source>
        <translation>indice, coup vers le bas</translation>
    </message>
    <message>
        <source>подсказка, ход влево</source>
        <translation>indice, coup vers la gauche</translation>
    </message>
    <message>
        <source>подсказка, ход вправо</source>
        <translation>indice, coup vers la droite</translation>
    </message>
    <message>
        <source>подсказка</source>
        <translation>indice</translation>
    </message>
</context>
<context>
    <name>kv::ui::TMainView</name>
    <message>
        <source>Квелли 99 Internet version</source>
        <translation>Kvelli 99 version Internet</translation>
    </message>
</context>
<context>
    <name>kv::ui::TReclamaForm</name>
    <message>
        <source>Ваша реклама</source>
        <translation>Votre publicité</translation>
    </message>
    <message>
        <source>А это место
для Вашей рекламы</source>
        <translation>Cet espace est
pour votre publicité</translation>
    </message>
    <message>
        <source>Свои предложения по размещению рекламы посылать по адресу:</source>
        <translation>Envoyez vos propositions de publicité à cet emplacement à l&apos;adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Appuyez sur une touche</translation>
    </message>
</context>
<context>
    <name>kv::ui::TRecordsController</name>
    <message>
        <source>Проверте правильность указания каталога</source>
        <translation>Vérifiez que le dossier est indiqué correctement</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1!</source>
        <translation>Impossible de trouver le fichier des meilleurs scores dans le dossier&#xa0;: %1&#xa0;!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра|Файл рекордов&quot;</source>
        <translation> dans le menu&#xa0;: «&#xa0;Jeu|Fichier des meilleurs scores&#xa0;»</translation>
    </message>
    <message>
        <source>Не могу найти файл рекордов в каталоге : %1 !</source>
        <translation>Impossible de trouver le fichier des meilleurs scores dans le dossier&#xa0;: %1&#xa0;!</translation>
    </message>
    <message>
        <source> в меню: &quot;Игра | Файл рекордов&quot;</source>
        <translation> dans le menu&#xa0;: «&#xa0;Jeu | Fichier des meilleurs scores&#xa0;»</translation>
    </message>
    <message>
        <source>Ваше имя ?</source>
        <translation>Votre nom&#xa0;?</translation>
    </message>
    <message>
        <source>Введите пожалуйста Ваше имя.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>      Игрок : </source>
        <translation>      Joueur&#xa0;: </translation>
    </message>
    <message>
        <source>      Игрок : (без имени) </source>
        <translation>      Joueur&#xa0;: (sans nom) </translation>
    </message>
</context>
<context>
    <name>kv::ui::TSetForm</name>
    <message>
        <source>Настройка</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShadowLabel</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>kv::ui::TShape</name>
    <message>
        <source>синий</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>noire</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grise</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>бордовый</source>
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>салатовый</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>ряд %1, столбец %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>пустая клетка, %1</source>
        <translation>case vide, %1</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>de couleur inconnue</translation>
    </message>
    <message>
        <source>%1 шар, %2</source>
        <translation>bille %1, %2</translation>
    </message>
    <message>
        <source>, выбран</source>
        <translation>, sélectionnée</translation>
    </message>
</context>
</TS>
