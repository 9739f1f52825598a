#pragma once
// One font for all of the window's buttons, small enough that every caption
// shows in full at the buttons' design sizes.

#include <QFont>
#include <span>

namespace orvalde {

class CommandButton;

// Starting from `preferred`, shrinks the point size in half-point steps until
// every caption fits its button's caption area (down to 5 pt), and sets the
// font on the buttons. Returns the font chosen.
QFont FitButtonFont(std::span<CommandButton* const> buttons, QFont preferred);

// Whether the caption of the button fits its caption area with its font.
bool CaptionFits(const CommandButton& button);

}  // namespace orvalde
