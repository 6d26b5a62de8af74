#pragma once

#include "data/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTest>
#include <functional>
#include <stdexcept>

/// The message of the DatabaseError an action throws, empty when it throws none.
inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}

/// Writes a file of a fixture, creating its folder; fails the test when it cannot.
inline void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

/// The component of a window found by its object name, as a user finds it by its caption; a
/// missing one ends the test with its name instead of a null pointer further on.
template <typename T> T* findComponent(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        throw std::runtime_error("component not found: " + name.toStdString());
    return found;
}
