#include "qt/mnemonics.h"

#include <QKeySequence>
#include <QShortcut>
#include <array>

namespace vekselgrad::desktop {
namespace {

struct Mnemonic {
    Form form;
    const char* button;
    const char* russianKey;  // a letter of the caption
    const char* latinKey;    // the same key in the Latin layout
};

constexpr std::array mnemonics{
    Mnemonic{Form::Form4, "Command2", "Alt+С", "Alt+C"},  // Скупка
    Mnemonic{Form::Form4, "Command1", "Alt+П", "Alt+G"},  // Продажа
    Mnemonic{Form::Form4, "Command3", "Alt+Н", "Alt+Y"},  // Неучастие
    Mnemonic{Form::Form4, "Command4", "Alt+В", "Alt+D"},  // Вложить в банк
    Mnemonic{Form::Form4, "Command5", "Alt+Ч", "Alt+X"},  // Нажми, чтобы начать снова
    Mnemonic{Form::Form5, "Command2", "Alt+И", "Alt+B"},  // ... информацию о своих достижениях
    Mnemonic{Form::Form5, "Command1", "Alt+П", "Alt+G"},  // Продолжение
};

}  // namespace

void addMnemonics(FormWidget& form) {
    for (const Mnemonic& mnemonic : mnemonics) {
        if (mnemonic.form != form.layout().form) {
            continue;
        }
        QPushButton* button = form.button(QString::fromLatin1(mnemonic.button));
        const QKeySequence russian(QString::fromUtf8(mnemonic.russianKey));
        auto* shortcut = new QShortcut(&form);
        shortcut->setKeys({russian, QKeySequence(QString::fromLatin1(mnemonic.latinKey))});
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
        });
        button->setToolTip(russian.toString(QKeySequence::NativeText));
    }
}

}  // namespace vekselgrad::desktop
