#pragma once

#include <QtGlobal>

class Connection;

/// How far the working table laktela is from what its statement makes of the data as they are
/// now: the rows it holds that the statement would not make plus the rows the statement would
/// make that it lacks, duplicates counted. 0 when it is current.
qint64 rozdielLaktela(Connection& spojenie);
