#include "app/BoiteCommentaire.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace galbix {

namespace {

// A key that the box would turn into a character (Backspace included, as the cap also
// freezes erasing by keyboard): printable text, Backspace, Enter and Tab, without Ctrl.
bool ToucheCaractere(const QKeyEvent& touche)
{
    if (touche.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    switch (touche.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        return true;
    default:
        break;
    }
    const QString texte = touche.text();
    return !texte.isEmpty() && texte.at(0).isPrint();
}

// Length of the box's text once stored: each line break becomes CR LF.
int LongueurStockee(const QString& texte)
{
    return int(texte.size() + texte.count(QLatin1Char('\n')));
}

// The longest start of `texte` whose stored length is at most `maximum`; a line break that
// would not fit whole is left out.
QString DebutStockable(const QString& texte, int maximum)
{
    int longueur = 0;
    qsizetype i = 0;
    for (; i < texte.size(); ++i) {
        longueur += texte.at(i) == QLatin1Char('\n') ? 2 : 1;
        if (longueur > maximum)
            break;
    }
    return texte.left(i);
}

} // namespace

BoiteCommentaire::BoiteCommentaire(QPlainTextEdit& boite, QObject* parent) : QObject(parent), m_boite(boite)
{
    m_boite.installEventFilter(this);
    m_boite.viewport()->installEventFilter(this);
    connect(&m_boite, &QPlainTextEdit::textChanged, this, &BoiteCommentaire::Couper);
    Colorer(false);
}

QString BoiteCommentaire::Texte() const
{
    QString texte = m_boite.toPlainText();
    texte.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return texte;
}

void BoiteCommentaire::DefinirTexte(const QString& texte)
{
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lignes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_boite.setPlainText(lignes);
}

bool BoiteCommentaire::eventFilter(QObject* objet, QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::KeyPress:
        if (objet == &m_boite && LongueurStockee(m_boite.toPlainText()) >= LongueurMax
            && ToucheCaractere(*static_cast<QKeyEvent*>(evenement)))
            return true;
        break;
    case QEvent::MouseButtonPress:
        if (objet == m_boite.viewport())
            Colorer(true);
        break;
    case QEvent::FocusOut:
        if (objet == &m_boite)
            Colorer(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, evenement);
}

void BoiteCommentaire::Couper()
{
    if (m_coupe)
        return;
    const QString texte = m_boite.toPlainText();
    if (LongueurStockee(texte) <= LongueurMax)
        return;
    m_coupe = true;
    const QString debut = DebutStockable(texte, LongueurMax);
    m_boite.setPlainText(debut);
    QTextCursor curseur = m_boite.textCursor();
    curseur.setPosition(int(debut.size()));
    m_boite.setTextCursor(curseur);
    m_coupe = false;
}

void BoiteCommentaire::Colorer(bool enEdition)
{
    QPalette palette = m_boite.palette();
    palette.setColor(QPalette::Base, enEdition ? QColor(255, 255, 255) : palette.color(QPalette::Button));
    m_boite.setPalette(palette);
}

} // namespace galbix
