#pragma once

#include "StavZoradenia.h"

class DBGrid;
class QObject;
class Query;

/// Sorts a grid's rows on the server by the clicked column: puts one ORDER BY clause for the
/// column's field at the end of the query's statement (replacing any clause an earlier click
/// put there), reopens the query and shades the sorted column. A second click on the same
/// column reverses the direction; a click on another column keeps it.
///
/// A column without a field of the open query behind it (the query is closed, or the grid
/// shows a field the query lacks) changes nothing. Errors of the reopened query are not caught.
void ZoradPodlaStlpca(DBGrid& grid, Query& query, StavZoradenia& stav, int stlpec);

/// Makes every title click of the grid sort it through ZoradPodlaStlpca, guarded like any
/// handler; the connection lives as long as the context object.
void pripojZoradenie(QObject* kontext, DBGrid* grid, Query* query, StavZoradenia* stav);
