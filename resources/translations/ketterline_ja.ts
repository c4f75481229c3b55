<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>まだカードが配られていません。配るには「新しいゲーム」ボタンを押すか、「ファイル」メニューの「新しいゲーム」を選んでください。</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>%1は選択されたままです。</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>カードは選択されていません。</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>サイドの山%1のいちばん上は%2になりました。</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>サイドの山%1は空になりました。</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1を%2の上に移しました。</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>%1を空いているサイドの山%2に移しました。</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>%1を%2の中央の山に移しました。</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>同じマークの中央の山</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>サイドの山%2の%1の上</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>空いているサイドの山%1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two places a card can go, or all before the last, as &quot;A, B&quot; and the last.</extracomment>
        <translation>%1または%2</translation>
    </message>
    <message>
        <source>%1, or %2</source>
        <extracomment>The places a card can go but the last, joined.</extracomment>
        <translation>%1、または%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>ゲーム盤</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>選択中のカード</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>情報(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>詳細(&amp;A)</translation>
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
        <translation>ライセンス(&amp;L)</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>カードを読み上げる</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>どこに置けるか</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>まだ何も読み上げていません。</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>エース</translation>
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
        <translation>ジャック</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>king</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>クラブの%1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>ハートの%1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>ダイヤの%1</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>スペードの%1</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>%1の中央の山：%2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>%1の中央の山：空</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>サイドの山%1：空</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>サイドの山%1：いちばん上は%2、%n枚</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1、選択中</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>選択中のカード：%1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>選択中のカード：なし</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1、いちばん上のカード</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>%1を選択しました。</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>%1の中央の山には%2を置けません。カードは選択されていません。</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>%1の選択を解除しました。</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>新しいゲームのカードを配りました。</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>%1の中央の山：いちばん上は%2。</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>サイドの山%1は空です。</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>いちばん上に%1</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>サイドの山%1（%n枚）：%2。</numerusform>
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
        <translation>ここには動かせるカードがありません。</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>%1は%2に置けます。</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>%1はどこにも置けません。</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>%1を選択すれば、%2に置けます。</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>%1を選択しても、どこにも置けません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>オプション「%1」には値が必要です</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline: %1（「ketterline --help」を参照してください）</translation>
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
        <translation>使い方：ketterline [オプション]
Ketterline は一人で遊ぶトランプのペイシェンスで、
マウスでもキーボードでも遊べます。

オプション：
  -h, --help          このヘルプを表示して終了する
  -v, --version       バージョンを表示して終了する

Qt のオプションも使えます。そのうちのいくつか：
  -platform 名前      ウィンドウシステム：xcb (X11)、wayland、offscreen など
  -display 表示先     ウィンドウを開く X ディスプレイ（$DISPLAY の代わり）
  -style 名前         コントロールの見た目、たとえば Fusion
  -geometry WxH+X+Y   最初のウィンドウの大きさと位置（X11）
  -reverse            ウィンドウを右から左へ並べる

ウィンドウは WAYLAND_DISPLAY か DISPLAY が示すディスプレイに開きます。
終了ステータス：ゲームが普通に終わったときは 0、ディスプレイを開けない
ときは 1、コマンドラインが誤っているときは 2。
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>Ketterline の作者たち</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>」、「</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Dravonne Software のロゴ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>このゲームの目的は、同じマークのカードをすべて小さい順に、盤の中央にある4つの場所に積み上げることです。カードを動かすには、まずクリックして選択し（選択中のカードとして表示されます）、次に移したい先のカードをクリックします。動かせるのは、サイドの山のいちばん上にある8枚のカードだけです。</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>カードの動かし方は2通りだけです。1つ目は、4つの中央の山のどれかに、その山のカードと同じマークで数が1つ大きいときに置けます。2つ目は、8つのサイドの山のどれかに、その山のいちばん上のカードより数が1つ小さいとき、または山が空のときに置けます。</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>Ketterline について</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Ketterline のアイコン</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>このプログラムについてのご意見やご感想は、%1 までお送りください</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline バージョン %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>Dravonne Software について</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> または、次のアドレスにメールをお送りいただければ、Dravonne Software のホームページの現在の URL をお知らせします：</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Dravonne Software と、Dravonne Software のほかのプログラムについて詳しくは、私たちのウェブサイトをご覧ください。私たちのウェブサイトへは次のサイトから行けます：</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>作者について</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>作者については、次のウェブサイトをご覧ください：</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>現在の使用許諾契約と登録情報は Dravonne Software のホームページにあります（メニューの「%1」を順に選んでください）</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>勝ちました</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>おめでとうございます。あなたの勝ちです！</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>残念、ゲームオーバーです</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>連続タイマー</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation>、また</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>-platform か QT_QPA_PLATFORM でほかのプラットフォームを選んでください</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>ディスプレイが設定されていません（DISPLAY と WAYLAND_DISPLAY が空です）</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>デスクトップセッションから ketterline を起動するか、DISPLAY に動作中の X サーバーを設定してください（たとえば DISPLAY=:0）</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>DISPLAY に動作中の X サーバーを設定してください（たとえば DISPLAY=:0）</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>X ディスプレイ「%1」が応答しません</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>X サーバーが動作していて接続を許可しているか確かめるか、DISPLAY にほかのディスプレイを設定してください</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>X サーバーが動作していて接続を許可しているか確かめるか、-display でほかのディスプレイを指定してください</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>Wayland ディスプレイ「%1」が応答しません</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>Wayland コンポジターが動作しているか確かめるか、WAYLAND_DISPLAY にそのソケットを設定してください</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>Qt プラットフォームプラグイン「%1」がインストールされていません</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>パッケージ %1 をインストールするか、-platform か QT_QPA_PLATFORM でほかのプラットフォームを選んでください</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>Qt プラットフォーム「%1」が起動しませんでした</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline: ウィンドウを開けません：%1。%2</translation>
    </message>
</context>
</TS>
