<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, logická hra s padajícími drahokamy: seřaďte tři stejné drahokamy a zmizí.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Zkuste „%1 --help“.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Volby Qt, jako -platform, -style a -display, se předávají Qt.
Klávesy a umístění profilu popisuje brindlex(6).
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>do složky nelze zapisovat</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>soubor nelze přečíst</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je plný</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk je jen pro čtení</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>složka neexistuje</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>cesta má příliš mnoho symbolických odkazů</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>soubor je větší než 1 MiB, příliš velký na bezpečný přepis</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>soubor je jen pro čtení</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>soubor by byl větší než 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nelze zapsat do %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nelze zapsat do %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Nikdo</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nová hra (Mezerník)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Pozastavit hru (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Ukončit hru (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>Nejlepší &amp;výsledky</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klávesy</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Skóre:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Šperky:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Kolo:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Další:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Šperky</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Doleva:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Šipka doleva nebo 4 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Doprava:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Šipka doprava nebo 6 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Dolů:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Šipka dolů nebo 2 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Otočit dolů:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl nebo 5 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Otočit nahoru:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Shift nebo 8 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nová hra:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Mezerník</translation>
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
        <translation>Konec hry:</translation>
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
        <translation>Vítězství!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Se skóre %2 jste na %1. místě.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Zadejte své jméno:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Zobrazit další trojici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Počáteční výška:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Šperků na kolo:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Rychlost hry:</translation>
    </message>
</context>
</TS>
