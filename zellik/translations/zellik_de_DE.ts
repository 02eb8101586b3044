<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameListRows</name>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize Pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextUtils</name>
    <message>
        <source>%1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sit &amp; Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texas Hold&apos;em</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SnG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown limit type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10th</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::AbstractLoginDialogItem</name>
    <message>
        <source>NOTE! Do not save your password unless you are sure
no-one else has access to this computer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::Client</name>
    <message>
        <source>SSL error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server has restarted. If a game was in progress,
the last hand will have been invalidated and funds returned to your
account. Please restart the application to join a new game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::GameListDialogItem</name>
    <message>
        <source>Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freerolls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load details failed...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::GameSceneSideButtons</name>
    <message>
        <source>Join
new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay
and watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy Chips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::LobbySideButtons</name>
    <message>
        <source>Cashier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand
History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskGames::LoginDialogItem</name>
    <message>
        <source>Logging in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save username and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid username and/or password!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
