<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ketterline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dravonne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the names of the places, and after the last, when the board is read out.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no card here to move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
