// Spindex: plans the disk storage behind one RAID controller.
//
// The program is the model's Program; the session shows its windows and answers its questions
// with real dialogs. The program ends only through the model (Exit, or the main window's close
// box): the session then reports ended() and the application quits.

#include <QApplication>

#include "appicon.h"
#include "appinfo.h"
#include "session.h"

#ifdef _WIN32
#include "winregistry.h"
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spindex::appinfo::Title));
    QApplication::setApplicationVersion(QString::fromUtf8(spindex::appinfo::Version));
    QApplication::setOrganizationName(QString::fromUtf8(spindex::appinfo::CompanyName));
    QApplication::setWindowIcon(spindex::ui::applicationIcon());
    // Windows come and go as the model loads and unloads them; between the splash and the
    // selection window none may be shown for a moment.
    QApplication::setQuitOnLastWindowClosed(false);

    spindex::ui::Session session(QCoreApplication::applicationDirPath());
#ifdef _WIN32
    spindex::WinRegistry registry;
    session.program().registry = &registry;
#endif
    QObject::connect(&session, &spindex::ui::Session::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    session.start();
    return QApplication::exec();
}
