<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, een puzzelspel met vallende juwelen: zet drie gelijke juwelen op een rij en ze verdwijnen.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Probeer ‘%1 --help’.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Opties van Qt, zoals -platform, -style en -display, gaan door naar Qt.
Zie brindlex(6) voor de toetsen en waar het profiel staat.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>de map is niet beschrijfbaar</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>het bestand kan niet gelezen worden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>het pad bevat te veel symbolische koppelingen</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>het bestand is groter dan 1 MiB, te groot om veilig te herschrijven</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>het bestand zou groter worden dan 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nieuw spel (Spatie)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Pauzeren (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>Spel &amp;afbreken (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Toetsen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Stenen:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Hierna:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Stenen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Pijl-links of numeriek toetsenblok 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Pijl-rechts of numeriek toetsenblok 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Omlaag:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Pijl-omlaag of numeriek toetsenblok 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Omlaag draaien:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl of numeriek toetsenblok 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Omhoog draaien:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Shift of numeriek toetsenblok 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nieuw spel:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Pauze:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Spel beëindigen:</translation>
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
        <translation>Winnaar!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Met %2 punten sta je op plaats %1.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Volgend trio tonen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Beginhoogte:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Stenen per niveau:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Snelheid:</translation>
    </message>
</context>
</TS>
