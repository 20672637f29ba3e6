// The three forms as the layout tables draw them, and what the player can do with them.
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <filesystem>

#include "engine/game_random.h"
#include "qt/application_setup.h"
#include "qt/desktop_game.h"
#include "qt/form_widget.h"
#include "qt/game_fonts.h"
#include "qt/game_text.h"
#include "qt/mnemonics.h"

Q_DECLARE_METATYPE(vekselgrad::Form)

namespace vekselgrad::desktop::testing {
namespace {

QColor colour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The face the font resolves to is the designed one or its stand-in (a face installed twice is
// told apart by its foundry: "Z003 [urw]").
bool isDesignedOrStandIn(const QFont& font, std::string_view face) {
    const QString family = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0);
    if (family != gameText(face) && family != substituteFace(face)) {
        qWarning() << gameText(face) << "resolves to" << family;
        return false;
    }
    return true;
}

void addForms() {
    QTest::addColumn<Form>("form");
    QTest::newRow("Form4") << Form::Form4;
    QTest::newRow("Form5") << Form::Form5;
    QTest::newRow("Form6") << Form::Form6;
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { setUpApplication(*qobject_cast<QApplication*>(qApp)); }

    void everyControlHasItsNamePlaceAndCaption_data() { addForms(); }
    void everyControlHasItsNamePlaceAndCaption() {
        QFETCH(Form, form);
        const FormLayout& layout = formLayout(form);
        FormWidget widget(layout);
        QCOMPARE(widget.windowTitle(), gameText(layout.caption));
        QCOMPARE(widget.size(), QSize(pixels(layout.width), pixels(layout.height)));
        for (const ControlLayout& control : layout.controls) {
            const QString name = gameText(control.name);
            auto* shown = widget.findChild<QWidget*>(name);
            QVERIFY2(shown != nullptr, qPrintable(name));
            QCOMPARE(shown->geometry(), QRect(control.left / 15, control.top / 15,
                                              control.width / 15, control.height / 15));
            if (control.kind == ControlKind::textBox) {
                auto* box = qobject_cast<QLineEdit*>(shown);
                QVERIFY2(box != nullptr, qPrintable(name));
                QCOMPARE(box->text(), gameText(control.caption));
                QVERIFY(!box->isReadOnly());
            } else {
                auto* button = qobject_cast<QPushButton*>(shown);
                QVERIFY2(button != nullptr, qPrintable(name));
                QCOMPARE(button->text(), gameText(control.caption));
            }
        }
        QCOMPARE(widget.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size() +
                     widget.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(),
                 static_cast<qsizetype>(layout.controls.size()));
    }

    void everyControlHasItsColoursAndFont_data() { addForms(); }
    void everyControlHasItsColoursAndFont() {
        QFETCH(Form, form);
        const FormLayout& layout = formLayout(form);
        FormWidget widget(layout);
        if (layout.background) {
            QCOMPARE(widget.palette().color(QPalette::Window), colour(*layout.background));
        }
        for (const ControlLayout& control : layout.controls) {
            auto* shown = widget.findChild<QWidget*>(gameText(control.name));
            const bool box = control.kind == ControlKind::textBox;
            QCOMPARE(shown->palette().color(box ? QPalette::Base : QPalette::Button),
                     colour(control.background));
            QCOMPARE(shown->palette().color(box ? QPalette::Text : QPalette::ButtonText),
                     colour(control.text));
            QVERIFY2(isDesignedOrStandIn(shown->font(), control.font.face),
                     qPrintable(gameText(control.name)));
            QCOMPARE(shown->font().pixelSize(),
                     static_cast<int>(std::lround(control.font.points * 4 / 3)));
            QCOMPARE(shown->font().bold(), control.font.bold);
            QCOMPARE(shown->font().italic(), control.font.italic);
        }
    }

    void theSetUpInstallsTheStandInFaces() {
        for (const char* face :
             {"Times New Roman", "Monotype Corsiva", "Small Fonts", "MS Sans Serif"}) {
            QVERIFY2(isDesignedOrStandIn(gameFont(FontSpec{face, 14.25}), face), face);
        }
    }

    void tabWalksTheButtonsInReadingOrder() {
        FormWidget widget(formLayout(Form::Form4));
        QStringList buttons;
        QWidget* control = widget.findChild<QWidget*>(QStringLiteral("Text2"));
        for (int step = 0; step < 60 && buttons.size() < 5; ++step) {
            if (qobject_cast<QPushButton*>(control) != nullptr) {
                buttons.append(control->objectName());
            }
            control = control->nextInFocusChain();
        }
        QCOMPARE(buttons,
                 (QStringList{"Command2", "Command1", "Command3", "Command4", "Command5"}));
        for (const QString& name : buttons) {
            QVERIFY(widget.button(name)->focusPolicy() & Qt::TabFocus);
        }
    }

    void altKeysPressTheButtonsWithoutChangingTheirCaptions_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("Скупка, Latin layout") << "Command2" << int(Qt::Key_C);
        QTest::newRow("Скупка, Russian layout") << "Command2" << 0x0421;
        QTest::newRow("Продажа") << "Command1" << 0x041F;
        QTest::newRow("Неучастие") << "Command3" << int(Qt::Key_Y);
        QTest::newRow("Вложить в банк") << "Command4" << 0x0412;
        QTest::newRow("Нажми, чтобы начать снова") << "Command5" << int(Qt::Key_X);
    }
    void altKeysPressTheButtonsWithoutChangingTheirCaptions() {
        QFETCH(QString, button);
        QFETCH(int, key);
        FormWidget widget(formLayout(Form::Form4));
        addMnemonics(widget);
        widget.show();
        QApplication::setActiveWindow(&widget);
        QVERIFY(QTest::qWaitForWindowActive(&widget));
        QSignalSpy pressed(widget.button(button), &QPushButton::clicked);
        QTest::sendKeyEvent(QTest::Click, &widget, static_cast<Qt::Key>(key),
                            QString(QChar(key)).toLower(), Qt::AltModifier);
        QVERIFY(pressed.wait(1000));
        QCOMPARE(widget.button(button)->text(),
                 gameText(findControl(formLayout(Form::Form4), button.toStdString())->caption));
    }

    void theTradingFormStartsCentredWithoutTouchingTheStateFolder() {
        QTemporaryDir folder;
        GameRandom random(1);
        DesktopGame game(std::filesystem::path(folder.path().toStdString()), random, ',');
        game.show();
        FormWidget& form = game.window().tradingForm();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint centre = form.screen()->availableGeometry().center();
        QVERIFY((form.frameGeometry().center() - centre).manhattanLength() <= 2);
        QVERIFY(std::filesystem::is_empty(std::filesystem::path(folder.path().toStdString())));
        QVERIFY(form.printedLines().isEmpty());
        QCOMPARE(form.box(QStringLiteral("saf(1)"))->text(), QString());
        QCOMPARE(form.box(QStringLiteral("Text19"))->text(),
                 QStringLiteral("                  Эффект"));
    }

    void printedLinesLieBehindTheBoxes() {
        FormWidget form(formLayout(Form::Form6));
        for (int line = 0; line < 40; ++line) {
            form.printLine(QString(200, QChar(0x2588)));  // full blocks, black
        }
        QCOMPARE(form.printedLines().size(), 40);
        QCOMPARE(form.size(), QSize(772, 521));
        const QImage picture = form.grab().toImage();
        // Inside the title box, right of its caption: the box's green.
        QCOMPARE(picture.pixelColor(pixels(2400 + 6615) - 8, pixels(120 + 375 / 2)),
                 QColor(0, 255, 0));
        // Beside the box: the printed blocks.
        QCOMPARE(picture.pixelColor(pixels(1200), pixels(300)), QColor(0, 0, 0));
        QCOMPARE(picture.pixelColor(pixels(11000), pixels(300)), QColor(0, 0, 0));
        form.clearPrinted();
        QVERIFY(form.printedLines().isEmpty());
        QCOMPARE(form.grab().toImage().pixelColor(pixels(1200), pixels(300)),
                 form.palette().color(QPalette::Window));
    }

    void theAnalysisFormReportsAClickThenADoubleClick() {
        FormWidget form(formLayout(Form::Form6));
        QStringList heard;
        connect(&form, &FormWidget::surfaceClicked, [&heard] { heard << "click"; });
        connect(&form, &FormWidget::surfaceDoubleClicked, [&heard] { heard << "double"; });
        const QPoint surface(400, 300);
        QTest::mouseClick(&form, Qt::LeftButton, {}, surface);
        QCOMPARE(heard, QStringList{"click"});
        QTest::mousePress(&form, Qt::LeftButton, {}, surface);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, surface);
        QTest::mousePress(&form, Qt::LeftButton, {}, surface);
        QTest::mouseDClick(&form, Qt::LeftButton, {}, surface);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, surface);
        QCOMPARE(heard, (QStringList{"click", "click", "double"}));
    }
};

}  // namespace vekselgrad::desktop::testing

QTEST_MAIN(vekselgrad::desktop::testing::FormsTest)
#include "forms_test.moc"
