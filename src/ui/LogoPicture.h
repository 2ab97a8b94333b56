// The service's logo in a label, at the device pixels of the screen the label is on.
#pragma once

class QLabel;

namespace plivant {

// Gives `label` the logo for its screen's pixel ratio now and again whenever its window moves to
// a screen of another ratio.
void ShowLogo(QLabel& label);

}  // namespace plivant
