<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>assi</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>due</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>fanti</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>donne</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>re</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>high card, %1</source>
        <translation>carta alta, %1</translation>
    </message>
    <message>
        <source>one pair, %1</source>
        <translation>una coppia, %1</translation>
    </message>
    <message>
        <source>two pairs, %1 over %2</source>
        <translation>doppia coppia, %1 e %2</translation>
    </message>
    <message>
        <source>three of a kind, %1</source>
        <translation>tris, %1</translation>
    </message>
    <message>
        <source>a straight, %1 high</source>
        <translation>una scala, %1 alta</translation>
    </message>
    <message>
        <source>a flush, %1 high</source>
        <translation>un colore, %1 alto</translation>
    </message>
    <message>
        <source>a full house, %1 full of %2</source>
        <translation>un full, %1 e %2</translation>
    </message>
    <message>
        <source>four of a kind, %1</source>
        <translation>poker, %1</translation>
    </message>
    <message>
        <source>a straight flush, %1 high</source>
        <translation>una scala colore, %1 alta</translation>
    </message>
    <message>
        <source>a royal straight flush</source>
        <translation>una scala reale</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, ante: %4, %5 %6</source>
        <translation>VeskPoker partita #%1, %2/%3, ante: %4, %5 %6</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, %4 %5</source>
        <translation>VeskPoker partita #%1, %2/%3, %4 %5</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, ante: %2, %3 %4</source>
        <translation>VeskPoker partita #%1, ante: %2, %3 %4</translation>
    </message>
    <message>
        <source>Table %1-max Seat #%2 is the dealer</source>
        <translation>Tavolo da %1, il posto #%2 è il mazziere</translation>
    </message>
    <message>
        <source>Seat %1: %2 (%3 in chips)</source>
        <translation>Posto %1: %2 (%3 in fiches)</translation>
    </message>
    <message>
        <source>%1: posts ante %2</source>
        <translation>%1: mette ante %2</translation>
    </message>
    <message>
        <source>%1: posts small blind %2</source>
        <translation>%1: mette small blind %2</translation>
    </message>
    <message>
        <source>%1: posts big blind %2</source>
        <translation>%1: mette big blind %2</translation>
    </message>
    <message>
        <source>*** HOLE CARDS ***</source>
        <translation>*** CARTE COPERTE ***</translation>
    </message>
    <message>
        <source>*** SHOW DOWN ***</source>
        <translation>*** SHOWDOWN ***</translation>
    </message>
    <message>
        <source>*** SUMMARY ***</source>
        <translation>*** RIEPILOGO ***</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Piatto totale %1</translation>
    </message>
    <message>
        <source>Fee %1</source>
        <translation>Commissione %1</translation>
    </message>
    <message>
        <source>Total pot %1 | Rake %2</source>
        <translation>Piatto totale %1 | Rake %2</translation>
    </message>
    <message>
        <source>Board  [%1]</source>
        <translation>Board  [%1]</translation>
    </message>
    <message>
        <source>Dealt to %1 [%2]</source>
        <translation>Servito a %1 [%2]</translation>
    </message>
    <message>
        <source>*** FLOP *** [%1]</source>
        <translation>*** FLOP *** [%1]</translation>
    </message>
    <message>
        <source>*** TURN *** [%1] [%2]</source>
        <translation>*** TURN *** [%1] [%2]</translation>
    </message>
    <message>
        <source>*** RIVER *** [%1] [%2]</source>
        <translation>*** RIVER *** [%1] [%2]</translation>
    </message>
    <message>
        <source>%1: shows [%2]</source>
        <translation>%1: mostra [%2]</translation>
    </message>
    <message>
        <source>%1: bets %2 and is all-in</source>
        <translation>%1: punta %2 ed è all-in</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3 and is all-in</source>
        <translation>%1: rilancia di %2 a %3 ed è all-in</translation>
    </message>
    <message>
        <source>%1: calls %2 and is all-in</source>
        <translation>%1: chiama %2 ed è all-in</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: chiama %2</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: passa</translation>
    </message>
    <message>
        <source>%1: bets %2</source>
        <translation>%1: punta %2</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3</source>
        <translation>%1: rilancia di %2 a %3</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: lascia</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Puntata non chiamata (%1) restituita a %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 vince %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 vince %2 con %3</translation>
    </message>
    <message>
        <source>%1: mucks</source>
        <translation>%1: scarta</translation>
    </message>
    <message>
        <source>%1: finished %2 and won %3</source>
        <translation>%1: arriva %2 e vince %3</translation>
    </message>
    <message>
        <source>%1: finished %2</source>
        <translation>%1: arriva %2</translation>
    </message>
    <message>
        <source>The hand-history script could not be read.</source>
        <translation>Impossibile leggere lo script della cronologia delle mani.</translation>
    </message>
    <message>
        <source>The hand-history script failed: %1</source>
        <translation>Lo script della cronologia delle mani non è riuscito: %1</translation>
    </message>
    <message>
        <source>The hand-history script has no parser.</source>
        <translation>Lo script della cronologia delle mani non ha un parser.</translation>
    </message>
    <message>
        <source>Hand %1 is too long to read.</source>
        <translation>La mano %1 è troppo lunga da leggere.</translation>
    </message>
    <message>
        <source>Hand %1 took too long to read.</source>
        <translation>La lettura della mano %1 ha richiesto troppo tempo.</translation>
    </message>
    <message>
        <source>Hand %1 could not be read: %2</source>
        <translation>Impossibile leggere la mano %1: %2</translation>
    </message>
    <message>
        <source>not a list of hand records: %1 at byte %2</source>
        <translation>non è un elenco di mani: %1 al byte %2</translation>
    </message>
    <message>
        <source>entry %1 of the list is not a hand record</source>
        <translation>la voce %1 dell&apos;elenco non è una mano</translation>
    </message>
    <message>
        <source>line %1 is not a hand record</source>
        <translation>la riga %1 non è una mano</translation>
    </message>
    <message>
        <source>no hand records</source>
        <translation>nessuna mano</translation>
    </message>
    <message>
        <source>not a hand record</source>
        <translation>non è una mano</translation>
    </message>
    <message>
        <source>unexpected text at character %1</source>
        <translation>testo inatteso al carattere %1</translation>
    </message>
    <message>
        <source>the record ends inside an event</source>
        <translation>la registrazione termina a metà di un evento</translation>
    </message>
    <message>
        <source>cards &quot;%1&quot; are not two hexadecimal digits each</source>
        <translation>le carte &quot;%1&quot; non sono due cifre esadecimali ciascuna</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>evento %1: %2</translation>
    </message>
    <message>
        <source>event %1: a second set of game parameters</source>
        <translation>evento %1: una seconda serie di parametri di gioco</translation>
    </message>
    <message>
        <source>the record does not begin with the game&apos;s parameters</source>
        <translation>la registrazione non inizia con i parametri del gioco</translation>
    </message>
    <message>
        <source>event %1: &quot;%2&quot; does not belong in a hand</source>
        <translation>evento %1: &quot;%2&quot; non fa parte di una mano</translation>
    </message>
    <message>
        <source>the record holds no events</source>
        <translation>la registrazione non contiene eventi</translation>
    </message>
</context>
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
        <translation>Sei stato rimosso dal gioco perché non eri iscritto all&apos;inizio del torneo</translation>
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
    <message numerus="yes">
        <source>Seconds left: %n</source>
        <translation>
            <numerusform>Secondi rimanenti: %n</numerusform>
            <numerusform>Secondi rimanenti: %n</numerusform>
        </translation>
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
    <name>VeskGames::FreerollBustedDialogItem</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congratulations!
You finished in %1 place and won %2!</source>
        <translation>Congratulazioni!
Sei arrivato %1 e hai vinto %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place and won %2!</source>
        <translation>Sei arrivato %1 e hai vinto %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Sei arrivato %1!</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameHistoryDialogItem</name>
    <message>
        <source>Hand History</source>
        <translation>Cronologia mani</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save Hand History</source>
        <translation>Salva cronologia mani</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n hand(s) to the clipboard.</source>
        <translation>
            <numerusform>%n mano copiata negli appunti.</numerusform>
            <numerusform>%n mani copiate negli appunti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rivedi</translation>
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
    <name>VeskGames::PlayerController</name>
    <message>
        <source>Login failed, please try again</source>
        <translation>Accesso non riuscito, riprova</translation>
    </message>
    <message>
        <source>Authentication failed, exiting.</source>
        <translation>Autenticazione non riuscita, uscita in corso.</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Nome utente non valido o già esistente</translation>
    </message>
    <message>
        <source>The buy-in was refused.</source>
        <translation>Il buy-in è stato rifiutato.</translation>
    </message>
    <message>
        <source>Tournament is running. You cannot leave the game.</source>
        <translation>Il torneo è in corso. Non puoi lasciare la partita.</translation>
    </message>
    <message>
        <source>Please wait, leaving pool.</source>
        <translation>Attendere, uscita dal pool.</translation>
    </message>
    <message>
        <source>The player has left the table!
You can take the seat once the ongoing hand has finished!</source>
        <translation>Il giocatore ha lasciato il tavolo!
Potrai prendere posto al termine della mano in corso!</translation>
    </message>
    <message>
        <source>You are registered!</source>
        <translation>Sei iscritto!</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Annulla iscrizione</translation>
    </message>
    <message>
        <source>This hand cannot be replayed: %1</source>
        <translation>Questa mano non può essere rivista: %1</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerGameScene</name>
    <message>
        <source>Fold</source>
        <translation>Lascia</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Rilancia</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Join
new game</source>
        <translation>Nuova
partita</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Conferma chiusura</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sitting Out</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rientra</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>%1 %2
Ante: %3 (%4 min)</source>
        <translation>%1 %2
Ante: %3 (%4 min)</translation>
    </message>
    <message>
        <source>%1 %2
Ante: %3</source>
        <translation>%1 %2
Ante: %3</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4 (%5 min)
Ante: %6</source>
        <translation>%1 %2
%3/%4 (%5 min)
Ante: %6</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4 (%5 min)</source>
        <translation>%1 %2
%3/%4 (%5 min)</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4
Ante: %5</source>
        <translation>%1 %2
%3/%4
Ante: %5</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4</source>
        <translation>%1 %2
%3/%4</translation>
    </message>
    <message>
        <source>Game-ID: %1</source>
        <translation>ID partita: %1</translation>
    </message>
    <message>
        <source>Players: %1 Active: %2</source>
        <translation>Giocatori: %1 Attivi: %2</translation>
    </message>
    <message>
        <source>Position: %2/%1</source>
        <translation>Posizione: %2/%1</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ Piatto</translation>
    </message>
    <message>
        <source>⅔ Pot</source>
        <translation>⅔ Piatto</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerOptionsDialogItem</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Hand History</source>
        <translation>Storico mani</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Show Avatars</source>
        <translation>Mostra avatar</translation>
    </message>
    <message>
        <source>Hide Avatars</source>
        <translation>Nascondi avatar</translation>
    </message>
    <message>
        <source>Use Chips To Bet</source>
        <translation>Punta con le fiches</translation>
    </message>
    <message>
        <source>Use Slider To Bet</source>
        <translation>Punta con il cursore</translation>
    </message>
    <message>
        <source>Show Holecards</source>
        <translation>Mostra carte</translation>
    </message>
    <message>
        <source>Hide Holecards</source>
        <translation>Nascondi carte</translation>
    </message>
    <message>
        <source>Mute Sounds</source>
        <translation>Disattiva suoni</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Attiva suoni</translation>
    </message>
    <message>
        <source>Stay and watch</source>
        <translation>Resta a guardare</translation>
    </message>
    <message>
        <source>Join new game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Four-Colour Deck</source>
        <translation>Mazzo a quattro colori</translation>
    </message>
    <message>
        <source>Two-Colour Deck</source>
        <translation>Mazzo a due colori</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerUsernameDialogItem</name>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>Please enter the nickname you wish to show
at the tables, the nickname can be up to 10
characters long, please use letters and numbers.

In order to protect the safety of your account we
advise you NOT to enter your username. Once
selected your nickname cannot be changed.</source>
        <translation>Inserisci il soprannome da mostrare ai tavoli;
può essere lungo fino a 10 caratteri,
usa lettere e numeri.

Per la sicurezza del tuo account ti consigliamo
di NON inserire il tuo nome utente. Una volta
scelto, il soprannome non può essere cambiato.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Nome utente non valido o già esistente</translation>
    </message>
</context>
<context>
    <name>VeskGames::ReplayWindow</name>
    <message>
        <source>Replay of hand #%1</source>
        <translation>Replay della mano #%1</translation>
    </message>
    <message>
        <source>Replay of a hand</source>
        <translation>Replay di una mano</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>One step back (Left)</source>
        <translation>Un passo indietro (Sinistra)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>One step forward (Right)</source>
        <translation>Un passo avanti (Destra)</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Riproduci o pausa (Spazio)</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Velocità:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passo %1 di %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
</context>
<context>
    <name>VeskGames::SnGFinishedDialog</name>
    <message>
        <source>Sit &amp; Go</source>
        <translation>Sit &amp; Go</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Congratulations! You finished in %1 place
and won %2!</source>
        <translation>Congratulazioni! Sei arrivato %1
e hai vinto %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place
and won %2!</source>
        <translation>Sei arrivato %1
e hai vinto %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Sei arrivato %1!</translation>
    </message>
</context>
<context>
    <name>VeskGames::SnGRegisterDialog</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sit &amp; Go Registration</source>
        <translation>Iscrizione Sit &amp; Go</translation>
    </message>
    <message>
        <source>Sit &amp; Go Information</source>
        <translation>Informazioni Sit &amp; Go</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>Buy-in</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Iscriviti</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>1st %1 </source>
        <translation>1° %1 </translation>
    </message>
    <message>
        <source>2nd %1 </source>
        <translation>2° %1 </translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>3° %1</translation>
    </message>
    <message>
        <source>Registration failed</source>
        <translation>Iscrizione non riuscita</translation>
    </message>
    <message>
        <source>Buyin failed</source>
        <translation>Buy-in non riuscito</translation>
    </message>
    <message>
        <source>No funds available</source>
        <translation>Fondi non disponibili</translation>
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
