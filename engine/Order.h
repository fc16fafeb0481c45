#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "world/Game.h"

namespace gh {

// Every order the match takes goes through one door, whoever gives it: the
// person's pointer and dialogs, the game's own computer player and the
// strong one. CheckOrder says, without changing anything, whether the rules
// would take an order now and why not; GiveOrder gives it. The play aids ask
// the first, and a journal of the match records what went through the second.

enum class OrderKind {
    Select,   // who becomes Selected (a click on one's own unit)
    Walk,     // who walks to the cell
    Exchange, // who walks up to the enemy on the cell and strikes
    ReadPage, // who (the active hero) reads spellbook page `slot`
    Summon,   // the creature read is called onto the cell
    Cast,     // the spell read is aimed at the cell
    Cancel,   // a summon or spell waiting for its cell is called off
    EndTurn,  // the active side's turn ends
    Concede,  // who (the active hero) gives up and leaves the field; the turn ends
    PickPage, // who (the active hero) opens the spellbook at page `slot`: its
              // figures show (a creature's are drawn up), nothing is read
};

// How the order is given. A person's pointer has already rested on the cell
// (naming what stands there as Target, with the cell frame over it) and the
// casting dialog has already picked the page when an order comes from them.
// The strong computer player has neither, so for its orders the door first
// does what those would have done. The game's own computer player gives its
// walks as the pointer does, without pointing first.
enum class Hand { Pointer, Strong };

struct Order {
    OrderKind kind = OrderKind::EndTurn;
    int who = 0;        // the unit ordered, or the hero reading and casting
    float x = 0, y = 0; // the cell, field twips (its corner, as a click gives it)
    int slot = -1;      // ReadPage, PickPage: the spellbook page
    Hand hand = Hand::Pointer;
};

enum class Refusal {
    None,
    NoMatch,       // no match runs
    Busy,          // something walks, strikes, casts or rises, or a label shows
    NotTheirTurn,  // who is not the active side's, or not the active hero
    NoSuchUnit,    // who names no unit that can take the order
    NotAwaited,    // no summon or spell waits for its cell
    NoEnemyThere,  // an exchange with nobody on the cell
    NoPage,        // the page is empty
    OutsideField,  // nothing could ever walk to that cell
    CellTaken,     // the cell is occupied
    ShortOfReason, // the hero cannot read the page
    ShortOfMana,   // the hero lacks the mana
};

// Why an order would be refused; Refusal::None when the rules take it. Only
// reads the match: no field changes and no random number is drawn.
Refusal CheckOrder(const Game& g, const Order& order);

// Gives the order. A refusal the rules pass over in silence (the field is
// busy, it is not the side's turn) leaves the match as it was; one they
// answer (a taken cell, too little mana) is answered as the player sees it,
// with its box. Returns what CheckOrder said as the order was given.
Refusal GiveOrder(Game& g, const Order& order);

// Told of every order given to a match whose Services::orders points here:
// Giving before anything changes, Given once the order has done all it does
// (boxes answered included). An order given while another is under way (from
// a box's own event loop) is told too, nested.
class OrderWatcher {
public:
    virtual ~OrderWatcher() = default;
    virtual void Giving(Game& g, const Order& order) = 0;
    virtual void Given(Game& g, const Order& order, Refusal why) = 0;
    // Asked before anything else: in a network match an order of this
    // machine's person goes to the host instead of into the match, and an
    // order for a side played at another machine is not taken. nullopt lets
    // the order through; otherwise GiveOrder answers with this refusal and
    // leaves the match alone.
    virtual std::optional<Refusal> Diverted(Game& /*g*/, const Order& /*order*/) { return std::nullopt; }
};

// Whether the rules answer this refusal with a box when the order is given.
bool RefusalIsTold(Refusal why);

// A short line for the play aids, in the player's language: why the order
// cannot be given.
std::string RefusalText(Refusal why);

// The field waits for the active side's orders on the board: nothing walks,
// strikes, casts or shows a label, and no placement is pending.
bool FieldTakesOrders(const Game& g);

} // namespace gh
