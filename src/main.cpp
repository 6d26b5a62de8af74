#include "app/StartupSequence.h"
#include "widgets/GuardedApplication.h"

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("tarvelin"));
    return StartupSequence().run();
}
