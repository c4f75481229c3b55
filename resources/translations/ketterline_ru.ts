<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Карты ещё не розданы. Чтобы раздать их, нажмите кнопку «Новая игра» или выберите пункт «Новая игра» в меню «Файл».</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>По-прежнему выбрана карта: %1.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Ни одна карта не выбрана.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>Сверху на боковой стопке %1 теперь %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>Боковая стопка %1 теперь пуста.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Переложена карта: %1, под ней — %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>На пустую боковую стопку %2 переложена карта: %1.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>На центральную стопку «%2» переложена карта: %1.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>на свою центральную стопку</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>на боковую стопку %2 (сверху %1)</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>на пустую боковую стопку %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Выбранная карта</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Сведения</translation>
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
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Лицензия</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Места</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Прочитать карты</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Куда может пойти карта</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Пока ничего не сказано.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>трефы</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>черви</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубны</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пики</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>семёрка</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>восьмёрка</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>девятка</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 треф</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 червей</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 бубён</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 пик</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Центральная стопка, %1: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Центральная стопка, %1: пуста</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Боковая стопка %1: пуста</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Боковая стопка %1: сверху %2, %n карта</numerusform>
            <numerusform>Боковая стопка %1: сверху %2, %n карты</numerusform>
            <numerusform>Боковая стопка %1: сверху %2, %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, карта выбрана</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Выбранная карта: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Выбранная карта: нет</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, верхняя карта</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Выбрана карта: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>Центральная стопка «%1» не принимает карту: %2. Ни одна карта не выбрана.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>Выбор карты отменён: %1.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Карты для новой игры розданы.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Центральная стопка, %1: сверху %2.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>Боковая стопка %1 пуста.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 сверху</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Боковая стопка %1, %n карта, снизу вверх: %2.</numerusform>
            <numerusform>Боковая стопка %1, %n карты, снизу вверх: %2.</numerusform>
            <numerusform>Боковая стопка %1, %n карт, снизу вверх: %2.</numerusform>
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
        <translation>Здесь нет карты, которую можно переложить.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1 может пойти %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1 никуда не может пойти.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>%1: если выбрать эту карту, она сможет пойти %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>%1: если выбрать эту карту, ей некуда будет пойти.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>для параметра «%1» нужно значение</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1 (подробнее: «ketterline --help»)</translation>
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
        <translation>Использование: ketterline [параметры]
Ketterline — пасьянс для одного игрока,
в который играют мышью или с клавиатуры.

Параметры:
  -h, --help          показать эту справку и выйти
  -v, --version       показать версию и выйти

Работают и параметры Qt, в том числе:
  -platform ИМЯ       оконная система: xcb (X11), wayland, offscreen, ...
  -display ДИСПЛЕЙ    дисплей X, на котором открыть окно, вместо $DISPLAY
  -style ИМЯ          вид элементов управления, например Fusion
  -geometry WxH+X+Y   размер и положение первого окна (X11)
  -reverse            располагать окна справа налево

Окно открывается на дисплее, заданном в WAYLAND_DISPLAY или DISPLAY.
Код выхода: 0 — игра завершилась как обычно, 1 — не удалось открыть
дисплей, 2 — неверная командная строка.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>авторы Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>», затем «</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Логотип Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Цель игры — собрать все карты каждой масти по возрастанию на четырёх местах в середине поля. Чтобы переложить карту, сначала выберите её щелчком (она появится как выбранная карта), а затем щёлкните карту, на которую хотите её положить. Перекладывать можно только 8 верхних карт боковых стопок.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Карту можно переложить только двумя способами. Во-первых, на одну из четырёх центральных стопок, если она той же масти и на единицу старше карты, лежащей на этой стопке. Во-вторых, на одну из восьми боковых стопок, если она на единицу младше верхней карты этой стопки или если стопка пуста.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>О программе Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Значок Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Замечания и мысли об этой программе присылайте, пожалуйста, на адрес %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>Разработка: %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline, версия %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>О компании Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Или мы пришлём вам текущий адрес домашней страницы Dravonne Software, если вы напишете по адресу:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Чтобы узнать больше о Dravonne Software и о других программах Dravonne Software, посетите наш сайт. На него можно попасть с сайта: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Об авторе</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Узнать об авторе можно на сайте:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>Действующее лицензионное соглашение и сведения о регистрации есть на домашней странице Dravonne Software (выберите в меню «%1»)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Поздравляем, вы победили!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Увы, игра окончена</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Таймер серии</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation>, и </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>выберите другую платформу с помощью -platform или QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>дисплей не задан (DISPLAY и WAYLAND_DISPLAY пусты)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>запустите ketterline из сеанса рабочего стола или укажите в DISPLAY работающий X-сервер (например, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задан</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>укажите в DISPLAY работающий X-сервер (например, DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>дисплей X «%1» не отвечает</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>проверьте, что X-сервер запущен и разрешает подключение, или укажите в DISPLAY другой дисплей</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>проверьте, что X-сервер запущен и разрешает подключение, или укажите другой дисплей в -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>дисплей Wayland «%1» не отвечает</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>проверьте, что композитор Wayland запущен, или укажите в WAYLAND_DISPLAY его сокет</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>плагин платформы Qt «%1» не установлен</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>установите пакет %1 или выберите другую платформу с помощью -platform или QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>платформа Qt «%1» не запустилась</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: не удалось открыть окно: %1; %2</translation>
    </message>
</context>
</TS>
