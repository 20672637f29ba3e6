#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "ui/form_layouts.h"

// The fonts of the forms: the designed face where the system has it, otherwise a close face from
// the fonts that the set-up installs.
namespace vekselgrad::desktop {

// The face that stands in for a designed face the system lacks; the face itself when it has no
// stand-in.
QString substituteFace(std::string_view designedFace);

// A font of the forms, sized in device-independent pixels (a point is 4/3 of a pixel at the
// forms' 15 twips a pixel), so that text keeps its place in the boxes on every screen.
QFont gameFont(const FontSpec& spec);

}  // namespace vekselgrad::desktop
