#pragma once
// The project's comment box: at most 256 characters (typing stops there, a paste is cut),
// a white background while the user edits it and the button-face colour otherwise.
// A line break counts as two characters, the CR LF it becomes once the comment is stored.

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace galbix {

class BoiteCommentaire : public QObject {
    Q_OBJECT
public:
    /// Longest comment the box holds, line breaks counted as CR LF.
    static constexpr int LongueurMax = 256;

    /// Takes over the behaviour of `boite` (the window keeps ownership of the widget).
    explicit BoiteCommentaire(QPlainTextEdit& boite, QObject* parent = nullptr);

    /// The box's text with its lines separated by CR LF.
    QString Texte() const;
    /// Replaces the box's text (lines separated by CR LF, LF or CR), cut to the cap.
    void DefinirTexte(const QString& texte);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Couper();
    void Colorer(bool enEdition);

    QPlainTextEdit& m_boite;
    bool m_coupe = false; ///< the box is being cut: its own change is not handled again
};

} // namespace galbix
