#include "files/Langue.h"

#include <QCoreApplication>
#include <QTranslator>

namespace galbix {

std::optional<Langue> LangueDuCode(const QString& code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("fr"))
        return Langue::Francais;
    if (c == QLatin1String("en"))
        return Langue::Anglais;
    return std::nullopt;
}

std::optional<QString> ExtraireOptionLangue(QStringList& arguments)
{
    std::optional<QString> code;
    const QString prefixe = OptionLangue + u'=';
    for (qsizetype i = 0; i < arguments.size();) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (a.startsWith(prefixe)) {
            code = a.mid(prefixe.size());
            arguments.removeAt(i);
        } else if (a == OptionLangue) {
            code = i + 1 < arguments.size() ? arguments[i + 1] : QString();
            arguments.remove(i, i + 1 < arguments.size() ? 2 : 1);
        } else {
            ++i;
        }
    }
    return code;
}

bool InstallerLangue(QCoreApplication& application, Langue langue)
{
    if (langue == Langue::Francais)
        return true;
    auto* traducteur = new QTranslator(&application);
    if (!traducteur->load(QStringLiteral(":/i18n/galbix_en.qm"))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}

} // namespace galbix
