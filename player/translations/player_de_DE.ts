<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VeskGames::CommonController</name>
    <message>
        <source>Communication failure</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Reconnect from another machine</source>
        <translation>Von einem anderen Rechner neu verbunden</translation>
    </message>
    <message>
        <source>Disconnected due to inactivity</source>
        <translation>Wegen Inaktivität getrennt</translation>
    </message>
    <message>
        <source>Unknown MAC address: %1</source>
        <translation>Unbekannte MAC-Adresse: %1</translation>
    </message>
    <message>
        <source>No available seat</source>
        <translation>Kein freier Platz</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Ungültiger Benutzername</translation>
    </message>
    <message>
        <source>This seat is already taken</source>
        <translation>Dieser Platz ist bereits besetzt</translation>
    </message>
    <message>
        <source>You are already seated at this table</source>
        <translation>Sie sitzen bereits an diesem Tisch</translation>
    </message>
    <message>
        <source>The tournament has already started</source>
        <translation>Das Turnier hat bereits begonnen</translation>
    </message>
    <message>
        <source>You were removed from the game, because you were not registered when the tournament started</source>
        <translation>Sie wurden aus dem Spiel entfernt, weil Sie beim Start des Turniers nicht angemeldet waren</translation>
    </message>
    <message>
        <source>Connection seems slow. Please wait.</source>
        <translation>Die Verbindung scheint langsam zu sein. Bitte warten.</translation>
    </message>
    <message>
        <source>Connection problem:
</source>
        <translation>Verbindungsproblem:
</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
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
