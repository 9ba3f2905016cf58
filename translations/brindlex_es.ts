<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The Escape key, as the keyboard labels it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNamePrompt</name>
    <message>
        <source>You&apos;re Winner!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
