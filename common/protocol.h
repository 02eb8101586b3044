#ifndef VESKGAMES_PROTOCOL_H
#define VESKGAMES_PROTOCOL_H

// The numbers the server and the client share, by name: both speak them
// through these, so neither writes 500 for the end of a hand.

namespace VeskGames {
namespace Protocol {

/// Where a hand stands ("handStatus").
enum HandStatus : int {
    HandWaiting = 100, ///< no hand under way
    HandNew = 101,
    HandHoleCards = 200,
    HandFlop = 210,
    HandTurn = 220,
    HandRiver = 230,
    HandShowdown = 300,
    HandRake = 400,
    HandOver = 500,
};

/// What a notice ("statusInfo") tells the player.
enum Notice : int {
    NoticeCommunicationFailure = 1001,
    NoticeReconnectedElsewhere = 2001,
    NoticeInactive = 2002,
    NoticeUnknownMacAddress = 3004,
    NoticeNoSeat = 4001,
    NoticeInvalidUsername = 4002,
    NoticeSeatTaken = 4003,
    NoticeAlreadySeated = 4004,
    NoticeTournamentStarted = 4005,
    NoticeNotRegistered = 4006,
};

/// The bits of a game's type.
enum GameType : int {
    TexasHoldem = 0x1,
    Omaha = 0x2,
    CashGame = 0x1000,
    SitAndGo = 0x2000,
    InstantDeal = 0x4000,
    ServiceFee = 0x8000,
    Freeroll = 0x10000,
};

enum Limit : int {
    NoLimit = 1,
    PotLimit = 2,
};

} // namespace Protocol
} // namespace VeskGames

#endif
