<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>还没有发牌。要发牌，请按“新游戏”按钮，或在“文件”菜单中选择“新游戏”。</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>%1仍处于选中状态。</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>没有选中任何牌。</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>侧牌堆%1最上面现在是%2。</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>侧牌堆%1现在空了。</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1已放到%2上。</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>%1已放到空的侧牌堆%2。</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>%1已放回%2中央牌堆。</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>放回同花色的中央牌堆</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>放到侧牌堆%2的%1上</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>放到空的侧牌堆%1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>选中的牌</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
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
        <translation>作者(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>许可(&amp;L)</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>牌</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>读出这叠牌</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>这张牌能放到哪里</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>还没有播报任何内容。</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>king</source>
        <translation>K</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>梅花%1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>红桃%1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>方块%1</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>黑桃%1</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>%1中央牌堆：%2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>%1中央牌堆：空</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>侧牌堆%1：空</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>侧牌堆%1：最上面是%2，共%n张牌</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1，已选中</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>选中的牌：%1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>选中的牌：无</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1，最上面的牌</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>已选中%1。</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1中央牌堆不接受%2。没有选中任何牌。</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>已取消选中%1。</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>已为新游戏发牌。</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>%1中央牌堆：最上面是%2。</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>侧牌堆%1是空的。</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1（最上面）</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>侧牌堆%1（共%n张牌）：%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the names of the places, and after the last, when the board is read out.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message>
        <source>There is no card here to move.</source>
        <translation>这里没有可以移动的牌。</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1可以%2。</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1无处可放。</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>如果选中%1，它可以%2。</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>即使选中%1，它也无处可放。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>选项“%1”需要一个值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知的选项“%1”</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1（请参阅“ketterline --help”）</translation>
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
        <translation>用法：ketterline [选项]
Ketterline，一款单人玩的纸牌接龙游戏，
可以用鼠标或键盘来玩。

选项：
  -h, --help          显示本帮助并退出
  -v, --version       显示版本并退出

Qt 的选项同样可用，其中包括：
  -platform 名称      窗口系统：xcb (X11)、wayland、offscreen 等
  -display 显示       在哪个 X 显示上打开窗口，取代 $DISPLAY
  -style 名称         控件的外观，例如 Fusion
  -geometry WxH+X+Y   第一个窗口的大小和位置（X11）
  -reverse            从右到左排列窗口

窗口在 WAYLAND_DISPLAY 或 DISPLAY 指定的显示上打开。
退出状态：游戏正常结束时为 0，无法打开显示时为 1，
命令行有误时为 2。
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>Ketterline 开发者</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>”、“</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Dravonne Software 标志</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>游戏的目标是把同一花色的所有牌按从小到大的顺序叠放在牌桌中间的四个位置上。要移动一张牌，先单击它将其选中（它随后会显示为选中的牌），再单击要把它放上去的那张牌。只有侧牌堆最上面的8张牌可以移动。</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>一张牌只有两种移动方式。第一，如果它与四个中央牌堆之一上的牌花色相同，且点数正好大一，就可以放到这个中央牌堆上。第二，如果它的点数比八个侧牌堆之一最上面的牌正好小一，或者这个侧牌堆是空的，就可以放到这个侧牌堆上。</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>关于 Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ketterline 图标</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>如果你对本程序有任何意见或想法，请发送至 %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline 版本 %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>关于 Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> 或者，只要你发送电子邮件到以下地址，我们就会把 Dravonne Software 主页的当前网址发给你：</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>要进一步了解 Dravonne Software 及其出品的其他程序，欢迎访问我们的网站。从以下网站可以进入我们的网站：</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>关于作者</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>要了解作者，可以访问以下网站：</translation>
    </message>
    <message>
        <source>License</source>
        <translation>许可</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>当前的许可协议和注册信息可以在 Dravonne Software 主页上找到（请依次选择菜单“%1”）</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>恭喜，你赢了！</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>很遗憾，游戏结束</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>连续计时器</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation>，而且</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>请用 -platform 或 QT_QPA_PLATFORM 选择其他平台</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>没有设置显示（DISPLAY 和 WAYLAND_DISPLAY 都是空的）</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>请在桌面会话中启动 ketterline，或把 DISPLAY 设为正在运行的 X 服务器（例如 DISPLAY=:0）</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>没有设置 DISPLAY</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>请把 DISPLAY 设为正在运行的 X 服务器（例如 DISPLAY=:0）</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>X 显示“%1”没有响应</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>请检查 X 服务器是否正在运行并允许你连接，或把 DISPLAY 设为另一个显示</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>请检查 X 服务器是否正在运行并允许你连接，或用 -display 指定另一个显示</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>Wayland 显示“%1”没有响应</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>请检查 Wayland 合成器是否正在运行，或把 WAYLAND_DISPLAY 设为它的套接字</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>没有安装 Qt 平台插件“%1”</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>请安装软件包 %1，或用 -platform 或 QT_QPA_PLATFORM 选择其他平台</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>Qt 平台“%1”没能启动</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: 无法打开窗口：%1；%2</translation>
    </message>
</context>
</TS>
