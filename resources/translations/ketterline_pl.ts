<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Nie rozdano jeszcze kart. Aby je rozdać, naciśnij przycisk „Nowa gra” albo wybierz „Nowa gra” z menu „Plik”.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>Nadal wybrana jest karta: %1.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Żadna karta nie jest wybrana.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Na wierzchu stosu bocznego %1 leży teraz %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>Stos boczny %1 jest teraz pusty.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Przeniesiono kartę: %1, pod nią leży %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>Na pusty stos boczny %2 przeniesiono kartę: %1.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>Na stos środkowy %2 przeniesiono kartę: %1.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>na swój stos środkowy</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>na stos boczny %2 (na wierzchu %1)</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>na pusty stos boczny %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Wybrana karta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Szczegóły</translation>
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
        <translation>&amp;Licencja</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Miejsca</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Odczytaj karty</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Dokąd może trafić karta</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Jeszcze nic nie zostało powiedziane.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 trefl</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 kier</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 karo</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 pik</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Stos środkowy, %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Stos środkowy, %1: pusty</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Stos boczny %1: pusty</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Stos boczny %1: na wierzchu %2, %n karta</numerusform>
            <numerusform>Stos boczny %1: na wierzchu %2, %n karty</numerusform>
            <numerusform>Stos boczny %1: na wierzchu %2, %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, karta wybrana</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Wybrana karta: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Wybrana karta: brak</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, wierzchnia karta</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Wybrano: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Stos środkowy %1 nie przyjmuje karty: %2. Żadna karta nie jest wybrana.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>Anulowano wybór karty: %1.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Rozdano karty do nowej gry.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Stos środkowy, %1: na wierzchu %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>Stos boczny %1 jest pusty.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 na wierzchu</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Stos boczny %1, %n karta: %2.</numerusform>
            <numerusform>Stos boczny %1, %n karty, od spodu: %2.</numerusform>
            <numerusform>Stos boczny %1, %n kart, od spodu: %2.</numerusform>
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
        <translation>Nie ma tu karty do przeniesienia.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1 może trafić %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1 nie może nigdzie trafić.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>%1: gdyby wybrać tę kartę, mogłaby trafić %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>%1: gdyby wybrać tę kartę, nie mogłaby nigdzie trafić.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja „%1” wymaga wartości</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (zobacz „ketterline --help”)</translation>
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
        <translation>Użycie: ketterline [opcje]
Ketterline, pasjans dla jednego gracza,
w który gra się myszą lub klawiaturą.

Opcje:
  -h, --help          wyświetl tę pomoc i zakończ
  -v, --version       wyświetl wersję i zakończ

Działają też opcje Qt, a wśród nich:
  -platform NAZWA     system okienkowy: xcb (X11), wayland, offscreen, ...
  -display EKRAN      ekran X, na którym otworzyć okno, zamiast $DISPLAY
  -style NAZWA        wygląd kontrolek, na przykład Fusion
  -geometry WxH+X+Y   rozmiar i położenie pierwszego okna (X11)
  -reverse            układ okien od prawej do lewej

Okno otwiera się na ekranie podanym w WAYLAND_DISPLAY lub DISPLAY.
Kod wyjścia: 0, gdy gra kończy się normalnie; 1, gdy nie można otworzyć
ekranu; 2 przy błędnym wierszu poleceń.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>autorzy Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>”, potem „</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logo Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Celem gry jest ułożenie wszystkich kart tego samego koloru w kolejności rosnącej na czterech polach na środku planszy. Aby przenieść kartę, najpierw wybierz ją kliknięciem (pojawi się wtedy jako wybrana karta), a potem kliknij kartę, na którą chcesz ją przenieść. Przenosić można tylko 8 wierzchnich kart stosów bocznych.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Kartę można przenieść tylko na dwa sposoby. Po pierwsze, na jeden z czterech stosów środkowych, jeśli jest tego samego koloru i ma wartość o jeden większą niż karta leżąca na tym stosie. Po drugie, na jeden z ośmiu stosów bocznych, jeśli ma wartość o jeden mniejszą niż wierzchnia karta tego stosu albo jeśli stos jest pusty.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>O programie Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ikona Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Uwagi i przemyślenia na temat tego programu prosimy przesyłać na adres %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>Opracowanie: %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline, wersja %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>O firmie Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Możemy też przesłać aktualny adres strony domowej Dravonne Software, jeśli napiszesz na adres:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Aby dowiedzieć się więcej o Dravonne Software i o innych programach Dravonne Software, odwiedź naszą witrynę. Można do niej dotrzeć z witryny: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>O autorze</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Więcej o autorze dowiesz się na stronie:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>Aktualna umowa licencyjna i informacje o rejestracji są dostępne na stronie domowej Dravonne Software (wybierz z menu „%1”)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Gratulacje! Wygrana!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Niestety, koniec gry</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Czasomierze</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Czasomierz sekwencji</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation>, a </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>wybierz inną platformę za pomocą -platform lub QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>nie ustawiono żadnego ekranu (DISPLAY i WAYLAND_DISPLAY są puste)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>uruchom ketterline w sesji pulpitu albo ustaw w DISPLAY działający serwer X (na przykład DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>nie ustawiono DISPLAY</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>ustaw w DISPLAY działający serwer X (na przykład DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>ekran X „%1” nie odpowiada</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>sprawdź, czy serwer X działa i zezwala na połączenie, albo ustaw w DISPLAY inny ekran</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>sprawdź, czy serwer X działa i zezwala na połączenie, albo podaj inny ekran w -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>ekran Wayland „%1” nie odpowiada</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>sprawdź, czy kompozytor Wayland działa, albo ustaw w WAYLAND_DISPLAY jego gniazdo</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>wtyczka platformy Qt „%1” nie jest zainstalowana</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>zainstaluj pakiet %1 albo wybierz inną platformę za pomocą -platform lub QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>platforma Qt „%1” nie uruchomiła się</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: nie można otworzyć okna: %1; %2</translation>
    </message>
</context>
</TS>
