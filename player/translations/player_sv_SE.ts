<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>VeskGames::CommonController</name>
    <message>
        <source>Communication failure</source>
        <translation>Kommunikationsfel</translation>
    </message>
    <message>
        <source>Reconnect from another machine</source>
        <translation>Återansluten från en annan dator</translation>
    </message>
    <message>
        <source>Disconnected due to inactivity</source>
        <translation>Frånkopplad på grund av inaktivitet</translation>
    </message>
    <message>
        <source>Unknown MAC address: %1</source>
        <translation>Okänd MAC-adress: %1</translation>
    </message>
    <message>
        <source>No available seat</source>
        <translation>Ingen ledig plats</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Ogiltigt användarnamn</translation>
    </message>
    <message>
        <source>This seat is already taken</source>
        <translation>Den här platsen är redan upptagen</translation>
    </message>
    <message>
        <source>You are already seated at this table</source>
        <translation>Du sitter redan vid det här bordet</translation>
    </message>
    <message>
        <source>The tournament has already started</source>
        <translation>Turneringen har redan börjat</translation>
    </message>
    <message>
        <source>You were removed from the game, because you were not registered when the tournament started</source>
        <translation>Du togs bort från spelet eftersom du inte var anmäld när turneringen startade</translation>
    </message>
    <message>
        <source>Connection seems slow. Please wait.</source>
        <translation>Anslutningen verkar långsam. Vänta.</translation>
    </message>
    <message>
        <source>Connection problem:
</source>
        <translation>Anslutningsproblem:
</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Starta om</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
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
