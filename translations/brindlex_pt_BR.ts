<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Brindlex, a falling-jewel puzzle game: line up three equal jewels and they vanish.</source>
        <translation>Brindlex, um jogo de quebra-cabeça com joias que caem: alinhe três joias iguais e elas somem.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2 Tente “%1 --help”.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are passed on to Qt.
See brindlex(6) for the keys and where the profile is kept.
</source>
        <translation>Opções do Qt, como -platform, -style e -display, são repassadas ao Qt.
Veja brindlex(6) para as teclas e onde o perfil é guardado.
</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>a pasta não permite gravação</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>o caminho tem links simbólicos demais</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB, too large to rewrite safely</source>
        <translation>o arquivo tem mais de 1 MiB, grande demais para ser regravado com segurança</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>the file would grow larger than 1 MiB</source>
        <translation>o arquivo passaria de 1 MiB</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Não é possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>NameText</name>
    <message>
        <source>Nobody</source>
        <translation>Ninguém</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New game (Space)</source>
        <translation>&amp;Novo jogo (Espaço)</translation>
    </message>
    <message>
        <source>&amp;Pause game (Pause)</source>
        <translation>&amp;Pausar jogo (Pause)</translation>
    </message>
    <message>
        <source>&amp;Abort game (Esc)</source>
        <translation>&amp;Abandonar jogo (Esc)</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Jewels:</source>
        <translation>Joias:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Depois:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Joias</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
</context>
<context>
    <name>TKeysBox</name>
    <message>
        <source>Left:</source>
        <translation>Esquerda:</translation>
    </message>
    <message>
        <source>Left or numpad 4</source>
        <extracomment>The arrow key, and the key on the numeric keypad</extracomment>
        <translation>Seta para a esquerda ou teclado numérico 4</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Direita:</translation>
    </message>
    <message>
        <source>Right or numpad 6</source>
        <translation>Seta para a direita ou teclado numérico 6</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Baixo:</translation>
    </message>
    <message>
        <source>Down or numpad 2</source>
        <translation>Seta para baixo ou teclado numérico 2</translation>
    </message>
    <message>
        <source>Rotate down:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the bottom one goes to the top</extracomment>
        <translation>Girar para baixo:</translation>
    </message>
    <message>
        <source>Ctrl or numpad 5</source>
        <extracomment>Ctrl as the keyboard labels it (German: Strg)</extracomment>
        <translation>Ctrl ou teclado numérico 5</translation>
    </message>
    <message>
        <source>Rotate up:</source>
        <extracomment>Cycles the falling trio&apos;s jewels: the top one goes to the bottom</extracomment>
        <translation>Girar para cima:</translation>
    </message>
    <message>
        <source>Shift or numpad 8</source>
        <extracomment>Shift as the keyboard labels it</extracomment>
        <translation>Shift ou teclado numérico 8</translation>
    </message>
    <message>
        <source>Start new game:</source>
        <translation>Novo jogo:</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The space bar, as the keyboard labels it</extracomment>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Pause:</source>
        <translation>Pausa:</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>The Pause key, as the keyboard labels it</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End game:</source>
        <translation>Terminar jogo:</translation>
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
        <translation>Vitória!</translation>
    </message>
    <message>
        <source>You placed #%1 with your score of %2.</source>
        <translation>Com %2 pontos, você ficou em %1º lugar.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Show next  block</source>
        <translation>Mostrar o próximo trio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starting height:</source>
        <translation>Altura inicial:</translation>
    </message>
    <message>
        <source>Jewels to level up:</source>
        <translation>Joias por nível:</translation>
    </message>
    <message>
        <source>Game speed:</source>
        <translation>Velocidade:</translation>
    </message>
</context>
</TS>
