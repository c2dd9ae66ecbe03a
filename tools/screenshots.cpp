// spindex-screenshots FOLDER: the pictures of the manual, taken from the real windows.
//
// The program runs on the offscreen platform with a screen of a common desktop size, plays the
// typical request through the model's user actions, as the window build does for a user, and saves
// each window as the user would see it (QWidget::grab) into FOLDER. The build runs it to put the
// manual's pictures beside the manual, so the pictures follow every change to the windows.
//
// Exit status: 0 when every picture was written, 1 when one was not (its name on standard error),
// 2 for a wrong command line.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "analysis/alternativesform.h"
#include "analysis/assumptionsform.h"
#include "analysis/compareform.h"
#include "drivetypes/drivetypesform.h"
#include "forms/smallforms.h"
#include "formwindow.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "plans/plan.h"
#include "plans/planjson.h"
#include "proposal/proposalform.h"
#include "proposalpdf.h"
#include "session.h"
#include "summary/summaryform.h"

namespace {

using spindex::ui::Session;

// A screen of 1600 by 1000 pixels at 96 dots per inch, on which every window fits whole.
constexpr const char* ScreenConfig = R"({"screens":[{"name":"manual","x":0,"y":0,"width":1600,"height":1000,)"
                                     R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";

class Camera {
public:
    Camera(Session& session, QDir folder) : m_session(session), m_folder(std::move(folder)) {}

    // A user's action on a window, then the windows as the session shows them afterwards.
    void act(spindex::Form& form, const std::function<void()>& action) {
        m_session.act(form, action);
        settle();
    }
    // Saves the window of the loaded model window as FILE.
    void take(const spindex::Form* form, const char* file) {
        spindex::ui::FormWindow* window = form ? m_session.windowFor(*form) : nullptr;
        if (!window || !window->isVisible()) {
            std::fprintf(stderr, "spindex-screenshots: %s: the window is not shown\n", file);
            m_failed = true;
            return;
        }
        settle();
        if (!window->grab().save(m_folder.filePath(QString::fromUtf8(file)), "PNG")) {
            std::fprintf(stderr, "spindex-screenshots: %s: cannot write it\n", file);
            m_failed = true;
        }
    }
    bool failed() const { return m_failed; }

    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

private:
    Session& m_session;
    QDir m_folder;
    bool m_failed = false;
};

// The offscreen platform warns about every window operation it does not carry out (raising a window,
// size hints); at build time only real failures are worth a line.
void quietPlatform(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int pick(spindex::ListBox& list, const char* text) {
    const int index = list.indexOf(text);
    if (index < 0)
        std::fprintf(stderr, "spindex-screenshots: %s has no entry %s\n", list.name.c_str(), text);
    return index;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: spindex-screenshots FOLDER\n");
        return 2;
    }
    qInstallMessageHandler(quietPlatform);
    QTemporaryDir scratch;
    const QString config = scratch.filePath(QStringLiteral("screen.json"));
    if (QFile file(config); file.open(QIODevice::WriteOnly))
        file.write(ScreenConfig);
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale::c());

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "spindex-screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    // The program's folder is this tool's, beside the programs, where the graphic finds its icons.
    Session session(QCoreApplication::applicationDirPath());
    spindex::Program& program = session.program();
    Camera camera(session, folder);
    session.start();
    Camera::settle();

    // Start-up: the splash screen in front of the controller selection.
    camera.take(program.frmSplash(), "splash.png");
    camera.act(*program.frmSplash(), [&] { program.frmSplash()->Form_KeyPress(); });
    camera.take(program.frmSelectController(), "select.png");

    // The typical request: the Osprey, four Vault/12 enclosures, one RAID 5 set of 36.4 GB drives.
    spindex::SelectControllerForm& select = *program.frmSelectController();
    camera.act(select, [&] { select.Command1.userClick(); });
    spindex::MainForm& m = *program.frmSpindex();
    camera.act(m, [&] { m.cmbRaidLevel.userPick(pick(m.cmbRaidLevel, "5")); });
    camera.act(m, [&] { m.cmbDriveSize.userPick(pick(m.cmbDriveSize, "36.4")); });
    camera.act(m, [&] { m.cmdAddLogicals.userClick(); });
    const nlohmann::ordered_json savedTypical = spindex::savedPlanJson(m);
    camera.take(&m, "main.png");

    // A mirrored pair beside it with a local hot spare, and one global hot spare.
    camera.act(m, [&] { m.cmbRaidLevel.userPick(pick(m.cmbRaidLevel, "1")); });
    camera.act(m, [&] { m.cmbDriveSize.userPick(pick(m.cmbDriveSize, "18.2")); });
    camera.act(m, [&] { m.cmdAddLogicals.userClick(); });
    camera.act(m, [&] { m.optLocHotSpr[2].userClick(); });
    camera.act(m, [&] { m.optGlobHotSpr[0].userClick(); });
    camera.take(&m, "spares.png");

    camera.act(m, [&] { m.cmdDataReport.userClick(); });
    camera.take(program.frmLogicalDriveDisplay(), "report.png");
    camera.act(m, [&] { m.cmdDisplayGraphic.userClick(); });
    camera.take(program.frmGraphic(), "graphic.png");
    camera.act(m, [&] { m.mnuPlanSummary.userClick(); });
    camera.take(program.frmSummary(), "summary.png");
    camera.act(m, [&] { m.mnuAssumptions.userClick(); });
    camera.take(program.frmAssumptions(), "assumptions.png");
    camera.act(*program.frmAssumptions(), [&] { program.frmAssumptions()->cmdCancel.userClick(); });

    // A drive type of today beside the built-in sizes, its boxes filled for the next one.
    camera.act(m, [&] { m.mnuDriveTypes.userClick(); });
    spindex::DriveTypesForm& types = *program.frmDriveTypes();
    camera.act(types, [&] {
        types.txtSize.userType("1200");
        types.ckHalfHeight.userClick();
        types.txtFigure[0].userType("2000000");
        types.cmdAdd.userClick();
        types.txtSize.userType("3840");
        types.ckHalfHeight.userClick();
        types.ckLowProfile.userClick();
    });
    camera.take(&types, "drivetypes.png");
    camera.act(types, [&] { types.cmdClose.userClick(); });

    // The layouts for the calculator's drives, and this plan beside the typical request on its own.
    camera.act(m, [&] { m.mnuAlternatives.userClick(); });
    camera.take(program.frmAlternatives(), "alternatives.png");
    camera.act(*program.frmAlternatives(), [&] { program.frmAlternatives()->cmdClose.userClick(); });
    const QString typical = scratch.filePath(QStringLiteral("typical.spindex"));
    if (QFile file(typical); file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromStdString(spindex::planFileText(savedTypical)));
    // The open dialog's answer, given straight to the window: the picture shows the window, not the dialog.
    camera.act(m, [&] {
        spindex::CompareForm& compare = program.loadCompare();
        compare.compareFiles({typical.toStdString()});
        program.show(compare);
    });
    camera.take(program.frmCompare(), "compare.png");

    // The proposal for a customer, priced, and the first page of its PDF as pdftoppm renders it.
    camera.act(m, [&] { m.mnuProposal.userClick(); });
    spindex::ProposalForm& proposal = *program.frmProposal();
    const std::pair<spindex::TextBox*, const char*> typed[] = {
        {&proposal.txtCustomer, "Nordbank AG"}, {&proposal.txtPreparedBy, "J. Berg"}, {&proposal.txtCurrency, "EUR"},
        {&proposal.txtPrice[0], "6200"},        {&proposal.txtPrice[1], "1450.50"},   {&proposal.txtPrice[2], "189.50"},
        {&proposal.txtPrice[3], "99"}};
    for (const auto& [box, text] : typed)
        camera.act(proposal, [&] { box->userType(text); });
    camera.take(&proposal, "proposal.png");
    QTemporaryDir pdfFolder;
    const QString pdf = pdfFolder.filePath(QStringLiteral("proposal.pdf"));
    QFile out(pdf);
    const QByteArray bytes = spindex::ui::proposalPdf(m, "customer.spindex", QDate(2026, 3, 2));
    const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    out.close();
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"),
                  QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                  folder.filePath(QStringLiteral("proposal-page"))});
    if (!written || !render.waitForFinished(60000) || render.exitCode() != 0) {
        std::fprintf(stderr, "spindex-screenshots: cannot render the proposal's PDF with pdftoppm\n");
        return 1;
    }
    camera.act(m, [&] { m.mnuAbout.userClick(); });
    camera.take(program.frmAbout(), "about.png");
    return camera.failed() ? 1 : 0;
}
