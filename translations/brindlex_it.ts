<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, un rompicapo di gioielli che cadono: allinea tre gioielli uguali e spariscono.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Provare «%1 --help».
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Le opzioni di Qt, come -platform, -style e -display, vengono passate a Qt.
Vedere brindlex(6) per i tasti e la posizione del profilo.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>la cartella non è scrivibile</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>il percorso ha troppi collegamenti simbolici</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>il file supera 1 MiB, troppo grande per riscriverlo in sicurezza</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>il file supererebbe 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nuova partita (Spazio)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>Metti in &amp;pausa (Pausa)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Abbandona partita (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Gioielli:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Dopo:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Gioielli</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Sinistra:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Freccia sinistra o tastierino numerico 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Destra:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Freccia destra o tastierino numerico 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Giù:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Freccia giù o tastierino numerico 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Ruota in giù:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl o tastierino numerico 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Ruota in su:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Maiusc o tastierino numerico 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nuova partita:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Pausa:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Termina partita:</translation>
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
        <translation>Vittoria!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Con %2 punti sei al posto %1 della classifica.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Mostra il prossimo trio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Altezza iniziale:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Gioielli per livello:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Velocità:</translation>
    </message>
</context>
</TS>
