<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>GameListRows</name>
    <message>
        <source>Start Date</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Prize Pool</source>
        <translation>Montepremi</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Iscritti</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation>Bui</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Posti</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>TextUtils</name>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Sit &amp; Go</source>
        <translation>Sit &amp; Go</translation>
    </message>
    <message>
        <source>Texas Hold&apos;em</source>
        <translation>Texas Hold&apos;em</translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation>Omaha</translation>
    </message>
    <message>
        <source>Freeroll</source>
        <translation>Freeroll</translation>
    </message>
    <message>
        <source>SnG</source>
        <translation>SnG</translation>
    </message>
    <message>
        <source>Texas</source>
        <translation>Texas</translation>
    </message>
    <message>
        <source>NL</source>
        <translation>NL</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Unknown limit type</source>
        <translation>Limite sconosciuto</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5º</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6º</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7º</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8º</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9º</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10º</translation>
    </message>
</context>
<context>
    <name>VeskGames::AbstractLoginDialogItem</name>
    <message>
        <source>NOTE! Do not save your password unless you are sure
no-one else has access to this computer!</source>
        <translation>ATTENZIONE! Non salvare la password se non sei sicuro
che nessun altro abbia accesso a questo computer!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Accesso in corso</translation>
    </message>
    <message>
        <source>Invalid username and/or password!</source>
        <translation>Nome utente o password non validi!</translation>
    </message>
</context>
<context>
    <name>VeskGames::BuyDialogItem</name>
    <message>
        <source>Buy Chips</source>
        <translation>Compra fiches</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Please choose your chip amount</source>
        <translation>Scegli l&apos;importo in fiches</translation>
    </message>
    <message>
        <source>Enable automatic re-buyin</source>
        <translation>Attiva il rebuy automatico</translation>
    </message>
    <message>
        <source>The bought chips will be added at the beginning of next hand</source>
        <translation>Le fiches acquistate saranno aggiunte all&apos;inizio della prossima mano</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>Cassa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Table limits: %1 to %2</source>
        <translation>Fiches al tavolo: da %1 a %2</translation>
    </message>
    <message>
        <source>Unable to rebuy due to limited balance</source>
        <translation>Impossibile fare rebuy: saldo insufficiente</translation>
    </message>
    <message>
        <source>Unable to rebuy due to big stack</source>
        <translation>Impossibile fare rebuy: stack troppo alto</translation>
    </message>
    <message>
        <source>Amount of chips allowed at table</source>
        <translation>Importo in fiches consentito al tavolo</translation>
    </message>
</context>
<context>
    <name>VeskGames::Client</name>
    <message>
        <source>SSL error:</source>
        <translation>Errore SSL:</translation>
    </message>
    <message>
        <source>The server has restarted. If a game was in progress,
the last hand will have been invalidated and funds returned to your
account. Please restart the application to join a new game.</source>
        <translation>Il server è stato riavviato. Se era in corso una partita,
l&apos;ultima mano è stata annullata e le puntate riaccreditate sul tuo
conto. Riavvia l&apos;applicazione per entrare in una nuova partita.</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameListDialogItem</name>
    <message>
        <source>Lobby</source>
        <translation>Lobby</translation>
    </message>
    <message>
        <source>Cash Games</source>
        <translation>Cash Game</translation>
    </message>
    <message>
        <source>Freerolls</source>
        <translation>Freeroll</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Iscriviti</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Disiscriviti</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Load details failed...</source>
        <translation>Impossibile caricare i dettagli.</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameSceneSideButtons</name>
    <message>
        <source>Join
new game</source>
        <translation>Nuova
partita</translation>
    </message>
    <message>
        <source>Stay
and watch</source>
        <translation>Resta
e guarda</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rientra</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>Sit out</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation>Compra fiches</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>VeskGames::KioskBetter</name>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>VeskGames::LobbySideButtons</name>
    <message>
        <source>Cashier</source>
        <translation>Cassa</translation>
    </message>
    <message>
        <source>Hand
History</source>
        <translation>Storico
mani</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>VeskGames::LoginDialogItem</name>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Save username and password</source>
        <translation>Salva nome utente e password</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Signup</source>
        <translation>Registrati</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerItemBase</name>
    <message>
        <source>Raise</source>
        <translation>Rilancia</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passa</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Muck</source>
        <translation>Muck</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Sit out</source>
        <translation>Sit out</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Esce</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
</context>
<context>
    <name>VeskGames::SafeWebPage</name>
    <message>
        <source>Web pages cannot be shown: the web engine is not installed.</source>
        <translation>Impossibile mostrare le pagine web: il motore web non è installato.</translation>
    </message>
    <message>
        <source>Web pages cannot be shown to the root user with the sandbox on.</source>
        <translation>Impossibile mostrare le pagine web all&apos;utente root con la sandbox attiva.</translation>
    </message>
</context>
<context>
    <name>VeskGames::WebDialogItem</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The page stopped working. Close it and open it again.</source>
        <translation>La pagina ha smesso di funzionare. Chiudila e riaprila.</translation>
    </message>
    <message>
        <source>The server did not open this page for you. Please try again later.</source>
        <translation>Il server non ha aperto questa pagina per te. Riprova più tardi.</translation>
    </message>
</context>
</TS>
