<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.</source>
        <translation>Les cartes n&apos;ont pas encore été distribuées. Appuyez sur Nouveau, ou choisissez Nouvelle partie dans le menu Fichier, pour les distribuer.</translation>
    </message>
    <message>
        <source>%1 is still selected.</source>
        <translation>La carte %1 est toujours sélectionnée.</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Aucune carte n&apos;est sélectionnée.</translation>
    </message>
    <message>
        <source>Side stack %1 now shows %2.</source>
        <translation>La carte %2 est maintenant sur le dessus de la pile latérale %1.</translation>
    </message>
    <message>
        <source>Side stack %1 is now empty.</source>
        <translation>La pile latérale %1 est maintenant vide.</translation>
    </message>
    <message>
        <source>%1 moved onto %2.</source>
        <extracomment>%1 and %2 are cards, as &quot;seven of hearts&quot;.</extracomment>
        <translation>La carte %1 a été déplacée sur la carte %2.</translation>
    </message>
    <message>
        <source>%1 moved to empty side stack %2.</source>
        <translation>La carte %1 a été déplacée sur la pile latérale %2, qui était vide.</translation>
    </message>
    <message>
        <source>%1 moved home to the %2 center stack.</source>
        <extracomment>%2 is a suit, as &quot;hearts&quot;.</extracomment>
        <translation>La carte %1 a été déplacée sur la pile centrale de %2.</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>Where a card can go: onto the center stack of its suit.</extracomment>
        <translation>sur sa pile centrale</translation>
    </message>
    <message>
        <source>onto %1 on side stack %2</source>
        <translation>sur la carte %1 de la pile latérale %2</translation>
    </message>
    <message>
        <source>to empty side stack %1</source>
        <translation>sur la pile latérale %1 (vide)</translation>
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
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Selected Card</source>
        <translation>Carte sélectionnée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
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
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Read the cards</source>
        <translation>Lire les cartes</translation>
    </message>
    <message>
        <source>Where can it go</source>
        <translation>Où peut aller la carte</translation>
    </message>
    <message>
        <source>Nothing has been said yet.</source>
        <translation>Rien n&apos;a encore été annoncé.</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 de trèfle</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 de cœur</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 de carreau</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 de pique</translation>
    </message>
    <message>
        <source>Center stack, %1: %2</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 its top card, as &quot;three of hearts&quot;.</extracomment>
        <translation>Pile centrale de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Center stack, %1: empty</source>
        <translation>Pile centrale de %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>Side stack %1: empty</source>
        <translation>Pile latérale %1&#xa0;: vide</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Pile latérale %1&#xa0;: %2 sur le dessus, %n carte</numerusform>
            <numerusform>Pile latérale %1&#xa0;: %2 sur le dessus, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>A place whose top card is the selected card; %1 is the place&apos;s name.</extracomment>
        <translation>%1, sélectionnée</translation>
    </message>
    <message>
        <source>Selected card: %1</source>
        <translation>Carte sélectionnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Selected card: none</source>
        <translation>Carte sélectionnée&#xa0;: aucune</translation>
    </message>
    <message>
        <source>%1, top card</source>
        <translation>%1, carte du dessus</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>Carte sélectionnée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The %1 center stack does not take %2. Nothing is selected.</source>
        <extracomment>%1 is a suit, as &quot;hearts&quot;; %2 a card, as &quot;seven of hearts&quot;.</extracomment>
        <translation>La pile centrale de %1 n&apos;accepte pas la carte %2. Aucune carte n&apos;est sélectionnée.</translation>
    </message>
    <message>
        <source>%1 is no longer selected.</source>
        <translation>La carte %1 n&apos;est plus sélectionnée.</translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation>Nouvelle donne.</translation>
    </message>
    <message>
        <source>Center stack, %1: %2 on top.</source>
        <translation>Pile centrale de %1&#xa0;: %2 sur le dessus.</translation>
    </message>
    <message>
        <source>Side stack %1 is empty.</source>
        <translation>La pile latérale %1 est vide.</translation>
    </message>
    <message>
        <source>%1 on top</source>
        <extracomment>The last card of a stack read from the bottom; %1 is the card.</extracomment>
        <translation>%1 sur le dessus</translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Pile latérale %1, %n carte&#xa0;: %2.</numerusform>
            <numerusform>Pile latérale %1, %n cartes en partant du bas&#xa0;: %2.</numerusform>
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
        <translation>Il n&apos;y a ici aucune carte à déplacer.</translation>
    </message>
    <message>
        <source>%1 can go %2.</source>
        <extracomment>%1 is a card, %2 where it can go, as &quot;onto eight of clubs on side stack 6 or home&quot;.</extracomment>
        <translation>La carte %1 peut aller %2.</translation>
    </message>
    <message>
        <source>%1 can go nowhere.</source>
        <translation>La carte %1 ne peut aller nulle part.</translation>
    </message>
    <message>
        <source>If selected, %1 could go %2.</source>
        <translation>Si elle était sélectionnée, la carte %1 pourrait aller %2.</translation>
    </message>
    <message>
        <source>If selected, %1 could go nowhere.</source>
        <translation>Même sélectionnée, la carte %1 ne pourrait aller nulle part.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» nécessite une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>ketterline: %1 (see &apos;ketterline --help&apos;)</source>
        <translation>ketterline&#xa0;: %1 (voir «&#xa0;ketterline --help&#xa0;»)</translation>
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
        <translation>Utilisation&#xa0;: ketterline [options]
Ketterline, un jeu de réussite pour un seul joueur,
qui se joue à la souris ou au clavier.

Options&#xa0;:
  -h, --help          afficher cette aide et quitter
  -v, --version       afficher la version et quitter

Les options de Qt fonctionnent aussi, entre autres&#xa0;:
  -platform NOM       le fenêtrage&#xa0;: xcb (X11), wayland, offscreen, ...
  -display DISPLAY    l&apos;affichage X où ouvrir la fenêtre, au lieu de $DISPLAY
  -style NOM          l&apos;apparence des contrôles, par exemple Fusion
  -geometry LxH+X+Y   la taille et la position de la première fenêtre (X11)
  -reverse            disposer les fenêtres de droite à gauche

La fenêtre s&apos;ouvre sur l&apos;affichage désigné par WAYLAND_DISPLAY ou DISPLAY.
Code de sortie&#xa0;: 0 si la partie se termine normalement, 1 si aucun affichage
ne peut être ouvert, 2 si la ligne de commande est incorrecte.
</translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>the Ketterline authors</source>
        <translation>les auteurs de Ketterline</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <extracomment>Between the menu items of a menu path, as in &quot;Info-&gt;About-&gt;Dravonne&quot;.</extracomment>
        <translation>&#xa0;», puis «&#xa0;</translation>
    </message>
    <message>
        <source>Dravonne Software logo</source>
        <translation>Logo de Dravonne Software</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The goal of the game is to stack all cards of the same suit in increasing order on the four spots in the middle of the board. In order to move a card, you must first select it by clicking on it (it will then appear as the selected card) and then click on card to which you wish to move it. You can only move a card if it is one of the 8 top cards on the side stacks.</source>
        <translation>Le but du jeu est d&apos;empiler toutes les cartes de même couleur par ordre croissant sur les quatre emplacements au centre de la table. Pour déplacer une carte, sélectionnez-la d&apos;abord d&apos;un clic (elle apparaît alors comme carte sélectionnée), puis cliquez sur la carte où vous voulez la poser. Seules les 8 cartes du dessus des piles latérales peuvent être déplacées.</translation>
    </message>
    <message>
        <source>A card can be only in two ways. First it can be moved onto one of the four center stacks if its value is one greater than the card currently on the satck and it is of the same suit.Second, it can be moved onto one of the eight side stacks if the card being moved has value one less than the value of the top card on the stack, or if the stack is empty.</source>
        <translation>Une carte ne peut être déplacée que de deux façons. D&apos;abord, sur l&apos;une des quatre piles centrales, si elle est de la même couleur et de valeur immédiatement supérieure à la carte du dessus de la pile. Ensuite, sur l&apos;une des huit piles latérales, si elle est de valeur immédiatement inférieure à la carte du dessus de la pile, ou si la pile est vide.</translation>
    </message>
    <message>
        <source>About Ketterline</source>
        <translation>À propos de Ketterline</translation>
    </message>
    <message>
        <source>Ketterline icon</source>
        <translation>Icône de Ketterline</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to %1</source>
        <extracomment>%1 is an e-mail address.</extracomment>
        <translation>Si vous avez des remarques ou des idées sur ce programme, envoyez-les à %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>Ketterline version %1</source>
        <translation>Ketterline version %1</translation>
    </message>
    <message>
        <source>About Dravonne Software</source>
        <translation>À propos de Dravonne Software</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Dravonne Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Vous pouvez aussi recevoir l&apos;adresse actuelle du site de Dravonne Software en écrivant à&#xa0;:</translation>
    </message>
    <message>
        <source>To find out more about Dravonne Software and about other programs made by Dravonne Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Pour en savoir plus sur Dravonne Software et sur les autres programmes de Dravonne Software, vous pouvez visiter notre site web. Il est accessible depuis le site&#xa0;: </translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>À propos de l&apos;auteur</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Pour en savoir plus sur l&apos;auteur, visitez le site web&#xa0;:</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Dravonne Software Home Page (see %1)</source>
        <extracomment>%1 is the menu path to the About window of Dravonne Software.</extracomment>
        <translation>Le contrat de licence actuel et les informations d&apos;enregistrement se trouvent sur la page d&apos;accueil de Dravonne Software (menu «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Félicitations, vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Désolé, la partie est terminée</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Chronomètres</translation>
    </message>
    <message>
        <source>Sequence Timer</source>
        <translation>Chronomètre de séquence</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>, and </source>
        <extracomment>Between two reasons why no window could be opened.</extracomment>
        <translation>, et </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two things to do so that a window can be opened.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>choisissez une autre plateforme avec -platform ou QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>aucun affichage n&apos;est défini (DISPLAY et WAYLAND_DISPLAY sont vides)</translation>
    </message>
    <message>
        <source>start ketterline from a desktop session, or set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>lancez ketterline depuis une session de bureau, ou faites pointer DISPLAY vers un serveur X en cours d&apos;exécution (par exemple DISPLAY=:0)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>la variable DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>set DISPLAY to a running X server (for example DISPLAY=:0)</source>
        <translation>faites pointer DISPLAY vers un serveur X en cours d&apos;exécution (par exemple DISPLAY=:0)</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot; does not answer</source>
        <translation>l&apos;affichage X «&#xa0;%1&#xa0;» ne répond pas</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or set DISPLAY to another one</source>
        <translation>vérifiez que le serveur X fonctionne et accepte votre connexion, ou faites pointer DISPLAY vers un autre affichage</translation>
    </message>
    <message>
        <source>check that the X server runs and lets you in, or give -display another one</source>
        <translation>vérifiez que le serveur X fonctionne et accepte votre connexion, ou indiquez un autre affichage avec -display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot; does not answer</source>
        <translation>l&apos;affichage Wayland «&#xa0;%1&#xa0;» ne répond pas</translation>
    </message>
    <message>
        <source>check that the Wayland compositor runs, or set WAYLAND_DISPLAY to its socket</source>
        <translation>vérifiez que le compositeur Wayland fonctionne, ou faites pointer WAYLAND_DISPLAY vers son socket</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; is not installed</source>
        <translation>le plugin de plateforme Qt «&#xa0;%1&#xa0;» n&apos;est pas installé</translation>
    </message>
    <message>
        <source>install the package %1, or choose another with -platform or QT_QPA_PLATFORM</source>
        <translation>installez le paquet %1, ou choisissez une autre plateforme avec -platform ou QT_QPA_PLATFORM</translation>
    </message>
    <message>
        <source>the Qt platform &quot;%1&quot; did not start</source>
        <translation>la plateforme Qt «&#xa0;%1&#xa0;» n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>ketterline: cannot open a window: %1; %2</source>
        <translation>ketterline&#xa0;: impossible d&apos;ouvrir une fenêtre&#xa0;: %1&#xa0;; %2</translation>
    </message>
</context>
</TS>
