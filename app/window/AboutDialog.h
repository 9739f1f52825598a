#pragma once
// "About Orvalde" on the desktop: name and version, copyright, licence and
// home page above the licence's text and the third-party notices.

class QDialog;
class QWidget;

namespace orvalde {

// The dialog, not yet shown; it deletes itself when closed.
QDialog* CreateAboutDialog(QWidget* parent);

// Shows the dialog modal to `parent`'s window and returns at once, so the
// pendulums keep swinging behind it.
void ShowAboutDialog(QWidget* parent);

}  // namespace orvalde
