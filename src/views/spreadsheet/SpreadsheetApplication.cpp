#include "SpreadsheetApplication.h"

#include "XlsxSpreadsheetApplication.h"

namespace {
SpreadsheetApplication::Factory installedFactory;
}

std::unique_ptr<SpreadsheetApplication> SpreadsheetApplication::create() {
    if (installedFactory)
        return installedFactory();
    return std::make_unique<XlsxSpreadsheetApplication>();
}

SpreadsheetApplication::Factory SpreadsheetApplication::install(Factory factory) {
    return std::exchange(installedFactory, std::move(factory));
}
