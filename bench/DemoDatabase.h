#pragma once

#include "data/ConnectionSettings.h"

#include <functional>

/// A database of its own on the benchmark's server, installed afresh with the schema and a
/// demo herd of the given size (seed 1). Returns the login on it.
ConnectionSettings installDemoDatabase(const ConnectionSettings& server, const QString& name,
                                       int cows);

/// The demo database of this size that every benchmark shares (tarvelin_demo_N, seed 1): reused
/// when an earlier run left it complete on a server whose data folder was kept (brought up to
/// date with the schema scripts added since), else installed.
ConnectionSettings keptDemoDatabase(const ConnectionSettings& server, int cows);

class QCommandLineParser;

/// Runs a benchmark's body on a private server of its own, whose data folder `--datadir DIR`
/// names (kept for the next run) or a temporary one: adds that option and --help to the parser
/// (the body's own options are added before), processes the command line, starts the server,
/// runs the body with the server's login and stops the server again. Returns the body's result;
/// 2 with the usage text for arguments it does not take; 1 with the message of a database
/// failure.
int runOnBenchmarkServer(QCommandLineParser& parser, const char* usage,
                         const std::function<int(const ConnectionSettings& server)>& body);
