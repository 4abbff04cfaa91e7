// What a failing QCOMPARE prints for a value: for the library's types, their QDebug text, which
// never reports (enumerations without a value print as their numbers).
#pragma once

#include <QtTest/QtTest>

template <typename T>
QString printed(const T &value)
{
    const QScopedArrayPointer<char> text(QTest::toString(value));
    return QString::fromUtf8(text.data());
}
