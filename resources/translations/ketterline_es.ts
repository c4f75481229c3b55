<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Todavía no se han repartido las cartas. Para repartir, pulsa el botón Nueva partida o elige Nueva partida en el menú Archivo.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>Carta todavía seleccionada: %1.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>No hay ninguna carta seleccionada.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Nueva carta superior de la pila lateral %1: %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>La pila lateral %1 está ahora vacía.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Jugada: %1 sobre %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>Jugada: %1 a la pila lateral %2 (vacía).</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>Jugada: %1 a la pila central de %2.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>a su pila central</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>a la pila lateral %2 (sobre %1)</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>a la pila lateral %1 (vacía)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 o %2</translation>
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
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Carta seleccionada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
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
        <translation>&amp;Licencia</translation>
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
        <translation>Leer las cartas</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>¿Adónde puede ir?</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Todavía no se ha dicho nada.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
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
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 de tréboles</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 de corazones</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 de diamantes</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 de picas</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Pila central de %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Pila central de %1: vacía</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Pila lateral %1: vacía</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Pila lateral %1: %2 arriba, %n carta</numerusform>
            <numerusform>Pila lateral %1: %2 arriba, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, seleccionada</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Carta seleccionada: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Carta seleccionada: ninguna</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, carta superior</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Carta seleccionada: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>La pila central de %1 no admite esa carta: %2. No hay ninguna carta seleccionada.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>Selección anulada: %1.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Nueva partida: cartas repartidas.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Pila central de %1: %2 arriba.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>La pila lateral %1 está vacía.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 arriba</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Pila lateral %1, %n carta: %2.</numerusform>
            <numerusform>Pila lateral %1, %n cartas de abajo arriba: %2.</numerusform>
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
        <translation>Aquí no hay ninguna carta que mover.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1: puede ir %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1: no puede ir a ninguna parte.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>%1: si se seleccionara, podría ir %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>%1: si se seleccionara, no podría ir a ninguna parte.</translation>
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
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (consulta &apos;ketterline --help&apos;)</translation>
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
        <translation>Uso: ketterline [opciones]
Ketterline, un solitario de cartas para un jugador,
que se juega con el ratón o con el teclado.

Opciones:
  -h, --help          muestra esta ayuda y termina
  -v, --version       muestra la versión y termina

También sirven las opciones de Qt, entre ellas:
  -platform NOMBRE    sistema de ventanas: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    pantalla X donde abrir la ventana, en vez de $DISPLAY
  -style NOMBRE       aspecto de los controles, por ejemplo Fusion
  -geometry WxH+X+Y   tamaño y posición de la primera ventana (X11)
  -reverse            dispone las ventanas de derecha a izquierda

La ventana se abre en la pantalla indicada por WAYLAND_DISPLAY o DISPLAY.
Estado de salida: 0 si la partida termina con normalidad, 1 si no se puede
abrir ninguna pantalla, 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>los autores de Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>, luego </translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logotipo de Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>El objetivo del juego es apilar todas las cartas del mismo palo en orden ascendente en los cuatro huecos del centro de la mesa. Para mover una carta, primero selecciónala haciendo clic en ella (aparecerá como carta seleccionada) y luego haz clic en la carta a la que quieras moverla. Solo puedes mover una carta si es una de las 8 cartas superiores de las pilas laterales.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Una carta solo se puede mover de dos formas. Primero, a una de las cuatro pilas centrales, si es del mismo palo y su valor es uno más que el de la carta que hay en la pila. Segundo, a una de las ocho pilas laterales, si su valor es uno menos que el de la carta superior de la pila, o si la pila está vacía.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Acerca de Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Icono de Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Si tienes comentarios o ideas sobre este programa, envíalos a %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>por %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline versión %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Acerca de Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> O bien, te enviaremos la URL actual de la página de Dravonne Software si escribes un correo a:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Para saber más sobre Dravonne Software y sobre otros programas de Dravonne Software, puedes visitar nuestro sitio web. Se puede llegar a él desde el sitio: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Acerca del autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Para saber más sobre el autor, puedes visitar el sitio web:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>El acuerdo de licencia vigente y la información de registro están disponibles en la página principal de Dravonne Software (abre el menú %1)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>¡Felicidades, has ganado!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Lo siento, has perdido</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Temporizador de secuencia</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>elige otra plataforma con -platform o QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>no hay ninguna pantalla definida (DISPLAY y WAYLAND_DISPLAY están vacías)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>inicia ketterline desde una sesión de escritorio o asigna a DISPLAY un servidor X en marcha (por ejemplo, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>asigna a DISPLAY un servidor X en marcha (por ejemplo, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>la pantalla X &quot;%1&quot; no responde</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>comprueba que el servidor X está en marcha y te deja conectarte, o asigna otra pantalla a DISPLAY</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>comprueba que el servidor X está en marcha y te deja conectarte, o indica otra pantalla con -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>la pantalla Wayland &quot;%1&quot; no responde</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>comprueba que el compositor Wayland está en marcha o asigna su socket a WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>el complemento de plataforma de Qt &quot;%1&quot; no está instalado</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>instala el paquete %1 o elige otra plataforma con -platform o QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>la plataforma de Qt &quot;%1&quot; no se ha iniciado</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: no se puede abrir la ventana: %1; %2</translation>
    </message>
</context>
</TS>
