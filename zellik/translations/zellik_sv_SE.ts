<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>GameListRows</name>
    <message>
        <source>Start Date</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Prize Pool</source>
        <translation>Prispott</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registrerade</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation>Blinds</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Platser</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelare</translation>
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
        <translation>Okänd limit</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1:a</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2:a</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3:e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4:e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5:e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6:e</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7:e</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8:e</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9:e</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10:e</translation>
    </message>
</context>
<context>
    <name>VeskGames::AbstractLoginDialogItem</name>
    <message>
        <source>NOTE! Do not save your password unless you are sure
no-one else has access to this computer!</source>
        <translation>OBS! Spara inte lösenordet om du inte är säker på
att ingen annan har tillgång till den här datorn!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänt</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Loggar in</translation>
    </message>
    <message>
        <source>Invalid username and/or password!</source>
        <translation>Fel användarnamn eller lösenord!</translation>
    </message>
</context>
<context>
    <name>VeskGames::BuyDialogItem</name>
    <message>
        <source>Buy Chips</source>
        <translation>Köp marker</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Belopp</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Läser in...</translation>
    </message>
    <message>
        <source>Please choose your chip amount</source>
        <translation>Välj belopp i marker</translation>
    </message>
    <message>
        <source>Enable automatic re-buyin</source>
        <translation>Aktivera automatiskt återköp</translation>
    </message>
    <message>
        <source>The bought chips will be added at the beginning of next hand</source>
        <translation>De köpta markerna läggs till i början av nästa hand</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>Kassa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Table limits: %1 to %2</source>
        <translation>Marker vid bordet: %1 till %2</translation>
    </message>
    <message>
        <source>Unable to rebuy due to limited balance</source>
        <translation>Återköp ej möjligt: saldot räcker inte</translation>
    </message>
    <message>
        <source>Unable to rebuy due to big stack</source>
        <translation>Återköp ej möjligt: din stack är för stor</translation>
    </message>
    <message>
        <source>Amount of chips allowed at table</source>
        <translation>Tillåtet belopp i marker vid bordet</translation>
    </message>
</context>
<context>
    <name>VeskGames::Client</name>
    <message>
        <source>SSL error:</source>
        <translation>SSL-fel:</translation>
    </message>
    <message>
        <source>The server has restarted. If a game was in progress,
the last hand will have been invalidated and funds returned to your
account. Please restart the application to join a new game.</source>
        <translation>Servern har startats om. Om ett spel pågick har den senaste
handen ogiltigförklarats och insatserna förts tillbaka till ditt
konto. Starta om programmet för att gå med i ett nytt spel.</translation>
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
        <translation>Cash games</translation>
    </message>
    <message>
        <source>Freerolls</source>
        <translation>Freerolls</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Gå med</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrera</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Avregistrera</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Load details failed...</source>
        <translation>Det gick inte att läsa in detaljerna.</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameSceneSideButtons</name>
    <message>
        <source>Join
new game</source>
        <translation>Gå med i
nytt spel</translation>
    </message>
    <message>
        <source>Stay
and watch</source>
        <translation>Stanna
och titta</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Spela vidare</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>Sitt ut</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Utbetalning</translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation>Köp marker</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
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
        <translation>Kassa</translation>
    </message>
    <message>
        <source>Hand
History</source>
        <translation>Hand-
historik</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>VeskGames::LoginDialogItem</name>
    <message>
        <source>User Login</source>
        <translation>Inloggning</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Save username and password</source>
        <translation>Spara användarnamn och lösenord</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Signup</source>
        <translation>Skapa konto</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerItemBase</name>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Lägg dig</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Syna</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Satsa</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Checka</translation>
    </message>
    <message>
        <source>Muck</source>
        <translation>Mucka</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Sit out</source>
        <translation>Sitt ut</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>Ansluter</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Lämnar</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spelare %1</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 sek</translation>
    </message>
</context>
<context>
    <name>VeskGames::SafeWebPage</name>
    <message>
        <source>Web pages cannot be shown: the web engine is not installed.</source>
        <translation>Webbsidor kan inte visas: webbmotorn är inte installerad.</translation>
    </message>
    <message>
        <source>Web pages cannot be shown to the root user with the sandbox on.</source>
        <translation>Webbsidor kan inte visas för root-användaren med sandlådan påslagen.</translation>
    </message>
</context>
<context>
    <name>VeskGames::WebDialogItem</name>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>The page stopped working. Close it and open it again.</source>
        <translation>Sidan slutade fungera. Stäng den och öppna den igen.</translation>
    </message>
    <message>
        <source>The server did not open this page for you. Please try again later.</source>
        <translation>Servern öppnade inte den här sidan åt dig. Försök igen senare.</translation>
    </message>
</context>
</TS>
