#include "pdfmodule.h"

#include <QDate>
#include <QGuiApplication>

#include "proposalpdf.h"
#include "reportdrawing.h"

namespace {

// Qt's GUI library, started once on its offscreen platform. It lives until the tool ends it, as the
// fonts it loaded are used by every later document.
QGuiApplication* application = nullptr;

void startGuiOnce() {
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "spindex-batch";
    static char* argv[] = {name, nullptr};
    application = new QGuiApplication(argc, argv);
}

} // namespace

extern "C" Q_DECL_EXPORT std::string spindexBatchDrawPdf(const spindex::batch::PdfRequest& request, std::string& pdf) {
    startGuiOnce();
    const QByteArray bytes = request.report ? spindex::ui::reportPdf(*request.report)
                             : request.proposalOf
                                 ? spindex::ui::proposalPdf(*request.proposalOf, request.planFile, QDate::currentDate())
                                 : QByteArray();
    pdf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return bytes.isEmpty() ? "the document could not be drawn" : std::string();
}

extern "C" Q_DECL_EXPORT void spindexBatchEndPdf() {
    delete application;
    application = nullptr;
}
