<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameListRows</name>
    <message>
        <source>Start Date</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Prize Pool</source>
        <translation>Preispool</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Tisch</translation>
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
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
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
        <translation>Unbekanntes Limit</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9.</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10.</translation>
    </message>
</context>
<context>
    <name>VeskGames::AbstractLoginDialogItem</name>
    <message>
        <source>NOTE! Do not save your password unless you are sure
no-one else has access to this computer!</source>
        <translation>ACHTUNG! Speichern Sie Ihr Passwort nur, wenn Sie sicher sind,
dass niemand sonst Zugang zu diesem Computer hat!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Anmeldung läuft</translation>
    </message>
    <message>
        <source>Invalid username and/or password!</source>
        <translation>Benutzername oder Passwort ist falsch!</translation>
    </message>
</context>
<context>
    <name>VeskGames::BuyDialogItem</name>
    <message>
        <source>Buy Chips</source>
        <translation>Chips kaufen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Please choose your chip amount</source>
        <translation>Bitte wählen Sie Ihre Chipmenge</translation>
    </message>
    <message>
        <source>Enable automatic re-buyin</source>
        <translation>Automatischen Rebuy aktivieren</translation>
    </message>
    <message>
        <source>The bought chips will be added at the beginning of next hand</source>
        <translation>Die gekauften Chips kommen zu Beginn der nächsten Hand hinzu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Table limits: %1 to %2</source>
        <translation>Chips am Tisch: %1 bis %2</translation>
    </message>
    <message>
        <source>Unable to rebuy due to limited balance</source>
        <translation>Kein Rebuy möglich: Guthaben reicht nicht aus</translation>
    </message>
    <message>
        <source>Unable to rebuy due to big stack</source>
        <translation>Kein Rebuy möglich: Ihr Stack ist zu groß</translation>
    </message>
    <message>
        <source>Amount of chips allowed at table</source>
        <translation>Am Tisch erlaubte Chipmenge</translation>
    </message>
</context>
<context>
    <name>VeskGames::Client</name>
    <message>
        <source>SSL error:</source>
        <translation>SSL-Fehler:</translation>
    </message>
    <message>
        <source>The server has restarted. If a game was in progress,
the last hand will have been invalidated and funds returned to your
account. Please restart the application to join a new game.</source>
        <translation>Der Server wurde neu gestartet. Falls ein Spiel lief, wurde die
letzte Hand annulliert und die Einsätze wurden Ihrem Konto
gutgeschrieben. Bitte starten Sie die Anwendung neu, um einem neuen Spiel beizutreten.</translation>
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
        <translation>Cash Games</translation>
    </message>
    <message>
        <source>Freerolls</source>
        <translation>Freerolls</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Load details failed...</source>
        <translation>Details konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameSceneSideButtons</name>
    <message>
        <source>Join
new game</source>
        <translation>Neuem Spiel
beitreten</translation>
    </message>
    <message>
        <source>Stay
and watch</source>
        <translation>Bleiben und
zusehen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>Aussetzen</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation>Chips kaufen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Hand
History</source>
        <translation>Hand-
verlauf</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>VeskGames::LoginDialogItem</name>
    <message>
        <source>User Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save username and password</source>
        <translation>Benutzername und Passwort speichern</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Einloggen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Signup</source>
        <translation>Registrieren</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerItemBase</name>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Bet</translation>
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
        <translation>Setzt aus</translation>
    </message>
    <message>
        <source>Joining</source>
        <translation>Kommt</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Geht</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 Sek.</translation>
    </message>
</context>
<context>
    <name>VeskGames::SafeWebPage</name>
    <message>
        <source>Web pages cannot be shown: the web engine is not installed.</source>
        <translation>Webseiten können nicht angezeigt werden: Die Web-Engine ist nicht installiert.</translation>
    </message>
    <message>
        <source>Web pages cannot be shown to the root user with the sandbox on.</source>
        <translation>Webseiten können dem Benutzer root bei eingeschalteter Sandbox nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>VeskGames::WebDialogItem</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The page stopped working. Close it and open it again.</source>
        <translation>Die Seite funktioniert nicht mehr. Schließen Sie sie und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>The server did not open this page for you. Please try again later.</source>
        <translation>Der Server hat diese Seite nicht für Sie geöffnet. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
</TS>
