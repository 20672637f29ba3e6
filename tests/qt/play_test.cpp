// Playing the game by clicking the buttons of Form4 and answering its dialogs.
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <fstream>

#include "modal_player.h"
#include "qt/application_setup.h"
#include "state/state_files.h"
#include "twin_games.h"

namespace vekselgrad::desktop::testing {

class PlayTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { setUpApplication(*qobject_cast<QApplication*>(qApp)); }

    void tradingButtonsShowWhatTheEngineShows() {
        TwinGames game(20240611);
        game.click("Command5", {std::nullopt, "4", "1"});
        QCOMPARE(game.differences(), QStringList());
        QCOMPARE(game.desktop().window().tradingForm().box(QStringLiteral("baf(0)"))->text(),
                 QStringLiteral("15000"));
        game.click("Command1", {"0"});
        QCOMPARE(game.differences(), QStringList());
        game.click("Command2", {"1000", "12"});
        QCOMPARE(game.differences(), QStringList());
        game.click("Command3");
        QCOMPARE(game.differences(), QStringList());
        game.click("Command4");
        QCOMPARE(game.differences(), QStringList());
        game.click("Command2", {"7"});
        QCOMPARE(game.differences(), QStringList());
        QVERIFY(game.player().dialogs.size() >= 9);
        QVERIFY(!game.player().answersLeft());
    }

    void bankDepositGoesIntoTheBank() {
        TwinGames game(77);
        game.click("Command5", {"2"});
        for (const auto& folder : {game.desktopFolder(), game.engineFolder()}) {
            GameState state;
            loadState(folder, state);
            state.cash = 9000;
            saveState(folder, state);
        }
        game.click("Command4", {"2500", "1000,5"});
        game.click("Command3");
        QCOMPARE(game.differences(), QStringList());
        QCOMPARE(game.desktop().window().tradingForm().box(QStringLiteral("Text5"))->text(),
                 QStringLiteral("1000"));
        QCOMPARE(game.desktop().window().tradingForm().box(QStringLiteral("baf(0)"))->text(),
                 QStringLiteral("8000"));
    }

    void aFailingStateFileIsReportedAndTheProgramGoesOn() {
        TwinGames game(5);
        std::ofstream(game.desktopFolder() / "Data.txt") << "damaged\n";
        std::string failure;
        try {
            GameState state;
            loadState(game.desktopFolder(), state);
        } catch (const StateFileError& error) {
            failure = error.what();
        }
        QVERIFY(!failure.empty());
        QTest::mouseClick(game.desktop().window().tradingForm().button(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(game.player().dialogs,
                 QStringList{QStringLiteral("msgbox ") + QString::fromStdString(failure) +
                             QStringLiteral(" | ВЕКСЕЛЬГРАД")});
        QVERIFY(game.desktop().window().tradingForm().isVisible());
        QCOMPARE(game.desktop().window().tradingForm().box(QStringLiteral("saf(1)"))->text(),
                 QString());
        game.player().dialogs.clear();
        game.click("Command5", {"3"});
        QCOMPARE(game.differences(), QStringList());
    }

    void dialogsHaveRussianButtons() {
        QtWindow window;
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(input != nullptr);
            auto* buttons = input->findChild<QDialogButtonBox*>();
            seen << buttons->button(QDialogButtonBox::Ok)->text()
                 << buttons->button(QDialogButtonBox::Cancel)->text() << input->textValue();
            buttons->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(window.inputBox("ВЕКСЕЛЬГРАД", "Выбирайте уровень игры (1 - 3)"), std::string());
        QCOMPARE(seen, (QStringList{QStringLiteral("OK"), QStringLiteral("Отмена"), QString()}));
    }

    void aCancelledInputBoxAnswersTheEmptyText() {
        ModalPlayer player;
        QtWindow window;
        player.answer(std::nullopt);
        QCOMPARE(window.inputBox("Сколько?", "Вопрос"), std::string());
        player.answer("  12 ");
        QCOMPARE(window.inputBox("Сколько?", "Вопрос"), std::string("  12 "));
    }

    void messageBoxesCarryTheGivenCaptionAndIcon() {
        ModalPlayer player;
        QtWindow window;
        window.messageBox("Лимит задолженности превышен", "", MessageIcon::information);
        window.messageBox("Единственная просьба, хватит мухлевать.", "ВЕКСЕЛЬГРАД",
                          MessageIcon::none);
        QCOMPARE(
            player.dialogs,
            (QStringList{QStringLiteral("msgbox Лимит задолженности превышен |  | information"),
                         QStringLiteral("msgbox Единственная просьба, хватит мухлевать. | "
                                        "ВЕКСЕЛЬГРАД")}));
    }
};

}  // namespace vekselgrad::desktop::testing

QTEST_MAIN(vekselgrad::desktop::testing::PlayTest)
#include "play_test.moc"
