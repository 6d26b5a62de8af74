#pragma once

#include "data/ConnectionSettings.h"

/// A database of its own on the benchmark's server, installed afresh with the schema and a
/// demo herd of the given size (seed 1). Returns the login on it.
ConnectionSettings installDemoDatabase(const ConnectionSettings& server, const QString& name,
                                       int cows);
