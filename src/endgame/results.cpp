#include "endgame/results.h"

#include <array>
#include <cmath>
#include <string_view>

#include "endgame/tactical_totals.h"
#include "state/state_files.h"
#include "ui/number_text.h"

namespace vekselgrad {
namespace {

constexpr double brokerRate = 0.3;
constexpr double startIndex = 175;

// The value box of each figure, in the order the form fills them.
struct FigureBox {
    std::string_view box;
    double ResultFigures::*figure;
};
constexpr std::array<FigureBox, 8> figureBoxes{{
    {"Text2", &ResultFigures::turnoverTax},
    {"Text4", &ResultFigures::brokerIncome},
    {"Text6", &ResultFigures::bankMoneyWithInterest},
    {"Text8", &ResultFigures::interest},
    {"Text10", &ResultFigures::profit},
    {"Text12", &ResultFigures::totalAssets},
    {"Text14", &ResultFigures::rating},
    {"Text16", &ResultFigures::bestRating},
}};

double startingCash(const GameState& s) {
    return s.startCapital / s.level;
}

// Fills the money figures: tax, broker income, bank money and interest, profit and assets. Returns
// the assets after tax, broker income and interest, with their fractions.
double drawUpBalanceSheet(const GameState& s, ResultFigures& figures) {
    const double taxRate = 30 / s.constHundred;
    const double interestRate = 12 / s.constHundred;
    double assets = withHoldingsValue(s, s.cash);
    figures.turnoverTax = std::floor(taxRate * (assets - startingCash(s)));
    assets -= figures.turnoverTax;
    figures.brokerIncome = std::floor(brokerRate * s.sharesTraded);
    assets -= brokerRate * s.sharesTraded;
    figures.bankMoneyWithInterest = std::floor((interestRate + 1) * s.bankMoney);
    figures.interest = std::floor(interestRate * s.bankMoney);
    assets = assets + s.bankMoney + interestRate * s.bankMoney;
    figures.profit = std::floor(assets - startingCash(s));
    figures.totalAssets = std::floor(assets);
    return assets;
}

// Points for leaving few or no shares unsold.
double afterUnsoldBonus(double points, double unsold) {
    if (unsold < 20) {
        points += 5;
    }
    if (unsold == 0) {
        points += 5;
    }
    return points;
}

// Points for many right decisions and for few or no errors.
double afterTacticsBonus(double points, const TacticalTotals& totals) {
    if (totals.rightDecisions > 5) {
        points += 10;
    }
    if (totals.errors < 3) {
        points += 5;
    }
    if (totals.errors == 0) {
        points += 10;
    }
    return points;
}

// The level times the whole hundreds of profit, with the bonuses and the tactical score.
double ratingPoints(const GameState& s, double assets, const TacticalTotals& totals) {
    double points = s.level * std::floor((assets - startingCash(s)) / 100);
    points = afterUnsoldBonus(points, unsoldShares(s));
    points = points - totals.errors + totals.rightDecisions;
    return afterTacticsBonus(points, totals);
}

void recordTotals(GameState& s, double points, const TacticalTotals& totals) {
    s.totalAssets = points;
    s.errorCount = totals.errors;
    s.rightDecisionCount = totals.rightDecisions;
}

void showFigures(const ResultFigures& figures, Ports& ports) {
    for (const auto& [box, figure] : figureBoxes) {
        ports.window.setBox(Form::Form5, box, plainText(figures.*figure, ports.decimalSeparator));
    }
}

}  // namespace

ResultFigures computeResults(GameState& s) {
    ResultFigures figures{};
    const double assets = drawUpBalanceSheet(s, figures);
    const TacticalTotals totals = tacticalTotals(s);
    const double points = ratingPoints(s, assets, totals);
    figures.rating = std::floor((startIndex - s.stockIndex) / 2) + points;
    if (s.bestRating < figures.rating) {
        s.bestRating = figures.rating;
    }
    figures.bestRating = s.bestRating;
    recordTotals(s, points, totals);
    return figures;
}

void showAchievements(const std::filesystem::path& folder, Ports& ports) {
    GameState state;
    loadState(folder, state);
    const ResultFigures figures = computeResults(state);
    showFigures(figures, ports);
    saveState(folder, state);
}

}  // namespace vekselgrad
