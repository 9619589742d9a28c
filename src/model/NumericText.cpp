#include "model/NumericText.h"

namespace galbix {

void FiltreToucheNombre(int&) {}
void FiltreToucheNombreSigne(int&) {}
QString PointDecimal(const QString& t) { return t; }
bool EstNombreDecimal(QString&) { return false; }
QString ValeurSaisie(const QString&) { return {}; }
float ValeurSaisieReelle(const QString&) { return 0; }
QString FormaterNombre(double, QStringView) { return {}; }
double LireNombreDebut(std::string_view) { return 0; }
double LireNombreDebut(QStringView) { return 0; }

} // namespace galbix
