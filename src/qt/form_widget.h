#pragma once

#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "ui/form_layouts.h"

// One form of the game built from its layout: its boxes and buttons, named as the layout names
// them, and the lines printed on its surface behind them.
namespace vekselgrad::desktop {

class FormWidget : public QWidget {
    Q_OBJECT

  public:
    explicit FormWidget(const FormLayout& layout, QWidget* parent = nullptr);

    const FormLayout& layout() const { return layout_; }

    // Gives the box its text; a name that the form does not have is reported and ignored.
    void setBoxText(const QString& box, const QString& text);
    QLineEdit* box(const QString& name) const;
    QPushButton* button(const QString& name) const;

    // Prints a line under the previous one, from the top left, in the form's own font.
    void printLine(const QString& line);
    // Removes the printed lines; the next one prints at the top left again.
    void clearPrinted();
    const QStringList& printedLines() const { return printed_; }

    // Puts the form in the middle of the screen it is on, with its frame once the window
    // system has drawn one.
    void centreOnScreen();

  Q_SIGNALS:
    void buttonClicked(const QString& name);
    void surfaceClicked();
    // A double click on the surface; its first click has already been reported.
    void surfaceDoubleClicked();
    void closeRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void addBox(const ControlLayout& control);
    void addButton(const ControlLayout& control);
    void placeControl(QWidget& widget, const ControlLayout& control);
    void orderFocusForReading();

    const FormLayout& layout_;
    QHash<QString, QLineEdit*> boxes_;
    QHash<QString, QPushButton*> buttons_;
    QStringList printed_;
    bool releaseEndsDoubleClick_ = false;
};

// Twips of the layouts to device-independent pixels.
int pixels(int twips);

}  // namespace vekselgrad::desktop
