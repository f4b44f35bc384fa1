#include "state/main_state.h"

#include <algorithm>

namespace kw {

MainState::MainState()
{
    for (const ParamSpec& spec : paramSpecs())
        value(spec.param) = {spec.defaultValue, spec.minimum, spec.maximum};
}

int MainState::parameterMinimum(Param param) const
{
    return value(param).minimum;
}

int MainState::parameterMaximum(Param param) const
{
    return value(param).maximum;
}

void MainState::setParameter(Param param, int position)
{
    using enum Param;
    setPosition(param, position);
    if (param == MinEven || param == MinOdd) {
        setParameterMaximum(MinEven, 6 - parameter(MinOdd));
        setParameterMaximum(MinOdd, 6 - parameter(MinEven));
    } else if (param == MaxMatches || param == MinMatches) {
        setParameterMaximum(MinMatches, parameter(MaxMatches));
        setParameterMinimum(MaxMatches, parameter(MinMatches));
    }
}

void MainState::setPosition(Param param, int position)
{
    ParameterValue& v = value(param);
    const int clamped = std::clamp(position, v.minimum, v.maximum);
    if (v.position == clamped) return;
    v.position = clamped;
    emit parameterChanged();
}

void MainState::setParameterMinimum(Param param, int minimum)
{
    value(param).minimum = std::min(minimum, parameterMaximum(param));
    setPosition(param, parameter(param));
    emit parameterChanged();
}

void MainState::setParameterMaximum(Param param, int maximum)
{
    value(param).maximum = std::max(maximum, parameterMinimum(param));
    setPosition(param, parameter(param));
    emit parameterChanged();
}

void MainState::setUpDownMinimum(int number, int minimum)
{
    setParameterMinimum(upDownParam(number), minimum);
}

void MainState::setUpDownPosition(int number, int position)
{
    setPosition(upDownParam(number), position);
}

void MainState::setUpDownMaximum(int number, int maximum)
{
    setParameterMaximum(upDownParam(number), maximum);
}

bool MainState::checkBox(int number) const
{
    const std::optional<Param> param = checkBoxParam(number);
    return param && isOn(*param);
}

void MainState::setCheckBox(int number, bool checked)
{
    if (const std::optional<Param> param = checkBoxParam(number)) setPosition(*param, checked);
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

void MainState::enterCell(int edit, const QString& text)
{
    const CellRefusal refusal = sheet.setCell(edit, text);
    if (refusal == CellRefusal::None) {
        if (!m_cellRefusal.isEmpty() && statusText(1) == m_cellRefusal) setStatusText(1, {});
        m_cellRefusal.clear();
        return;
    }
    m_cellRefusal =
        refusal == CellRefusal::NotANumber
            ? messages.text(Message::CellNotANumber).arg(text.trimmed())
            : messages.text(Message::CellOutOfRange).arg(text.trimmed()).arg(sheet.maximumOf(edit));
    setStatusText(1, m_cellRefusal);
}

}  // namespace kw
