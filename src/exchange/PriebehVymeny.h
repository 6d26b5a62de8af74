#pragma once

#include <QString>
#include <functional>

/// What an import or export is doing (a step's name) and how far it is (done of total; total 0
/// when not known). The window shows it in a progress dialog, the tool on its error stream.
using PriebehVymeny = std::function<void(const QString& krok, qint64 hotovo, qint64 celkom)>;
