<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Le carte non sono ancora state distribuite. Per distribuirle, premi il pulsante Nuova partita o scegli Nuova partita nel menu File.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>La carta %1 è ancora selezionata.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Nessuna carta è selezionata.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Ora in cima alla pila laterale %1 c&apos;è la carta %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>Ora la pila laterale %1 è vuota.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>La carta %1 è stata spostata sulla carta %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>La carta %1 è stata spostata sulla pila laterale %2, che era vuota.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>La carta %1 è stata spostata sulla pila centrale di %2.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>sulla sua pila centrale</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>sulla carta %1 della pila laterale %2</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>sulla pila laterale %1 (vuota)</translation>
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
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Carta selezionata</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Crediti</translation>
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
        <translation>&amp;Autore</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licenza</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Leggi le carte</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Dove può andare</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Non è ancora stato detto nulla.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 di fiori</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 di cuori</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 di quadri</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 di picche</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Pila centrale di %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Pila centrale di %1: vuota</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Pila laterale %1: vuota</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Pila laterale %1: %2 in cima, %n carta</numerusform>
            <numerusform>Pila laterale %1: %2 in cima, %n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, selezionata</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Carta selezionata: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Carta selezionata: nessuna</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, carta in cima</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Carta selezionata: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>La pila centrale di %1 non accetta la carta %2. Nessuna carta è selezionata.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>La carta %1 non è più selezionata.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Carte distribuite per una nuova partita.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Pila centrale di %1: %2 in cima.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>La pila laterale %1 è vuota.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 in cima</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Pila laterale %1, %n carta: %2.</numerusform>
            <numerusform>Pila laterale %1, %n carte partendo dal basso: %2.</numerusform>
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
        <translation>Qui non c&apos;è nessuna carta da spostare.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>La carta %1 può andare %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>La carta %1 non può andare da nessuna parte.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>Se fosse selezionata, la carta %1 potrebbe andare %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>Anche se fosse selezionata, la carta %1 non potrebbe andare da nessuna parte.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione «%1» richiede un valore</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (vedi «ketterline --help»)</translation>
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
        <translation>Uso: ketterline [opzioni]
Ketterline, un solitario di carte per un giocatore,
da giocare con il mouse o con la tastiera.

Opzioni:
  -h, --help          mostra questo aiuto ed esce
  -v, --version       mostra la versione ed esce

Funzionano anche le opzioni di Qt, tra cui:
  -platform NOME      il sistema grafico: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    il display X su cui aprire la finestra, anziché $DISPLAY
  -style NOME         l&apos;aspetto dei controlli, per esempio Fusion
  -geometry LxA+X+Y   dimensioni e posizione della prima finestra (X11)
  -reverse            dispone le finestre da destra a sinistra

La finestra si apre sul display indicato da WAYLAND_DISPLAY o DISPLAY.
Codice di uscita: 0 se la partita termina normalmente, 1 se non si può aprire
nessun display, 2 se la riga di comando è errata.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>gli autori di Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>, poi </translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logo di Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Lo scopo del gioco è impilare tutte le carte dello stesso seme in ordine crescente nei quattro spazi al centro del tavolo. Per spostare una carta, selezionala prima con un clic (apparirà come carta selezionata), poi fai clic sulla carta su cui vuoi spostarla. Puoi spostare una carta solo se è una delle 8 carte in cima alle pile laterali.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Una carta si può spostare solo in due modi. Primo, su una delle quattro pile centrali, se è dello stesso seme e ha il valore immediatamente superiore a quello della carta in cima alla pila. Secondo, su una delle otto pile laterali, se ha il valore immediatamente inferiore a quello della carta in cima alla pila, o se la pila è vuota.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Informazioni su Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Icona di Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Se hai commenti o idee su questo programma, inviali a %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>Crediti: %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline versione %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Informazioni su Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Oppure ti invieremo l&apos;URL attuale della home page di Dravonne Software se scrivi un&apos;e-mail a:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Per saperne di più su Dravonne Software e sugli altri programmi di Dravonne Software puoi visitare il nostro sito web, raggiungibile dall&apos;indirizzo: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Informazioni sull&apos;autore</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Per saperne di più sull&apos;autore puoi visitare il sito web:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>Il contratto di licenza attuale e le informazioni di registrazione si trovano nella home page di Dravonne Software (apri il menu %1)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Congratulazioni, hai vinto!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Peccato, la partita è finita</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Timer della sequenza</translation>
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
        <translation>scegli un&apos;altra piattaforma con -platform o QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>non è impostato nessun display (le variabili DISPLAY e WAYLAND_DISPLAY sono vuote)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>avvia ketterline da una sessione desktop, oppure imposta DISPLAY su un server X in esecuzione (per esempio DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>la variabile DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>imposta DISPLAY su un server X in esecuzione (per esempio DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>il display X «%1» non risponde</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>controlla che il server X sia in esecuzione e ti consenta l&apos;accesso, oppure imposta DISPLAY su un altro display</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>controlla che il server X sia in esecuzione e ti consenta l&apos;accesso, oppure indica un altro display con -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>il display Wayland «%1» non risponde</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>controlla che il compositor Wayland sia in esecuzione, oppure imposta WAYLAND_DISPLAY sul suo socket</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>il plugin di piattaforma Qt «%1» non è installato</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>installa il pacchetto %1, oppure scegli un&apos;altra piattaforma con -platform o QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>la piattaforma Qt «%1» non si è avviata</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: impossibile aprire una finestra: %1; %2</translation>
    </message>
</context>
</TS>
