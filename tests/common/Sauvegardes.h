#pragma once
// Saves run as separate programs, for the tests that kill them or starve them of disk space:
// galbix-cli and the helper that writes the settings file as the main window does at exit.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace galbix::tests {

/// The settings helper (tests/outils), built next to the tests: `FICHIER SAUVEGARDE OUVERTURE`.
inline QString ProgrammeReglages() { return QCoreApplication::applicationDirPath() + QStringLiteral("/galbix-test-reglages"); }

/// A settings file with an extra section of `lignes` keys, which every write keeps: the
/// file is then large enough for its write to take some time.
inline QByteArray ReglagesVolumineux(int lignes)
{
    QByteArray texte = "[Fen\xEAtre]\r\nLeft=0\r\nTop=0\r\nWidth=15525\r\nHeight=10965\r\nWindowState=0\r\n"
                       "[Fichiers]\r\nSauvegarde=C:\\ancien\r\nOuverture=C:\\ancien\r\n[Historique]\r\n";
    for (int i = 0; i < lignes; ++i)
        texte += "Fichier" + QByteArray::number(i) + "=C:\\Ailes\\\x9C" "uvre " + QByteArray::number(i) + ".gbx\r\n";
    return texte;
}

} // namespace galbix::tests
