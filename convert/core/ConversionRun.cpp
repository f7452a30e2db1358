#include "ConversionRun.h"

#include "Progress.h"

namespace pirtok {

void ConversionRun::start(const QString &source, RunKind kind)
{
    m_source = source;
    m_result.clear();
    m_pos = 1;
    m_kind = kind;
    m_active = true;
}

void ConversionRun::stop()
{
    m_active = false;
}

ConversionRun::TickResult ConversionRun::tick(int, const LetterPairs &)
{
    return TickResult::Ended;
}

QString ConversionRun::progressCaption() const
{
    return pirtok::progressCaption(m_pos, m_source.size());
}

} // namespace pirtok
