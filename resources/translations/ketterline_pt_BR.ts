<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>As cartas ainda não foram distribuídas. Para distribuir, pressione Novo ou escolha Novo jogo no menu Arquivo.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>Carta ainda selecionada: %1.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Nenhuma carta selecionada.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Nova carta do topo da pilha lateral %1: %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>A pilha lateral %1 agora está vazia.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Jogada: %1 sobre %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>Jogada: %1 para a pilha lateral %2 (vazia).</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>Jogada: %1 para a pilha central de %2.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>para sua pilha central</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>para a pilha lateral %2 (sobre %1)</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>para a pilha lateral %1 (vazia)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Carta selecionada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informações</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Ketterline</source>
        <translation>&amp;Ketterline</translation>
    </message>
    <message>
        <source>&amp;Dravonne</source>
        <translation>&amp;Dravonne</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licença</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Ler as cartas</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Para onde pode ir?</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Nada foi dito ainda.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 de paus</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 de copas</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 de ouros</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 de espadas</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Pilha central de %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Pilha central de %1: vazia</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Pilha lateral %1: vazia</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Pilha lateral %1: %2 no topo, %n carta</numerusform>
            <numerusform>Pilha lateral %1: %2 no topo, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, selecionada</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Carta selecionada: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Carta selecionada: nenhuma</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, carta do topo</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Carta selecionada: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>A pilha central de %1 não aceita essa carta: %2. Nenhuma carta selecionada.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>Seleção cancelada: %1.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Novo jogo: cartas distribuídas.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Pilha central de %1: %2 no topo.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>A pilha lateral %1 está vazia.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 no topo</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Pilha lateral %1, %n carta: %2.</numerusform>
            <numerusform>Pilha lateral %1, %n cartas de baixo para cima: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the names of the places, and after the last, when the board is read out.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>There is no card here to move.</source>
        <translation>Não há nenhuma carta aqui para mover.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1: pode ir %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1: não pode ir para lugar nenhum.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>%1: se esta carta for selecionada, poderá ir %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>%1: se esta carta for selecionada, não poderá ir para lugar nenhum.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção &apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (veja &apos;ketterline --help&apos;)</translation>
    </message>
    <message>
        <source>Usage: ketterline [options]
Ketterline, a patience card game for one player,
played with the mouse or the keyboard.

Options:
  -h, --help          show this help and exit
  -v, --version       show the version and exit

Qt&apos;s options work as well, among them:
  -platform NAME      the window system: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    the X display to open the window on, instead of $DISPLAY
  -style NAME         the look of the controls, for example Fusion
  -geometry WxH+X+Y   the size and place of the first window (X11)
  -reverse            lay the windows out from right to left

The window opens on the display named by WAYLAND_DISPLAY or DISPLAY.
Exit status: 0 when the game ends normally, 1 when no display can be opened,
2 for a wrong command line.
</source>
        <translation>Uso: ketterline [opções]
Ketterline, um jogo de paciência para um jogador,
jogado com o mouse ou com o teclado.

Opções:
  -h, --help          mostra esta ajuda e sai
  -v, --version       mostra a versão e sai

As opções do Qt também funcionam, entre elas:
  -platform NOME      sistema de janelas: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    tela X na qual abrir a janela, em vez de $DISPLAY
  -style NOME         aparência dos controles, por exemplo Fusion
  -geometry WxH+X+Y   tamanho e posição da primeira janela (X11)
  -reverse            dispõe as janelas da direita para a esquerda

A janela abre na tela indicada por WAYLAND_DISPLAY ou DISPLAY.
Status de saída: 0 quando o jogo termina normalmente, 1 quando nenhuma tela
pode ser aberta, 2 para uma linha de comando errada.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>os autores do Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>, depois </translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logotipo da Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>O objetivo do jogo é empilhar todas as cartas do mesmo naipe em ordem crescente nos quatro espaços no centro da mesa. Para mover uma carta, primeiro selecione-a clicando nela (ela aparecerá como a carta selecionada) e depois clique na carta para onde quer movê-la. Só é possível mover uma carta se ela for uma das 8 cartas do topo das pilhas laterais.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Uma carta só pode ser movida de duas maneiras. Primeiro, para uma das quatro pilhas centrais, se for do mesmo naipe e seu valor for um a mais que o da carta que está na pilha. Segundo, para uma das oito pilhas laterais, se seu valor for um a menos que o da carta do topo da pilha, ou se a pilha estiver vazia.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Sobre o Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ícone do Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Se você tiver comentários ou ideias sobre este programa, envie-os para %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>Autoria: %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline versão %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Sobre a Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Ou enviaremos a URL atual da página da Dravonne Software se você mandar um e-mail para:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Para saber mais sobre a Dravonne Software e sobre outros programas feitos pela Dravonne Software, visite nosso site. Nosso site pode ser acessado a partir do site: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Sobre o autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Para saber mais sobre o autor, visite o site:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>O contrato de licença atual e as informações de registro estão disponíveis na página inicial da Dravonne Software (abra o menu %1)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Parabéns, você venceu!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Que pena, fim de jogo</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Temporizador de sequência</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>escolha outra plataforma com -platform ou QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>nenhuma tela foi definida (DISPLAY e WAYLAND_DISPLAY estão vazias)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>inicie o ketterline a partir de uma sessão gráfica ou defina DISPLAY como um servidor X em execução (por exemplo, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>defina DISPLAY como um servidor X em execução (por exemplo, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>a tela X &quot;%1&quot; não responde</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>verifique se o servidor X está em execução e aceita sua conexão, ou defina DISPLAY como outra tela</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>verifique se o servidor X está em execução e aceita sua conexão, ou indique outra tela com -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>a tela Wayland &quot;%1&quot; não responde</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>verifique se o compositor Wayland está em execução ou defina WAYLAND_DISPLAY como o socket dele</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>o plugin de plataforma do Qt &quot;%1&quot; não está instalado</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>instale o pacote %1 ou escolha outra plataforma com -platform ou QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>a plataforma do Qt &quot;%1&quot; não foi iniciada</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: não foi possível abrir a janela: %1; %2</translation>
    </message>
</context>
</TS>
