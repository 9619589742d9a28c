#pragma once
// Entry points of the fuzzing targets, also used by the test that replays the inputs which
// once made a reader fail. Each one takes the raw bytes of one input, runs it through the
// same code as the program, and aborts when a result breaks an invariant of that code.

#include <QString>
#include <cstddef>
#include <cstdint>

namespace galbix::fuzz {

/// One fuzzing target: its name (also its regression folder) and its entry point.
struct Cible {
    const char* nom;
    int (*entree)(const uint8_t* donnees, size_t taille);
};

/// The bytes as a .dat file opened on the root side (read, scaling, metrics), in memory.
int OuvrirDat(const uint8_t* donnees, size_t taille);
/// The bytes as a .dxf drawing opened on the root side (read, chaining, thinning).
int OuvrirDxf(const uint8_t* donnees, size_t taille);
/// The bytes as an HPGL plot opened on the root side (read, scaling, thinning).
int OuvrirPlt(const uint8_t* donnees, size_t taille);
/// The bytes as an INI file: parsed, read, written back and parsed again.
int LireIni(const uint8_t* donnees, size_t taille);
/// The bytes as a project file read by the project reader.
int LireProjet(const uint8_t* donnees, size_t taille);
/// The bytes as the exchange pair: root file before the first form feed, tip file after it.
int ImporterEchange(const uint8_t* donnees, size_t taille);
/// The bytes as typed or read numeric text, through every numeric-text routine.
int TexteNumerique(const uint8_t* donnees, size_t taille);

/// Every target, in a fixed order.
const Cible* Cibles(size_t& nombre);

/// A private folder for the files the entry points write, alive until the process ends.
QString DossierDeTravail();

} // namespace galbix::fuzz
