#pragma once

#include "FieldDef.h"

#include <QList>

/// The declared field lists of the main data module's datasets. Several datasets read the same
/// views, so their lists are built here once and varied where the datasets differ.
namespace MainDatasetFields {

enum class Laktacie { Uzavrete, Prebiehajuce, Kravy };

QList<FieldDef> zvierata();
QList<FieldDef> krava();
QList<FieldDef> kontrolyMlieka(bool prepocetZobrazeny);
QList<FieldDef> laktacie(Laktacie variant);
QList<FieldDef> rodokmen();
QList<FieldDef> vyradeneKravy();
QList<FieldDef> uniZostavy();

} // namespace MainDatasetFields
