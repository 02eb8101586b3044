<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VeskGames::CommunityGameScene</name>
    <message>
        <source>Tournament running</source>
        <translation>Turnier läuft</translation>
    </message>
    <message>
        <source>Players still in</source>
        <translation>Verbliebene Spieler</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameScene</name>
    <message>
        <source>Pot:</source>
        <translation>Pot:</translation>
    </message>
    <message>
        <source>Side pot:</source>
        <translation>Side Pot:</translation>
    </message>
    <message>
        <source>Available
Seat</source>
        <translation>Freier
Platz</translation>
    </message>
    <message>
        <source>Side pots:</source>
        <translation>Side Pots:</translation>
    </message>
</context>
<context>
    <name>VeskGames::SplashScene</name>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Checking for an updated version...</source>
        <translation>Suche nach einer neuen Version...</translation>
    </message>
    <message>
        <source>Preparing for update...</source>
        <translation>Update wird vorbereitet...</translation>
    </message>
    <message>
        <source>Preparing for update failed!</source>
        <translation>Vorbereitung des Updates fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Reconnecting, error was: %1</source>
        <translation>Verbindung wird wiederhergestellt, Fehler: %1</translation>
    </message>
    <message>
        <source>Closing down...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>Downloading updater... (%1%)</source>
        <translation>Update-Programm wird heruntergeladen... (%1%)</translation>
    </message>
</context>
</TS>
