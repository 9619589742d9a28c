#pragma once
// The picture of the 4-axis machine for the manual: the two carriages, the block between them,
// the wire extended through both faces, and the distances L and D.

#include <QImage>

namespace galbix::captures {

/// The machine seen from the front, drawn at `largeur` x `hauteur` pixels.
QImage SchemaMachine(int largeur = 900, int hauteur = 430);

} // namespace galbix::captures
