<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>high card, %1</source>
        <translation>höchste Karte, %1</translation>
    </message>
    <message>
        <source>one pair, %1</source>
        <translation>ein Paar, %1</translation>
    </message>
    <message>
        <source>two pairs, %1 over %2</source>
        <translation>zwei Paare, %1 und %2</translation>
    </message>
    <message>
        <source>three of a kind, %1</source>
        <translation>Drilling, %1</translation>
    </message>
    <message>
        <source>a straight, %1 high</source>
        <translation>eine Straße bis %1</translation>
    </message>
    <message>
        <source>a flush, %1 high</source>
        <translation>ein Flush bis %1</translation>
    </message>
    <message>
        <source>a full house, %1 full of %2</source>
        <translation>ein Full House, %1 über %2</translation>
    </message>
    <message>
        <source>four of a kind, %1</source>
        <translation>Vierling, %1</translation>
    </message>
    <message>
        <source>a straight flush, %1 high</source>
        <translation>ein Straight Flush bis %1</translation>
    </message>
    <message>
        <source>a royal straight flush</source>
        <translation>ein Royal Flush</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, ante: %4, %5 %6</source>
        <translation>VeskPoker Spiel #%1, %2/%3, Ante: %4, %5 %6</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, %4 %5</source>
        <translation>VeskPoker Spiel #%1, %2/%3, %4 %5</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, ante: %2, %3 %4</source>
        <translation>VeskPoker Spiel #%1, Ante: %2, %3 %4</translation>
    </message>
    <message>
        <source>Table %1-max Seat #%2 is the dealer</source>
        <translation>Tisch für %1, Platz #%2 ist der Dealer</translation>
    </message>
    <message>
        <source>Seat %1: %2 (%3 in chips)</source>
        <translation>Platz %1: %2 (%3 in Chips)</translation>
    </message>
    <message>
        <source>%1: posts ante %2</source>
        <translation>%1: setzt Ante %2</translation>
    </message>
    <message>
        <source>%1: posts small blind %2</source>
        <translation>%1: setzt Small Blind %2</translation>
    </message>
    <message>
        <source>%1: posts big blind %2</source>
        <translation>%1: setzt Big Blind %2</translation>
    </message>
    <message>
        <source>*** HOLE CARDS ***</source>
        <translation>*** HANDKARTEN ***</translation>
    </message>
    <message>
        <source>*** SHOW DOWN ***</source>
        <translation>*** SHOWDOWN ***</translation>
    </message>
    <message>
        <source>*** SUMMARY ***</source>
        <translation>*** ZUSAMMENFASSUNG ***</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Gesamtpot %1</translation>
    </message>
    <message>
        <source>Fee %1</source>
        <translation>Gebühr %1</translation>
    </message>
    <message>
        <source>Total pot %1 | Rake %2</source>
        <translation>Gesamtpot %1 | Rake %2</translation>
    </message>
    <message>
        <source>Board  [%1]</source>
        <translation>Board  [%1]</translation>
    </message>
    <message>
        <source>Dealt to %1 [%2]</source>
        <translation>%1 erhält [%2]</translation>
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
        <translation>%1: zeigt [%2]</translation>
    </message>
    <message>
        <source>%1: bets %2 and is all-in</source>
        <translation>%1: setzt %2 und ist all-in</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3 and is all-in</source>
        <translation>%1: erhöht um %2 auf %3 und ist all-in</translation>
    </message>
    <message>
        <source>%1: calls %2 and is all-in</source>
        <translation>%1: geht mit %2 mit und ist all-in</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: geht mit %2 mit</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: schiebt</translation>
    </message>
    <message>
        <source>%1: bets %2</source>
        <translation>%1: setzt %2</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3</source>
        <translation>%1: erhöht um %2 auf %3</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: passt</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Nicht gedeckter Einsatz (%1) geht zurück an %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gewinnt %2 mit %3</translation>
    </message>
    <message>
        <source>%1: mucks</source>
        <translation>%1: wirft weg</translation>
    </message>
    <message>
        <source>%1: finished %2 and won %3</source>
        <translation>%1: wird %2 und gewinnt %3</translation>
    </message>
    <message>
        <source>%1: finished %2</source>
        <translation>%1: wird %2</translation>
    </message>
    <message>
        <source>The hand-history script could not be read.</source>
        <translation>Das Handverlaufs-Skript konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The hand-history script failed: %1</source>
        <translation>Das Handverlaufs-Skript ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The hand-history script has no parser.</source>
        <translation>Das Handverlaufs-Skript hat keinen Parser.</translation>
    </message>
    <message>
        <source>Hand %1 is too long to read.</source>
        <translation>Hand %1 ist zu lang zum Lesen.</translation>
    </message>
    <message>
        <source>Hand %1 took too long to read.</source>
        <translation>Das Lesen von Hand %1 hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>Hand %1 could not be read: %2</source>
        <translation>Hand %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a list of hand records: %1 at byte %2</source>
        <translation>keine Liste von Handaufzeichnungen: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>entry %1 of the list is not a hand record</source>
        <translation>Eintrag %1 der Liste ist keine Handaufzeichnung</translation>
    </message>
    <message>
        <source>line %1 is not a hand record</source>
        <translation>Zeile %1 ist keine Handaufzeichnung</translation>
    </message>
    <message>
        <source>no hand records</source>
        <translation>keine Handaufzeichnungen</translation>
    </message>
    <message>
        <source>not a hand record</source>
        <translation>keine Handaufzeichnung</translation>
    </message>
    <message>
        <source>unexpected text at character %1</source>
        <translation>unerwarteter Text bei Zeichen %1</translation>
    </message>
    <message>
        <source>the record ends inside an event</source>
        <translation>die Aufzeichnung endet mitten in einem Ereignis</translation>
    </message>
    <message>
        <source>cards &quot;%1&quot; are not two hexadecimal digits each</source>
        <translation>die Karten „%1“ sind nicht je zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>Ereignis %1: %2</translation>
    </message>
    <message>
        <source>event %1: a second set of game parameters</source>
        <translation>Ereignis %1: ein zweiter Satz Spielparameter</translation>
    </message>
    <message>
        <source>the record does not begin with the game&apos;s parameters</source>
        <translation>die Aufzeichnung beginnt nicht mit den Spielparametern</translation>
    </message>
    <message>
        <source>event %1: &quot;%2&quot; does not belong in a hand</source>
        <translation>Ereignis %1: „%2“ gehört nicht in eine Hand</translation>
    </message>
    <message>
        <source>the record holds no events</source>
        <translation>die Aufzeichnung enthält keine Ereignisse</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>Seconds left: %n</source>
        <translation>
            <numerusform>Verbleibende Sekunden: %n</numerusform>
            <numerusform>Verbleibende Sekunden: %n</numerusform>
        </translation>
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
    <name>VeskGames::FreerollBustedDialogItem</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congratulations!
You finished in %1 place and won %2!</source>
        <translation>Glückwunsch!
Sie wurden %1 und gewinnen %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place and won %2!</source>
        <translation>Sie wurden %1 und gewinnen %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Sie wurden %1!</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameHistoryDialogItem</name>
    <message>
        <source>Hand History</source>
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save Hand History</source>
        <translation>Handverlauf speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n hand(s) to the clipboard.</source>
        <translation>
            <numerusform>%n Hand in die Zwischenablage kopiert.</numerusform>
            <numerusform>%n Hände in die Zwischenablage kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholen</translation>
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
    <name>VeskGames::PlayerController</name>
    <message>
        <source>Login failed, please try again</source>
        <translation>Anmeldung fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Authentication failed, exiting.</source>
        <translation>Anmeldung fehlgeschlagen, das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Ungültiger oder bereits vergebener Benutzername</translation>
    </message>
    <message>
        <source>The buy-in was refused.</source>
        <translation>Der Buy-in wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Tournament is running. You cannot leave the game.</source>
        <translation>Das Turnier läuft. Sie können das Spiel nicht verlassen.</translation>
    </message>
    <message>
        <source>Please wait, leaving pool.</source>
        <translation>Bitte warten, der Pool wird verlassen.</translation>
    </message>
    <message>
        <source>The player has left the table!
You can take the seat once the ongoing hand has finished!</source>
        <translation>Der Spieler hat den Tisch verlassen!
Sie können den Platz nach dem Ende der laufenden Hand einnehmen!</translation>
    </message>
    <message>
        <source>You are registered!</source>
        <translation>Sie sind angemeldet!</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>This hand cannot be replayed: %1</source>
        <translation>Diese Hand kann nicht wiederholt werden: %1</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerGameScene</name>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Mitgehen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Join
new game</source>
        <translation>Neues
Spiel</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Schließen bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sitting Out</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 %2
Ante: %3 (%4 min)</source>
        <translation>%1 %2
Ante: %3 (%4 Min.)</translation>
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
%3/%4 (%5 Min.)
Ante: %6</translation>
    </message>
    <message>
        <source>%1 %2
%3/%4 (%5 min)</source>
        <translation>%1 %2
%3/%4 (%5 Min.)</translation>
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
        <translation>Spiel-Nr.: %1</translation>
    </message>
    <message>
        <source>Players: %1 Active: %2</source>
        <translation>Spieler: %1 Aktiv: %2</translation>
    </message>
    <message>
        <source>Position: %2/%1</source>
        <translation>Platz: %2/%1</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ Pot</translation>
    </message>
    <message>
        <source>⅔ Pot</source>
        <translation>⅔ Pot</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerOptionsDialogItem</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
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
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show Avatars</source>
        <translation>Avatare zeigen</translation>
    </message>
    <message>
        <source>Hide Avatars</source>
        <translation>Avatare verbergen</translation>
    </message>
    <message>
        <source>Use Chips To Bet</source>
        <translation>Mit Chips setzen</translation>
    </message>
    <message>
        <source>Use Slider To Bet</source>
        <translation>Mit Regler setzen</translation>
    </message>
    <message>
        <source>Show Holecards</source>
        <translation>Karten zeigen</translation>
    </message>
    <message>
        <source>Hide Holecards</source>
        <translation>Karten verbergen</translation>
    </message>
    <message>
        <source>Mute Sounds</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Stay and watch</source>
        <translation>Bleiben und zusehen</translation>
    </message>
    <message>
        <source>Join new game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Four-Colour Deck</source>
        <translation>Vierfarbiges Blatt</translation>
    </message>
    <message>
        <source>Two-Colour Deck</source>
        <translation>Zweifarbiges Blatt</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerUsernameDialogItem</name>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Please enter the nickname you wish to show
at the tables, the nickname can be up to 10
characters long, please use letters and numbers.

In order to protect the safety of your account we
advise you NOT to enter your username. Once
selected your nickname cannot be changed.</source>
        <translation>Bitte geben Sie den Spitznamen ein, der an den
Tischen angezeigt werden soll. Er darf bis zu 10
Zeichen lang sein, bitte nur Buchstaben und Ziffern.

Zum Schutz Ihres Kontos raten wir, NICHT Ihren
Benutzernamen einzugeben. Ein gewählter
Spitzname kann nicht mehr geändert werden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Ungültiger oder bereits vergebener Benutzername</translation>
    </message>
</context>
<context>
    <name>VeskGames::ReplayWindow</name>
    <message>
        <source>Replay of hand #%1</source>
        <translation>Wiederholung von Hand #%1</translation>
    </message>
    <message>
        <source>Replay of a hand</source>
        <translation>Wiederholung einer Hand</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>One step back (Left)</source>
        <translation>Einen Schritt zurück (Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>One step forward (Right)</source>
        <translation>Einen Schritt vor (Rechts)</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Abspielen oder anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
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
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Congratulations! You finished in %1 place
and won %2!</source>
        <translation>Glückwunsch! Sie wurden %1
und gewinnen %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place
and won %2!</source>
        <translation>Sie wurden %1
und gewinnen %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Sie wurden %1!</translation>
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
        <translation>Sit &amp; Go Anmeldung</translation>
    </message>
    <message>
        <source>Sit &amp; Go Information</source>
        <translation>Sit &amp; Go Information</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioden</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>Buy-in</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Kontostand</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>1st %1 </source>
        <translation>1. %1 </translation>
    </message>
    <message>
        <source>2nd %1 </source>
        <translation>2. %1 </translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>3. %1</translation>
    </message>
    <message>
        <source>Registration failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Buyin failed</source>
        <translation>Buy-in fehlgeschlagen</translation>
    </message>
    <message>
        <source>No funds available</source>
        <translation>Kein Guthaben verfügbar</translation>
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
