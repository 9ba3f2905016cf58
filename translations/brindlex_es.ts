<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, un juego de puzle de joyas que caen: alinea tres joyas iguales y desaparecen.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Pruebe «%1 --help».
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Las opciones de Qt, como -platform, -style y -display, se pasan a Qt.
Consulte brindlex(6) para las teclas y dónde se guarda el perfil.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>la carpeta no admite escritura</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>la ruta tiene demasiados enlaces simbólicos</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>el archivo supera 1 MiB, demasiado grande para reescribirlo con seguridad</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>el archivo superaría 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Nueva partida (Espacio)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Pausar partida (Pausa)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Abandonar partida (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Joyas:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Sigue:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Joyas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Izquierda:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Flecha izquierda o teclado numérico 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Derecha:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Flecha derecha o teclado numérico 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Abajo:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Flecha abajo o teclado numérico 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Girar hacia abajo:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl o teclado numérico 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Girar hacia arriba:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Mayús o teclado numérico 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Nueva partida:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Espacio</translation>
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
        <translation>Terminar partida:</translation>
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
        <translation>¡Victoria!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Con %2 puntos has quedado en el puesto %1.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tForm2</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Mostrar el trío siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Altura inicial:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Joyas por nivel:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Velocidad:</translation>
    </message>
</context>
</TS>
