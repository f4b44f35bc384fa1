#include "state/main_state.h"

#include <algorithm>

namespace kw {

MainState::MainState()
{
    for (const UpDownSpec& spec : upDownSpecs()) {
        m_upDownPosition[spec.number - 1] = spec.position;
        m_upDownMaximum[spec.number - 1] = spec.maximum;
        m_upDownMinimum[spec.number - 1] = spec.minimum;
    }
    for (int n = 1; n <= kCheckBoxCount; ++n) m_checkBox[n - 1] = checkBoxDesignState(n);
}

int MainState::upDownPosition(int number) const
{
    return m_upDownPosition.at(number - 1);
}

int MainState::upDownMaximum(int number) const
{
    return m_upDownMaximum.at(number - 1);
}

int MainState::upDownMinimum(int number) const
{
    return m_upDownMinimum.at(number - 1);
}

void MainState::setUpDownMinimum(int number, int minimum)
{
    m_upDownMinimum.at(number - 1) = std::min(minimum, upDownMaximum(number));
    setUpDownPosition(number, upDownPosition(number));
    emit parameterChanged();
}

void MainState::setUpDownPosition(int number, int position)
{
    const int clamped = std::clamp(position, upDownMinimum(number), upDownMaximum(number));
    if (m_upDownPosition.at(number - 1) == clamped) return;
    m_upDownPosition[number - 1] = clamped;
    emit parameterChanged();
}

void MainState::setUpDownMaximum(int number, int maximum)
{
    m_upDownMaximum.at(number - 1) = std::max(maximum, upDownMinimum(number));
    setUpDownPosition(number, upDownPosition(number));
    emit parameterChanged();
}

bool MainState::checkBox(int number) const
{
    return number >= 1 && number <= kCheckBoxCount && m_checkBox[number - 1];
}

void MainState::setCheckBox(int number, bool checked)
{
    if (number < 1 || number > kCheckBoxCount || m_checkBox[number - 1] == checked) return;
    m_checkBox[number - 1] = checked;
    emit parameterChanged();
}

const QString& MainState::statusText(int panel) const
{
    return m_status.at(panel);
}

void MainState::setStatusText(int panel, const QString& text)
{
    m_status.at(panel) = text;
    emit statusChanged(panel, text);
}

}  // namespace kw
