<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>VeskGames::CommunityGameScene</name>
    <message>
        <source>Tournament running</source>
        <translation>Turneringen pågår</translation>
    </message>
    <message>
        <source>Players still in</source>
        <translation>Spelare kvar</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameScene</name>
    <message>
        <source>Pot:</source>
        <translation>Pott:</translation>
    </message>
    <message>
        <source>Side pot:</source>
        <translation>Sidopott:</translation>
    </message>
    <message>
        <source>Available
Seat</source>
        <translation>Ledig
plats</translation>
    </message>
    <message>
        <source>Side pots:</source>
        <translation>Sidopotter:</translation>
    </message>
</context>
<context>
    <name>VeskGames::SplashScene</name>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Checking for an updated version...</source>
        <translation>Söker efter en ny version...</translation>
    </message>
    <message>
        <source>Preparing for update...</source>
        <translation>Förbereder uppdatering...</translation>
    </message>
    <message>
        <source>Preparing for update failed!</source>
        <translation>Det gick inte att förbereda uppdateringen!</translation>
    </message>
    <message>
        <source>Reconnecting, error was: %1</source>
        <translation>Ansluter igen, felet var: %1</translation>
    </message>
    <message>
        <source>Closing down...</source>
        <translation>Avslutar...</translation>
    </message>
    <message>
        <source>Downloading updater... (%1%)</source>
        <translation>Hämtar uppdateringsprogrammet... (%1%)</translation>
    </message>
</context>
</TS>
