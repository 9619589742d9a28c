// Entry point of every test program: `PROGRAMME [tst_nom] [options of Qt Test]` runs the
// named class, or all of them in turn when no class is named.

#include "common/TestMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace galbix::tests {
namespace {

struct Classe {
    LanceurClasse lanceur = nullptr;
    bool graphique = false;
};

std::map<std::string, Classe>& Registre() { static std::map<std::string, Classe> registre; return registre; }

} // namespace

bool InscrireClasse(const char* fichier, LanceurClasse lanceur, bool graphique)
{
    const std::string nom = QFileInfo(QString::fromUtf8(fichier)).completeBaseName().toStdString();
    Registre()[nom] = Classe{lanceur, graphique};
    return true;
}

} // namespace galbix::tests

int main(int argc, char** argv)
{
    using galbix::tests::Registre;
    std::setlocale(LC_ALL, "C");
    std::vector<std::string> noms;
    std::vector<char*> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (Registre().count(argv[i]) != 0) noms.emplace_back(argv[i]);
        else args.push_back(argv[i]);
    }
    if (noms.empty() && argc > 1 && argv[1][0] != '-') {
        std::fprintf(stderr, "Classe de test inconnue : %s\n", argv[1]);
        return 1;
    }
    if (noms.empty())
        for (const auto& [nom, classe] : Registre()) noms.push_back(nom);
    bool graphique = false;
    for (const auto& nom : noms) graphique = graphique || Registre()[nom].graphique;
    int nbArgs = static_cast<int>(args.size());
    std::unique_ptr<QCoreApplication> app;
    if (graphique) {
        // The screen test runs on the display its script started.
        if (qEnvironmentVariableIsEmpty("GALBIX_TEST_ECRAN"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(nbArgs, args.data());
    } else {
        app = std::make_unique<QCoreApplication>(nbArgs, args.data());
    }
    QLocale::setDefault(QLocale::c());
    int echecs = 0;
    for (const auto& nom : noms)
        echecs += Registre()[nom].lanceur(nbArgs, args.data());
    return echecs == 0 ? 0 : 1;
}
