<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QObject</name>
    <message>
        <source>ace</source>
        <translation>ess</translation>
    </message>
    <message>
        <source>two</source>
        <translation>tvåa</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trea</translation>
    </message>
    <message>
        <source>four</source>
        <translation>fyra</translation>
    </message>
    <message>
        <source>five</source>
        <translation>femma</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sexa</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sjua</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>åtta</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nia</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>tia</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>knekt</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dam</translation>
    </message>
    <message>
        <source>king</source>
        <translation>kung</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ess</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>tvåor</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>treor</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>fyror</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>femmor</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>sexor</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sjuor</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>åttor</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nior</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>tior</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>knektar</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damer</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>kungar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>okänd</translation>
    </message>
    <message>
        <source>high card, %1</source>
        <translation>högsta kort, %1</translation>
    </message>
    <message>
        <source>one pair, %1</source>
        <translation>ett par, %1</translation>
    </message>
    <message>
        <source>two pairs, %1 over %2</source>
        <translation>två par, %1 och %2</translation>
    </message>
    <message>
        <source>three of a kind, %1</source>
        <translation>tretal, %1</translation>
    </message>
    <message>
        <source>a straight, %1 high</source>
        <translation>en stege, %1 högst</translation>
    </message>
    <message>
        <source>a flush, %1 high</source>
        <translation>en färg, %1 högst</translation>
    </message>
    <message>
        <source>a full house, %1 full of %2</source>
        <translation>en kåk, %1 över %2</translation>
    </message>
    <message>
        <source>four of a kind, %1</source>
        <translation>fyrtal, %1</translation>
    </message>
    <message>
        <source>a straight flush, %1 high</source>
        <translation>en färgstege, %1 högst</translation>
    </message>
    <message>
        <source>a royal straight flush</source>
        <translation>en royal straight flush</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, ante: %4, %5 %6</source>
        <translation>VeskPoker spel #%1, %2/%3, ante: %4, %5 %6</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, %2/%3, %4 %5</source>
        <translation>VeskPoker spel #%1, %2/%3, %4 %5</translation>
    </message>
    <message>
        <source>VeskPoker Game #%1, ante: %2, %3 %4</source>
        <translation>VeskPoker spel #%1, ante: %2, %3 %4</translation>
    </message>
    <message>
        <source>Table %1-max Seat #%2 is the dealer</source>
        <translation>Bord för %1, plats #%2 är giv</translation>
    </message>
    <message>
        <source>Seat %1: %2 (%3 in chips)</source>
        <translation>Plats %1: %2 (%3 i marker)</translation>
    </message>
    <message>
        <source>%1: posts ante %2</source>
        <translation>%1: lägger ante %2</translation>
    </message>
    <message>
        <source>%1: posts small blind %2</source>
        <translation>%1: lägger lilla mörken %2</translation>
    </message>
    <message>
        <source>%1: posts big blind %2</source>
        <translation>%1: lägger stora mörken %2</translation>
    </message>
    <message>
        <source>*** HOLE CARDS ***</source>
        <translation>*** HÅLKORT ***</translation>
    </message>
    <message>
        <source>*** SHOW DOWN ***</source>
        <translation>*** VISNING ***</translation>
    </message>
    <message>
        <source>*** SUMMARY ***</source>
        <translation>*** SAMMANFATTNING ***</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Total pott %1</translation>
    </message>
    <message>
        <source>Fee %1</source>
        <translation>Avgift %1</translation>
    </message>
    <message>
        <source>Total pot %1 | Rake %2</source>
        <translation>Total pott %1 | Rake %2</translation>
    </message>
    <message>
        <source>Board  [%1]</source>
        <translation>Bord  [%1]</translation>
    </message>
    <message>
        <source>Dealt to %1 [%2]</source>
        <translation>Utdelat till %1 [%2]</translation>
    </message>
    <message>
        <source>*** FLOP *** [%1]</source>
        <translation>*** FLOPP *** [%1]</translation>
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
        <translation>%1: visar [%2]</translation>
    </message>
    <message>
        <source>%1: bets %2 and is all-in</source>
        <translation>%1: satsar %2 och är all-in</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3 and is all-in</source>
        <translation>%1: höjer %2 till %3 och är all-in</translation>
    </message>
    <message>
        <source>%1: calls %2 and is all-in</source>
        <translation>%1: synar %2 och är all-in</translation>
    </message>
    <message>
        <source>%1: calls %2</source>
        <translation>%1: synar %2</translation>
    </message>
    <message>
        <source>%1: checks</source>
        <translation>%1: checkar</translation>
    </message>
    <message>
        <source>%1: bets %2</source>
        <translation>%1: satsar %2</translation>
    </message>
    <message>
        <source>%1: raises %2 to %3</source>
        <translation>%1: höjer %2 till %3</translation>
    </message>
    <message>
        <source>%1: folds</source>
        <translation>%1: lägger sig</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Osynad insats (%1) tillbaka till %2</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 vinner %2</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 vinner %2 med %3</translation>
    </message>
    <message>
        <source>%1: mucks</source>
        <translation>%1: kastar</translation>
    </message>
    <message>
        <source>%1: finished %2 and won %3</source>
        <translation>%1: kom %2 och vann %3</translation>
    </message>
    <message>
        <source>%1: finished %2</source>
        <translation>%1: kom %2</translation>
    </message>
    <message>
        <source>The hand-history script could not be read.</source>
        <translation>Skriptet för handhistorik kunde inte läsas.</translation>
    </message>
    <message>
        <source>The hand-history script failed: %1</source>
        <translation>Skriptet för handhistorik misslyckades: %1</translation>
    </message>
    <message>
        <source>The hand-history script has no parser.</source>
        <translation>Skriptet för handhistorik saknar tolk.</translation>
    </message>
    <message>
        <source>Hand %1 is too long to read.</source>
        <translation>Hand %1 är för lång för att läsas.</translation>
    </message>
    <message>
        <source>Hand %1 took too long to read.</source>
        <translation>Hand %1 tog för lång tid att läsa.</translation>
    </message>
    <message>
        <source>Hand %1 could not be read: %2</source>
        <translation>Hand %1 kunde inte läsas: %2</translation>
    </message>
    <message>
        <source>not a list of hand records: %1 at byte %2</source>
        <translation>ingen lista med handar: %1 vid byte %2</translation>
    </message>
    <message>
        <source>entry %1 of the list is not a hand record</source>
        <translation>post %1 i listan är ingen hand</translation>
    </message>
    <message>
        <source>line %1 is not a hand record</source>
        <translation>rad %1 är ingen hand</translation>
    </message>
    <message>
        <source>no hand records</source>
        <translation>inga handar</translation>
    </message>
    <message>
        <source>not a hand record</source>
        <translation>ingen hand</translation>
    </message>
    <message>
        <source>unexpected text at character %1</source>
        <translation>oväntad text vid tecken %1</translation>
    </message>
    <message>
        <source>the record ends inside an event</source>
        <translation>inspelningen slutar mitt i en händelse</translation>
    </message>
    <message>
        <source>cards &quot;%1&quot; are not two hexadecimal digits each</source>
        <translation>korten &quot;%1&quot; är inte två hexadecimala siffror vardera</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>händelse %1: %2</translation>
    </message>
    <message>
        <source>event %1: a second set of game parameters</source>
        <translation>händelse %1: en andra uppsättning spelparametrar</translation>
    </message>
    <message>
        <source>the record does not begin with the game&apos;s parameters</source>
        <translation>inspelningen börjar inte med spelets parametrar</translation>
    </message>
    <message>
        <source>event %1: &quot;%2&quot; does not belong in a hand</source>
        <translation>händelse %1: &quot;%2&quot; hör inte till en giv</translation>
    </message>
    <message>
        <source>the record holds no events</source>
        <translation>inspelningen innehåller inga händelser</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>Seconds left: %n</source>
        <translation>
            <numerusform>Sekunder kvar: %n</numerusform>
            <numerusform>Sekunder kvar: %n</numerusform>
        </translation>
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
    <name>VeskGames::FreerollBustedDialogItem</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congratulations!
You finished in %1 place and won %2!</source>
        <translation>Grattis!
Du kom på %1 plats och vann %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place and won %2!</source>
        <translation>Du kom på %1 plats och vann %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Du kom på %1 plats!</translation>
    </message>
</context>
<context>
    <name>VeskGames::GameHistoryDialogItem</name>
    <message>
        <source>Hand History</source>
        <translation>Handhistorik</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Läser in...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Spara...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Save Hand History</source>
        <translation>Spara handhistorik</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textfiler (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Sparad i %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kunde inte spara %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n hand(s) to the clipboard.</source>
        <translation>
            <numerusform>%n hand kopierad till urklipp.</numerusform>
            <numerusform>%n händer kopierade till urklipp.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Spela upp</translation>
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
    <name>VeskGames::PlayerController</name>
    <message>
        <source>Login failed, please try again</source>
        <translation>Inloggningen misslyckades, försök igen</translation>
    </message>
    <message>
        <source>Authentication failed, exiting.</source>
        <translation>Autentiseringen misslyckades, avslutar.</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Ogiltigt eller upptaget användarnamn</translation>
    </message>
    <message>
        <source>The buy-in was refused.</source>
        <translation>Inköpet nekades.</translation>
    </message>
    <message>
        <source>Tournament is running. You cannot leave the game.</source>
        <translation>Turneringen pågår. Du kan inte lämna spelet.</translation>
    </message>
    <message>
        <source>Please wait, leaving pool.</source>
        <translation>Vänta, lämnar poolen.</translation>
    </message>
    <message>
        <source>The player has left the table!
You can take the seat once the ongoing hand has finished!</source>
        <translation>Spelaren har lämnat bordet!
Du kan ta platsen när den pågående given är slut!</translation>
    </message>
    <message>
        <source>You are registered!</source>
        <translation>Du är anmäld!</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>Avanmäl</translation>
    </message>
    <message>
        <source>This hand cannot be replayed: %1</source>
        <translation>Den här given kan inte spelas upp: %1</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerGameScene</name>
    <message>
        <source>Fold</source>
        <translation>Lägg ner</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pott</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Syna</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Passa</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Satsa</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Join
new game</source>
        <translation>Nytt
spel</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Bekräfta stängning</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Sitting Out</source>
        <translation>Sitter ute</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Återvänd</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
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
        <translation>Spel-ID: %1</translation>
    </message>
    <message>
        <source>Players: %1 Active: %2</source>
        <translation>Spelare: %1 Aktiva: %2</translation>
    </message>
    <message>
        <source>Position: %2/%1</source>
        <translation>Plats: %2/%1</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ Pott</translation>
    </message>
    <message>
        <source>⅔ Pot</source>
        <translation>⅔ Pott</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerOptionsDialogItem</name>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
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
        <translation>Handhistorik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Show Avatars</source>
        <translation>Visa avatarer</translation>
    </message>
    <message>
        <source>Hide Avatars</source>
        <translation>Dölj avatarer</translation>
    </message>
    <message>
        <source>Use Chips To Bet</source>
        <translation>Satsa med marker</translation>
    </message>
    <message>
        <source>Use Slider To Bet</source>
        <translation>Satsa med reglage</translation>
    </message>
    <message>
        <source>Show Holecards</source>
        <translation>Visa kort</translation>
    </message>
    <message>
        <source>Hide Holecards</source>
        <translation>Dölj kort</translation>
    </message>
    <message>
        <source>Mute Sounds</source>
        <translation>Stäng av ljud</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Spela ljud</translation>
    </message>
    <message>
        <source>Stay and watch</source>
        <translation>Stanna och titta</translation>
    </message>
    <message>
        <source>Join new game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Four-Colour Deck</source>
        <translation>Fyrfärgad kortlek</translation>
    </message>
    <message>
        <source>Two-Colour Deck</source>
        <translation>Tvåfärgad kortlek</translation>
    </message>
</context>
<context>
    <name>VeskGames::PlayerUsernameDialogItem</name>
    <message>
        <source>Nickname</source>
        <translation>Smeknamn</translation>
    </message>
    <message>
        <source>Please enter the nickname you wish to show
at the tables, the nickname can be up to 10
characters long, please use letters and numbers.

In order to protect the safety of your account we
advise you NOT to enter your username. Once
selected your nickname cannot be changed.</source>
        <translation>Ange smeknamnet som ska visas vid borden.
Smeknamnet kan vara upp till 10 tecken
långt, använd bokstäver och siffror.

För att skydda ditt konto rekommenderar vi
att du INTE anger ditt användarnamn. Ett valt
smeknamn kan inte ändras.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Invalid and/or existing username</source>
        <translation>Ogiltigt eller upptaget användarnamn</translation>
    </message>
</context>
<context>
    <name>VeskGames::ReplayWindow</name>
    <message>
        <source>Replay of hand #%1</source>
        <translation>Uppspelning av giv #%1</translation>
    </message>
    <message>
        <source>Replay of a hand</source>
        <translation>Uppspelning av en giv</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>One step back (Left)</source>
        <translation>Ett steg bakåt (Vänster)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>One step forward (Right)</source>
        <translation>Ett steg framåt (Höger)</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Spela upp eller pausa (Mellanslag)</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Hastighet:</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Steg %1 av %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spela</translation>
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
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Lämna</translation>
    </message>
    <message>
        <source>Congratulations! You finished in %1 place
and won %2!</source>
        <translation>Grattis! Du kom på %1 plats
och vann %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place
and won %2!</source>
        <translation>Du kom på %1 plats
och vann %2!</translation>
    </message>
    <message>
        <source>You finished in %1 place!</source>
        <translation>Du kom på %1 plats!</translation>
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
        <translation>Sit &amp; Go-anmälan</translation>
    </message>
    <message>
        <source>Sit &amp; Go Information</source>
        <translation>Sit &amp; Go-information</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioder</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>Inköp</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Priser</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Anmäl</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuter</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>1st %1 </source>
        <translation>1:a %1 </translation>
    </message>
    <message>
        <source>2nd %1 </source>
        <translation>2:a %1 </translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>3:e %1</translation>
    </message>
    <message>
        <source>Registration failed</source>
        <translation>Anmälan misslyckades</translation>
    </message>
    <message>
        <source>Buyin failed</source>
        <translation>Inköpet misslyckades</translation>
    </message>
    <message>
        <source>No funds available</source>
        <translation>Inga medel tillgängliga</translation>
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
