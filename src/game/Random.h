#pragma once

// The chance and the clock that the game is handed. The rules never read the
// time or draw chance on their own; the main window passes the system ones,
// tests pass scripted ones.
namespace qv {

class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // Next uniform value in [0, 1), single precision.
    virtual float Rnd() = 0;
    // Reseed from the clock (each game start).
    virtual void Randomize() = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    // Seconds field (0..59) of the current local time.
    virtual int Seconds() = 0;
};

// Uniform generator with 24-bit resolution, reseeded from the high-resolution clock.
class SystemRandom : public IRandomSource {
public:
    SystemRandom();
    float Rnd() override;
    void Randomize() override;
    // The generator's whole state: the seed a Randomize gave, or where the draws stand.
    unsigned long long State() const { return state_; }
    void Set_State(unsigned long long state) { state_ = state; }

private:
    unsigned long long state_;
};

// Local wall-clock time.
class SystemClock : public IClock {
public:
    int Seconds() override;
};

// Draws and discards 2 * seconds + 1 values, so the figure drawn depends on the second.
void Stir_Random(IRandomSource& rnd, IClock& clock);

} // namespace qv
