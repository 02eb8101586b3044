<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>VeskGames::CommonController</name>
    <message>
        <source>Communication failure</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Reconnect from another machine</source>
        <translation>Riconnesso da un altro computer</translation>
    </message>
    <message>
        <source>Disconnected due to inactivity</source>
        <translation>Disconnesso per inattività</translation>
    </message>
    <message>
        <source>Unknown MAC address: %1</source>
        <translation>Indirizzo MAC sconosciuto: %1</translation>
    </message>
    <message>
        <source>No available seat</source>
        <translation>Nessun posto libero</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nome utente non valido</translation>
    </message>
    <message>
        <source>This seat is already taken</source>
        <translation>Questo posto è già occupato</translation>
    </message>
    <message>
        <source>You are already seated at this table</source>
        <translation>Sei già seduto a questo tavolo</translation>
    </message>
    <message>
        <source>The tournament has already started</source>
        <translation>Il torneo è già iniziato</translation>
    </message>
    <message>
        <source>You were removed from the game, because you were not registered when the tournament started</source>
        <translation>Sei stato rimosso dal gioco perché non eri iscritto all'inizio del torneo</translation>
    </message>
    <message>
        <source>Connection seems slow. Please wait.</source>
        <translation>La connessione sembra lenta. Attendere.</translation>
    </message>
    <message>
        <source>Connection problem:
</source>
        <translation>Problema di connessione:
</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
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
