<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, ett pusselspel med fallande juveler: ställ tre likadana juveler på rad så försvinner de.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Visar den här hjälpen och avslutar.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Visar versionen och avslutar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Prova ”%1 --help”.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Qts egna flaggor, som -platform, -style och -display, skickas vidare till Qt.
Se brindlex(6) för tangenterna och var profilen sparas.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>mappen är skrivskyddad</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>filen kan inte läsas</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken är skrivskyddad</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>mappen finns inte</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>sökvägen har för många symboliska länkar</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>det är ingen vanlig fil</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>filen är större än 1 MiB, för stor för att skrivas om säkert</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>filen är skrivskyddad</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>filen skulle bli större än 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Kan inte skriva till %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan inte skriva till %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Ingen</translation>
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
        <translation>&amp;Nytt spel (Blanksteg)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Pausa spelet (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Avbryt spelet (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Topplista</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Av&amp;sluta</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Alternativ</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tangenter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Juveler:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivå:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Nästa:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Juveler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Vänster:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Vänsterpil eller 4 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Höger:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Högerpil eller 6 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Ned:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Nedåtpil eller 2 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Rotera nedåt:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl eller 5 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Rotera uppåt:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Skift eller 8 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nytt spel:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Mellanslag</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Paus:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Avsluta spelet:</translation>
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
        <translation>Vinnare!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Med %2 poäng hamnade du på plats %1.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Skriv ditt namn:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Visa nästa trio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Starthöjd:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Juveler per nivå:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Hastighet:</translation>
    </message>
</context>
</TS>
