#include "html/wizardroute.h"

#include <QtGlobal>

namespace tavorin {

void WizardRoute::setFrameSteps(int first, int count, int used)
{
    m_firstFrame = first;
    m_frameCount = count;
    m_framesUsed = qBound(0, used, count);
}

int WizardRoute::nextStep() const
{
    int step = m_current + 1;
    if (step >= m_firstFrame + m_framesUsed && step < m_firstFrame + m_frameCount)
        step = m_firstFrame + m_frameCount;
    return qMin(step, m_lastStep);
}

int WizardRoute::backStep() const
{
    if (saving())
        return m_remembered;
    int step = m_current - 1;
    if (m_frameCount > 0 && step == m_firstFrame + m_frameCount - 1)
        step = m_firstFrame + m_framesUsed - 1;
    return qMax(step, 0);
}

void WizardRoute::next()
{
    const int step = nextStep();
    if (step == m_saveStep && !saving())
        m_remembered = m_current;
    m_current = step;
}

void WizardRoute::back()
{
    m_current = backStep();
}

void WizardRoute::finish()
{
    m_remembered = m_current;
    m_current = m_saveStep;
}

} // namespace tavorin
