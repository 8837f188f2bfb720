<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>SavedGame</name>
    <message numerus="yes">
        <source>The matches made (%1) do not agree with the %n pairs off the board</source>
        <translation>
            <numerusform>The matches made (%1) do not agree with the %n pair off the board</numerusform>
            <numerusform>The matches made (%1) do not agree with the %n pairs off the board</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is %n bytes long; a saved game has at least 220</source>
        <translation>
            <numerusform>The file is %n byte long; a saved game has at least 220</numerusform>
            <numerusform>The file is %n bytes long; a saved game has at least 220</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmBrightmooseConcentration</name>
    <message numerus="yes">
        <source>No pair. %n tries.</source>
        <translation>
            <numerusform>No pair. %n try.</numerusform>
            <numerusform>No pair. %n tries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last pair: %1. %n tries.</source>
        <extracomment>The last pair of a game: %1 its rank (&quot;kings&quot;), %n the tries the game took.</extracomment>
        <translation>
            <numerusform>Last pair: %1. %n try.</numerusform>
            <numerusform>Last pair: %1. %n tries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <translation>
            <numerusform>%n try: not among the ten best.</numerusform>
            <numerusform>%n tries: not among the ten best.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bmd::ui::frmHighScores</name>
    <message numerus="yes">
        <source>%n tries: place %1 of the ten best. Type your name and press Enter.</source>
        <extracomment>%n the tries the game took, %1 its place (1 to 10).</extracomment>
        <translation>
            <numerusform>%n try: place %1 of the ten best. Type your name and press Enter.</numerusform>
            <numerusform>%n tries: place %1 of the ten best. Type your name and press Enter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries: not among the ten best.</source>
        <extracomment>Said when the table, read at last, has no place for the game&apos;s %n tries.</extracomment>
        <translation>
            <numerusform>%n try: not among the ten best.</numerusform>
            <numerusform>%n tries: not among the ten best.</numerusform>
        </translation>
    </message>
</context>
</TS>
