<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, gra logiczna ze spadającymi klejnotami: ułóż trzy jednakowe klejnoty w rzędzie, a znikną.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Spróbuj „%1 --help”.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Opcje Qt, takie jak -platform, -style i -display, są przekazywane do Qt.
Klawisze i miejsce profilu opisuje brindlex(6).
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>folder nie pozwala na zapis</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>nie można odczytać pliku</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>ścieżka ma zbyt wiele dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to folder, a nie plik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>plik jest większy niż 1 MiB, zbyt duży, by bezpiecznie go nadpisać</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>plik przekroczyłby 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Nikt</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nowa gra (Spacja)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Wstrzymaj grę (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Przerwij grę (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>Naj&amp;lepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klawisze</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Skarby:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Etap:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Dalej:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Skarby</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>W lewo:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Strzałka w lewo lub klawiatura numeryczna 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>W prawo:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Strzałka w prawo lub klawiatura numeryczna 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>W dół:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Strzałka w dół lub klawiatura numeryczna 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Obrót w dół:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl lub klawiatura numeryczna 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Obrót w górę:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Shift lub klawiatura numeryczna 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nowa gra:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Pauza:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Koniec gry:</translation>
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
        <translation>Zwycięstwo!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Twój wynik %2 daje ci miejsce %1.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Pokazuj następną trójkę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Wysokość startowa:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Skarbów na etap:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Szybkość gry:</translation>
    </message>
</context>
</TS>
