// The end of a game: the results form and the analysis form, shown inside the trading click.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtDebug>
#include <QtTest/QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "qt/application_setup.h"
#include "twin_games.h"

namespace vekselgrad::desktop::testing {
namespace {

const QStringList figureBoxes{"Text2",  "Text4",  "Text6",  "Text8",
                              "Text10", "Text12", "Text14", "Text16"};

QStringList figuresOn(const FormWidget& form) {
    QStringList figures;
    for (const QString& name : figureBoxes) {
        figures.append(form.box(name)->text());
    }
    return figures;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void doubleClick(FormWidget& analysis) {
    const QPoint surface(400, 300);
    QTest::mousePress(&analysis, Qt::LeftButton, {}, surface);
    QTest::mouseRelease(&analysis, Qt::LeftButton, {}, surface);
    QTest::mousePress(&analysis, Qt::LeftButton, {}, surface);
    QTest::mouseDClick(&analysis, Qt::LeftButton, {}, surface);
    QTest::mouseRelease(&analysis, Qt::LeftButton, {}, surface);
}

// What the player saw on the end-of-game forms, each time they were shown.
struct EndgameVisit {
    QStringList figuresWhenShown;
    QStringList figures;
    QStringList printedWhenShown;
    QStringList analysis;
};

// Plays the player on Form5 (achievements, then continue) and on Form6 (a click, then a double
// click), recording what they showed.
void playEndgameForms(TwinGames& game, std::vector<EndgameVisit>& visits) {
    game.player().onResults = [&visits](FormWidget& results) {
        visits.emplace_back();
        visits.back().figuresWhenShown = figuresOn(results);
        QTest::mouseClick(results.button("Command2"), Qt::LeftButton);
        visits.back().figures = figuresOn(results);
        QTest::mouseClick(results.button("Command1"), Qt::LeftButton);
    };
    game.player().onAnalysis = [&visits](FormWidget& analysis) {
        visits.back().printedWhenShown = analysis.printedLines();
        QTest::mouseClick(&analysis, Qt::LeftButton, {}, QPoint(400, 300));
        visits.back().analysis = analysis.printedLines();
        doubleClick(analysis);
    };
    game.engine().onShowModal = [](Form form, EndgameEvents& events) {
        if (form == Form::Form5) {
            events.achievementsClicked();
            events.continueClicked();
        } else {
            events.analysisClicked();
            events.analysisDoubleClicked();
        }
    };
}

std::size_t resultsShown(TwinGames& game) {
    const auto& events = game.engine().events;
    return static_cast<std::size_t>(std::count(events.begin(), events.end(), "show Form5"));
}

QStringList engineFigures(TwinGames& game) {
    QStringList figures;
    for (const QString& name : figureBoxes) {
        figures.append(QString::fromStdString(game.engine().box("Form5 " + name.toStdString())));
    }
    return figures;
}

// The lines on Form6 after the engine's last clearing of it.
QStringList engineAnalysis(TwinGames& game) {
    const std::string print = "print Form6 ";
    QStringList lines;
    for (const auto& event : game.engine().events) {
        if (event == "clear Form6") {
            lines.clear();
        } else if (event.starts_with(print)) {
            lines.append(QString::fromStdString(event.substr(print.size())));
        }
    }
    return lines;
}

// Starts a game at level 1 and declines every offer until the results form has been shown;
// the number of declining clicks that took.
int playToTheEnd(TwinGames& game) {
    game.click("Command5", {"1"});
    int clicks = 0;
    while (resultsShown(game) == 0 && clicks < 120) {
        game.click("Command3");
        ++clicks;
        if (resultsShown(game) == 0 && !game.differences().isEmpty()) {
            qWarning() << game.differences();
            return -1;
        }
    }
    return clicks;
}

// The forms are gone, no window waits, and the click that ended the game has saved what the
// engine saved.
void checkTheClickHasResumed(TwinGames& game) {
    QCOMPARE(game.desktop().window().loadedForm(Form::Form5), nullptr);
    QCOMPARE(game.desktop().window().loadedForm(Form::Form6), nullptr);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    for (const char* file : {"Data.txt", "Data1.txt", "Data2.txt", "Data3.txt", "Data4.txt",
                             "Data5.txt", "Data6.txt", "Data7.txt", "Data8.txt"}) {
        QCOMPARE(contents(game.desktopFolder() / file), contents(game.engineFolder() / file));
    }
}

}  // namespace

class EndgameTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { setUpApplication(*qobject_cast<QApplication*>(qApp)); }

    void theLastClickOfTheGameOpensTheResultsAndTheAnalysis() {
        TwinGames game(31337);
        std::vector<EndgameVisit> visits;
        playEndgameForms(game, visits);
        // Five days of three parts, six offers each.
        QCOMPARE(playToTheEnd(game), 90);
        QCOMPARE(visits.size(), 1u);
        QCOMPARE(visits[0].figuresWhenShown, QStringList(8, QString()));
        QCOMPARE(visits[0].figures, engineFigures(game));
        QVERIFY(!visits[0].figures.contains(QString()));
        QCOMPARE(visits[0].printedWhenShown, QStringList());
        QCOMPARE(visits[0].analysis, engineAnalysis(game));
        QVERIFY(visits[0].analysis.size() > 10);
        QCOMPARE(game.boxDifferences(Form::Form4), QStringList());
        QCOMPARE(game.dialogDifferences(), QStringList());
        checkTheClickHasResumed(game);

        // The next click finds the game over again: the forms come back empty every time.
        game.click("Command3");
        QVERIFY(resultsShown(game) > 1);
        QCOMPARE(visits.size(), resultsShown(game));
        for (const EndgameVisit& visit : visits) {
            QCOMPARE(visit.figuresWhenShown, QStringList(8, QString()));
            QCOMPARE(visit.printedWhenShown, QStringList());
        }
        QCOMPARE(visits.back().figures, engineFigures(game));
        QCOMPARE(visits.back().analysis, engineAnalysis(game));
        checkTheClickHasResumed(game);
    }

    void aFailingStateFileOnTheEndFormsIsReportedAndTheFormsStay() {
        TwinGames game(4242);
        bool resultsStayed = false;
        bool analysisStayed = false;
        game.player().onResults = [&](FormWidget& results) {
            std::filesystem::remove(game.desktopFolder() / "Data3.txt");
            QTest::mouseClick(results.button("Command2"), Qt::LeftButton);
            resultsStayed = game.desktop().window().loadedForm(Form::Form5) == &results &&
                            results.isVisible() && figuresOn(results) == QStringList(8, QString());
            QTest::mouseClick(results.button("Command1"), Qt::LeftButton);
        };
        game.player().onAnalysis = [&](FormWidget& analysis) {
            QTest::mouseClick(&analysis, Qt::LeftButton, {}, QPoint(400, 300));
            analysisStayed = game.desktop().window().loadedForm(Form::Form6) == &analysis &&
                             analysis.isVisible();
            doubleClick(analysis);
        };
        game.engine().onShowModal = [](Form, EndgameEvents&) {};
        QVERIFY(playToTheEnd(game) > 0);
        QVERIFY(resultsStayed);
        QVERIFY(analysisStayed);
        const QStringList failures = game.player().dialogs.filter(QStringLiteral("Data3.txt"));
        QCOMPARE(failures.size(), 3);  // the results, the click and the double click's click
        for (const QString& failure : failures) {
            QVERIFY(failure.endsWith(QStringLiteral(" | ВЕКСЕЛЬГРАД")));
        }
        QCOMPARE(game.desktop().window().loadedForm(Form::Form5), nullptr);
        QCOMPARE(game.desktop().window().loadedForm(Form::Form6), nullptr);
        QVERIFY(game.desktop().window().tradingForm().isVisible());
        QVERIFY(std::filesystem::exists(game.desktopFolder() / "Data3.txt"));
    }
};

}  // namespace vekselgrad::desktop::testing

QTEST_MAIN(vekselgrad::desktop::testing::EndgameTest)
#include "endgame_test.moc"
