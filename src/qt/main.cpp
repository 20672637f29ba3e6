// vekselgrad: the desktop program of the game.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

#include "engine/game_random.h"
#include "qt/application_setup.h"
#include "qt/desktop_game.h"

namespace {

using vekselgrad::desktop::DesktopGame;

const QCommandLineOption stateDirOption(
    QStringLiteral("state-dir"),
    QStringLiteral("The folder of the nine state files (Data.txt .. Data8.txt); by default the "
                   "user's data folder of the game. Created when missing."),
    QStringLiteral("DIR"));

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Vekselgrad: a stock-exchange trading game with a Russian interface."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(stateDirOption);
}

// --help and --version answer before anything needs a display.
std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser does not know the program's name.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.first()).fileName());
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

// The chosen state folder, or the user's data folder of the game; created when missing.
std::optional<std::filesystem::path> prepareStateFolder(const QString& chosen) {
    const QString folder = chosen.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : chosen;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        QMessageBox::critical(nullptr, QStringLiteral("ВЕКСЕЛЬГРАД"),
                              QStringLiteral("Не удаётся создать папку игры: ") + folder);
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(QDir(folder).absolutePath()).toStdString());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vekselgrad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEKSELGRAD_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("vekselgrad"));
    if (const auto answered = answerWithoutWindow(argc, argv)) {
        return *answered;
    }

    QApplication application(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(application);
    vekselgrad::desktop::setUpApplication(application);

    const auto stateFolder = prepareStateFolder(parser.value(stateDirOption));
    if (!stateFolder) {
        return 2;
    }
    vekselgrad::GameRandom random;
    DesktopGame game(*stateFolder, random, vekselgrad::desktop::userDecimalSeparator());
    game.show();
    return QApplication::exec();
}
