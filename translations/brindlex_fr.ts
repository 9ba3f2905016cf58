<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, un jeu de réflexion aux joyaux qui tombent&#x202f;: alignez trois joyaux identiques et ils disparaissent.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Essayez «&#x202f;%1 --help&#x202f;».
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Les options de Qt, comme -platform, -style et -display, sont transmises à Qt.
Voir brindlex(6) pour les touches et l’emplacement du profil.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>le dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>le chemin contient trop de liens symboliques</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>le fichier dépasse 1 Mio, trop gros pour être réécrit sans risque</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>le fichier dépasserait 1 Mio</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d’écrire dans %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nouvelle partie (Espace)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>Mettre en &amp;pause (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Abandonner la partie (Échap)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#x202f;:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Joyaux&#x202f;:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Palier&#x202f;:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Suite&#x202f;:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Joyaux</translation>
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
        <translation>Gauche&#x202f;:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Flèche gauche ou pavé numérique 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Droite&#x202f;:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Flèche droite ou pavé numérique 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Bas&#x202f;:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Flèche bas ou pavé numérique 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Rotation vers le bas&#x202f;:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl ou pavé numérique 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Rotation vers le haut&#x202f;:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Maj ou pavé numérique 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nouvelle partie&#x202f;:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Pause&#x202f;:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Fin de partie&#x202f;:</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The Escape key, as the keyboard labels it</extracomment>
        <translation>Échap</translation>
    </message>
</context>
<context>
    <name>TNamePrompt</name>
    <message>
        <source>You&apos;re Winner!</source>
        <translation>Victoire&#x202f;!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Avec %2 points, vous êtes à la place %1.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom&#x202f;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Montrer le trio suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Hauteur de départ&#x202f;:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Joyaux par palier&#x202f;:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Vitesse&#x202f;:</translation>
    </message>
</context>
</TS>
