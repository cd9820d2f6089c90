#pragma once

// The order in which a wizard's steps are visited: Next and Back one step at
// a time (the steps of frames a frame style does not use are skipped),
// Finish straight to the save step, and Back from the save step or later to
// the step the user left for it.

namespace tavorin {

class WizardRoute {
public:
    // Steps 0 to lastStep; Finish leads to saveStep.
    WizardRoute(int saveStep, int lastStep) : m_saveStep(saveStep), m_lastStep(lastStep) {}

    // Steps first to first + count - 1 belong to frames, of which only the
    // first used are visited.
    void setFrameSteps(int first, int count, int used);

    int current() const { return m_current; }
    int saveStep() const { return m_saveStep; }
    int lastStep() const { return m_lastStep; }
    // True on the save step and after it.
    bool saving() const { return m_current >= m_saveStep; }

    // The step Next leads to: the next one, past unused frame steps, never
    // beyond the last step.
    int nextStep() const;
    // The step Back leads to: from the save step or later the step
    // remembered by the last Finish (0 before any), otherwise the previous
    // one, past unused frame steps, never before step 0.
    int backStep() const;

    // Moves to nextStep(); reaching the save step remembers the step left,
    // as Finish does.
    void next();
    void back();
    // Remembers the current step and moves to the save step.
    void finish();
    // Moves to the last step (the document has been saved).
    void finishSaving() { m_current = m_lastStep; }

private:
    int m_saveStep = 0;
    int m_lastStep = 0;
    int m_current = 0;
    int m_remembered = 0;
    int m_firstFrame = 0;
    int m_frameCount = 0;
    int m_framesUsed = 0;
};

} // namespace tavorin
