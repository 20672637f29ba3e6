// vekselgrad-screenshots FOLDER: plays one game in the desktop program and writes pictures of
// its three forms to FOLDER: form4.png (the trading form with news), form5.png (the results
// with their figures) and form6.png (the analysis). `make screenshots` runs it under Xvfb.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <cstdio>
#include <filesystem>

#include "engine/game_random.h"
#include "modal_player.h"
#include "qt/application_setup.h"
#include "qt/desktop_game.h"

namespace {

using vekselgrad::Form;
using vekselgrad::desktop::DesktopGame;
using vekselgrad::desktop::FormWidget;
using vekselgrad::desktop::testing::ModalPlayer;

// A game whose first clicks bring news.
constexpr std::int64_t seed = 1906;
constexpr int clickLimit = 200;

bool save(QWidget& form, const QDir& folder, const QString& file) {
    QApplication::processEvents();
    if (!form.grab().save(folder.filePath(file))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
        return false;
    }
    std::printf("%s\n", qPrintable(folder.filePath(file)));
    return true;
}

QString shown(DesktopGame& game, const char* box) {
    return game.window().tradingForm().box(QString::fromLatin1(box))->text();
}

bool hasNews(DesktopGame& game) {
    return !shown(game, "FG(0)").trimmed().isEmpty() && !shown(game, "FG(2)").trimmed().isEmpty();
}

// One trading click of a simple player: sells 20 shares of a firm it holds enough of, buys 25
// (the fewest the market offers at level 1) of any other.
void trade(DesktopGame& game, ModalPlayer& player) {
    FormWidget& form = game.window().tradingForm();
    if (shown(game, "saf(0)").toInt() >= 20) {
        player.answer("20");
        QTest::mouseClick(form.button(QStringLiteral("Command1")), Qt::LeftButton);
    } else {
        player.answer("25");
        QTest::mouseClick(form.button(QStringLiteral("Command2")), Qt::LeftButton);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vekselgrad-screenshots FOLDER\n");
        return 2;
    }
    vekselgrad::desktop::setUpApplication(application);
    const QDir pictures(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir stateFolder;
    vekselgrad::GameRandom random(seed);
    DesktopGame game(std::filesystem::path(stateFolder.path().toStdString()), random, ',');
    ModalPlayer player;
    bool written = true;
    player.onResults = [&](FormWidget& results) {
        QTest::mouseClick(results.button(QStringLiteral("Command2")), Qt::LeftButton);
        written = save(results, pictures, QStringLiteral("form5.png")) && written;
        QTest::mouseClick(results.button(QStringLiteral("Command1")), Qt::LeftButton);
    };
    player.onAnalysis = [&](FormWidget& analysis) {
        const QPoint surface(analysis.width() / 2, analysis.height() - 20);
        QTest::mouseClick(&analysis, Qt::LeftButton, {}, surface);
        written = save(analysis, pictures, QStringLiteral("form6.png")) && written;
        QTest::mouseDClick(&analysis, Qt::LeftButton, {}, surface);
    };

    game.show();
    player.answer("1");
    QTest::mouseClick(game.window().tradingForm().button(QStringLiteral("Command5")),
                      Qt::LeftButton);
    int clicks = 0;
    for (; clicks < clickLimit && !hasNews(game); ++clicks) {
        trade(game, player);
    }
    written = save(game.window().tradingForm(), pictures, QStringLiteral("form4.png")) && written;
    for (; clicks < clickLimit && !pictures.exists(QStringLiteral("form6.png")); ++clicks) {
        trade(game, player);
    }
    if (!player.faults.isEmpty() || clicks == clickLimit) {
        std::fprintf(stderr, "the game did not go as planned: %s\n",
                     qPrintable(player.faults.join(QStringLiteral("; "))));
        return 1;
    }
    return written ? 0 : 1;
}
