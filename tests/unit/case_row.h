#pragma once
// Names the row of a table of cases that a failure comes from ("row 3 of
// cases", counted from 0), for tables whose rows carry no name of their own:
//     for (const auto &c : cases) {
//         SCOPED_TRACE(caseRow(cases, c));

#include <iterator>
#include <string>

namespace pc::test {

template <typename Table, typename Row> std::string caseRow(const Table &table, const Row &row)
{
    return "row " + std::to_string(&row - &*std::begin(table)) + " of the table";
}

} // namespace pc::test
