#ifndef VESKGAMES_APPLICATIONSTATE_H
#define VESKGAMES_APPLICATIONSTATE_H

namespace VeskGames {

/// Where the player program is between start and end. The numbers are
/// fixed: they index the tables of what comes after a server command.
enum ApplicationState {
    StateStart = 0,
    StateReconnect = 1,
    StateReconnectWait = 2,
    StateKioskCredentials = 3,
    StateKioskWait = 4,
    StateConnect = 5,
    StateLogin = 6,
    StateLoginWait = 7,
    StateSelectUsername = 8,
    StateLobby = 9,
    StateTableOpening = 10,
    StateJoin = 11,
    StateJoinWait = 12,
    StateTable = 13,
    StateGameOver = 14,
    StateLeaving = 15,
    StateNone = 16
};

/// The state after a server command that finished in \a state; \a ok tells
/// whether it succeeded. StateNone where nothing is to follow.
inline ApplicationState stateAfterCommand(ApplicationState state, bool ok)
{
    static constexpr ApplicationState onSuccess[] = {
        StateStart,     StateReconnectWait, StateTable,          StateKioskWait, StateTable, StateLogin,
        StateLoginWait, StateLoginWait,     StateSelectUsername, StateJoin,      StateJoin,  StateJoinWait,
        StateTable,     StateGameOver,      StateNone,           StateNone};
    static constexpr ApplicationState onFailure[] = {
        StateStart,    StateReconnect, StateTable,    StateKioskCredentials, StateKioskWait, StateConnect,
        StateLogin,    StateLogin,     StateLogin,    StateGameOver,         StateGameOver,  StateGameOver,
        StateGameOver, StateLogin,     StateGameOver, StateLeaving};
    if (state < StateStart || state > StateLeaving)
        return StateNone;
    return ok ? onSuccess[state] : onFailure[state];
}

} // namespace VeskGames

#endif
