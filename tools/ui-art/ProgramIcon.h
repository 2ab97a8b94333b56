// The program icon: a blue tile with a chart line that falls into a V and rises to an arrow.
#pragma once

#include <QImage>
#include <QVector>

namespace plivant::art {

// Sizes written to the resources; 32 is the program's own icon.
const QVector<int>& ProgramIconSizes();

// The icon at `size` pixels. 16 uses simpler geometry fitted to its grid; 32 keeps to a fixed
// palette of 16 colours; larger sizes have gradients and a soft gloss.
QImage ProgramIconImage(int size);

// The full-colour icon at any size, as used inside the logo.
QImage RichIconImage(int size);

}  // namespace plivant::art
