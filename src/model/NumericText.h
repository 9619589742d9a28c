#pragma once
// Numeric text: key filters, the strict syntax check, the tolerant parse and the
// fixed display patterns. Every number shown or written uses "." whatever the locale.

#include <QString>
#include <QStringView>
#include <string_view>

namespace galbix {

/// Unsigned-field key filter: digits, ',', '.', Backspace (8) and Enter (13) pass; any other key becomes 0.
void FiltreToucheNombre(int& touche);
/// Signed-field key filter: as FiltreToucheNombre, and '-' passes too.
void FiltreToucheNombreSigne(int& touche);
/// The text with its first ',' replaced by '.'.
QString PointDecimal(const QString& texte);
/// Strict syntax check of a typed decimal number; appends "0" to a text ending with '.'.
bool EstNombreDecimal(QString& texte);
/// The number a typed text denotes, as C-locale text (tolerant parse; 0 when nothing is readable).
QString ValeurSaisie(const QString& texte);
/// ValeurSaisie converted to a 32-bit float.
float ValeurSaisieReelle(const QString& texte);
/// Formats `valeur` with a picture pattern such as "#####0.0#": rounded to the last place,
/// at least the mandatory digits, '.' as separator.
QString FormaterNombre(double valeur, QStringView motif);
/// Leading numeric part of a text ("." separator, optional sign and exponent); 0 when none.
double LireNombreDebut(std::string_view texte);
/// Same for a QString.
double LireNombreDebut(QStringView texte);

} // namespace galbix
