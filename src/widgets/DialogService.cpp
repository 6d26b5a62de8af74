#include "DialogService.h"

#include "QtDialogService.h"

namespace {
DialogService* installedService = nullptr;
}

DialogService& DialogService::instance() {
    static QtDialogService qtService;
    return installedService ? *installedService : qtService;
}

DialogService* DialogService::install(DialogService* service) {
    DialogService* previous = installedService;
    installedService = service;
    return previous;
}
