#pragma once
// A button that repeats its step while held: one step at the press, then after a 200 ms pause
// one step every 100 ms until the release. A short click gives exactly one step.

#include <QObject>
#include <QTimer>
#include <functional>

class QAbstractButton;

namespace galbix {

class RepetitionBouton : public QObject {
    Q_OBJECT
public:
    static constexpr int PauseMs = 200;
    static constexpr int IntervalleMs = 100;

    /// `pas` receives the index of the button pressed.
    RepetitionBouton(std::function<void(int)> pas, QObject* parent = nullptr);
    /// Connects the press and release of `bouton` (index `index`).
    void Brancher(QAbstractButton* bouton, int index);

    /// Button pressed: one step, then the pause.
    void Appuyer(int index);
    /// Button released: no further step.
    void Relacher();
    /// End of the pause: repeating starts if the button is still held.
    void FinPause();
    /// One tick of the repeat timer.
    void Tic();
    /// Stops everything (window opening or closing).
    void Arreter();

    bool Tenu() const { return m_tenu; }
    bool EnPause() const { return m_pause.isActive(); }
    bool Repete() const { return m_minuterie.isActive(); }

private:
    std::function<void(int)> m_pas;
    QTimer m_pause;
    QTimer m_minuterie;
    bool m_tenu = false;
    int m_index = 0;
};

} // namespace galbix
