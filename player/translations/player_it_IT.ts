<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>VeskGames::CommunityGameScene</name>
    <message>
        <source>Tournament running</source>
        <translation>Torneo in corso</translation>
    </message>
    <message>
        <source>Players still in</source>
        <translation>Giocatori ancora in gara</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameScene</name>
    <message>
        <source>Pot:</source>
        <translation>Piatto:</translation>
    </message>
    <message>
        <source>Side pot:</source>
        <translation>Piatto secondario:</translation>
    </message>
    <message>
        <source>Available
Seat</source>
        <translation>Posto
libero</translation>
    </message>
    <message>
        <source>Side pots:</source>
        <translation>Piatti secondari:</translation>
    </message>
</context>
<context>
    <name>VeskGames::SplashScene</name>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Checking for an updated version...</source>
        <translation>Ricerca di una versione aggiornata...</translation>
    </message>
    <message>
        <source>Preparing for update...</source>
        <translation>Preparazione dell&apos;aggiornamento...</translation>
    </message>
    <message>
        <source>Preparing for update failed!</source>
        <translation>Preparazione dell&apos;aggiornamento non riuscita!</translation>
    </message>
    <message>
        <source>Reconnecting, error was: %1</source>
        <translation>Riconnessione in corso, errore: %1</translation>
    </message>
    <message>
        <source>Closing down...</source>
        <translation>Chiusura in corso...</translation>
    </message>
    <message>
        <source>Downloading updater... (%1%)</source>
        <translation>Download del programma di aggiornamento... (%1%)</translation>
    </message>
</context>
</TS>
