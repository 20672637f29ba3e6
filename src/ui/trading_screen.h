#pragma once

#include "state/game_state.h"
#include "ui/ports.h"

// What the trading form Form4 shows: each display step writes only the boxes it names, in order.
namespace vekselgrad {

// Б(0) and Б(1): the day and the part.
void showDayAndPart(const GameState& s, Ports& ports);

// Text25 blanked once for every firm without shares (one such firm is enough).
void blankPurchasePrice(const GameState& s, Ports& ports);

// The firm on offer from the offer record: name, holding and its value, market word, cash,
// offer price and the money in the bank.
void showOffer(const GameState& s, Ports& ports);

// Profit or loss of the firm on offer and of all six firms, from the firm records.
void showProfit(const GameState& s, Ports& ports);

// Text25: the average price paid per share of the firm on offer, cut to one decimal, when the
// player holds its shares; otherwise Text25 keeps its text.
void showPurchasePrice(const GameState& s, Ports& ports);

// Text21: the change of the stock index against 175 ("+ 12", "-7").
void showIndexChange(const GameState& s, Ports& ports);

// Text18: the stock index; Text17: the stored market state of the firm on offer, when that is a
// firm 1..6.
void showIndexAndTrend(const GameState& s, Ports& ports);

}  // namespace vekselgrad
