#include "convert/core/LineConverter.h"

#include "convert/core/UnitWriter.h"

#include <limits>

namespace pirtok {

namespace {

// The origin of a line a table converted: the Ali family's ه is the consonant, Zarnegar's
// word-final ه is ە.
LineOrigin originOf(Family table)
{
    return table == Family::Zarnegar ? LineOrigin::Zarnegar : LineOrigin::AliFamily;
}

std::optional<Family> tableOfClass(LineClass lineClass)
{
    switch (lineClass) {
    case LineClass::AliK:
        return Family::AliK;
    case LineClass::AliWeb:
        return Family::AliWeb;
    case LineClass::Dylan:
        return Family::Dylan;
    case LineClass::Zarnegar:
        return Family::Zarnegar;
    case LineClass::Unicode:
    case LineClass::Arabic:
    case LineClass::Neutral:
        break;
    }
    return std::nullopt;
}

} // namespace

bool needsLineClass(const ConversionPlan &plan)
{
    return plan.direction == Direction::KurdishToUnicode &&
           (plan.family == Family::Auto || (plan.passes() && hasRuleTable(plan.family)));
}

LineTreatment treatmentOf(const ConversionPlan &plan, LineClass lineClass)
{
    LineTreatment treatment;
    if (plan.direction == Direction::UnicodeToKurdish) {
        if (hasRuleTable(plan.family))
            treatment.table = plan.family;
        return treatment;
    }
    const bool passes = plan.passes();
    if (plan.family == Family::Auto) {
        treatment.table = tableOfClass(lineClass);
        if (passes && lineClass != LineClass::Arabic)
            treatment.pass = treatment.table ? originOf(*treatment.table) : LineOrigin::Unicode;
        return treatment;
    }
    if (!hasRuleTable(plan.family) || (passes && lineClass == LineClass::Unicode)) {
        if (passes)
            treatment.pass = LineOrigin::Unicode;
        return treatment;
    }
    treatment.table = plan.family;
    if (passes)
        treatment.pass = originOf(plan.family);
    return treatment;
}

LineConverter::LineConverter(const ConversionPlan &plan) : m_plan(plan), m_classifies(needsLineClass(plan))
{
    for (std::size_t c = 0; c < m_treatments.size(); ++c)
        m_treatments[c] = treatmentOf(plan, static_cast<LineClass>(c));
}

LineConverter::~LineConverter() = default;

LineTreatment LineConverter::treatmentFor(QStringView line) const
{
    return m_treatments[static_cast<std::size_t>(m_classifies ? classifyLine(line) : LineClass::Neutral)];
}

const detail::ConversionRules &LineConverter::rules(Family family) const
{
    return detail::ConversionRules::of(family, m_plan.direction);
}

const detail::PairLookup &LineConverter::lookup(Family family)
{
    std::unique_ptr<detail::PairLookup> &lookup = m_lookups[static_cast<std::size_t>(family)];
    if (!lookup)
        lookup = std::make_unique<detail::PairLookup>(m_plan.pairs, m_plan.direction, rules(family));
    return *lookup;
}

void LineConverter::convert(QStringView line, const LineTreatment &treatment, RunKind kind, QString &out)
{
    if (!treatment.table) {
        if (treatment.pass)
            standardizeLine(line, m_plan.steps, *treatment.pass, out);
        else
            out.append(line);
        return;
    }
    const detail::PairLookup &pairs = lookup(*treatment.table);
    QString &target = treatment.pass ? m_converted : out;
    if (treatment.pass)
        m_converted.resize(0);
    {
        detail::UnitWriter writer(target, line.size() + line.size() / 8);
        qsizetype steps = 0;
        rules(*treatment.table)
            .run(line.utf16(), line.size(), 0, line.size(), std::numeric_limits<qsizetype>::max(), steps,
                 pairs, kind, writer);
    }
    if (treatment.pass)
        standardizeLine(m_converted, m_plan.steps, *treatment.pass, out);
}

} // namespace pirtok
