#include "sequences/ui/RepetitionBouton.h"

#include <QAbstractButton>

namespace galbix {

RepetitionBouton::RepetitionBouton(std::function<void(int)> pas, QObject* parent)
    : QObject(parent), m_pas(std::move(pas))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    m_minuterie.setInterval(IntervalleMs);
    connect(&m_pause, &QTimer::timeout, this, &RepetitionBouton::FinPause);
    connect(&m_minuterie, &QTimer::timeout, this, &RepetitionBouton::Tic);
}

void RepetitionBouton::Brancher(QAbstractButton* bouton, int index)
{
    connect(bouton, &QAbstractButton::pressed, this, [this, index] { Appuyer(index); });
    connect(bouton, &QAbstractButton::released, this, &RepetitionBouton::Relacher);
}

void RepetitionBouton::Appuyer(int index)
{
    m_minuterie.stop();
    m_tenu = true;
    m_index = index;
    m_pas(index);
    if (m_tenu)
        m_pause.start();
}

void RepetitionBouton::Relacher()
{
    m_tenu = false;
    m_pause.stop();
    m_minuterie.stop();
}

void RepetitionBouton::FinPause()
{
    m_pause.stop();
    if (m_tenu)
        m_minuterie.start();
}

void RepetitionBouton::Tic()
{
    if (!m_tenu) {
        m_minuterie.stop();
        return;
    }
    m_pas(m_index);
}

void RepetitionBouton::Arreter()
{
    Relacher();
}

} // namespace galbix
