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
        if (objet == &m_boite && m_boite.toPlainText().size() == LongueurMax
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
    if (texte.size() <= LongueurMax)
        return;
    m_coupe = true;
    m_boite.setPlainText(texte.left(LongueurMax));
    QTextCursor curseur = m_boite.textCursor();
    curseur.setPosition(LongueurMax);
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
