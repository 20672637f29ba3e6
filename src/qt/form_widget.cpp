#include "qt/form_widget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QtDebug>
#include <algorithm>
#include <vector>

#include "qt/game_fonts.h"
#include "qt/game_text.h"

namespace vekselgrad::desktop {
namespace {

QColor colour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

int pixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

FormWidget::FormWidget(const FormLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window), layout_(layout) {
    setObjectName(layout.form == Form::Form4   ? "Form4"
                  : layout.form == Form::Form5 ? "Form5"
                                               : "Form6");
    setWindowTitle(gameText(layout.caption));
    setFixedSize(pixels(layout.width), pixels(layout.height));
    setFont(gameFont(layout.font));
    if (layout.background) {
        QPalette surface = palette();
        surface.setColor(QPalette::Window, colour(*layout.background));
        setPalette(surface);
        setAutoFillBackground(true);
    }
    for (const auto& control : layout.controls) {
        if (control.kind == ControlKind::textBox) {
            addBox(control);
        } else {
            addButton(control);
        }
    }
    orderFocusForReading();
}

void FormWidget::placeControl(QWidget& widget, const ControlLayout& control) {
    widget.setObjectName(gameText(control.name));
    widget.setGeometry(pixels(control.left), pixels(control.top), pixels(control.width),
                       pixels(control.height));
    widget.setFont(gameFont(control.font));
}

void FormWidget::addBox(const ControlLayout& control) {
    auto* box = new QLineEdit(gameText(control.caption), this);
    placeControl(*box, control);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, colour(control.background));
    colours.setColor(QPalette::Text, colour(control.text));
    box->setPalette(colours);
    // The text starts at the left edge even when it is wider than the box.
    box->setCursorPosition(0);
    boxes_.insert(box->objectName(), box);
}

void FormWidget::addButton(const ControlLayout& control) {
    auto* button = new QPushButton(gameText(control.caption), this);
    placeControl(*button, control);
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, colour(control.background));
    colours.setColor(QPalette::ButtonText, colour(control.text));
    button->setPalette(colours);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, name = button->objectName()] { Q_EMIT buttonClicked(name); });
    buttons_.insert(button->objectName(), button);
}

// The Tab key walks the controls row by row, left to right.
void FormWidget::orderFocusForReading() {
    std::vector<const ControlLayout*> controls;
    for (const auto& control : layout_.controls) {
        controls.push_back(&control);
    }
    std::ranges::sort(controls, [](const ControlLayout* a, const ControlLayout* b) {
        return std::pair(a->top, a->left) < std::pair(b->top, b->left);
    });
    QWidget* previous = nullptr;
    for (const ControlLayout* control : controls) {
        auto* widget = findChild<QWidget*>(gameText(control->name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void FormWidget::setBoxText(const QString& box, const QString& text) {
    QLineEdit* target = boxes_.value(box);
    if (target == nullptr) {
        qWarning() << objectName() << "has no box" << box;
        return;
    }
    target->setText(text);
    target->setCursorPosition(0);
}

QLineEdit* FormWidget::box(const QString& name) const {
    return boxes_.value(name);
}

QPushButton* FormWidget::button(const QString& name) const {
    return buttons_.value(name);
}

void FormWidget::printLine(const QString& line) {
    printed_.append(line);
    update();
}

void FormWidget::clearPrinted() {
    printed_.clear();
    update();
}

void FormWidget::centreOnScreen() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void FormWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString& line : printed_) {
        painter.drawText(0, baseline, line);
        baseline += metrics.height();
    }
}

// A click counts when the button is let go, as a click does everywhere else; the release that
// ends a double click is not a click of its own.
void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT surfaceClicked();
    }
}

void FormWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        releaseEndsDoubleClick_ = true;
        Q_EMIT surfaceDoubleClicked();
    }
}

void FormWidget::closeEvent(QCloseEvent* event) {
    Q_EMIT closeRequested();
    QWidget::closeEvent(event);
}

}  // namespace vekselgrad::desktop
