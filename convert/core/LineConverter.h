#pragma once

#include "convert/core/ConversionPlan.h"
#include "convert/core/ConversionRules.h"
#include "convert/core/LineClass.h"

#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <optional>

namespace pirtok {

// What happens to one line: a table, the standard pass, both or neither.
struct LineTreatment
{
    std::optional<Family> table; // none: the line's units are kept as they are
    std::optional<LineOrigin> pass;
};

// The treatment a plan gives a line of class `lineClass` (read only when
// needsLineClass(plan)). Auto takes the class's table; with the pass on, a line that is
// already Unicode Kurdish never goes through a table; Arabic and Persian are kept.
LineTreatment treatmentOf(const ConversionPlan &plan, LineClass lineClass);
bool needsLineClass(const ConversionPlan &plan);

// Converts whole lines (no line break inside) as a plan says. The plan's pairs must
// outlive it.
class LineConverter
{
public:
    explicit LineConverter(const ConversionPlan &plan);
    ~LineConverter();
    LineConverter(const LineConverter &) = delete;
    LineConverter &operator=(const LineConverter &) = delete;

    LineTreatment treatmentFor(QStringView line) const;
    // Appends `line` converted as `treatment` says. `kind` is how the table's run ends
    // the line: the plan's own kind for the text's last line, WholeText for the others.
    void convert(QStringView line, const LineTreatment &treatment, RunKind kind, QString &out);

    // The table of `family` with the pairs it takes, built on first use.
    const detail::ConversionRules &rules(Family family) const;
    const detail::PairLookup &lookup(Family family);
    const ConversionPlan &plan() const { return m_plan; }

private:
    const ConversionPlan &m_plan;
    // The plan's answers, asked once rather than for every line.
    const bool m_classifies;
    std::array<LineTreatment, LineClassCount> m_treatments;
    std::array<std::unique_ptr<detail::PairLookup>, FamilyCount> m_lookups;
    QString m_converted; // a line after its table, before the pass
};

} // namespace pirtok
