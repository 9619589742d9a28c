#pragma once
// A strict reader of the G-code programs Galbix writes, for the tests: it accepts only the
// forms the writer promises (comments in parentheses, "G0"/"G1" with the four axes in the
// machine's order and three decimals, F in fixed notation on every G1) and gives back the
// moves, the other lines and where they stand among the moves.

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace galbix::tests {

struct MouvementLu {
    bool Rapide = false;
    std::array<double, 4> Axes{}; ///< in the order of the machine's axis letters
    double F = 0.0;
    int Ligne = 0;                ///< 1-based line number
};

/// A line that is not a move, and how many moves came before it.
struct CommandeLue {
    QString Texte;
    size_t MouvementsAvant = 0;
};

struct ProgrammeLu {
    QString Erreur; ///< the first line refused, empty when the whole text is well-formed
    std::vector<MouvementLu> Mouvements;
    std::vector<CommandeLue> Commandes;
    int Commentaires = 0;
};

/// Reads `texte` written for the axis letters `axes` ("XYUV", "XYZA").
inline ProgrammeLu LireGCode(const QByteArray& texte, const QString& axes)
{
    const QString n = QStringLiteral("(-?\\d+\\.\\d{3})");
    const QRegularExpression mouvement(QStringLiteral("^G([01]) %1%2 %3%4 %5%6 %7%8(?: F(\\d+(?:\\.\\d+)?))?$")
                                           .arg(QString(axes[0]), n, QString(axes[1]), n)
                                           .arg(QString(axes[2]), n, QString(axes[3]), n));
    const QRegularExpression commentaire(QStringLiteral("^\\([\\x20-\\x27\\x2a-\\x7e]*\\)$"));
    ProgrammeLu lu;
    const QList<QByteArray> lignes = texte.split('\n');
    for (int i = 0; i < lignes.size(); ++i) {
        const QString ligne = QString::fromLatin1(lignes[i]);
        if (ligne.isEmpty() && i + 1 == lignes.size()) break; // after the last line end
        if (commentaire.match(ligne).hasMatch()) {
            ++lu.Commentaires;
            continue;
        }
        const QRegularExpressionMatch m = mouvement.match(ligne);
        if (!m.hasMatch()) {
            if (ligne.contains(QLatin1Char('(')) || ligne.startsWith(QLatin1String("G0")) ||
                ligne.startsWith(QLatin1String("G1 ")) || ligne.trimmed() != ligne || ligne.isEmpty()) {
                lu.Erreur = QStringLiteral("ligne %1 : %2").arg(i + 1).arg(ligne);
                return lu;
            }
            lu.Commandes.push_back({ligne, lu.Mouvements.size()});
            continue;
        }
        MouvementLu mv;
        mv.Rapide = m.captured(1) == QLatin1String("0");
        for (int a = 0; a < 4; ++a) mv.Axes[size_t(a)] = m.captured(2 + a).toDouble();
        mv.Ligne = i + 1;
        if (mv.Rapide == m.hasCaptured(6)) { // F on every G1, never on G0
            lu.Erreur = QStringLiteral("ligne %1 : avance %2").arg(i + 1).arg(ligne);
            return lu;
        }
        mv.F = mv.Rapide ? 0.0 : m.captured(6).toDouble();
        lu.Mouvements.push_back(mv);
    }
    return lu;
}

} // namespace galbix::tests
