<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex — головоломка с падающими самоцветами: выстройте в ряд три одинаковых камня, и они исчезнут.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Попробуйте «%1 --help».
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Параметры Qt, такие как -platform, -style и -display, передаются Qt.
Клавиши и расположение профиля описаны в brindlex(6).
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>папка недоступна для записи</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>файл невозможно прочитать</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>в пути слишком много символических ссылок</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>файл больше 1 МиБ — слишком велик для безопасной перезаписи</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>файл стал бы больше 1 МиБ</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Никто</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Новая игра (Пробел)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Пауза (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Завершить игру (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Клавиши</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Камни:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Этап:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Далее:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Камни</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Влево:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Стрелка влево или 4 на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Вправо:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Стрелка вправо или 6 на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Вниз:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Стрелка вниз или 2 на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Вращать вниз:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl или 5 на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Вращать вверх:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Shift или 8 на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Новая игра:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Пауза:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Конец игры:</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The Escape key, as the keyboard labels it</extracomment>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>TNamePrompt</name>
    <message>
        <source>You&apos;re Winner!</source>
        <translation>Победа!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>С результатом %2 вы заняли %1-е место.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Показ следующей тройки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Начальная высота:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Камней на этап:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Скорость игры:</translation>
    </message>
</context>
</TS>
