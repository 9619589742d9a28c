#pragma once
// The columns of a data table declared in one call: Colonnes<QString, int>("nom", "nombre").

#include <QTest>

namespace galbix::tests {

/// Adds one column of type T[i] named noms[i] for each type given.
template <typename... T, typename... N>
void Colonnes(const N&... noms)
{
    static_assert(sizeof...(T) == sizeof...(N), "one name per type");
    (QTest::addColumn<T>(noms), ...);
}

} // namespace galbix::tests
