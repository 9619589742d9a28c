#pragma once
// Numeric text: key filters, the strict syntax check, the tolerant parse and the
// fixed display patterns. Every number shown or written uses "." whatever the locale.

#include <QString>
#include <QStringView>
#include <optional>
#include <string_view>

namespace galbix {

/// Key codes of the filters: a typed character is its own code (Unicode value); the
/// caller maps Qt::Key_Backspace to ToucheRetourArriere and Qt::Key_Return/Key_Enter
/// to ToucheEntree before filtering.
constexpr int ToucheRetourArriere = 8;
constexpr int ToucheEntree = 13;

/// Unsigned-field key filter: digits, ',', '.', Backspace (8) and Enter (13) pass; any other key becomes 0.
void FiltreToucheNombre(int& touche);
/// Signed-field key filter: as FiltreToucheNombre, and '-' passes too.
void FiltreToucheNombreSigne(int& touche);
/// The text with its first ',' replaced by '.'.
QString PointDecimal(const QString& texte);
/// Strict syntax check of a typed decimal number; appends "0" to a text ending with '.'.
bool EstNombreDecimal(QString& texte);
/// The number a typed text denotes, as C-locale text (tolerant parse; "0" when nothing is readable).
QString ValeurSaisie(const QString& texte);
/// ValeurSaisie as a 32-bit float (values beyond the float range saturate).
float ValeurSaisieReelle(const QString& texte);
/// The number a typed text denotes when it lies within the 32-bit float range; nothing beyond it
/// (such a value is refused as a text that is not a number).
std::optional<double> ValeurSaisieFinie(const QString& texte);
/// Formats `valeur` with a picture pattern such as "#####0.0#" ('0' mandatory digit,
/// '#' optional digit): rounded to the last place, at least one integer digit, '.' always.
QString FormaterNombre(double valeur, QStringView motif);
/// Leading numeric part of a text ("." separator, optional sign and exponent); 0 when none.
double LireNombreDebut(std::string_view texte);
/// Same for a QString.
double LireNombreDebut(QStringView texte);

} // namespace galbix
