<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Board</name>
    <message numerus="yes">
        <source>Side stack %1: %2 on top, %n card(s)</source>
        <translation>
            <numerusform>Side stack %1: %2 on top, %n card</numerusform>
            <numerusform>Side stack %1: %2 on top, %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Side stack %1, %n card(s) from the bottom: %2.</source>
        <extracomment>%1 is the side stack&apos;s number, %2 its cards from the bottom, joined by &quot;, &quot;.</extracomment>
        <translation>
            <numerusform>Side stack %1, %n card from the bottom: %2.</numerusform>
            <numerusform>Side stack %1, %n cards from the bottom: %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
