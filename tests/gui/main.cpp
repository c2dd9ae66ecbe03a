// Runs the window tests: all of them, or the test classes named as the first arguments.

#include <QApplication>
#include <QLocale>

#include "guitest.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Numbers are compared as the program writes them, whatever the machine's locale.
    QLocale::setDefault(QLocale::c());

    QStringList chosen;
    QStringList rest{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (guiTests().count(arg))
            chosen << arg;
        else
            rest << arg;
    }
    int failures = 0;
    for (const auto& [name, make] : guiTests())
        if (chosen.isEmpty() || chosen.contains(name)) {
            std::unique_ptr<QObject> test = make();
            failures += QTest::qExec(test.get(), rest);
        }
    return failures == 0 ? 0 : 1;
}
