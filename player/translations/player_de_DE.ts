<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VeskGames::GameScene</name>
    <message>
        <source>Pot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side pot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available
Seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side pots:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::SplashScene</name>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for an updated version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing for update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing for update failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting, error was: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing down...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading updater... (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
