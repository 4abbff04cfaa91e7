// Goes through a table of rows that cannot be a test's data and, when a check fails on one, names
// that row by its place (from 1) and, where Qt Test can print it, its value:
//     for (const char *text : eachRow(std::array{"nan", "inf"})) // QWARN: ... failed in row 2 of 2: "inf"
// A table made in the loop's head is kept for the loop, where a braced list would not be.

#pragma once

#include <QtTest/QtTest>

#include <array>
#include <iterator>
#include <memory>
#include <utility>

template <typename Rows>
struct EachRow
{
    Rows rows;
    int row = 0;
    bool failedBefore = QTest::currentTestFailed();

    ~EachRow() { noteFailure(); } // also when a failed check leaves the loop
    void noteFailure()
    {
        if (row >= int(std::size(rows)) || std::exchange(failedBefore, QTest::currentTestFailed()) || !failedBefore)
            return;
        const std::unique_ptr<char[]> value(QTest::toString(*std::next(std::cbegin(rows), row)));
        qWarning("The check above failed in row %d of %d%s%s", row + 1, int(std::size(rows)), value ? ": " : "",
                 value ? value.get() : "");
    }
    struct Iterator
    {
        EachRow *each;
        decltype(std::cbegin(std::declval<const Rows &>())) at;
        const auto &operator*() const { return *at; }
        bool operator!=(const Iterator &other) const { return at != other.at; }
        void operator++() { each->noteFailure(), ++each->row, ++at; }
    };
    Iterator begin() { return {this, std::cbegin(rows)}; }
    Iterator end() { return {this, std::cend(rows)}; }
};

template <typename Rows>
EachRow<Rows> eachRow(Rows &&rows)
{
    return {std::forward<Rows>(rows)};
}
