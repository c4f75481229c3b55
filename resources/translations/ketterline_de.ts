<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Es wurden noch keine Karten ausgeteilt. Drücken Sie zum Austeilen „Neu“ oder wählen Sie im Menü „Datei“ den Eintrag „Neues Spiel“.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>%1 ist weiterhin ausgewählt.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Es ist nichts ausgewählt.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Oben auf Seitenstapel %1 liegt jetzt %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>Seitenstapel %1 ist jetzt leer.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1 auf %2 gelegt.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>%1 auf den leeren Seitenstapel %2 gelegt.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>%1 auf den Mittelstapel %2 gelegt.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>auf den passenden Mittelstapel</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>auf %1 oben auf Seitenstapel %2</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>auf den leeren Seitenstapel %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Ausgewählte Karte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
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
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Karten vorlesen</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Wohin passt die Karte</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Es wurde noch nichts gesagt.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>Kreuz-%1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>Herz-%1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>Karo-%1</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>Pik-%1</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Mittelstapel %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Mittelstapel %1: leer</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Seitenstapel %1: leer</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Seitenstapel %1: %2 oben, %n Karte</numerusform>
            <numerusform>Seitenstapel %1: %2 oben, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Ausgewählte Karte: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Ausgewählte Karte: keine</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, oberste Karte</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Ausgewählt: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%2 passt nicht auf den Mittelstapel %1. Es ist nichts ausgewählt.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>%1 ist nicht mehr ausgewählt.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Karten für ein neues Spiel ausgeteilt.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Mittelstapel %1: %2 oben.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>Seitenstapel %1 ist leer.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 oben</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Seitenstapel %1, %n Karte: %2.</numerusform>
            <numerusform>Seitenstapel %1, %n Karten von unten nach oben: %2.</numerusform>
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
        <translation>Hier liegt keine Karte, die sich bewegen lässt.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1 kann %2 gelegt werden.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1 kann nirgendwohin gelegt werden.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>Wäre %1 ausgewählt, könnte die Karte %2 gelegt werden.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>Wäre %1 ausgewählt, könnte die Karte nirgendwohin gelegt werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (siehe &apos;ketterline --help&apos;)</translation>
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
        <translation>Aufruf: ketterline [Optionen]
Ketterline, ein Patience-Kartenspiel für einen Spieler,
gespielt mit der Maus oder der Tastatur.

Optionen:
  -h, --help          diese Hilfe zeigen und beenden
  -v, --version       die Version zeigen und beenden

Auch die Optionen von Qt funktionieren, darunter:
  -platform NAME      das Fenstersystem: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    das X-Display für das Fenster, statt $DISPLAY
  -style NAME         das Aussehen der Bedienelemente, zum Beispiel Fusion
  -geometry WxH+X+Y   Größe und Lage des ersten Fensters (X11)
  -reverse            die Fenster von rechts nach links anordnen

Das Fenster öffnet sich auf dem Display aus WAYLAND_DISPLAY oder DISPLAY.
Exit-Status: 0, wenn das Spiel normal endet, 1, wenn sich kein Display öffnen
lässt, 2 bei einer falschen Befehlszeile.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>die Ketterline-Autoren</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>“, dann „</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logo von Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Ziel des Spiels ist es, alle Karten einer Farbe in aufsteigender Reihenfolge auf den vier Plätzen in der Mitte des Spielfelds zu stapeln. Um eine Karte zu bewegen, wählen Sie sie zuerst mit einem Klick aus (sie erscheint dann als ausgewählte Karte) und klicken dann auf die Karte, auf die sie gelegt werden soll. Bewegen lässt sich nur eine der 8 obersten Karten der Seitenstapel.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Eine Karte kann nur auf zwei Arten bewegt werden. Erstens auf einen der vier Mittelstapel, wenn sie dieselbe Farbe hat und ihr Wert um eins höher ist als der der Karte, die dort oben liegt. Zweitens auf einen der acht Seitenstapel, wenn ihr Wert um eins niedriger ist als der der obersten Karte des Stapels oder wenn der Stapel leer ist.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Über Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ketterline-Symbol</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Anmerkungen und Ideen zu diesem Programm schicken Sie bitte an %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>Urheber: %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline Version %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Über Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Oder wir schicken Ihnen die aktuelle URL der Homepage von Dravonne Software, wenn Sie eine E-Mail senden an:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Mehr über Dravonne Software und über andere Programme von Dravonne Software erfahren Sie auf unserer Website. Unsere Website erreichen Sie über die Website: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Über den Autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Mehr über den Autor erfahren Sie auf der Website:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>Die aktuelle Lizenzvereinbarung und Informationen zur Registrierung finden Sie auf der Homepage von Dravonne Software (im Menü „%1“)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Glückwunsch, Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Schade, Spiel vorbei</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Ablauf-Timer</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>wählen Sie mit -platform oder QT_QPA_PLATFORM eine andere Plattform</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>es ist kein Display gesetzt (DISPLAY und WAYLAND_DISPLAY sind leer)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>starten Sie ketterline aus einer Desktop-Sitzung oder setzen Sie DISPLAY auf einen laufenden X-Server (zum Beispiel DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>setzen Sie DISPLAY auf einen laufenden X-Server (zum Beispiel DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>das X-Display „%1“ antwortet nicht</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>prüfen Sie, ob der X-Server läuft und Sie zulässt, oder setzen Sie DISPLAY auf ein anderes Display</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>prüfen Sie, ob der X-Server läuft und Sie zulässt, oder geben Sie mit -display ein anderes Display an</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>das Wayland-Display „%1“ antwortet nicht</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>prüfen Sie, ob der Wayland-Compositor läuft, oder setzen Sie WAYLAND_DISPLAY auf seinen Socket</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>das Qt-Plattform-Plugin „%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>installieren Sie das Paket %1 oder wählen Sie mit -platform oder QT_QPA_PLATFORM eine andere Plattform</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>die Qt-Plattform „%1“ ist nicht gestartet</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: kann kein Fenster öffnen: %1; %2</translation>
    </message>
</context>
</TS>
