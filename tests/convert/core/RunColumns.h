#pragma once

// The two choices every conversion test runs under, as QtTest columns.

#include "convert/core/Direction.h"

#include <QTest>

Q_DECLARE_METATYPE(pirtok::Direction)
Q_DECLARE_METATYPE(pirtok::RunKind)

namespace testtexts {

// Both directions, each ending as a whole-text run and as a selection run.
inline void addRunColumns()
{
    using pirtok::Direction;
    using pirtok::RunKind;
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<RunKind>("kind");
    QTest::newRow("K>U whole") << Direction::KurdishToUnicode << RunKind::WholeText;
    QTest::newRow("K>U selection") << Direction::KurdishToUnicode << RunKind::Selection;
    QTest::newRow("U>K whole") << Direction::UnicodeToKurdish << RunKind::WholeText;
    QTest::newRow("U>K selection") << Direction::UnicodeToKurdish << RunKind::Selection;
}

} // namespace testtexts
