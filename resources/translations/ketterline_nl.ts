<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Er zijn nog geen kaarten gedeeld. Druk op ‘Nieuw’ of kies ‘Nieuw spel’ in het menu ‘Bestand’ om de kaarten te delen.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>%1 is nog steeds geselecteerd.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Er is niets geselecteerd.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Bovenop zijstapel %1 ligt nu %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>Zijstapel %1 is nu leeg.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1 is op %2 gelegd.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>%1 is op de lege zijstapel %2 gelegd.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>%1 is op de middenstapel %2 gelegd.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>op de bijbehorende middenstapel</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>op %1 van zijstapel %2</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>op de lege zijstapel %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Geselecteerde kaart</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
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
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licentie</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Stapels</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Kaarten voorlezen</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Waar kan de kaart heen</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Er is nog niets gezegd.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>king</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>klaveren %1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>harten %1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>ruiten %1</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>schoppen %1</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Middenstapel %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Middenstapel %1: leeg</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Zijstapel %1: leeg</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Zijstapel %1: %2 bovenop, %n kaart</numerusform>
            <numerusform>Zijstapel %1: %2 bovenop, %n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, geselecteerd</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Geselecteerde kaart: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Geselecteerde kaart: geen</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, bovenste kaart</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>%1 is geselecteerd.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Op de middenstapel %1 past %2 niet. Er is niets geselecteerd.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>%1 is niet meer geselecteerd.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Kaarten gedeeld voor een nieuw spel.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Middenstapel %1: %2 bovenop.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>Zijstapel %1 is leeg.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 bovenop</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Zijstapel %1, %n kaart: %2.</numerusform>
            <numerusform>Zijstapel %1, %n kaarten van onder naar boven: %2.</numerusform>
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
        <translation>Hier ligt geen kaart die je kunt verplaatsen.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1 kan %2 worden gelegd.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1 kan nergens worden gelegd.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>Als je %1 selecteert, kan de kaart %2 worden gelegd.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>Als je %1 selecteert, kan de kaart nergens worden gelegd.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (zie &apos;ketterline --help&apos;)</translation>
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
        <translation>Gebruik: ketterline [opties]
Ketterline, een patiencespel voor één speler,
te spelen met de muis of het toetsenbord.

Opties:
  -h, --help          deze hulp tonen en afsluiten
  -v, --version       de versie tonen en afsluiten

Ook de opties van Qt werken, waaronder:
  -platform NAAM      het venstersysteem: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    het X-display voor het venster, in plaats van $DISPLAY
  -style NAAM         het uiterlijk van de bedieningselementen, bijvoorbeeld Fusion
  -geometry WxH+X+Y   de grootte en plaats van het eerste venster (X11)
  -reverse            de vensters van rechts naar links indelen

Het venster opent op het display dat WAYLAND_DISPLAY of DISPLAY noemt.
Afsluitstatus: 0 als het spel normaal eindigt, 1 als er geen display kan
worden geopend, 2 bij een verkeerde opdrachtregel.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>de auteurs van Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>’, dan ‘</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logo van Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Het doel van het spel is alle kaarten van dezelfde kleur in oplopende volgorde te stapelen op de vier plaatsen in het midden van het speelveld. Om een kaart te verplaatsen, klik je er eerst op om haar te selecteren (ze verschijnt dan als geselecteerde kaart) en klik je daarna op de kaart waarop je haar wilt leggen. Alleen de 8 bovenste kaarten van de zijstapels kun je verplaatsen.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Een kaart kan maar op twee manieren worden verplaatst. Ten eerste naar een van de vier middenstapels, als ze van dezelfde kleur is en haar waarde één hoger is dan die van de kaart die daar bovenop ligt. Ten tweede naar een van de acht zijstapels, als haar waarde één lager is dan die van de bovenste kaart van die stapel, of als de stapel leeg is.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Over Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ketterline-pictogram</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Als je opmerkingen of ideeën over dit programma hebt, stuur ze dan naar %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>door %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline versie %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Over Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Of we sturen je het huidige adres van de homepage van Dravonne Software als je een e-mail stuurt naar:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Meer over Dravonne Software en over andere programma&apos;s van Dravonne Software lees je op onze website. Onze website is te bereiken via de website: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Over de auteur</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Meer over de auteur lees je op de website:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>De huidige licentieovereenkomst en informatie over registratie vind je op de homepage van Dravonne Software (kies in het menu ‘%1’)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Gefeliciteerd, je hebt gewonnen!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Helaas, spel voorbij</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Reekstimer</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation> en </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>kies een ander platform met -platform of QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>er is geen display ingesteld (DISPLAY en WAYLAND_DISPLAY zijn leeg)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>start ketterline vanuit een desktopsessie, of stel DISPLAY in op een draaiende X-server (bijvoorbeeld DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>stel DISPLAY in op een draaiende X-server (bijvoorbeeld DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>het X-display &quot;%1&quot; reageert niet</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>controleer of de X-server draait en je toelaat, of stel DISPLAY in op een ander display</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>controleer of de X-server draait en je toelaat, of geef met -display een ander display op</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>het Wayland-display &quot;%1&quot; reageert niet</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>controleer of de Wayland-compositor draait, of stel WAYLAND_DISPLAY in op zijn socket</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>de Qt-platformplug-in &quot;%1&quot; is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>installeer het pakket %1, of kies een ander platform met -platform of QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>het Qt-platform &quot;%1&quot; is niet gestart</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: kan geen venster openen: %1; %2</translation>
    </message>
</context>
</TS>
