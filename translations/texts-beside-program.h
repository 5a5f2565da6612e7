// Texts that live in the catalogues but that the program never shows; nothing includes this
// file. scripts/translations.py reads it with the sources, so `update` keeps its messages.
//
// "Desktop": the texts of the files beside the program (the desktop entry, the AppStream
// metainfo, the saved game's MIME type); `scripts/translations.py desktop` writes their
// translations into packaging/.
//
// "Terms": the words a language uses throughout for the game's things. A translator writes the
// word as the translation and, in the translator comment, its forms and why it was chosen, so
// that a later translator keeps it.

const char* const kDesktopTexts[] = {
    //: Name= of the desktop entry and <name> of the AppStream metainfo: the program's name.
    QT_TRANSLATE_NOOP("Desktop", "Квелли 99"),
    //: GenericName= of the desktop entry: what kind of program it is, shown under its name.
    QT_TRANSLATE_NOOP("Desktop", "Логическая игра"),
    //: Comment= of the desktop entry: a tooltip in the desktop's menu.
    QT_TRANSLATE_NOOP("Desktop",
                      "Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд"),
    //: Keywords= of the desktop entry: search words for the desktop's menu, each one ended by
    //: ";" (also the last); no ";" inside a word.
    QT_TRANSLATE_NOOP("Desktop", "головоломка;шары;три в ряд;рекорды;"),
    //: <summary> of the AppStream metainfo: one short line in a software centre, no full stop.
    QT_TRANSLATE_NOOP("Desktop", "Меняйте шары, собирая ряды"),
    //: The file manager's name for a saved game's file type.
    QT_TRANSLATE_NOOP("Desktop", "Сохранённая игра Квелли 99"),
};

const char* const kTerms[] = {
    //: Term: one of the 64 coloured balls on the board ("kvelli" in the rules is the same thing).
    //: Translate with the word for it, and keep its forms and the reason in the translator comment.
    QT_TRANSLATE_NOOP("Terms", "шар"),
    //: Term: a run, three or more balls of one colour next to each other in a row or a column.
    //: Translate with the word for it, and keep its forms and the reason in the translator comment.
    QT_TRANSLATE_NOOP("Terms", "ряд"),
    //: Term: the score, the points won in a game (the header's left counter).
    //: Translate with the word for it, and keep its forms and the reason in the translator comment.
    QT_TRANSLATE_NOOP("Terms", "счёт"),
    //: Term: the records, the table of the 20 best results (menu item, window, file).
    //: Translate with the word for it, and keep its forms and the reason in the translator comment.
    QT_TRANSLATE_NOOP("Terms", "рекорды"),
    //: Term: the results server, the internet server that keeps the common table of results.
    //: Translate with the word for it, and keep its forms and the reason in the translator comment.
    QT_TRANSLATE_NOOP("Terms", "сервер результатов"),
};

// Qt's own convention: the translation of this message sets the windows' layout direction.
//: Not a text: write RTL for a language written right to left (Arabic, Persian, Hebrew), else LTR.
const char* const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");
