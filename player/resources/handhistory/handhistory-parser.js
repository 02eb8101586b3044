// Turns one hand record into the lines of its hand history.
//
// A record is a run of event objects written one after the other ("}{"
// where two meet). The script replays them, keeps the hand's state and asks
// the host for every line through generateTranslatedOutput(key, values...).
//
// Records come from the server, so nothing in them is ever run as code:
// events are read as JSON, or as a plain object literal (bare keys, single
// quotes) by the small reader below, and nesting is bounded.

var TEXAS_HOLDEM = 0x1;
var OMAHA = 0x2;
var CASH_GAME = 0x1000;
var SIT_AND_GO = 0x2000;
var INSTADEAL = 0x4000;
var SERVICEFEE = 0x8000;
var FREEROLL = 0x10000;

// Deeper than any event the server writes; keeps the readers' recursion shallow.
var MAX_EVENT_DEPTH = 32;

var hand = null;

function newHand() {
    return {
        currency: "",
        type: 0,
        limit: 0,
        seats: [],
        bets: [],
        stakeMin: 0,
        stakeMax: 0,
        ante: 0,
        startTime: 0,
        board: [],
        street: 0,
        boardHex: "",
        lastBet: 0,
        pot: 0,
        rake: 0,
        tableSize: 0
    };
}

// English fallbacks for a host without generateTranslatedOutput.
function fallbackOutput(key, values) {
    return key + ": " + values.join(", ");
}

function output(lines, key) {
    var values = Array.prototype.slice.call(arguments, 2);
    var text;
    if (typeof generateTranslatedOutput === "function")
        text = generateTranslatedOutput.apply(null, [key].concat(values));
    else
        text = fallbackOutput(key, values);
    lines.push(text === undefined || text === null ? "" : String(text));
}

// --- Reading events -------------------------------------------------------

// Cuts the record where one top-level object ends and the next begins. Braces
// inside strings do not count, so a player called "a}{b" stays one name.
function splitEvents(record) {
    var events = [];
    var depth = 0;
    var start = -1;
    var quote = "";
    var escaped = false;
    for (var i = 0; i < record.length; ++i) {
        var c = record.charAt(i);
        if (quote) {
            if (escaped)
                escaped = false;
            else if (c === "\\")
                escaped = true;
            else if (c === quote)
                quote = "";
            continue;
        }
        if (c === "\"" || c === "'") {
            quote = c;
        } else if (c === "{" || (c === "[" && depth > 0)) {
            if (depth === 0)
                start = i;
            if (++depth > MAX_EVENT_DEPTH)
                throw new Error("event nested too deeply");
        } else if (c === "}" || c === "]") {
            if (depth === 0)
                throw new Error("unbalanced event at " + i);
            if (--depth === 0 && start >= 0) {
                events.push(record.substring(start, i + 1));
                start = -1;
            }
        } else if (depth === 0 && !/\s/.test(c)) {
            throw new Error("text between events at " + i);
        }
    }
    if (depth !== 0 || quote)
        throw new Error("record ends inside an event");
    return events;
}

// An object literal without code: bare or quoted keys, strings in either
// quote, numbers, true, false, null, arrays and objects.
function LiteralReader(text) {
    this.text = text;
    this.at = 0;
}

LiteralReader.prototype.fail = function (what) {
    throw new SyntaxError(what + " at " + this.at);
};

LiteralReader.prototype.space = function () {
    while (this.at < this.text.length && /\s/.test(this.text.charAt(this.at)))
        ++this.at;
};

LiteralReader.prototype.expect = function (c) {
    this.space();
    if (this.text.charAt(this.at) !== c)
        this.fail("expected " + c);
    ++this.at;
};

LiteralReader.prototype.string = function () {
    var quote = this.text.charAt(this.at++);
    var out = "";
    while (this.at < this.text.length) {
        var c = this.text.charAt(this.at++);
        if (c === quote)
            return out;
        if (c !== "\\") {
            out += c;
            continue;
        }
        var e = this.text.charAt(this.at++);
        var simple = { "n": "\n", "t": "\t", "r": "\r", "b": "\b", "f": "\f" };
        if (e === "u") {
            var code = this.text.substr(this.at, 4);
            if (!/^[0-9a-fA-F]{4}$/.test(code))
                this.fail("bad escape");
            out += String.fromCharCode(parseInt(code, 16));
            this.at += 4;
        } else {
            out += simple.hasOwnProperty(e) ? simple[e] : e;
        }
    }
    this.fail("unterminated string");
};

LiteralReader.prototype.value = function (depth) {
    if (depth > MAX_EVENT_DEPTH)
        this.fail("nested too deeply");
    this.space();
    var c = this.text.charAt(this.at);
    if (c === "{")
        return this.object(depth + 1);
    if (c === "[")
        return this.array(depth + 1);
    if (c === "\"" || c === "'")
        return this.string();
    var word = /^(-?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?|true|false|null)/.exec(this.text.substr(this.at, 40));
    if (!word)
        this.fail("unexpected character");
    this.at += word[0].length;
    if (word[0] === "true")
        return true;
    if (word[0] === "false")
        return false;
    if (word[0] === "null")
        return null;
    return Number(word[0]);
};

LiteralReader.prototype.object = function (depth) {
    var out = {};
    this.expect("{");
    this.space();
    if (this.text.charAt(this.at) === "}") {
        ++this.at;
        return out;
    }
    for (;;) {
        this.space();
        var key;
        var c = this.text.charAt(this.at);
        if (c === "\"" || c === "'") {
            key = this.string();
        } else {
            var name = /^[A-Za-z_$][A-Za-z0-9_$]*/.exec(this.text.substr(this.at, 256));
            if (!name)
                this.fail("expected a key");
            key = name[0];
            this.at += key.length;
        }
        this.expect(":");
        // Own property even for "__proto__": the event stays a plain record.
        Object.defineProperty(out, key, { value: this.value(depth), enumerable: true, writable: true,
                                          configurable: true });
        this.space();
        c = this.text.charAt(this.at++);
        if (c === "}")
            return out;
        if (c !== ",")
            this.fail("expected , or }");
    }
};

LiteralReader.prototype.array = function (depth) {
    var out = [];
    this.expect("[");
    this.space();
    if (this.text.charAt(this.at) === "]") {
        ++this.at;
        return out;
    }
    for (;;) {
        out.push(this.value(depth));
        this.space();
        var c = this.text.charAt(this.at++);
        if (c === "]")
            return out;
        if (c !== ",")
            this.fail("expected , or ]");
    }
};

function parseHandhistoryEvent(text) {
    try {
        return JSON.parse(text);
    } catch (notJson) {
        var reader = new LiteralReader(text);
        var event = reader.value(0);
        reader.space();
        if (reader.at !== text.length)
            reader.fail("text after the event");
        return event;
    }
}

// --- Cards ------------------------------------------------------------------

function parseCardSuit(hex) {
    var n = parseInt(hex, 16);
    if (n === 0)
        return -1;
    return (n - 1) % 4 + 2;
}

function parseCardValue(hex) {
    var n = parseInt(hex, 16);
    if (n === 0)
        return -1;
    return Math.floor((n - 1) / 4);
}

function printCardValueToChar(value) {
    if (value === -1)
        return "*";
    if (value === 0)
        return "A";
    if (value >= 1 && value <= 8)
        return String(value + 1);
    var faces = { 9: "T", 10: "J", 11: "Q", 12: "K" };
    return faces.hasOwnProperty(value) ? faces[value] : "U";
}

function printCardSuitToChar(suit) {
    var letters = { "-1": "*", 0: "b", 1: "j", 2: "c", 3: "d", 4: "h", 5: "s" };
    return letters.hasOwnProperty(suit) ? letters[suit] : "U";
}

function parseAndFormatCard(hex) {
    return printCardValueToChar(parseCardValue(hex)) + printCardSuitToChar(parseCardSuit(hex));
}

function formatCards(hex) {
    var cards = [];
    var digits = String(hex);
    for (var i = 0; i + 1 < digits.length; i += 2)
        cards.push(parseAndFormatCard(digits.substr(i, 2)));
    return cards;
}

// --- Players ----------------------------------------------------------------

function formatUsername(player) {
    if (typeof globalShowDisplayName === "undefined" || !globalShowDisplayName || !player.displayName)
        return player.userName;
    return player.displayName;
}

function displayServiceFee() {
    return typeof globalDisplayServiceFee !== "undefined" ? globalDisplayServiceFee : false;
}

function isOmaha(type) {
    return (type & OMAHA) !== 0;
}

function playerAt(position) {
    var player = hand.seats[position];
    if (!player)
        throw new Error("no player in seat " + position);
    return player;
}

function nameAt(position) {
    return formatUsername(playerAt(position));
}

// --- The hand ---------------------------------------------------------------

function applyEvent(e, text, lines) {
    var p = e.position;
    if (e.event === "gameParameters") {
        hand.currency = e.currency;
        hand.type = e.type;
        hand.limit = e.limit;
        hand.stakeMin = e.stakeMin;
        hand.stakeMax = e.stakeMax;
        hand.ante = e.ante;
        hand.startTime = e.timestamp;
        hand.tableSize = Number(e.seats) || 0;
        hand.seats = new Array(hand.tableSize + 1);
        hand.bets = [];
        for (var s = 0; s <= hand.tableSize; ++s)
            hand.bets.push(0);
        hand.board = [];
        hand.street = 0;
    } else if (e.handId) {
        output(lines, "handId", e.handId, hand.stakeMin, hand.stakeMax, hand.ante, hand.currency, hand.type,
               hand.limit);
        output(lines, "startTime", hand.startTime);
    } else if (e.setDealer) {
        output(lines, "setDealerTable", hand.tableSize, p);
        for (var seat = 1; seat < hand.seats.length; ++seat) {
            var player = hand.seats[seat];
            if (player)
                output(lines, "setDealerSeat", seat, formatUsername(player), hand.currency, player.stack, hand.type);
        }
    } else if (e.userName) {
        if (!(p >= 1 && p <= hand.tableSize))
            throw new Error("seat " + p + " is not at the table");
        hand.seats[p] = { userName: e.userName, displayName: e.userDisplayName ? e.userDisplayName : "",
                          stack: e.userStack, hole: null, shown: null, shownHex: undefined };
    } else if (e.postAnte) {
        // An ante is dead money: it is not part of the seat's bet in the round.
        output(lines, "postAnte", nameAt(p), e.postAnte, hand.type, hand.currency);
    } else if (e.postSmall) {
        output(lines, "postSmall", nameAt(p), e.postSmall, hand.type, hand.currency);
        hand.bets[p] = Number(e.postSmall);
    } else if (e.postBig) {
        output(lines, "postBig", nameAt(p), e.postBig, hand.type, hand.currency);
        hand.bets[p] = Number(e.postBig);
        hand.lastBet = Number(e.postBig);
    } else if (e.handStatus) {
        var status = Number(e.handStatus);
        if (status === 200 || status === 300) {
            output(lines, "handStatus", status);
        } else if (status === 500) {
            output(lines, "handStatus", 500);
            output(lines, "handStatusTotalPot", hand.pot, hand.rake, hand.type, hand.currency, displayServiceFee());
            output(lines, "handStatusBoard", hand.board.join(" "));
        } else {
            for (var b = 0; b < hand.bets.length; ++b)
                hand.bets[b] = 0;
            hand.lastBet = 0;
        }
    } else if (e.dealHole) {
        var holder = playerAt(p);
        if (!holder.hole)
            holder.hole = [];
        holder.hole.push(parseAndFormatCard(String(e.dealHole).substr(0, 2)));
    } else if (e.event === "gameRequest") {
        for (var r = 1; r < hand.seats.length; ++r) {
            var dealt = hand.seats[r];
            if (dealt && dealt.hole) {
                output(lines, "gameRequest", formatUsername(dealt), dealt.hole.join(" "));
                dealt.hole = null;
            }
        }
    } else if (e.dealCommunity) {
        var digits = String(e.dealCommunity);
        hand.boardHex = hand.street === 0 ? digits : hand.boardHex + digits;
        var cards = formatCards(digits);
        output(lines, "dealCommunity", hand.street, hand.board.join(" "), cards.join(" "));
        hand.board = hand.board.concat(cards);
        ++hand.street;
    } else if (e.actionShow) {
        var shower = playerAt(p);
        shower.shown = formatCards(e.actionShow);
        shower.shownHex = String(e.actionShow);
        output(lines, "actionShow", formatUsername(shower), shower.shown.join(" "));
    } else if (e.actionAllIn) {
        // An all-in is a bet, a raise or a call like any other: it moves the
        // seat's bet, and the last bet when it goes above it, so that later
        // lines of the round are measured against it.
        var name = nameAt(p);
        var total = hand.bets[p] + Number(e.actionAllIn);
        if (hand.lastBet === 0)
            output(lines, "actionAllInBets", name, e.actionAllIn, hand.type, hand.currency);
        else if (total > hand.lastBet)
            output(lines, "actionAllInRaises", name, total - hand.lastBet, total, hand.type, hand.currency);
        else
            output(lines, "actionAllInCalls", name, e.actionAllIn, hand.type, hand.currency);
        hand.bets[p] = total;
        if (total > hand.lastBet)
            hand.lastBet = total;
    } else if (e.actionCall) {
        output(lines, "actionCall", nameAt(p), e.actionCall, hand.type, hand.currency);
        hand.bets[p] += Number(e.actionCall);
    } else if (e.actionCheck) {
        output(lines, "actionCheck", nameAt(p));
    } else if (e.actionBet) {
        output(lines, "actionBet", nameAt(p), e.actionBet, hand.type, hand.currency);
        hand.lastBet = Number(e.actionBet);
        hand.bets[p] += Number(e.actionBet);
    } else if (e.actionRaise) {
        var raiser = nameAt(p);
        hand.bets[p] += Number(e.actionRaise);
        output(lines, "actionRaise", raiser, hand.bets[p] - hand.lastBet, hand.bets[p], hand.type, hand.currency);
        hand.lastBet = hand.bets[p];
    } else if (e.actionFold) {
        output(lines, "actionFold", nameAt(p));
    } else if (e.potReturnUncalled) {
        output(lines, "potReturnUncalled", e.potReturnUncalled, nameAt(p), hand.type, hand.currency);
    } else if (e.potGive) {
        var minimumHole = isOmaha(hand.type) ? 2 : 0;
        var awards = e.potGive;
        for (var a = 0; a < awards.length; ++a) {
            var winner = playerAt(awards[a].position);
            output(lines, "potGive", formatUsername(winner), awards[a].amount, hand.boardHex, winner.shownHex,
                   minimumHole, 2, hand.type, hand.currency);
        }
    } else if (e.bettingDone) {
        var pots = e.bettingDone;
        hand.pot = 0;
        hand.rake = 0;
        for (var i = 0; i < pots.length; ++i) {
            hand.pot += Number(pots[i].value) || 0;
            hand.rake += Number(pots[i].rake) || 0;
        }
    } else if (e.actionMuck) {
        output(lines, "actionMuck", nameAt(p));
    } else if (text.indexOf("tourStatus") >= 0) {
        // Tournament progress has no line of its own.
    } else if (e.tourBusted) {
        output(lines, "tourBusted", nameAt(p), e.tourBusted, e.tourPrice, hand.type, hand.currency);
    } else if (e.userStatusChange) {
        // Sitting out and back in is not part of the story of the hand.
    } else {
        lines.push("unknown event " + text);
    }
}

function parseHandhistory(handhistory) {
    hand = newHand();
    var lines = [];
    var events = splitEvents(String(handhistory));
    for (var i = 0; i < events.length; ++i) {
        var e = parseHandhistoryEvent(events[i]);
        if (e === null || typeof e !== "object")
            throw new TypeError("event " + i + " is not an object");
        applyEvent(e, events[i], lines);
    }
    return lines;
}
