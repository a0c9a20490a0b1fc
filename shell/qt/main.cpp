#include <QApplication>

#include "shell/qt/CBlockApp.h"
#include "shell/qt/Translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallJapaneseTranslations(app);
    CBlockApp blockApp;
    // Without a stage set there is no window, and so nothing to run.
    if (!blockApp.InitInstance()) return 0;
    return QApplication::exec();
}
